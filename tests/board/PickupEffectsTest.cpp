// The special objects' effects without a screen: the hammer's blow at its frame
// and its fade; the hammered objects' shake, fall, hit answers and bounce; the
// found flower's stages and their timing; the flower row's places, its clamp
// and its one report when full; the uni bubble, blaster and bomb ending.
#include <gtest/gtest.h>

#include <vector>

#include "BlasterEffectClass.h"
#include "BombEffectClass.h"
#include "FlowerCollectionClass.h"
#include "HammerEffectClass.h"
#include "HammeredObjectsEffectClass.h"
#include "NewFlowerEffectClass.h"
#include "StarsEffectClass.h"
#include "UniBubbleEffectClass.h"

namespace {

TEST(HammerEffect, StrikesOnceAtFrameSeventeenThenFadesOut) {
    THammerEffect Hammer;
    Hammer.Left = 215;
    Hammer.Top = 90;
    std::vector<int> HitFrames;
    TPoint HitTile;
    Hammer.OnHit = [&](TObject*, TPoint P) {
        HitFrames.push_back(Hammer.AnimPosition());
        HitTile = P;
    };
    Hammer.Start({4, 7});
    int Frames = 0;
    while (Hammer.Active() && Frames < 100) {
        Hammer.UpdateAndDraw();
        ++Frames;
        if (Frames == 8) {
            EXPECT_FLOAT_EQ(Hammer.Scale(), 1.0f) << "grown from 0.2 by 0.1 a frame";
        }
    }
    EXPECT_EQ(HitFrames, (std::vector<int>{17}));
    EXPECT_EQ(HitTile, (TPoint{4, 7}));
    // The sequence ends at frame 25; from there 30 alpha a frame until 60 or less.
    EXPECT_EQ(Frames, 25 + 6);
    EXPECT_FALSE(Hammer.Active());
}

struct THitCase {
    const char* Name;
    bool Hitting;
    bool Absorbing;
    bool Hit;
    bool Absorbed;
};

TEST(HammeredObjectsEffect, ShakesThenFallsAndReadsTheHitAnswersAsTheFallingFruitsDo) {
    const THitCase Cases[] = {
        {"missed", false, false, false, false},
        {"touched", true, false, true, false},
        {"swallowed", true, true, true, true},
        {"absorbing alone is no hit", false, true, false, false},
    };
    for (const THitCase& Case : Cases) {
        SCOPED_TRACE(Case.Name);
        THammeredObjectsEffect Effect;
        Effect.Left = 215;
        Effect.Top = 90;
        int Finished = 0;
        int Asked = 0;
        Effect.OnFinish = [&](TObject*) { ++Finished; };
        Effect.OnMonsterHitCheck = [&](TObject*, TPoint, bool& Hitting, bool& Absorbing) {
            ++Asked;
            Hitting = Case.Hitting;
            Absorbing = Case.Absorbing;
        };
        TBoardData Board;
        TSimpleObjectArray Tiles;
        Tiles.At(5, 4) = true;  // above the hammer: slot 1 in row order
        Tiles.At(4, 5) = true;
        Tiles.At(6, 5) = true;
        Effect.Start(Board, Tiles);
        EXPECT_EQ(Effect.SlotTile(0), (TPoint{5, 4}));
        EXPECT_EQ(Effect.SlotTile(1), (TPoint{4, 5}));
        EXPECT_EQ(Effect.SlotTile(2), (TPoint{6, 5}));
        for (int I = 0; I < 13; ++I) Effect.UpdateAndDraw();
        EXPECT_EQ(Finished, 0);
        EXPECT_EQ(Effect.Phase(0), THammeredObjectsEffect::hpShaking);
        EXPECT_EQ(Effect.SlotY(0), 90 + 3 * 46) << "the shake moves only the drawing";
        Effect.UpdateAndDraw();
        EXPECT_EQ(Finished, 1) << "when the first slot has shaken 14 frames";
        EXPECT_EQ(Asked, 0);
        Effect.UpdateAndDraw();
        EXPECT_EQ(Asked, 3);
        Effect.UpdateAndDraw();
        EXPECT_EQ(Asked, Case.Hitting ? 3 : 6) << "a hit object is never asked again";
        EXPECT_EQ(Effect.SlotHit(0), Case.Hit);
        EXPECT_EQ(Effect.SlotAbsorbed(0), Case.Absorbed);
        if (Case.Absorbed) {
            EXPECT_EQ(Effect.SlotAlpha(0), 255 - 2 * 95);
            Effect.UpdateAndDraw();
            EXPECT_EQ(Effect.Phase(0), THammeredObjectsEffect::hpGone) << "swallowed: faded out";
        }
        int Frames = 0;
        while (Effect.Active() && Frames < 300) {
            Effect.UpdateAndDraw();
            ++Frames;
        }
        EXPECT_FALSE(Effect.Active());
        EXPECT_EQ(Finished, 1) << "once";
    }
}

TEST(HammeredObjectsEffect, NothingToThrowFinishesAtOnce) {
    THammeredObjectsEffect Effect;
    int Finished = 0;
    Effect.OnFinish = [&](TObject*) { ++Finished; };
    Effect.Start(TBoardData{}, TSimpleObjectArray{});
    EXPECT_EQ(Finished, 1);
    EXPECT_FALSE(Effect.Active());
}

TEST(NewFlowerEffect, FliesOutSwellsAndIsRootedInItsTime) {
    TNewFlowerEffect Flower;
    Flower.Left = 215;
    Flower.Top = 90;
    std::vector<std::pair<const char*, int>> Events;
    int Frame = 0;
    Flower.OnArrivedToCenter = [&](TObject*) { Events.push_back({"centre", Frame}); };
    Flower.OnStretchingStarsEffectRequest = [&](TObject*) { Events.push_back({"stars", Frame}); };
    Flower.OnStretchingFinished = [&](TObject*) { Events.push_back({"stretched", Frame}); };
    Flower.OnFlowerArrivedOnRoot = [&](TObject*) { Events.push_back({"rooted", Frame}); };
    // From tile (5, 5), centre (422, 297), to (447, 234): 63 pixels at 20 a frame, 4 frames.
    Flower.Start({5, 5}, 3, TPoint{300, 0});
    EXPECT_EQ(Flower.Phase(), TNewFlowerEffect::nfToCentre);
    EXPECT_TRUE(Flower.Busy());
    while (Flower.Phase() != TNewFlowerEffect::nfIdle && Frame < 1000) {
        ++Frame;
        Flower.UpdateAndDraw();
        if (Frame == 9) {
            EXPECT_EQ(Flower.Size(), 118);
        }
    }
    ASSERT_EQ(Events.size(), 4u);
    EXPECT_EQ(Events[0], std::make_pair("centre", 4));
    EXPECT_EQ(Events[1], std::make_pair("stars", 10)) << "at size 120, once";
    EXPECT_EQ(Events[2], std::make_pair("stretched", 4 + 60)) << "1800 milliseconds after arriving";
    EXPECT_GT(Events[3].second, Events[2].second);
    // Then 4000 milliseconds rooted before the effect is idle.
    EXPECT_EQ(Frame, Events[3].second + 134);
    EXPECT_EQ(Flower.AcquiredFlowerIdx, 3);
}

TEST(NewFlowerEffect, ArrivesAtItsPlaceInTheRowShrunkToRootedSize) {
    TNewFlowerEffect Flower;
    Flower.Start({1, 10}, 1, TPoint{300, -6});
    bool Rooted = false;
    Flower.OnFlowerArrivedOnRoot = [&](TObject*) {
        Rooted = true;
        EXPECT_DOUBLE_EQ(Flower.Position().X, 346);
        EXPECT_DOUBLE_EQ(Flower.Position().Y, 40);
        EXPECT_EQ(Flower.Size(), 80);
    };
    for (int I = 0; I < 200 && !Rooted; ++I) Flower.UpdateAndDraw();
    EXPECT_TRUE(Rooted);
    EXPECT_FALSE(Flower.Busy()) << "the row may take the next flower";
}

TEST(FlowerCollection, PlacesItsSlotsAboutTheCentreAndClampsTheirCount) {
    TFlowerCollection Row;
    const struct {
        int32_t Slots, Taken, Left;
    } Cases[] = {{4, 4, 300}, {3, 3, 445 - 219 / 2}, {1, 1, 445 - 38}, {0, 1, 445 - 38}, {9, 6, 445 - 432 / 2}};
    for (const auto& Case : Cases) {
        Row.SetFlowerSlots(Case.Slots);
        EXPECT_EQ(Row.FlowerSlots(), Case.Taken) << Case.Slots;
        EXPECT_EQ(Row.RowLeft(), Case.Left) << Case.Slots;
    }
    Row.SetFlowerSlots(4);
    EXPECT_EQ(Row.FlowerPlace(2), (TPoint{300 + 76, -4}));
}

TEST(FlowerCollection, SlidesInAndReportsFullOnceWhenEveryPlaceHoldsItsFlower) {
    TFlowerCollection Row;
    Row.SetFlowerSlots(3);
    Row.Reset();
    int Full = 0;
    Row.OnFull = [&](TObject*) { ++Full; };
    EXPECT_EQ(Row.RowY(), -100);
    Row.Show();
    for (int I = 0; I < 60; ++I) Row.UpdateAndDraw();
    EXPECT_EQ(Row.RowY(), -40) << "one pixel a frame";
    for (int I = 0; I < 60; ++I) Row.UpdateAndDraw();
    EXPECT_EQ(Row.RowY(), 0);
    Row.MarkObtained(1);
    Row.MarkObtained(3);
    TFlowerIdxSet Missing = Row.Unobtained();
    EXPECT_TRUE(Missing.Contains(2));
    EXPECT_FALSE(Missing.Contains(1) || Missing.Contains(3) || Missing.Contains(4));
    EXPECT_EQ(Full, 0);
    Row.MarkObtained(5);  // outside the row: no help
    EXPECT_EQ(Full, 0);
    Row.MarkObtained(2);
    Row.MarkObtained(2);
    EXPECT_EQ(Full, 1);
    EXPECT_TRUE(Row.IsFull());
    Row.Reset();
    EXPECT_FALSE(Row.IsFull());
}

TEST(SpecialEffects, TheBubbleTheBlasterTheBombAndTheStarsEndByThemselves) {
    TUniBubbleEffect Bubble;
    Bubble.Start({2, 3});
    int Frames = 0;
    while (Bubble.Active() && Frames < 100) {
        Bubble.UpdateAndDraw();
        ++Frames;
    }
    EXPECT_EQ(Frames, 21) << "its 21 frames, once";

    TBlasterEffect Blaster;
    Blaster.Left = 215;
    Blaster.Top = 90;
    Blaster.Start({5, 5}, 2);
    EXPECT_EQ(Blaster.Position(), (TPoint{215 + 230 - 66, 90 + 230 - 67}));
    Frames = 0;
    while (Blaster.Active() && Frames < 500) {
        Blaster.UpdateAndDraw();
        ++Frames;
    }
    // 8 frames growing to full size, 35 spinning (1050 milliseconds), 43 growing to 4.
    EXPECT_NEAR(Frames, 8 + 35 + 43, 2);

    TBombEffect Bomb;
    Bomb.Start(300, 300);
    EXPECT_EQ(Bomb.ActiveCount(), 20);
    for (int I = 0; I < 100; ++I) Bomb.UpdateAndDraw();
    EXPECT_EQ(Bomb.ActiveCount(), 0);

    TStarsEffect Stars;
    for (int I = 0; I < 60; ++I) Stars.Burst({1, 1});
    EXPECT_EQ(Stars.ActiveStars(), 200) << "fifty bursts of four, the oldest reused";
    for (int I = 0; I < 50; ++I) Stars.UpdateAndDraw();
    EXPECT_EQ(Stars.ActiveStars(), 0) << "at most 1250 milliseconds";
}

}  // namespace
