// What is left to do on a board: the move search and what counts as a move,
// the shuffled board that replaces a board without moves, the hammer added to
// a shuffled board that still has none, and the hint tiles' breathing.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BoardGroupsClass.h"
#include "BoardMovesClass.h"
#include "DrawnBoard.h"
#include "GameBoardClass.h"
#include "RandomClass.h"

namespace {

TTileStatusArray Idle(const TBoardData& Board) { return TTileStatusArray::ForBoard(Board); }

// Closed lockers whose kinds run diagonally (1, 2, 3 along a row, shifted by one
// each row): no swap of two neighbours brings three of a kind together.
TBoardData StuckLockers() {
    TBoardData Board;
    for (int32_t X = 1; X <= BoardSize; ++X)
        for (int32_t Y = 1; Y <= BoardSize; ++Y) Board.At(X, Y).LockerKind = static_cast<uint8_t>((X + Y) % 3 + 1);
    return Board;
}

TBoardData WithOpened(TBoardData Board, TPoint P, uint8_t Content) {
    Board[P].Kind = okFruit;
    Board[P].Content = Content;
    return Board;
}

class BoardMoves : public ::testing::Test {
protected:
    void SetUp() override {
        SetRandomSeedSource([] { return uint64_t{21}; });
        FruitColorCount = 5;
    }
    void TearDown() override {
        SetRandomSeedSource({});
        FruitColorCount = 5;
    }
};

TEST_F(BoardMoves, WhatCountsAsAMove) {
    TBoardData WebbedOnlyMove = DrawnBoard({"aaBa", "cdcd"});
    TBoardData LockedHammer = StuckLockers();
    LockedHammer.At(5, 5).Content = ccHammer;  // still closed: nothing to click yet
    const struct {
        const char* Name;
        TBoardData Board;
        bool Swap;   // a swap makes a group
        bool Moves;  // the player can still act
    } Cases[] = {
        {"a locker swap", DrawnBoard({"1121", "2312"}), true, true},
        {"a fruit swap", DrawnBoard({"aaba", "cdcd"}), true, true},
        {"no swap and nothing to click", StuckLockers(), false, false},
        {"only an opened hammer", WithOpened(StuckLockers(), {5, 5}, ccHammer), false, true},
        {"only an opened fruit blaster", WithOpened(StuckLockers(), {2, 9}, ccFruitBlaster), false, true},
        {"a hammer hidden in a locker", LockedHammer, false, false},
        {"an opened uni fruit is clicked, not swapped", WithOpened(StuckLockers(), {3, 3}, ccUniFruit), false, false},
        {"the only swap would move a webbed fruit", WebbedOnlyMove, false, false},
        {"a uni fruit stands in the only swap", WithOpened(DrawnBoard({"aaba", "cdcd"}), {3, 1}, ccUniFruit), false,
         false},
    };
    for (const auto& C : Cases) {
        THintTilesPos Move;
        EXPECT_EQ(FindMoveFrom(C.Board, Idle(C.Board), {1, 1}, Move), C.Swap) << C.Name;
        EXPECT_EQ(MovesLeft(C.Board, Idle(C.Board)), C.Moves) << C.Name;
        // The board component judges alike, whatever tile its search starts from.
        TGameBoard Board;
        Board.LoadBoardData(C.Board);
        for (int Try = 0; Try < 5; ++Try) {
            EXPECT_EQ(Board.FindMove(Move), C.Swap) << C.Name;
            if (C.Swap) {
                EXPECT_TRUE(SwapMakesMatch(C.Board, Idle(C.Board), Move.Tile1Pos, Move.Tile2Pos)) << C.Name;
            }
            EXPECT_EQ(Board.MovesExist(), C.Moves) << C.Name;
        }
        EXPECT_FALSE(Board.HintShowing()) << C.Name << ": looking for moves shows no hint";
    }
}

TEST_F(BoardMoves, TheSearchStartsAfterARandomTileAndExaminesItLast) {
    // One move only: the lockers of (1,1) and (2,1) changing places line up three 1s.
    const TBoardData Board = DrawnBoard({"1211"});
    const struct {
        TPoint Start;
        THintTilesPos Move;
    } Cases[] = {
        {{1, 1}, {{2, 1}, {1, 1}}},    // (1,1) is examined last: its partner offers the move first
        {{2, 1}, {{1, 1}, {2, 1}}},    // the walk wraps round to (1,1) before it comes back to (2,1)
        {{10, 10}, {{1, 1}, {2, 1}}},  // from the last tile straight on to the first
        {{4, 1}, {{1, 1}, {2, 1}}},
    };
    for (const auto& C : Cases) {
        THintTilesPos Move;
        ASSERT_TRUE(FindMoveFrom(Board, Idle(Board), C.Start, Move)) << C.Start.X << "," << C.Start.Y;
        EXPECT_EQ(Move, C.Move) << C.Start.X << "," << C.Start.Y;
    }
    THintTilesPos Move;

    // The board draws its start from the gameplay stream: column, then row.
    TGameBoard Game;
    Game.LoadBoardData(Board);
    for (uint64_t Seed = 1; Seed <= 30; ++Seed) {
        GameplayRandom().SetSeed(Seed);
        TRandomStream Ahead = GameplayRandom();
        const int32_t X = Ahead.Next(10) + 1;
        const int32_t Y = Ahead.Next(10) + 1;
        THintTilesPos Expected;
        ASSERT_TRUE(FindMoveFrom(Board, Idle(Board), {X, Y}, Expected));
        ASSERT_TRUE(Game.FindMove(Move));
        EXPECT_EQ(Move, Expected) << "seed " << Seed;
        EXPECT_EQ(GameplayRandom().NextUInt32(), Ahead.NextUInt32()) << "exactly two draws";
    }
}

// A board as a round leaves it: lockers and opened fruits, holes in its shape,
// an emptied position, webs, worms, a tool in a locker and (WithSpecials) two
// hammers, a uni fruit, a fruit blaster and two bombs.
TBoardData BusyBoard(uint64_t Seed, int32_t Colors, bool WithSpecials = true) {
    TRandomStream Stream(Seed);
    TBoardData Board;
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            TBoardTile& Tile = Board.At(X, Y);
            Tile.Kind = Stream.Next(4) == 0 ? okFruit : okLocker;
            Tile.LockerKind = static_cast<uint8_t>(Stream.Next(3) + 1);
            Tile.Content = static_cast<uint8_t>(Stream.Next(Colors) + 1);
        }
    }
    for (TPoint P : {TPoint{1, 1}, TPoint{10, 1}, TPoint{1, 10}, TPoint{5, 5}}) Board[P].Kind = okUnused;
    Board.At(7, 3).Kind = okTempBlank;
    Board.At(2, 4).Web = true;
    Board.At(8, 8).Web = true;
    Board.At(3, 7) = TBoardTile{okFruit, 2, 3, false, false, WormStateEating, {0, 0}, 4000, 1, 0};
    Board.At(6, 2) = TBoardTile{okFruit, 1, 2, false, false, WormStateEaten, {0, 0}, 9000, 1, 0};
    Board.At(5, 8).Content = ccMagicKey;
    if (!WithSpecials) return Board;
    Board.At(4, 4) = TBoardTile{okFruit, 3, ccHammer, false, false, 0, {0, 0}, 0, 1, 0};
    Board.At(9, 6) = TBoardTile{okFruit, 1, ccHammer, false, false, 0, {0, 0}, 0, 1, 0};
    Board.At(2, 2) = TBoardTile{okFruit, 2, ccUniFruit, false, false, 0, {0, 0}, 0, 1, 0};
    Board.At(6, 9) = TBoardTile{okFruit, 3, ccFruitBlaster, false, false, 0, {0, 0}, 0, 4, 0};
    Board.At(8, 2) = TBoardTile{okFruit, 1, 2, false, true, 0, {0, 0}, 0, 1, 0};
    Board.At(3, 9) = TBoardTile{okFruit, 2, 1, true, true, 0, {0, 0}, 0, 1, 0};
    return Board;
}

