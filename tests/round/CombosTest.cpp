// Combos: which matches make one, where it shows, when a side is full, the
// fruit rain, what an arrival pays and that nothing is paid once the round is
// over, and the gameplay stream they draw from.
#include <gtest/gtest.h>

#include <initializer_list>
#include <vector>

#include "CombosClass.h"
#include "RandomClass.h"
#include "RoundTestSupport.h"

namespace {

struct TArrival {
    TComboItemKind Kind;
    int32_t Count;
    TPoint Pos;
};

struct TGroupedTile {
    int32_t X, Y, Color;
};

class Combos : public ::testing::Test {
protected:
    void SetUp() override {
        SavedColors = FruitColorCount;
        FruitColorCount = 6;
        GameplayRandom().SetSeed(11);
        Combo.Reset();
        Combo.OnAComboArrive = [this](TObject* Sender, TComboItemKind Kind, uint8_t Count, TPoint Pos) {
            EXPECT_EQ(Sender, &Combo);
            Arrivals.push_back({Kind, Count, Pos});
        };
    }
    void TearDown() override { FruitColorCount = SavedColors; }

    // A player's match of these fruits, the swap made at Swapped.
    void Match(std::initializer_list<TGroupedTile> Tiles, TPoint Swapped) {
        TBoardData Board;
        TSimpleObjectArray Grouped;
        for (const TGroupedTile& Tile : Tiles) {
            Board.At(Tile.X, Tile.Y).Kind = okFruit;
            Board.At(Tile.X, Tile.Y).Content = static_cast<uint8_t>(Tile.Color);
            Grouped.At(Tile.X, Tile.Y) = true;
        }
        Combo.CheckCombos(Board, Grouped, Swapped);
    }
    // N fruits of one colour in a row from (1, Y).
    void MatchRow(int32_t N, int32_t Color, TPoint Swapped) {
        TBoardData Board;
        TSimpleObjectArray Grouped;
        for (int32_t I = 0; I < N; ++I) {
            const int32_t X = I % 10 + 1;
            const int32_t Y = I / 10 + 1;
            Board.At(X, Y).Kind = okFruit;
            Board.At(X, Y).Content = static_cast<uint8_t>(Color);
            Grouped.At(X, Y) = true;
        }
        Combo.CheckCombos(Board, Grouped, Swapped);
    }
    int ActiveSlots() const {
        int Count = 0;
        for (int32_t Slot = 1; Slot <= TCombos::SlotCount; ++Slot) Count += Combo.SlotActive(Slot) ? 1 : 0;
        return Count;
    }
    void Step(int Frames = 1) {
        for (int I = 0; I < Frames; ++I) Combo.UpdateAndDraw();
    }

