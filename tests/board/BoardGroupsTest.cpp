#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "BoardGroupsClass.h"
#include "DrawnBoard.h"
#include "RandomClass.h"

namespace {

// The checked tutorial board of the first level (kinds by row, y = 1 first).
const std::vector<std::string> TutorialRows = {
    "2123231232", "3211232321", "1322321212", "3133232331", "1212321123",
    "2123232211", "2332321332", "1213123221", "3313131313", "1232213213",
};

TEST(BoardGroups, ConnectedShapesOfThreeOrMoreMatch) {
    const struct {
        const char* Name;
        std::vector<std::string> Rows;
        TTileSet Expected;
    } Cases[] = {
        {"line of three", {"aaa"}, {{1, 1}, {2, 1}, {3, 1}}},
        {"two only", {"aa"}, {}},
        {"diagonal does not touch", {"a.", ".a", "..a"}, {}},
        {"L shape", {"aa", ".a"}, {{1, 1}, {2, 1}, {2, 2}}},
        {"square", {"aa", "aa"}, {{1, 1}, {2, 1}, {1, 2}, {2, 2}}},
        {"T shape", {"aaa", ".a."}, {{1, 1}, {2, 1}, {3, 1}, {2, 2}}},
        {"ring round another colour, taken whole",
         {"aaaa", "abba", "aaaa"},
         {{1, 1}, {2, 1}, {3, 1}, {4, 1}, {1, 2}, {4, 2}, {1, 3}, {2, 3}, {3, 3}, {4, 3}}},
        {"long snake taken whole", {"aab", "bab", "aaa"}, {{1, 1}, {2, 1}, {2, 2}, {1, 3}, {2, 3}, {3, 3}}},
        {"two separate groups", {"aaab", "bbbb", "aaaa"}, {{1, 1}, {2, 1}, {3, 1}, {1, 3}, {2, 3}, {3, 3}, {4, 3}}},
        {"other colour breaks the line", {"aabaa"}, {}},
    };
    for (const auto& C : Cases) {
        EXPECT_EQ(TilesOf(FindGroups(DrawnBoard(C.Rows), okFruit, 1)), C.Expected) << C.Name;
    }
}

// The group rule exactly as the game has always run it: a region grown from
// every start tile in turn, with no shortcut for tiles already found.
TSimpleObjectArray GroupsStartingEverywhere(const TBoardData& Board, const TTileStatusArray& Statuses,
                                            TTileObjectKind Kind, int32_t Key) {
    const TSimpleObjectArray Mask = KeyMask(Board, Kind, Key);
    auto Eligible = [&](TPoint P) { return Mask[P] && Statuses[P] == tsIdle; };
    const TPoint Neighbours[4] = {{0, -1}, {0, 1}, {-1, 0}, {1, 0}};
    TSimpleObjectArray Result;
    for (int32_t X = 1; X <= 10; ++X) {
        for (int32_t Y = 1; Y <= 10; ++Y) {
            TSimpleObjectArray Region, Visited;
            TPoint T{X, Y};
            if (Eligible(T)) Region[T] = true;
            do {
                for (TPoint D : Neighbours) {
                    const TPoint N{T.X + D.X, T.Y + D.Y};
                    if (IsBoardPos(N) && Mask[T] && Eligible(N)) Region[N] = true;
                }
                Visited[T] = true;
                for (int32_t NX = 1, Found = 0; NX <= 10 && !Found; ++NX)
                    for (int32_t NY = 1; NY <= 10 && !Found; ++NY)
                        if (Region.At(NX, NY) && !Visited.At(NX, NY)) {
                            T = {NX, NY};
                            Found = 1;
                        }
            } while (Visited.Count() < Region.Count());
            if (Region.Count() >= 3) Result.Include(Region);
        }
    }
    return Result;
}

TEST(BoardGroups, TheGroupSearchFindsWhatGrowingFromEveryTileFinds) {
    TRandomStream Dice(2024);
    for (int Round = 0; Round < 400; ++Round) {
        TBoardData Board;
        TTileStatusArray Statuses;
        for (int32_t X = 1; X <= 10; ++X) {
            for (int32_t Y = 1; Y <= 10; ++Y) {
                TBoardTile& Tile = Board.At(X, Y);
                Tile.Kind = Dice.Next(4) == 0 ? okLocker : okFruit;
                Tile.LockerKind = static_cast<uint8_t>(1 + Dice.Next(3));
                Tile.Content = static_cast<uint8_t>(1 + Dice.Next(3));
                Tile.WormState = Dice.Next(10) == 0 ? WormStateEaten : WormStateNone;
                Statuses.At(X, Y) = Dice.Next(5) == 0 ? tsFalling : tsIdle;
            }
        }
        for (TTileObjectKind Kind : {okLocker, okFruit}) {
            for (int32_t Key = 1; Key <= 3; ++Key) {
                ASSERT_EQ(TilesOf(FindGroups(Board, Statuses, Kind, Key)),
                          TilesOf(GroupsStartingEverywhere(Board, Statuses, Kind, Key)))
                    << "round " << Round << ", kind " << int{Kind} << ", key " << Key;
            }
        }
    }
}

TEST(BoardGroups, LockersGroupByKindAndNeverWithOpenedTiles) {
    const TBoardData Board = DrawnBoard({"11a", "2a1", "222"});
    EXPECT_EQ(TilesOf(FindGroups(Board, okLocker, 1)), TTileSet{});
    EXPECT_EQ(TilesOf(FindGroups(Board, okLocker, 2)), (TTileSet{{1, 2}, {1, 3}, {2, 3}, {3, 3}}));
    EXPECT_EQ(TilesOf(FindGroups(Board, okFruit, 1)), TTileSet{}) << "a locker of kind 1 is no fruit of colour 1";
}

TEST(BoardGroups, EatenFruitNeverMatchesButAFruitBeingEatenDoes) {
    TBoardData Board = DrawnBoard({"aaa"});
    Board.At(2, 1).WormState = WormStateEating;
    EXPECT_EQ(TilesOf(FindGroups(Board, okFruit, 1)).size(), 3u);
    Board.At(2, 1).WormState = WormStateEaten;
    EXPECT_TRUE(TilesOf(FindGroups(Board, okFruit, 1)).empty());
}

TEST(BoardGroups, BusyTilesTakeNoPartButLinkTheirNeighbours) {
    TBoardData Board = DrawnBoard({"aaa"});
    TTileStatusArray Statuses;
    Statuses.At(3, 1) = tsFalling;
    EXPECT_TRUE(TilesOf(FindGroups(Board, Statuses, okFruit, 1)).empty());

    // Three fruits that do not touch each other, all next to a busy fruit of their colour.
    Board = DrawnBoard({"....", "..a.", ".aaa"});
    Statuses = {};
    Statuses.At(3, 3) = tsSwapping;
    EXPECT_EQ(TilesOf(FindGroups(Board, Statuses, okFruit, 1)), (TTileSet{{3, 2}, {2, 3}, {4, 3}}));

    // Searching from a busy tile stops as soon as the visited count reaches the region's
    // size, so which neighbour comes first in board order decides. Left: a lone fruit
    // is visited first and the search ends with two tiles. Mirrored: the pair is visited
    // first and all three are found.
    Statuses = {};
    Statuses.At(4, 2) = tsOpening;
    Board = DrawnBoard({"", "..aaaa"});
    EXPECT_TRUE(TilesOf(FindGroups(Board, Statuses, okFruit, 1)).empty());
    Board = DrawnBoard({"", ".aaaa"});
    EXPECT_EQ(TilesOf(FindGroups(Board, Statuses, okFruit, 1)), (TTileSet{{2, 2}, {3, 2}, {5, 2}}));
}

TEST(BoardGroups, AnyGroupLooksAtTheColoursInPlayOnly) {
    const TBoardData Board = DrawnBoard({"eee"});
    EXPECT_FALSE(AnyGroup(Board, 4));
    EXPECT_TRUE(AnyGroup(Board, 5));
    EXPECT_TRUE(AnyGroup(DrawnBoard({"3", "3", "3"}), 1));
}

TEST(BoardGroups, WhichPairsMayBeOfferedAsAHint) {
    TBoardData Board = DrawnBoard({"11ab", "1.ab"});
    Board.At(4, 2).Content = ccHammer;
    EXPECT_TRUE(CanSwapForHint(Board, {1, 1}, {2, 1}));
    EXPECT_TRUE(CanSwapForHint(Board, {3, 1}, {4, 1}));
    EXPECT_FALSE(CanSwapForHint(Board, {2, 1}, {3, 1})) << "a locker and an opened tile";
    EXPECT_FALSE(CanSwapForHint(Board, {1, 2}, {2, 2})) << "outside the shape";
    EXPECT_FALSE(CanSwapForHint(Board, {3, 2}, {4, 2})) << "a hammer";
    EXPECT_FALSE(CanSwapForHint(Board, {1, 1}, {0, 1})) << "off the board";
    Board.At(2, 1).Web = true;
    EXPECT_FALSE(CanSwapForHint(Board, {1, 1}, {2, 1})) << "webbed";
    Board.At(4, 2).Content = ccMagicKey;
    EXPECT_TRUE(CanSwapForHint(Board, {3, 2}, {4, 2})) << "tools may be swapped";
}

TEST(BoardGroups, MoveSearchWalksRowByRowFromTheTileAfterItsStart) {
    // Kind-1 lockers at (1,1), (2,1), (4,1) and (3,2): bringing a 1 into (3,1) opens them.
    const TBoardData Board = DrawnBoard({"1121", "2212", "3313"});
    const TTileStatusArray Statuses = TTileStatusArray::ForBoard(Board);
    const struct {
        TPoint Start, Tile1, Tile2;
    } Cases[] = {
        {{1, 1}, {2, 1}, {3, 1}},   // (2,1) is examined first; left gives nothing, right matches
        {{2, 1}, {3, 1}, {2, 1}},   // (3,1) first; its left neighbour comes before the others
        {{3, 1}, {4, 1}, {3, 1}},
        {{10, 10}, {2, 1}, {3, 1}},  // wraps round to (1,1), which has no move
    };
    for (const auto& C : Cases) {
        THintTilesPos Move;
        ASSERT_TRUE(FindMoveFrom(Board, Statuses, C.Start, Move)) << C.Start.X << "," << C.Start.Y;
        EXPECT_EQ(Move, (THintTilesPos{C.Tile1, C.Tile2})) << C.Start.X << "," << C.Start.Y;
        EXPECT_TRUE(SwapMakesMatch(Board, Statuses, Move.Tile1Pos, Move.Tile2Pos));
    }
    THintTilesPos Move;
    const TBoardData Stuck = DrawnBoard({"123", "231", "312"});
    EXPECT_FALSE(FindMoveFrom(Stuck, TTileStatusArray::ForBoard(Stuck), {2, 2}, Move));
}

TEST(BoardGroups, TutorialBoardOpensExactlyTheTwoPlannedGroups) {
    TBoardData Board = DrawnBoard(TutorialRows);
    EXPECT_FALSE(AnyGroup(Board, 0));
    SwapWholeTiles(Board, {5, 4}, {5, 5});
    TSimpleObjectArray Opened;
    for (int32_t Key = 1; Key <= 3; ++Key) Opened.Include(FindGroups(Board, okLocker, Key));
    const TTileSet GroupA{{3, 4}, {4, 4}, {5, 4}, {6, 4}, {5, 3}};
    const TTileSet GroupB{{4, 5}, {5, 5}, {6, 5}, {5, 6}};
    TTileSet Both = GroupA;
    Both.insert(GroupB.begin(), GroupB.end());
    EXPECT_EQ(TilesOf(Opened), Both);
}

}  // namespace