// Rows 2, 4, 6, 8 and 10 of a busy board left out: every tile has at most two
// neighbours, so a recoloured tile always finds a kind and a colour that fit.
TBoardData RowsApart(TBoardData Board) {
    for (int32_t X = 1; X <= BoardSize; ++X)
        for (int32_t Y = 2; Y <= BoardSize; Y += 2) Board.At(X, Y).Kind = okUnused;
    return Board;
}

TEST_F(BoardMoves, AShuffleKeepsTheShapeTheOpenedCountAndTheSpecialsAndLeavesNoGroup) {
    for (int32_t Case = 0; Case < 12; ++Case) {
        const bool WithSpecials = Case % 2 == 1;
        const bool Apart = Case >= 8;  // the last cases: rows apart
        const int32_t Colors = 3 + Case / 2 % 4;
        for (uint64_t Seed = 1; Seed <= 25; ++Seed) {
            SCOPED_TRACE(::testing::Message() << Colors << " colours, seed " << Seed
                                              << (WithSpecials ? ", with specials" : "")
                                              << (Apart ? ", rows apart" : ""));
            const TBoardData Dense = BusyBoard(Seed, Colors, WithSpecials);
            const TBoardData Old = Apart ? RowsApart(Dense) : Dense;
            GameplayRandom().SetSeed(Seed * 31);
            SetRandomSeedSource([Seed] { return Seed * 7919; });
            const TBoardData New = MakeShuffledBoard(Old, Colors);

            EXPECT_EQ(CountSpecials(New), CountSpecials(Old));
            EXPECT_FALSE(AnyGroup(New, Idle(New), Colors)) << "no ready-made group";
            // Where a locker fits no kind without completing a group it opens instead;
            // with at most two neighbours that never happens.
            if (Apart) {
                EXPECT_EQ(CountOpenedTiles(New), CountOpenedTiles(Old));
            } else {
                EXPECT_GE(CountOpenedTiles(New), CountOpenedTiles(Old));
                EXPECT_LE(CountOpenedTiles(New), CountOpenedTiles(Old) + 2);
            }
            for (int32_t X = 1; X <= BoardSize; ++X) {
                for (int32_t Y = 1; Y <= BoardSize; ++Y) {
                    const TBoardTile& Was = Old.At(X, Y);
                    const TBoardTile& Now = New.At(X, Y);
                    const bool WasTile = Was.Kind == okLocker || Was.Kind == okFruit;
                    if (!WasTile) {
                        ASSERT_EQ(Now, Was) << X << "," << Y << ": holes and emptied positions stay";
                        continue;
                    }
                    ASSERT_TRUE(Now.Kind == okLocker || Now.Kind == okFruit) << X << "," << Y;
                    EXPECT_FALSE(Now.Web) << X << "," << Y;
                    EXPECT_EQ(Now.WormState, WormStateNone) << X << "," << Y;
                    EXPECT_EQ(Now.WormTime, 0) << X << "," << Y;
                    EXPECT_GE(Now.LockerKind, 1) << X << "," << Y;
                    EXPECT_LE(Now.LockerKind, 3) << X << "," << Y;
                    const bool Special = Now.Content == ccHammer || Now.Content == ccUniFruit ||
                                         Now.Content == ccFruitBlaster;
                    if (Now.Kind == okLocker || !Special) {
                        EXPECT_GE(Now.Content, 1) << X << "," << Y;
                        EXPECT_LE(Now.Content, Colors) << X << "," << Y << ": tools hidden in lockers are lost";
                    }
                    if (Now.Bomb) {
                        EXPECT_EQ(Now.Kind, okFruit) << X << "," << Y;
                    }
                }
            }
        }
    }
}

