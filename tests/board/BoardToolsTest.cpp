// The board's side of the tools: which tiles the key opens and the broom sweeps
// (off the board, holes, blanks, busy lockers), the key opening one locker
// with its request and the selection gone, a web swept, and the aerosol's
// spray driving worms off by their cells' centres (a small spray's inverted
// reach holding nothing).
#include <gtest/gtest.h>

#include <vector>

#include "BoardToolsClass.h"
#include "GameBoardClass.h"

namespace {

TPoint Centre(TPoint P) {
    return TPoint{BoardScreenLeft + (P.X - 1) * BoardTilePixels + 23, BoardScreenTop + (P.Y - 1) * BoardTilePixels + 23};
}

class BoardTools : public ::testing::Test {
protected:
    void SetUp() override {
        Board.Left = BoardScreenLeft;
        Board.Top = BoardScreenTop;
        // Fruits everywhere except a few kinds of tile at known places.
        for (int X = 1; X <= BoardSize; ++X)
            for (int Y = 1; Y <= BoardSize; ++Y) {
                Data.At(X, Y).Kind = okFruit;
                Data.At(X, Y).Content = static_cast<uint8_t>(1 + (X + 2 * Y) % 5);
            }
        Data[Locker].Kind = okLocker;
        Data[WebbedLocker].Kind = okLocker;
        Data[WebbedLocker].Web = true;
        Data[WebbedFruit].Web = true;
        Data[Hole].Kind = okUnused;
        Data[Blank].Kind = okTempBlank;
        Data[WebbedBlank].Kind = okTempBlank;
        Data[WebbedBlank].Web = true;
        Board.LoadBoardData(Data);
        Board.OnOpeningLockersEffectRequest = [this](TObject*, TBoardData, TSimpleObjectArray Mask) {
            Openings.push_back(Mask);
        };
        Board.OnNoMatchTimerReset = [this](TObject*) { ++TimerResets; };
        Board.OnWebEffectRequest = [this](TObject*, TPoint P) { Torn.push_back(P); };
        Board.OnAFruitWormBanRequest = [this](TObject*, TPoint P) { Banned.push_back(P); };
    }

