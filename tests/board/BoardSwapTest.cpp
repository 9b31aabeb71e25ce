// One move on the board, from the clicks to the matched fruits leaving: which
// clicks ask for a swap, the swap sliding back or being written into the
// board, the fruit check (webs, worms, flowers and tools), and dragging. The
// board runs with the real swap and grouping effects, wired as the round wires
// them; nothing is drawn.
#include <gtest/gtest.h>

#include <vector>

#include "DrawnBoard.h"
#include "GameBoardClass.h"
#include "GroupedFruitsEffectClass.h"
#include "RandomClass.h"
#include "SwapEffectClass.h"

namespace {

class BoardSwap : public ::testing::Test {
protected:
    struct TSwapRequest {
        TSwappedObjectsData Data;
        bool MatchOccurs;
    };
    struct TGroupingRequest {
        TSimpleObjectArray Mask;
        bool CheckCombos;
        TPoint SwappedTilePos;
    };

    void SetUp() override {
        SetRandomSeedSource([] { return uint64_t{11}; });
        FruitColorCount = 5;
        Board.Left = BoardScreenLeft;
        Board.Top = BoardScreenTop;
        Board.OnObjectTileClick = [this](TObject*) { ++Clicks; };
        Board.OnSwapEffectRequest = [this](TObject*, TSwappedObjectsData Data, bool MatchOccurs) {
            Requests.push_back({Data, MatchOccurs});
            Swap.StartSwap(Data, MatchOccurs);
        };
        Board.OnGroupedFruitsEffectRequest = [this](TObject*, TBoardData Data, TSimpleObjectArray Mask, bool Combos,
                                                    TPoint Pos) {
            Groupings.push_back({Mask, Combos, Pos});
            Grouping.Start(Data, Mask);
        };
        Board.OnWebEffectRequest = [this](TObject*, TPoint P) { TornWebs.push_back(P); };
        Board.OnAFruitWormBanRequest = [this](TObject*, TPoint P) { BannedWorms.push_back(P); };
        Board.OnNoMatchTimerReset = [this](TObject*) { ++NoMatchResets; };
        Board.OnRemoveLockerFrames = [this](TObject*, TSimpleObjectArray Mask) { FrameRemovals.push_back(Mask); };
        // As the round wires them: the arrived pair is written in and checked; a pair
        // that came back is released and checked again.
        Swap.OnEffectComplete = [this](TObject*, TTileObjectKind Kind, TPoint P1, TPoint P2) {
            ++Arrivals;
            Board.CommitSwap(P2, P1);
            if (Kind == okFruit) Board.CheckFruitGroupsAt(P1);
        };
        Swap.OnSwapBackComplete = [this](TObject*, TTileObjectKind Kind, TPoint P1, TPoint P2) {
            ++Returns;
            Board.ReleaseSwap(P1, P2);
            if (Kind == okFruit) Board.CheckFruitGroups();
        };
        Grouping.OnGroupingEffectComplete = [this](TObject*, TBoardData, TSimpleObjectArray Mask) {
            Completions.push_back(Mask);
            Board.RemoveGroupedTiles(Mask);
        };
        Grouping.OnNewToolAcquired = [this](TObject*, TPoint P, int32_t Tool) {
            Tools.push_back({P, Tool});
            Board.RemoveTile(P);
        };
        Grouping.OnNewFlowerAcquired = [this](TObject*, TPoint P) {
            Flowers.push_back(P);
            Board.RemoveTile(P);
        };
    }
    void TearDown() override {
        SetRandomSeedSource({});
        FruitColorCount = 5;
    }

    void Load(const std::vector<std::string>& Rows) { Board.LoadBoardData(DrawnBoard(Rows)); }
    void Load(const TBoardData& Data) { Board.LoadBoardData(Data); }
    // The effects' frames (the board's own gravity is not part of these tests).
    void Frames(int Count) {
        for (int I = 0; I < Count; ++I) {
            Swap.Frame();
            Grouping.Frame();
        }
    }
    const TBoardTile& Tile(int X, int Y) const { return Board.BoardData().At(X, Y); }
    TTileStatus Status(int X, int Y) const { return Board.TileStatus({X, Y}); }
    static int PixelX(int X) { return BoardScreenLeft + (X - 1) * BoardTilePixels + 23; }
    static int PixelY(int Y) { return BoardScreenTop + (Y - 1) * BoardTilePixels + 23; }