TEST_F(BoardMoves, SpecialsNeverLandOutsideTheBoardsShape) {
    // Seven tiles in a row, carrying a blaster and two bombs: every try at one of
    // the 93 holes must be passed over, or a tile would appear outside the shape.
    TBoardData Old = DrawnBoard({"..", "", "", "", "", "", "", "", "", "   1a2b3c1"});
    Old.At(5, 10) = TBoardTile{okFruit, 1, ccFruitBlaster, false, false, 0, {0, 0}, 0, 3, 0};
    Old.At(7, 10).Bomb = true;
    Old.At(9, 10).Bomb = true;
    for (uint64_t Seed = 1; Seed <= 40; ++Seed) {
        GameplayRandom().SetSeed(Seed);
        SetRandomSeedSource([Seed] { return Seed + 1000; });
        const TBoardData New = MakeShuffledBoard(Old, 3);
        for (int32_t X = 1; X <= BoardSize; ++X)
            for (int32_t Y = 1; Y <= BoardSize; ++Y)
                ASSERT_EQ(New.At(X, Y).Kind == okUnused, Old.At(X, Y).Kind == okUnused) << X << "," << Y;
        EXPECT_EQ(CountSpecials(New), CountSpecials(Old)) << "seed " << Seed;
    }
}

TEST_F(BoardMoves, TheShuffleIsTheSameFromTheSameStreamAndSeed) {
    const TBoardData Old = BusyBoard(3, 5);
    GameplayRandom().SetSeed(77);
    const TBoardData First = MakeShuffledBoard(Old, 5);
    GameplayRandom().SetSeed(77);
    EXPECT_EQ(MakeShuffledBoard(Old, 5), First);

    // The board's own shuffle leaves the board as it was.
    TGameBoard Board;
    Board.LoadBoardData(Old);
    const TBoardData Shuffled = Board.MakeShuffledBoard();
    EXPECT_EQ(Board.BoardData(), Old);
    EXPECT_NE(Shuffled, Old);
}

