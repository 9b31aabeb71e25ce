// The greedy move choice the level bot plays by: the swap that gathers the most
// tiles, fruits before lockers on a tie, never a swap the player could not make.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BoardGroupsClass.h"
#include "DrawnBoard.h"
#include "GreedyMoveClass.h"
#include "RandomClass.h"

namespace {

TTileStatusArray Idle(const TBoardData& Board) { return TTileStatusArray::ForBoard(Board); }

TEST(GreedyMove, PicksTheSwapThatGathersTheMostTiles) {
    const struct {
        const char* Name;
        std::vector<std::string> Rows;
        TPoint Tile1, Tile2;
        TTileObjectKind Kind;
        int32_t Size;
    } Cases[] = {
        // Swapping (1,1) with (1,2) makes a line of three a's; swapping (5,1) with
        // (5,2) drops a c into the gap of a T of six (swapping in from the left
        // gathers only five: it leaves a c behind).
        {"T of six beats a line of three", {"baadce", "adccfc", "ebfdcb", "dfbecd"}, {5, 1}, {5, 2}, okFruit, 6},
        // Both swaps gather three: the fruits go first though the lockers come first in board order.
        {"fruits before lockers on a tie", {"1121de", "efdbaa", "cdcaeb"}, {4, 2}, {4, 3}, okFruit, 3},
        // Two fruit swaps of three: the first in board order (column 1 before column 5).
        {"first in board order on a tie", {"bccdbaa", "cefdaeb"}, {1, 1}, {1, 2}, okFruit, 3},
        // One swap forms a group at each of its two tiles: both count.
        {"groups at both tiles count", {"aabc", "bbad"}, {3, 1}, {3, 2}, okFruit, 6},
        {"lockers when no fruit swap matches", {"1121", "abab"}, {3, 1}, {4, 1}, okLocker, 3},
    };
    for (const auto& C : Cases) {
        const TBoardData Board = DrawnBoard(C.Rows);
        TGreedyMove Move;
        ASSERT_TRUE(ChooseGreedyMove(Board, Idle(Board), Move)) << C.Name;
        EXPECT_EQ(Move.Tile1Pos, C.Tile1) << C.Name;
        EXPECT_EQ(Move.Tile2Pos, C.Tile2) << C.Name;
        EXPECT_EQ(Move.Kind, C.Kind) << C.Name;
        EXPECT_EQ(Move.GroupSize, C.Size) << C.Name;
    }
}

TEST(GreedyMove, NeverChoosesASwapThePlayerCannotMake) {
    // Only the swap of (3,1) with (4,1) would make a line of three a's.
    const TBoardData Plain = DrawnBoard({"aaba", "cdcd"});
    TGreedyMove Move;
    ASSERT_TRUE(ChooseGreedyMove(Plain, Idle(Plain), Move));
    EXPECT_EQ(Move.Tile1Pos, (TPoint{3, 1}));

    TBoardData Webbed = Plain;
    Webbed.At(4, 1).Web = true;
    EXPECT_FALSE(ChooseGreedyMove(Webbed, Idle(Webbed), Move)) << "a webbed tile does not move";

    TBoardData Hammer = Plain;
    Hammer.At(3, 1).Content = ccHammer;
    EXPECT_FALSE(ChooseGreedyMove(Hammer, Idle(Hammer), Move)) << "a hammer is used, not swapped";

    for (TTileStatus Busy : {tsSwapping, tsOpening, tsGrouped, tsFalling}) {
        TTileStatusArray Statuses = Idle(Plain);
        Statuses.At(4, 1) = Busy;
        EXPECT_FALSE(ChooseGreedyMove(Plain, Statuses, Move)) << "busy status " << int(Busy);
    }

    const TBoardData Mixed = DrawnBoard({"aa1a", "cdcd"});
    EXPECT_FALSE(ChooseGreedyMove(Mixed, Idle(Mixed), Move)) << "a fruit and a locker never swap";
}

TEST(GreedyMove, CountsOnlyTheGroupsTheSwapMakes) {
    // A group of three c's already lies in row 3; the swap of (3,1) with (4,1) adds a line of three a's.
    const TBoardData Board = DrawnBoard({"aaba", "dede", "cccf"});
    EXPECT_EQ(SwapGroupSize(Board, Idle(Board), {3, 1}, {4, 1}), 3);
    EXPECT_EQ(SwapGroupSize(Board, Idle(Board), {1, 2}, {2, 2}), 0);
}

// Over many seeded boards the bot finds a move exactly when the hint's move
// search does, and the move it picks really makes a group.
TEST(GreedyMove, AgreesWithTheMoveSearchOnRandomBoards) {
    TRandomStream Rng(2024);
    int32_t WithMove = 0;
    for (int Round = 0; Round < 150; ++Round) {
        // A board at rest: each tile drawn again until it forms no group.
        TBoardData Board = DrawnBoard({});
        for (int32_t X = 1; X <= BoardSize; ++X) {
            for (int32_t Y = 1; Y <= BoardSize; ++Y) {
                TBoardTile& Tile = Board.At(X, Y);
                do {
                    Tile.Kind = Rng.Next(2) == 0 ? okLocker : okFruit;
                    Tile.LockerKind = static_cast<uint8_t>(Rng.Next(3) + 1);
                    Tile.Content = static_cast<uint8_t>(Rng.Next(5) + 1);
                } while (FindGroups(Board, Tile.Kind, TileKey(Tile)).Any());
            }
        }
        const TTileStatusArray Statuses = Idle(Board);
        TGreedyMove Move;
        THintTilesPos Hint;
        const bool Greedy = ChooseGreedyMove(Board, Statuses, Move);
        ASSERT_EQ(Greedy, FindMoveFrom(Board, Statuses, {1, 1}, Hint)) << "board " << Round;
        if (!Greedy) continue;
        ++WithMove;
        EXPECT_TRUE(SwapMakesMatch(Board, Statuses, Move.Tile1Pos, Move.Tile2Pos)) << "board " << Round;
        EXPECT_GE(Move.GroupSize, 3);
    }
    EXPECT_GT(WithMove, 30) << "the boards must exercise the choice";
}

}  // namespace

TEST(GreedyMove, ClicksTheFirstIdleUnwebbedSpecialItHas) {
    TBoardData Board;
    for (int X = 1; X <= 10; ++X)
        for (int Y = 1; Y <= 10; ++Y) Board.At(X, Y).LockerKind = static_cast<uint8_t>((X + Y) % 3 + 1);
    TPoint Tile;
    EXPECT_FALSE(ChooseObjectClick(Board, Idle(Board), Tile)) << "lockers only";
    Board.At(2, 2).Content = ccHammer;  // still a closed locker: nothing to click
    EXPECT_FALSE(ChooseObjectClick(Board, Idle(Board), Tile));
    Board.At(2, 2).Kind = okFruit;
    Board.At(2, 2).Web = true;
    Board.At(3, 1).Kind = okFruit;
    Board.At(3, 1).Content = ccFruitBlaster;
    Board.At(4, 4).Kind = okFruit;
    Board.At(4, 4).Content = ccUniFruit;
    TTileStatusArray Statuses = Idle(Board);
    Statuses.At(3, 1) = tsFalling;
    ASSERT_TRUE(ChooseObjectClick(Board, Statuses, Tile));
    EXPECT_EQ(Tile, (TPoint{4, 4})) << "the webbed hammer and the falling blaster are passed over";
    ASSERT_TRUE(ChooseObjectClick(Board, Idle(Board), Tile));
    EXPECT_EQ(Tile, (TPoint{3, 1}));
}
