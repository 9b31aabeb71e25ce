// The swap and grouping effects on their own: how long a swap takes and what it
// reports, its slots, its sounds; the grouping's eight frames and the order in
// which tools, flowers and matched tiles are handed over. Nothing is drawn.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "DrawnBoard.h"
#include "GroupedFruitsEffectClass.h"
#include "SFXPlayerClass.h"
#include "SwapEffectClass.h"

namespace {

struct TReport {
    bool Arrived;  // OnEffectComplete; otherwise OnSwapBackComplete
    TTileObjectKind Kind;
    TPoint Object1Pos, Object2Pos;
    int Frame;
};

class SwapEffect : public ::testing::Test {
protected:
    void SetUp() override {
        SetSoundEffectListener([this](const std::string& Name) { Sounds.push_back(Name); });
        Swap.OnEffectComplete = [this](TObject*, TTileObjectKind Kind, TPoint P1, TPoint P2) {
            Reports.push_back({true, Kind, P1, P2, Frame});
        };
        Swap.OnSwapBackComplete = [this](TObject*, TTileObjectKind Kind, TPoint P1, TPoint P2) {
            Reports.push_back({false, Kind, P1, P2, Frame});
        };
    }
    void TearDown() override { SetSoundEffectListener({}); }

    static TSwappedObjectsData Pair(TTileObjectKind Kind, TPoint First, TPoint Second) {
        TSwappedObjectsData Data;
        Data.Object1Pos = First;
        Data.Object2Pos = Second;
        Data.Object1Kind = Data.Object2Kind = Kind;
        Data.Object1Content = 1;
        Data.Object2Content = 2;
        return Data;
    }
    void Frames(int Count) {
        for (int I = 0; I < Count; ++I) {
            ++Frame;
            Swap.Frame();
        }
    }

    TSwapEffect Swap;
    std::vector<TReport> Reports;
    std::vector<std::string> Sounds;
    int Frame = 0;
};

TEST_F(SwapEffect, ASwapTakesItsFramesAndReportsTheRightOrLowerTileFirst) {
    const struct {
        const char* What;
        TTileObjectKind Kind;
        bool MatchOccurs;
        TPoint First, Second;
        bool Arrived;
        int Frames;  // frames until the report
        TPoint Reported1, Reported2;
        const char* Sound;
    } Cases[] = {
        {"matching fruits, 8 a frame", okFruit, true, {2, 5}, {3, 5}, true, 6, {3, 5}, {2, 5}, "FruitSwap"},
        {"matching fruits picked right to left", okFruit, true, {3, 5}, {2, 5}, true, 6, {3, 5}, {2, 5}, "FruitSwap"},
        {"matching lockers keep 6 a frame", okLocker, true, {4, 4}, {4, 3}, true, 8, {4, 4}, {4, 3}, "LockerSwap"},
        {"no match: there and back", okFruit, false, {7, 1}, {7, 2}, false, 16, {7, 2}, {7, 1}, "FruitSwap"},
        {"no match, lockers, picked bottom up", okLocker, false, {1, 10}, {1, 9}, false, 16, {1, 10}, {1, 9},
         "LockerSwap"},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.What);
        Reports.clear();
        Sounds.clear();
        Frame = 0;
        Swap.StartSwap(Pair(Case.Kind, Case.First, Case.Second), Case.MatchOccurs);
        EXPECT_EQ(Sounds, std::vector<std::string>{Case.Sound});
        Frames(Case.Frames - 1);
        EXPECT_TRUE(Reports.empty());
        Frames(1);
        ASSERT_EQ(Reports.size(), 1u);
        EXPECT_EQ(Reports[0].Arrived, Case.Arrived);
        EXPECT_EQ(Reports[0].Kind, Case.Kind);
        EXPECT_EQ(Reports[0].Object1Pos, Case.Reported1);
        EXPECT_EQ(Reports[0].Object2Pos, Case.Reported2);
        EXPECT_EQ(Swap.ActiveCount(), 0);
        Frames(20);
        EXPECT_EQ(Reports.size(), 1u) << "reported once";
    }
}

TEST_F(SwapEffect, TwentySwapsRunTogetherAndATwentyFirstFinishesTheOldestAtOnce) {
    for (int I = 0; I < TSwapEffect::SlotCount; ++I) {
        Swap.StartSwap(Pair(okLocker, {1, I % 10 + 1}, {2, I % 10 + 1}), I == 0);
        Frames(I == 0 ? 2 : 0);
    }
    EXPECT_EQ(Swap.ActiveCount(), 20);
    EXPECT_TRUE(Reports.empty());
    // The oldest (a matching swap) is reported as arrived right away; its slot takes the new swap.
    Swap.StartSwap(Pair(okFruit, {5, 5}, {6, 5}), false);
    ASSERT_EQ(Reports.size(), 1u);
    EXPECT_TRUE(Reports[0].Arrived);
    EXPECT_EQ(Reports[0].Object1Pos, (TPoint{2, 1}));
    EXPECT_EQ(Swap.ActiveCount(), 20);
    // The next one finishes the second oldest, a swap without a match: it is reported back.
    Swap.StartSwap(Pair(okFruit, {5, 6}, {6, 6}), false);
    ASSERT_EQ(Reports.size(), 2u);
    EXPECT_FALSE(Reports[1].Arrived);
    EXPECT_EQ(Reports[1].Object1Pos, (TPoint{2, 2}));
}