TEST_F(BoardMoves, AHammerIsAddedOnSomeTileOfTheBoard) {
    TBoardData Board = DrawnBoard({"", "", "", "    2"});
    GameplayRandom().SetSeed(5);
    EXPECT_EQ(AddHammerAnywhere(Board), (TPoint{5, 4}));
    EXPECT_EQ(Board.At(5, 4).Kind, okFruit);
    EXPECT_EQ(Board.At(5, 4).Content, ccHammer);
    EXPECT_EQ(Board.At(5, 4).LockerKind, 2) << "the open box keeps its kind";

    TBoardData Empty = DrawnBoard({});
    const TBoardData Before = Empty;
    EXPECT_EQ(AddHammerAnywhere(Empty), (TPoint{0, 0})) << "a board with no tile gets no hammer";
    EXPECT_EQ(Empty, Before);

    // A board left without a move has one again once the hammer is there.
    TGameBoard Game;
    Game.LoadBoardData(StuckLockers());
    ASSERT_FALSE(Game.MovesExist());
    Game.AddHammerAnywhere();
    EXPECT_TRUE(Game.MovesExist());
}

TEST(HintTiles, BreatheApartAlongTheLineThatJoinsThem) {
    // Up to 8 pixels apart and back, one a frame.
    int32_t Wobble = 0;
    int32_t Direction = 1;
    std::vector<int32_t> Seen;
    for (int I = 0; I < 18; ++I) {
        StepHintWobble(Wobble, Direction);
        Seen.push_back(Wobble);
    }
    EXPECT_EQ(Seen, (std::vector<int32_t>{1, 2, 3, 4, 5, 6, 7, 8, 7, 6, 5, 4, 3, 2, 1, 0, 1, 2}));

    const struct {
        TPoint Tile, Other, Shift;
    } Cases[] = {
        {{4, 5}, {5, 5}, {-3, 0}},  // side by side: the left one moves left
        {{5, 5}, {4, 5}, {3, 0}},
        {{6, 2}, {6, 3}, {0, -3}},  // one above the other: the upper one moves up
        {{6, 3}, {6, 2}, {0, 3}},
    };
    for (const auto& C : Cases)
        EXPECT_EQ(HintTileShift(C.Tile, C.Other, 3), C.Shift) << C.Tile.X << "," << C.Tile.Y;
}

}  // namespace