    TCombos Combo;
    std::vector<TArrival> Arrivals;
    int32_t SavedColors = 5;
};

TEST_F(Combos, FiveBananasMakeAMatchFiveWhoseArrivalPaysFifteenPointsAndFortyFiveMoneyOnIslandThree) {
    TSoundLog Sounds;
    Combo.MoneyPerFruitCombo = 9;  // island 3
    MatchRow(5, 1, TPoint{2, 2});
    ASSERT_TRUE(Combo.SlotActive(1));
    EXPECT_EQ(Combo.SlotKind(1), ciMatchX);
    EXPECT_EQ(Combo.SlotCountOf(1), 5);
    EXPECT_EQ(Combo.SlotColor(1, 1), 1);
    EXPECT_EQ(Sounds.Count("Combo"), 1);
    EXPECT_EQ(Combo.SlotPos(1), (TPoint{55, 137})) << "it enters from 120 pixels to the left";

    Step(20);
    ASSERT_EQ(Arrivals.size(), 1u);
    EXPECT_EQ(Arrivals[0].Kind, ciMatchX);
    EXPECT_EQ(Arrivals[0].Count, 5);
    EXPECT_EQ(Arrivals[0].Pos, (TPoint{175, 137}));
    const TComboAward Award = Combo.Award(Arrivals[0].Kind, Arrivals[0].Count, false);
    EXPECT_EQ(Award, (TComboAward{15, 45}));
    EXPECT_EQ(Combo.TotalMoneyBonus, 45) << "paid into the money when the round is won";
    EXPECT_EQ(TCombos::MoneyEffectPos(ciMatchX, Arrivals[0].Pos), (TPoint{179, 133}));
}

TEST_F(Combos, OnlyFourToSevenOfOneColourMakeAMatchX) {
    struct TCase {
        int32_t Count;
        bool Combo;
    };
    for (const TCase& Case : {TCase{3, false}, TCase{4, true}, TCase{7, true}, TCase{8, false}, TCase{12, false}}) {
        Combo.Reset();
        MatchRow(Case.Count, 2, TPoint{1, 1});
        EXPECT_EQ(ActiveSlots(), Case.Combo ? 1 : 0) << Case.Count;
    }
}

TEST_F(Combos, OneMatchCanStartADoubleMatchAndAMatchXTogether) {
    // Four grapes and three bananas: the double match shows bananas and grapes, the match X four grapes.
    Match({{7, 8, 4}, {8, 8, 4}, {9, 8, 4}, {10, 8, 4}, {7, 9, 1}, {7, 10, 1}, {6, 9, 1}}, TPoint{8, 8});
    ASSERT_EQ(ActiveSlots(), 2);
    // Right side, bottom row first, then the first free place of that side.
    EXPECT_EQ(Combo.SlotKind(6), ciDoubleMatch);
    EXPECT_EQ(Combo.SlotColor(6, 1), 1);
    EXPECT_EQ(Combo.SlotColor(6, 2), 4);
    EXPECT_EQ(Combo.SlotKind(4), ciMatchX);
    EXPECT_EQ(Combo.SlotCountOf(4), 4);
    EXPECT_EQ(Combo.SlotColor(4, 1), 4);

    Step(20);
    ASSERT_EQ(Arrivals.size(), 2u);
    int32_t Points = 0;
    for (const TArrival& Arrival : Arrivals) Points += Combo.Award(Arrival.Kind, Arrival.Count, false).Points;
    EXPECT_EQ(Points, 18 + 12);
    EXPECT_EQ(Combo.TotalMoneyBonus, 10 * 6 + 10 * 4);
}

TEST_F(Combos, TheSwappedTilesSideAndRowChooseThePlace) {
    struct TCase {
        TPoint Swapped;
        int32_t Slot;
    };
    const TCase Cases[] = {{{1, 1}, 1}, {{5, 3}, 1}, {{5, 4}, 2}, {{3, 6}, 2}, {{2, 7}, 3}, {{4, 10}, 3},
                           {{6, 1}, 4}, {{10, 5}, 5}, {{6, 10}, 6}};
    for (const TCase& Case : Cases) {
        Combo.Reset();
        MatchRow(4, 3, Case.Swapped);
        EXPECT_TRUE(Combo.SlotActive(Case.Slot)) << Case.Swapped.X << "," << Case.Swapped.Y;
        EXPECT_EQ(ActiveSlots(), 1);
    }
}

TEST_F(Combos, AComboFindingItsSideFullIsDroppedWithoutAward) {
    TSoundLog Sounds;
    for (int I = 0; I < 3; ++I) MatchRow(5, 1, TPoint{2, 2});
    EXPECT_TRUE(Combo.SlotActive(1) && Combo.SlotActive(2) && Combo.SlotActive(3));
    MatchRow(6, 2, TPoint{3, 9});
    EXPECT_EQ(ActiveSlots(), 3);
    EXPECT_EQ(Sounds.Count("Combo"), 3);
    Step(20);
    EXPECT_EQ(Arrivals.size(), 3u);
    for (const TArrival& Arrival : Arrivals) EXPECT_EQ(Arrival.Count, 5);

    MatchRow(6, 2, TPoint{9, 9});
    EXPECT_TRUE(Combo.SlotActive(6)) << "the other side still has room";
}

TEST_F(Combos, AComboEntersShowsForItsTimeLeavesAndFreesItsPlace) {
    MatchRow(4, 1, TPoint{9, 1});
    const int32_t Showing = Combo.SlotShowingTime(4);
    EXPECT_GE(Showing, 1200);
    EXPECT_LE(Showing, 1600);
    EXPECT_EQ(Showing % 50, 0);
    int Frame = 0;
    while (Arrivals.empty() && Frame < 50) {
        Step();
        ++Frame;
    }
    EXPECT_GE(Frame, 10) << "120 pixels at 10 to 13 a frame";
    EXPECT_LE(Frame, 12);
    EXPECT_EQ(Combo.SlotPhase(4), 2);
    const int32_t AlphaAtArrival = Combo.SlotAlpha(4);
    const int ShowingFrames = (Showing + 29) / 30;
    Step(ShowingFrames - 1);
    EXPECT_EQ(Combo.SlotPhase(4), 2);
    EXPECT_EQ(Combo.SlotAlpha(4), 255);
    EXPECT_GE(AlphaAtArrival, 250);
    Step();
    EXPECT_EQ(Combo.SlotPhase(4), 3);
    Step(12);
    EXPECT_FALSE(Combo.SlotActive(4));
    EXPECT_EQ(Arrivals.size(), 1u);
}

TEST_F(Combos, ItsShowDrawsFromTheGameplayStream) {
    GameplayRandom().SetSeed(77);
    MatchRow(4, 1, TPoint{1, 1});
    const int32_t After = Random(1000000);
    TRandomStream Expected(77);
    for (int32_t N : {11, 11, 9, 4}) Expected.Next(N);
    EXPECT_EQ(After, Expected.Next(1000000)) << "four gameplay draws: opacity rise and fall, time, speed";
}

TEST_F(Combos, FourteenFruitsFallingLessThan300MsApartMakeAFruitRain) {
    TSoundLog Sounds;
    for (int Fruit = 1; Fruit <= 14; ++Fruit) {
        EXPECT_FALSE(Combo.SlotActive(TCombos::FruitRainSlot)) << Fruit;
        Combo.FruitFell(Fruit <= 9 ? 2 : 5);
        Step(9);  // 270 ms
    }
    ASSERT_TRUE(Combo.SlotActive(TCombos::FruitRainSlot));
    EXPECT_EQ(Combo.SlotKind(7), ciFruitRain);
    EXPECT_EQ(Combo.SlotColor(7, 1), 2);
    EXPECT_EQ(Combo.SlotColor(7, 2), 5);
    EXPECT_EQ(Combo.FruitRainTotal(), 0) << "the counters start again";
    Step(20);
    ASSERT_EQ(Arrivals.size(), 1u);
    EXPECT_EQ(Arrivals[0].Pos, (TPoint{388, 540}));
    Combo.MoneyPerFruitCombo = 7;
    EXPECT_EQ(Combo.Award(ciFruitRain, 0, false), (TComboAward{60, 140}));
    EXPECT_EQ(TCombos::MoneyEffectPos(ciFruitRain, Arrivals[0].Pos), (TPoint{433, 536}));
}

TEST_F(Combos, A300MsGapStartsTheFruitRainsCountAgain) {
    for (int Fruit = 1; Fruit <= 13; ++Fruit) {
        Combo.FruitFell(1);
        Step(9);
    }
    EXPECT_EQ(Combo.FruitRainTotal(), 13);
    Step(1);  // now 300 ms since the last fruit
    EXPECT_EQ(Combo.FruitRainTotal(), 0);
    Combo.FruitFell(1);
    EXPECT_FALSE(Combo.SlotActive(TCombos::FruitRainSlot));
}

TEST_F(Combos, TheRainsSecondColourIsTheNextStrictlyLessFrequentOne) {
    struct TCase {
        std::vector<int32_t> Counts;  // fruits of colours 1..6, fallen in that order
        int32_t First, Second;
    };
    const TCase Cases[] = {
        {{8, 0, 4, 0, 2, 0}, 1, 3},
        {{7, 0, 7, 0, 0, 0}, 1, 1},  // a tie is not less frequent
        {{0, 0, 0, 0, 0, 14}, 6, 6},
        {{3, 5, 5, 1, 0, 0}, 2, 1},
        {{2, 2, 2, 2, 2, 4}, 6, 1},
    };
    for (const TCase& Case : Cases) {
        Combo.Reset();
        for (int32_t Color = 1; Color <= 6; ++Color)
            for (int32_t I = 0; I < Case.Counts[Color - 1]; ++I) Combo.FruitFell(Color);
        ASSERT_TRUE(Combo.SlotActive(7));
        EXPECT_EQ(Combo.SlotColor(7, 1), Case.First) << Case.First << "/" << Case.Second;
        EXPECT_EQ(Combo.SlotColor(7, 2), Case.Second) << Case.First << "/" << Case.Second;
    }
}

TEST_F(Combos, OnceTheRoundIsOverAnArrivalPaysNothing) {
    Combo.MoneyPerFruitCombo = 11;
    EXPECT_EQ(Combo.Award(ciMatchX, 6, false), (TComboAward{18, 66}));
    EXPECT_EQ(Combo.Award(ciDoubleMatch, 0, true), TComboAward{});
    EXPECT_EQ(Combo.Award(ciFruitRain, 0, true), TComboAward{});
    EXPECT_EQ(Combo.TotalMoneyBonus, 66);
    Combo.Reset();
    EXPECT_EQ(Combo.TotalMoneyBonus, 0);
}

TEST_F(Combos, HiddenCombosStandStill) {
    MatchRow(4, 1, TPoint{1, 1});
    Combo.Visible = false;
    Step(30);
    EXPECT_TRUE(Arrivals.empty());
    EXPECT_EQ(Combo.SlotPos(1), (TPoint{55, 137}));
    Combo.Visible = true;
    Step(20);
    EXPECT_EQ(Arrivals.size(), 1u);
}

}  // namespace