    TGameBoard Board;
    TSwapEffect Swap;
    TGroupedFruitsEffect Grouping;
    int Clicks = 0;
    int Arrivals = 0;
    int Returns = 0;
    int NoMatchResets = 0;
    std::vector<TSwapRequest> Requests;
    std::vector<TGroupingRequest> Groupings;
    std::vector<TSimpleObjectArray> Completions;
    std::vector<TSimpleObjectArray> FrameRemovals;
    std::vector<TPoint> TornWebs;
    std::vector<TPoint> BannedWorms;
    std::vector<std::pair<TPoint, int32_t>> Tools;
    std::vector<TPoint> Flowers;
};

TEST_F(BoardSwap, OnlyTwoOrthogonalNeighboursOfOneKindAreSwapped) {
    const std::vector<std::string> Rows = {"1213", "2ab.", "3ba.", ".a.."};
    const struct {
        const char* What;
        TPoint First, Second;
        bool Swapped, MatchOccurs;
    } Cases[] = {
        {"two lockers in a row, no group", {1, 1}, {2, 1}, true, false},
        {"two lockers in a column, no group", {1, 2}, {1, 3}, true, false},
        {"two fruits making an L of colour 1", {2, 2}, {2, 3}, true, true},
        {"the same, second click above the first", {2, 3}, {2, 2}, true, true},
        {"a locker and an opened fruit", {1, 2}, {2, 2}, false, false},
        {"diagonal neighbours", {2, 2}, {3, 3}, false, false},
        {"two apart in a row", {1, 1}, {3, 1}, false, false},
    };
    for (const auto& Case : Cases) {
        SCOPED_TRACE(Case.What);
        Load(Rows);
        Requests.clear();
        Board.ClickTile(Case.First);
        EXPECT_TRUE(Board.Selected());
        Board.ClickTile(Case.Second);
        EXPECT_FALSE(Board.Selected());
        if (!Case.Swapped) {
            EXPECT_TRUE(Requests.empty());
            EXPECT_TRUE(Board.IsIdle());
            continue;
        }
        ASSERT_EQ(Requests.size(), 1u);
        const TSwappedObjectsData& Data = Requests[0].Data;
        EXPECT_EQ(Requests[0].MatchOccurs, Case.MatchOccurs);
        EXPECT_EQ(Data.Object1Pos, Case.First);
        EXPECT_EQ(Data.Object2Pos, Case.Second);
        const TBoardTile& First = Tile(Case.First.X, Case.First.Y);
        EXPECT_EQ(Data.Object1Kind, First.Kind);
        EXPECT_EQ(Data.Object1Content, First.Kind == okLocker ? First.LockerKind : First.Content);
        EXPECT_EQ(Board.TileStatus(Case.First), tsSwapping);
        EXPECT_EQ(Board.TileStatus(Case.Second), tsSwapping);
        Swap.Clear();
    }
}

TEST_F(BoardSwap, ABotAsksForAMoveAsAPlayerWouldWhateverWasSelected) {
    Load({"1231", "2312"});
    Board.ClickTile({4, 2});
    EXPECT_TRUE(Board.SwapTiles({1, 1}, {2, 1}));
    ASSERT_EQ(Requests.size(), 1u);
    EXPECT_EQ(Requests[0].Data.Object1Pos, (TPoint{1, 1}));
    EXPECT_FALSE(Board.SwapTiles({1, 1}, {1, 2})) << "a tile being swapped";
    EXPECT_TRUE(Board.SwapTiles({3, 1}, {3, 2}));
    EXPECT_FALSE(Board.SwapTiles({1, 2}, {4, 2})) << "not neighbours";
    EXPECT_FALSE(Board.SwapTiles({4, 1}, {5, 1})) << "outside the board's shape";
    EXPECT_EQ(Requests.size(), 2u);
}

TEST_F(BoardSwap, ClicksSelectKeepOrDropTheSelection) {
    TBoardData Data = DrawnBoard({"abab", "baba", "abab"});
    Data.At(3, 1).Content = ccFruitBlaster;
    Data.At(4, 3).Web = true;
    Load(Data);

    Board.ClickTile({1, 1});
    Board.ClickTile({1, 1});
    EXPECT_TRUE(Board.Selected()) << "clicking the selected tile again keeps it";
    EXPECT_EQ(Board.FirstTile(), (TPoint{1, 1}));
    EXPECT_EQ(Clicks, 2);
    Board.PressAt(PixelX(1), PixelY(1), mbRight);
    EXPECT_FALSE(Board.Selected()) << "the right button lets go";

    Board.ClickTile({2, 1});
    Board.ClickTile({3, 1});
    EXPECT_FALSE(Board.Selected()) << "a fruit blaster clicked as second tile only drops the selection";
    EXPECT_EQ(Tile(3, 1).Content, ccFruitBlaster);

    Board.ClickTile({4, 2});
    Board.ClickTile({4, 3});
    EXPECT_FALSE(Board.Selected()) << "a webbed tile drops the selection";
    EXPECT_EQ(Clicks, 5) << "and is not reported as a click";
    EXPECT_TRUE(Requests.empty());

    // A pair being swapped ignores clicks altogether.
    Board.ClickTile({1, 3});
    Board.ClickTile({2, 3});
    ASSERT_EQ(Requests.size(), 1u);
    Board.ClickTile({4, 1});
    Board.ClickTile({1, 3});
    EXPECT_EQ(Clicks, 8);
    EXPECT_TRUE(Board.Selected());
    EXPECT_EQ(Board.FirstTile(), (TPoint{4, 1}));
    EXPECT_EQ(Requests.size(), 1u);
}

TEST_F(BoardSwap, ASelectedTileThatTurnedBusyIsNotSwapped) {
    Load({"aaa", "bcd"});
    Board.ClickTile({1, 1});
    // Before the second click, the fruit check takes the selected fruit into a group.
    Board.CheckFruitGroups();
    ASSERT_EQ(Status(1, 1), tsGrouped);
    Board.ClickTile({1, 2});
    EXPECT_TRUE(Requests.empty());
    EXPECT_FALSE(Board.Selected());
    EXPECT_EQ(Status(1, 2), tsIdle);
}

TEST_F(BoardSwap, ASwapWithoutAMatchSlidesBackAndLeavesTheBoardUnchanged) {
    for (const auto& Rows : {std::vector<std::string>{"12", "21"}, std::vector<std::string>{"ab", "ba"}}) {
        SCOPED_TRACE(Rows[0]);
        Load(Rows);
        const TBoardData Before = Board.BoardData();
        Returns = 0;
        Board.ClickTile({1, 1});
        Board.ClickTile({2, 1});
        // 46 pixels there at 6 a frame, 46 back: 8 frames each way.
        Frames(15);
        EXPECT_EQ(Status(1, 1), tsSwapping);
        EXPECT_EQ(Status(2, 1), tsSwapping);
        Frames(1);
        EXPECT_EQ(Returns, 1);
        EXPECT_TRUE(Board.IsIdle());
        EXPECT_EQ(Board.BoardData(), Before);
        EXPECT_TRUE(Groupings.empty());
        EXPECT_EQ(Swap.ActiveCount(), 0);
    }
    EXPECT_EQ(Arrivals, 0);
}

TEST_F(BoardSwap, AMatchingFruitSwapIsWrittenInAndItsGroupLeavesTheBoard) {
    Load({"aab", "..a"});
    Board.ClickTile({3, 1});
    Board.ClickTile({3, 2});
    ASSERT_EQ(Requests.size(), 1u);
    EXPECT_TRUE(Requests[0].MatchOccurs);
    // A fruit swap that matches moves 8 pixels a frame: 6 frames.
    Frames(5);
    EXPECT_EQ(Arrivals, 0);
    Frames(1);
    EXPECT_EQ(Arrivals, 1);
    EXPECT_EQ(Tile(3, 1).Content, 1);
    EXPECT_EQ(Tile(3, 2).Content, 2);
    EXPECT_EQ(Status(3, 2), tsIdle);
    ASSERT_EQ(Groupings.size(), 1u);
    EXPECT_EQ(TilesOf(Groupings[0].Mask), (TTileSet{{1, 1}, {2, 1}, {3, 1}}));
    EXPECT_TRUE(Groupings[0].CheckCombos);
    EXPECT_EQ(Groupings[0].SwappedTilePos, (TPoint{3, 2})) << "the lower tile of the pair";
    EXPECT_FALSE(Board.CheckComboPending());
    EXPECT_EQ(NoMatchResets, 1);
    for (int X = 1; X <= 3; ++X) EXPECT_EQ(Status(X, 1), tsGrouped);

    // The grouping shows each fruit for 8 frames (the first in the swap's last frame),
    // then hands each one over on its own.
    Frames(6);
    EXPECT_TRUE(Completions.empty());
    Frames(1);
    ASSERT_EQ(Completions.size(), 3u);
    for (const TSimpleObjectArray& Done : Completions) EXPECT_EQ(Done.Count(), 1);
    for (int X = 1; X <= 3; ++X) {
        EXPECT_EQ(Tile(X, 1).Kind, okTempBlank);
        EXPECT_EQ(Status(X, 1), tsFalling);
    }
    EXPECT_EQ(Tile(3, 2).Kind, okFruit);
    EXPECT_EQ(Tile(3, 2).Content, 2);
}

TEST_F(BoardSwap, CommittingMovesTheContentsAndLeavesBoxesWebsAndDrops) {
    TBoardData Data = DrawnBoard({"ab", "12"});
    TBoardTile& Fruit = Data.At(1, 1);
    Fruit.LockerKind = 3;
    Fruit.Bomb = true;
    Fruit.WormState = WormStateEating;
    Fruit.WormTime = 1234;
    Fruit.BlasterColor = 4;
    Fruit.DropOffset = 7;
    Data.At(2, 1).LockerKind = 1;
    Data.At(2, 1).Web = true;
    Data.At(1, 2).Content = 5;
    Load(Data);
    const TBoardData Before = Board.BoardData();

    Board.CommitSwap({1, 1}, {2, 1});
    const TBoardTile& A = Tile(1, 1);
    const TBoardTile& B = Tile(2, 1);
    EXPECT_EQ(A.Content, 2);
    EXPECT_EQ(B.Content, 1);
    EXPECT_FALSE(A.Bomb);
    EXPECT_TRUE(B.Bomb);
    EXPECT_EQ(B.WormState, WormStateEating);
    EXPECT_EQ(B.WormTime, 1234);
    EXPECT_EQ(B.BlasterColor, 4);
    EXPECT_EQ(A.LockerKind, 3) << "an opened tile's box stays";
    EXPECT_EQ(B.LockerKind, 1);
    EXPECT_TRUE(B.Web) << "the web stays on its tile";
    EXPECT_EQ(A.DropOffset, 7);

    // Closed lockers move whole: their kind goes with their content.
    Board.CommitSwap({1, 2}, {2, 2});
    EXPECT_EQ(Tile(1, 2).LockerKind, 2);
    EXPECT_EQ(Tile(2, 2).LockerKind, 1);
    EXPECT_EQ(Tile(2, 2).Content, 5);
    EXPECT_EQ(Tile(1, 2).Content, Before.At(2, 2).Content);
}

TEST_F(BoardSwap, AWebbedFruitInAGroupLosesItsWebAndStays) {
    Load({"aAa", "bcd"});
    Board.CheckFruitGroups();
    ASSERT_EQ(Groupings.size(), 1u);
    EXPECT_EQ(TilesOf(Groupings[0].Mask), (TTileSet{{1, 1}, {3, 1}}));
    EXPECT_EQ(TornWebs, (std::vector<TPoint>{{2, 1}}));
    EXPECT_FALSE(Tile(2, 1).Web);
    EXPECT_EQ(Status(2, 1), tsIdle);
    EXPECT_EQ(Tile(2, 1).Content, 1);
    EXPECT_FALSE(Groupings[0].CheckCombos) << "a match nobody swapped for carries no combo";
}

TEST_F(BoardSwap, AnEatenFruitNeverMatchesAndAFruitBeingEatenDoesWithItsWormDrivenOff) {
    TBoardData Data = DrawnBoard({"aaa"});
    Data.At(2, 1).WormState = WormStateEaten;
    Load(Data);
    Board.CheckFruitGroups();
    EXPECT_TRUE(Groupings.empty());
    EXPECT_EQ(NoMatchResets, 0);
    EXPECT_TRUE(Board.IsIdle());

    Data.At(2, 1).WormState = WormStateEating;
    Load(Data);
    Board.CheckFruitGroups();
    ASSERT_EQ(Groupings.size(), 1u);
    EXPECT_EQ(Groupings[0].Mask.Count(), 3);
    EXPECT_EQ(BannedWorms, (std::vector<TPoint>{{2, 1}}));
}

TEST_F(BoardSwap, OpenedFlowersAndToolsAreCollectedByTheNextCheckAndLeaveThroughTheirOwnEvents) {
    TBoardData Data = DrawnBoard({"abcd", "1bda", "cdab"});
    Data.At(2, 1).Content = ccFlower;
    Data.At(4, 2).Content = ccBroom;
    Data.At(1, 2).Content = ccMagicKey;  // still in its locker: not collected
    Data.At(4, 3).Content = ccAerosol;
    Load(Data);
    // The aerosol is being swapped: busy tiles are left for a later check.
    Board.ClickTile({4, 3});
    Board.ClickTile({3, 3});
    ASSERT_EQ(Requests.size(), 1u);
    Board.CheckFruitGroups();
    ASSERT_EQ(Groupings.size(), 1u);
    EXPECT_EQ(TilesOf(Groupings[0].Mask), (TTileSet{{2, 1}, {4, 2}}));

    Swap.Clear();
    Frames(8);
    EXPECT_EQ(Tools, (std::vector<std::pair<TPoint, int32_t>>{{{4, 2}, ccBroom}}));
    EXPECT_EQ(Flowers, (std::vector<TPoint>{{2, 1}}));
    // The first tile reached is the flower: it is handed over to leave the board as well.
    ASSERT_EQ(Completions.size(), 1u);
    EXPECT_EQ(TilesOf(Completions[0]), (TTileSet{{2, 1}}));
    EXPECT_EQ(Tile(4, 2).Kind, okTempBlank);
    EXPECT_EQ(Status(4, 2), tsFalling);
    EXPECT_EQ(Tile(2, 1).Kind, okTempBlank);
    EXPECT_EQ(Grouping.ActiveCount(), 0);
}

TEST_F(BoardSwap, TheFruitCheckRemovesFramesTileByTileAndDoesNothingWhileMatchingIsOff) {
    Load({"aab", "bab", "ccb"});
    Board.CanMatch = false;
    Board.CheckFruitGroups();
    Board.CheckFruitGroupsAt({1, 1});
    EXPECT_TRUE(Groupings.empty());
    EXPECT_TRUE(Board.IsIdle());

    Board.CanMatch = true;
    Board.CheckFruitGroups();
    ASSERT_EQ(Groupings.size(), 1u);
    EXPECT_TRUE(Groupings[0].CheckCombos) << "the combo flag set while matching was off waits for the next match";
    EXPECT_EQ(Groupings[0].SwappedTilePos, (TPoint{1, 1}));
    EXPECT_EQ(TilesOf(Groupings[0].Mask), (TTileSet{{1, 1}, {2, 1}, {2, 2}, {3, 1}, {3, 2}, {3, 3}}));
    // One removal per matched tile, each with the tiles matched so far, in board order.
    ASSERT_EQ(FrameRemovals.size(), 6u);
    EXPECT_EQ(TilesOf(FrameRemovals[0]), (TTileSet{{1, 1}}));
    EXPECT_EQ(TilesOf(FrameRemovals[2]), (TTileSet{{1, 1}, {2, 1}, {2, 2}}));
    EXPECT_EQ(FrameRemovals[5], Groupings[0].Mask);
    EXPECT_EQ(NoMatchResets, 1);

    Board.CheckFruitGroups();
    EXPECT_EQ(Groupings.size(), 1u) << "grouped tiles are busy: nothing is found twice";
}

TEST_F(BoardSwap, SlidingThePressedMouseOntoANeighbourSwapsOnce) {
    Load({"1231", "2312", "3123"});
    // As the round routes the mouse: a press starts dragging, every move while
    // dragging is a press, the release stops it.
    auto MoveTo = [this](int X, int Y) {
        if (Board.Dragging()) Board.PressAt(PixelX(X), PixelY(Y), mbLeft);
    };
    Board.SetDragging(true);
    Board.PressAt(PixelX(2), PixelY(2), mbLeft);
    MoveTo(2, 2);
    MoveTo(2, 2);
    EXPECT_TRUE(Board.Selected());
    MoveTo(3, 2);
    EXPECT_FALSE(Board.Dragging()) << "the drag ends with the swap";
    MoveTo(4, 2);
    MoveTo(4, 3);
    Board.SetDragging(false);
    ASSERT_EQ(Requests.size(), 1u);
    EXPECT_EQ(Requests[0].Data.Object1Pos, (TPoint{2, 2}));
    EXPECT_EQ(Requests[0].Data.Object2Pos, (TPoint{3, 2}));
}

}  // namespace