TEST_F(SwapEffect, ClearingDropsEverySwapSilentlyAndAHiddenEffectStandsStill) {
    Swap.StartSwap(Pair(okFruit, {1, 1}, {2, 1}), true);
    Swap.Visible = false;
    Frames(50);
    EXPECT_TRUE(Reports.empty());
    Swap.Visible = true;
    Frames(6);
    EXPECT_EQ(Reports.size(), 1u);

    Swap.StartSwap(Pair(okFruit, {1, 1}, {2, 1}), true);
    Swap.Clear();
    EXPECT_EQ(Swap.ActiveCount(), 0);
    Frames(50);
    EXPECT_EQ(Reports.size(), 1u);
}

class GroupedFruits : public ::testing::Test {
protected:
    struct TEvent {
        std::string What;
        TPoint Pos;
        int Frame;
    };
    void SetUp() override {
        SetSoundEffectListener([this](const std::string& Name) { Sounds.push_back(Name); });
        Grouping.OnGroupingEffectComplete = [this](TObject*, TBoardData, TSimpleObjectArray Mask) {
            ASSERT_EQ(Mask.Count(), 1) << "each tile is handed over on its own";
            Events.push_back({"done", Only(Mask), Frame});
        };
        Grouping.OnNewToolAcquired = [this](TObject*, TPoint P, int32_t Tool) {
            Events.push_back({"tool " + std::to_string(Tool), P, Frame});
        };
        Grouping.OnNewFlowerAcquired = [this](TObject*, TPoint P) { Events.push_back({"flower", P, Frame}); };
    }
    void TearDown() override { SetSoundEffectListener({}); }
    static TPoint Only(const TSimpleObjectArray& Mask) {
        const auto [X, Y] = *TilesOf(Mask).begin();
        return {X, Y};
    }
    void Frames(int Count) {
        for (int I = 0; I < Count; ++I) {
            ++Frame;
            Grouping.Frame();
        }
    }

    TGroupedFruitsEffect Grouping;
    std::vector<TEvent> Events;
    std::vector<std::string> Sounds;
    int Frame = 0;
};

TEST_F(GroupedFruits, EachTileIsHandedOverOnItsEighthFrameToolsAndFlowersFirst) {
    TBoardData Board = DrawnBoard({"aab", "cdb"});
    Board.At(3, 1).Content = ccAerosol;
    Board.At(3, 2).Content = ccFlower;
    Board.At(1, 2).Content = ccMagicKey;
    Grouping.Start(Board, MaskOf({{1, 1}, {2, 1}, {3, 1}, {3, 2}}));
    EXPECT_EQ(Sounds, std::vector<std::string>{"FruitMatch"});
    Frames(3);
    // A group matched later keeps its own count; the tiles already showing keep theirs.
    Grouping.Start(Board, MaskOf({{1, 2}, {2, 2}}));
    Frames(4);
    EXPECT_TRUE(Events.empty());
    EXPECT_EQ(Grouping.ActiveCount(), 6);
    Frames(1);
    // The first tile done takes every tool and flower still showing with it, in
    // board order, the magic key of the later group included.
    const std::vector<std::string> Order = {"tool 104", "tool 106", "flower", "done", "done"};
    ASSERT_EQ(Events.size(), Order.size());
    for (size_t I = 0; I < Order.size(); ++I) EXPECT_EQ(Events[I].What, Order[I]) << I;
    EXPECT_EQ(Events[0].Pos, (TPoint{1, 2}));
    EXPECT_EQ(Events[1].Pos, (TPoint{3, 1}));
    EXPECT_EQ(Events[2].Pos, (TPoint{3, 2}));
    EXPECT_EQ(Events[3].Pos, (TPoint{1, 1}));
    EXPECT_EQ(Events[4].Pos, (TPoint{2, 1}));
    EXPECT_EQ(Grouping.ActiveCount(), 1);
    Frames(2);
    EXPECT_EQ(Events.size(), 5u);
    Frames(1);
    ASSERT_EQ(Events.size(), 6u);
    EXPECT_EQ(Events[5].What, "done");
    EXPECT_EQ(Events[5].Pos, (TPoint{2, 2}));
    EXPECT_EQ(Events[5].Frame, 11);
    EXPECT_EQ(Grouping.ActiveCount(), 0);
}

TEST_F(GroupedFruits, AToolReachedFirstIsBothCollectedAndHandedOver) {
    TBoardData Board = DrawnBoard({"ab"});
    Board.At(1, 1).Content = ccBroom;
    Grouping.Start(Board, MaskOf({{1, 1}, {2, 1}}));
    Frames(8);
    ASSERT_EQ(Events.size(), 3u);
    EXPECT_EQ(Events[0].What, "tool 105");
    EXPECT_EQ(Events[1].What, "done");
    EXPECT_EQ(Events[1].Pos, (TPoint{1, 1}));
    EXPECT_EQ(Events[2].Pos, (TPoint{2, 1}));
}

TEST_F(GroupedFruits, ClearingDropsEveryTileSilently) {
    Grouping.Start(DrawnBoard({"aaa"}), MaskOf({{1, 1}, {2, 1}, {3, 1}}));
    Frames(7);
    Grouping.Clear();
    Frames(10);
    EXPECT_TRUE(Events.empty());
    EXPECT_EQ(Grouping.ActiveCount(), 0);
}

}  // namespace