    static constexpr TPoint Locker{2, 2}, WebbedLocker{3, 3}, WebbedFruit{4, 4}, Hole{5, 5}, Blank{6, 6},
        WebbedBlank{7, 7}, Fruit{8, 8};
    TBoardData Data;
    TGameBoard Board;
    std::vector<TSimpleObjectArray> Openings;
    std::vector<TPoint> Torn;
    std::vector<TPoint> Banned;
    int TimerResets = 0;
};

TEST_F(BoardTools, WhatTheKeyAndTheBroomTakeTileByTile) {
    struct TCase {
        TPoint P;
        bool Locker, Web, Broomable, OffBoard;
    };
    const TCase Cases[] = {
        {Locker, true, false, false, false},      {WebbedLocker, true, true, true, false},
        {WebbedFruit, false, true, true, false},  {Hole, false, false, false, true},
        {Blank, false, false, false, false},      {WebbedBlank, false, true, false, false},
        {Fruit, false, false, false, false},      {{0, 4}, false, false, false, true},
        {{4, 0}, false, false, false, true},      {{11, 4}, false, false, false, true},
        {{4, 11}, false, false, false, true},     {{-1, -1}, false, false, false, true},
    };
    for (const TCase& C : Cases) {
        SCOPED_TRACE(::testing::Message() << C.P.X << "," << C.P.Y);
        EXPECT_EQ(Board.IsLocker(C.P), C.Locker);
        EXPECT_EQ(Board.HasWeb(C.P), C.Web);
        EXPECT_EQ(Board.IsBroomable(C.P), C.Broomable);
        EXPECT_EQ(Board.IsOffBoard(C.P), C.OffBoard);
        EXPECT_EQ(Board.IsOpenableLocker(C.P), C.Locker);
    }
    EXPECT_EQ(Board.WebCount(), 3);
    EXPECT_EQ(CountWebs(Data), 3);
}

TEST_F(BoardTools, TheKeyOpensOneIdleLockerAndTheSelectionGoes) {
    Board.SelectTile(Locker, 0);
    ASSERT_TRUE(Board.Selected());
    Board.OpenLocker(Locker);
    ASSERT_EQ(Openings.size(), 1u);
    for (int X = 1; X <= BoardSize; ++X)
        for (int Y = 1; Y <= BoardSize; ++Y) EXPECT_EQ(Openings[0].At(X, Y), X == Locker.X && Y == Locker.Y);
    EXPECT_EQ(Board.TileStatus(Locker), tsOpening);
    EXPECT_EQ(TimerResets, 1);
    EXPECT_FALSE(Board.Selected());
    EXPECT_FALSE(Board.IsOpenableLocker(Locker)) << "already opening";

    // Opening already: a second turn asks for nothing, but still lets the selection go.
    Board.SelectTile(Fruit, 0);
    Board.OpenLocker(Locker);
    EXPECT_EQ(Openings.size(), 1u);
    EXPECT_FALSE(Board.Selected());
    // Not a locker, or off the board: nothing opens.
    for (TPoint P : {Fruit, Hole, TPoint{0, 0}, TPoint{11, 3}}) Board.OpenLocker(P);
    EXPECT_EQ(Openings.size(), 1u);
    EXPECT_EQ(TimerResets, 1);
}

TEST_F(BoardTools, AFallingLockerIsNotOpenable) {
    // The locker above a blank falls into it.
    TBoardData Falling = Data;
    Falling.At(2, 3).Kind = okTempBlank;
    Board.LoadBoardData(Falling);
    Board.MarkFalling();
    ASSERT_EQ(Board.TileStatus(Locker), tsFalling);
    EXPECT_TRUE(Board.IsLocker(Locker));
    EXPECT_FALSE(Board.IsOpenableLocker(Locker));
    Board.OpenLocker(Locker);
    EXPECT_TRUE(Openings.empty());
    EXPECT_EQ(Board.TileStatus(Locker), tsFalling);
}

TEST_F(BoardTools, SweepingTearsOnlyAWebThatIsThere) {
    Board.SweepWeb(WebbedFruit);
    EXPECT_FALSE(Board.HasWeb(WebbedFruit));
    EXPECT_EQ(Torn, std::vector<TPoint>{WebbedFruit});
    for (TPoint P : {WebbedFruit, Fruit, TPoint{0, 0}, TPoint{11, 11}}) Board.SweepWeb(P);
    EXPECT_EQ(Torn.size(), 1u);
    EXPECT_EQ(Board.WebCount(), 2);
}

TEST_F(BoardTools, TheSprayReachesWormsByTheirCellsCentre) {
    const TPoint Eating{4, 6}, Other{6, 2}, Eaten{5, 8}, InLocker{9, 9};
    TBoardData Worms = Data;
    Worms[Eating].WormState = WormStateEating;
    Worms[Eating].WormTime = 4200;
    Worms[Other].WormState = WormStateEating;
    Worms[Eaten].WormState = WormStateEaten;
    Worms[InLocker].Kind = okLocker;
    Worms[InLocker].WormState = WormStateEating;
    Board.LoadBoardData(Worms);
    const TPoint C = Centre(Eating);
    struct TCase {
        TRect R;
        bool Reached;
    };
    const TCase Cases[] = {
        {{C.X, C.Y, C.X, C.Y}, true},              // a single point, on the centre
        {{C.X - 5, C.Y - 5, C.X + 5, C.Y + 5}, true},
        {{C.X + 1, C.Y - 5, C.X + 5, C.Y + 5}, false},  // just right of it
        {{C.X - 5, C.Y - 5, C.X, C.Y}, true},      // edges count as inside
        {{C.X + 10, C.Y + 10, C.X - 10, C.Y - 10}, false},  // inverted: a spray not yet past its margin
        {{C.X + 10, C.Y - 10, C.X - 10, C.Y + 10}, false},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(::testing::Message() << Case.R.Left << "," << Case.R.Top << "-" << Case.R.Right << ","
                                          << Case.R.Bottom);
        Banned.clear();
        Board.LoadBoardData(Worms);
        Board.SprayWorms(Case.R);
        EXPECT_EQ(Banned.size(), Case.Reached ? 1u : 0u);
        EXPECT_EQ(Board.BoardData()[Eating].WormState, Case.Reached ? WormStateNone : WormStateEating);
        EXPECT_EQ(Board.BoardData()[Eating].WormTime, 4200) << "the time eaten is kept";
    }
    // The whole screen: every eating worm on an opened fruit, none in a locker, and eaten fruits stay eaten.
    Banned.clear();
    Board.LoadBoardData(Worms);
    Board.SprayWorms(TRect{0, 0, 799, 599});
    EXPECT_EQ(Banned, (std::vector<TPoint>{Eating, Other}));
    EXPECT_EQ(Board.BoardData()[Eaten].WormState, WormStateEaten);
    EXPECT_EQ(Board.BoardData()[InLocker].WormState, WormStateEating);
}

}  // namespace
