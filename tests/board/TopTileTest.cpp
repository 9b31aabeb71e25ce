// The random top tile: the first locker or fruit from the top of a random
// column, on a full board, a shaped one, one with a single column to perch
// on and one with nothing, where every one of the draws is spent.
#include <gtest/gtest.h>

#include <set>

#include "DrawnBoard.h"
#include "RandomClass.h"
#include "TopTileClass.h"

namespace {

TEST(TopTile, OnAFullBoardItIsRowOneOfAnyColumn) {
    GameplayRandom().SetSeed(5);
    const TBoardData Board;
    std::set<int32_t> Columns;
    for (int I = 0; I < 500; ++I) {
        const TPoint Tile = RandomTopTile(Board);
        EXPECT_EQ(Tile.Y, 1);
        ASSERT_TRUE(Tile.X >= 1 && Tile.X <= 10);
        Columns.insert(Tile.X);
    }
    EXPECT_EQ(Columns.size(), 10u);
}

TEST(TopTile, OnAShapedBoardItIsTheFirstLockerOrFruitOfItsColumn) {
    GameplayRandom().SetSeed(9);
    TBoardData Board = DrawnBoard({"..1.1111..", ".11.11111.", "a11.11111b", "111.111111", "111.111111",
                                   "111.111111", "111.111111", "111.111111", "111.111111", "111.111111"});
    Board.At(5, 1).Kind = okBlocker;   // a blocker is not a seat
    Board.At(6, 1).Kind = okTempBlank;  // nor an emptied position
    const int32_t FirstRow[11] = {0, 3, 2, 1, 0, 2, 2, 1, 1, 2, 3};
    std::set<int32_t> Columns;
    for (int I = 0; I < 2000; ++I) {
        const TPoint Tile = RandomTopTile(Board);
        ASSERT_NE(Tile.X, 4) << "a column outside the shape is drawn again";
        EXPECT_EQ(Tile.Y, FirstRow[Tile.X]) << "column " << Tile.X;
        Columns.insert(Tile.X);
    }
    EXPECT_EQ(Columns.size(), 9u);
}

TEST(TopTile, WithOneColumnToPerchOnEveryAnswerIsThere) {
    GameplayRandom().SetSeed(2);
    TBoardData Board = DrawnBoard({});
    Board.At(7, 6).Kind = okFruit;
    Board.At(7, 9).Kind = okLocker;
    for (int I = 0; I < 50; ++I) EXPECT_EQ(RandomTopTile(Board), Point(7, 6));
}

TEST(TopTile, WithNothingToPerchOnAllDrawsAreSpentAndRowElevenOfTheLastColumnComesBack) {
    GameplayRandom().SetSeed(31);
    TRandomStream Replay = GameplayRandom();
    const TBoardData Board = DrawnBoard({});
    const TPoint Tile = RandomTopTile(Board);
    int32_t LastColumn = 0;
    for (int32_t I = 0; I < TopTileDraws; ++I) LastColumn = Replay.Next(10) + 1;
    EXPECT_EQ(Tile, Point(LastColumn, 11));
    EXPECT_EQ(GameplayRandom().NextUInt32(), Replay.NextUInt32()) << "exactly 10000 draws";
}

}  // namespace
