// What flies over the round and its result: floating money amounts, the money
// bag on its way to the counter, and Tavi's flight over the result screen.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "FlowingMoneyIconClass.h"
#include "MoneyEffectClass.h"
#include "TaviScoringClass.h"

namespace {

TEST(MoneyEffect, AnAmountRisesAPixelAFrameAndFadesUntilItIsFaint) {
    TMoneyEffect Money;
    Money.Add(45, 179, 133);
    ASSERT_TRUE(Money.EntryActive(0));
    EXPECT_EQ(Money.EntryAlpha(0), 225.0);
    Money.UpdateAndDraw();
    EXPECT_EQ(Money.EntryPos(0).Y, 132.0);
    const double Step = 225.0 - Money.EntryAlpha(0);
    EXPECT_GE(Step, 2.0);
    EXPECT_LE(Step, 4.0);
    int Frames = 1;
    while (Money.EntryActive(0) && Frames < 200) {
        Money.UpdateAndDraw();
        ++Frames;
    }
    // Gone on the frame its opacity falls below 80: 145 at its pace, plus one.
    EXPECT_EQ(Frames, static_cast<int>(145 / Step) + 1);
}

TEST(MoneyEffect, TheTwentyFirstAmountTakesTheFirstOnesPlace) {
    TMoneyEffect Money;
    for (int32_t I = 1; I <= 20; ++I) Money.Add(I, 10 * I, 100);
    EXPECT_EQ(Money.ActiveCount(), 20);
    Money.Add(21, 500, 300);
    EXPECT_EQ(Money.ActiveCount(), 20);
    EXPECT_EQ(Money.EntryAmount(0), 21);
    EXPECT_EQ(Money.EntryPos(0).X, 500.0);
    EXPECT_EQ(Money.EntryAmount(1), 2);
    Money.Reset();
    EXPECT_EQ(Money.ActiveCount(), 0);
    Money.Add(7, 0, 0);
    EXPECT_TRUE(Money.EntryActive(0)) << "after a reset the ring starts again at its first entry";
}

TEST(MoneyEffect, HiddenAmountsStandStill) {
    TMoneyEffect Money;
    Money.Add(10, 0, 50);
    Money.Visible = false;
    for (int I = 0; I < 100; ++I) Money.UpdateAndDraw();
    EXPECT_TRUE(Money.EntryActive(0));
    EXPECT_EQ(Money.EntryPos(0).Y, 50.0);
}

struct TBagLog {
    std::vector<int32_t> Arrived;
    std::vector<TPoint> Positions;
};

void Watch(TFlowingMoneyIcon& Bag, TBagLog& Log) {
    Bag.OnArrive = [&Log](TObject*, int32_t Amount) { Log.Arrived.push_back(Amount); };
    Bag.OnPosUpdate = [&Log](TObject*, TPoint Pos) { Log.Positions.push_back(Pos); };
}

TEST(FlowingMoneyIcon, TheBagFliesStraightToTheCounterAtFortyPixelsAFrameAndHandsOverItsAmount) {
    TFlowingMoneyIcon Bag;
    TBagLog Log;
    Watch(Bag, Log);
    Bag.Start(448, 386, 250);
    EXPECT_EQ(Bag.Speeds().X, 40.0);
    EXPECT_EQ(Bag.Speeds().Y, 20.0);
    for (int Frame = 0; Frame < 20 && Bag.Flying(); ++Frame) Bag.UpdateAndDraw();
    ASSERT_EQ(Log.Positions.size(), 10u);
    EXPECT_EQ(Log.Positions.front(), (TPoint{408, 366}));
    EXPECT_EQ(Log.Positions.back(), (TPoint{48, 186}));
    EXPECT_EQ(Log.Arrived, std::vector<int32_t>{250});
    Bag.UpdateAndDraw();
    EXPECT_EQ(Log.Positions.size(), 10u) << "nothing once it has arrived";
}

TEST(FlowingMoneyIcon, ASecondBagLandsTheFirstAtOnce) {
    TFlowingMoneyIcon Bag;
    TBagLog Log;
    Watch(Bag, Log);
    Bag.Start(700, 500, 100);
    Bag.UpdateAndDraw();
    Bag.Start(600, 400, 40);
    EXPECT_EQ(Log.Arrived, std::vector<int32_t>{100});
    for (int Frame = 0; Frame < 30 && Bag.Flying(); ++Frame) Bag.UpdateAndDraw();
    EXPECT_EQ(Log.Arrived, (std::vector<int32_t>{100, 40}));

    Bag.Start(48, 186, 5);  // already there: it arrives with its first frame
    Bag.UpdateAndDraw();
    EXPECT_EQ(Log.Arrived.back(), 5);
    EXPECT_FALSE(Bag.Flying());
}

TEST(TaviScoring, SheSweepsInTurnsBackAndRisesAwayOverSixtyThreeFrames) {
    TTaviScoring Tavi;
    std::vector<TPoint> Reported;
    Tavi.OnPosUpdate = [&](TObject* Sender, int32_t X, int32_t Y) {
        EXPECT_EQ(Sender, &Tavi);
        Reported.push_back({X, Y});
    };
    Tavi.Start();
    std::vector<int32_t> Frames;
    double LowestScale = 1.0;
    int SwitchedAt = 0;
    for (int Frame = 1; Frame <= 200 && Tavi.Flying(); ++Frame) {
        const double AccelBefore = Tavi.Acceleration().X;
        const bool WasTurning = Tavi.TurningBack();
        Tavi.UpdateAndDraw();
        Frames.push_back(Tavi.Frame());
        if (!WasTurning) {
            EXPECT_NEAR(Tavi.Acceleration().X, AccelBefore + 0.09, 1e-9) << "still growing in frame " << Frame;
            if (Tavi.TurningBack()) SwitchedAt = Frame;
        } else {
            const double Fall = AccelBefore > 0.0 ? 0.5 : 0.15;
            EXPECT_NEAR(Tavi.Acceleration().X, AccelBefore - Fall, 1e-9) << Frame;
        }
        EXPECT_LE(Tavi.Velocity().Y, -7.0) << "she always rises at least 7 pixels a frame";
        EXPECT_GE(Tavi.Angle(), -55.0);
        EXPECT_LE(Tavi.Angle(), 55.0);
        LowestScale = std::min(LowestScale, Tavi.Scale());
    }
    EXPECT_EQ(Reported.size(), 63u) << "her last frame is reported too";
    EXPECT_EQ(Reported.front(), (TPoint{840, 388})) << "the first move uses the starting velocity";
    EXPECT_LT(Reported.back().X, -400);
    EXPECT_EQ(SwitchedAt, 22) << "the frame that began with a rightward speed above 0.1";
    EXPECT_EQ(LowestScale, 0.65);
    EXPECT_EQ(Tavi.Angle(), -55.0) << "her tilt is held at 55 degrees";
    const std::vector<int32_t> FirstWingBeats(Frames.begin(), Frames.begin() + 13);
    EXPECT_EQ(FirstWingBeats, (std::vector<int32_t>{1, 2, 3, 4, 5, 6, 5, 4, 3, 2, 1, 1, 2}));

    Tavi.UpdateAndDraw();
    EXPECT_EQ(Reported.size(), 63u);
    Tavi.Start();
    EXPECT_TRUE(Tavi.Flying());
    Tavi.Reset();
    Tavi.UpdateAndDraw();
    EXPECT_EQ(Reported.size(), 63u);
}

}  // namespace
