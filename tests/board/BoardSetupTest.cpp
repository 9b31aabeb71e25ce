// The pure set-up rules of the board: the placeholder fill, the fresh contents
// of a level start, the first lesson's contents, the press-to-tile rule, the
// jitter decay and the offset tables of the specials.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>
#include <utility>

#include "BoardSetupClass.h"
#include "RandomClass.h"

namespace {

class BoardSetup : public ::testing::Test {
protected:
    void SetUp() override {
        SetRandomSeedSource([] { return uint64_t{20240611}; });
        ReseedGameplayFromClock();
    }
    void TearDown() override { SetRandomSeedSource({}); }
};

TEST_F(BoardSetup, TheFillIsClosedLockersOfEveryKindWithNothingElseOnThem) {
    TBoardData Board;
    Board.At(3, 3).Web = true;
    Board.At(4, 4).Bomb = true;
    Board.At(5, 5).DropOffset = 20;
    FillWithRandomLockers(Board, 4);
    std::set<int> Kinds;
    std::set<int> Colors;
    for (int X = 1; X <= 10; ++X) {
        for (int Y = 1; Y <= 10; ++Y) {
            const TBoardTile& Tile = Board.At(X, Y);
            SCOPED_TRACE(testing::Message() << "tile " << X << "," << Y);
            EXPECT_EQ(Tile.Kind, okLocker);
            EXPECT_GE(Tile.LockerKind, 1);
            EXPECT_LE(Tile.LockerKind, 3);
            EXPECT_GE(Tile.Content, 1);
            EXPECT_LE(Tile.Content, 4);
            EXPECT_FALSE(Tile.Web);
            EXPECT_FALSE(Tile.Bomb);
            EXPECT_EQ(Tile.WormState, 0);
            EXPECT_EQ(Tile.WormTime, 0);
            EXPECT_EQ(Tile.BlasterColor, 1);
            EXPECT_EQ(Tile.DropOffset, 0);
            Kinds.insert(Tile.LockerKind);
            Colors.insert(Tile.Content);
        }
    }
    EXPECT_EQ(Kinds.size(), 3u);
    EXPECT_EQ(Colors.size(), 4u);
}

TEST_F(BoardSetup, FreshContentsReplaceEveryContentAndKeepTheShape) {
    // A level file that tries to pre-place specials and blaster colours.
    TBoardData Level;
    const uint8_t Specials[] = {ccUniFruit, ccHammer, ccFlower, ccFruitBlaster, ccMagicKey, ccBroom, ccAerosol, 200};
    int I = 0;
    for (int X = 1; X <= 10; ++X) {
        for (int Y = 1; Y <= 10; ++Y, ++I) {
            TBoardTile& Tile = Level.At(X, Y);
            Tile.Kind = (I % 7 == 0) ? okUnused : (I % 3 == 0 ? okFruit : okLocker);
            Tile.LockerKind = static_cast<uint8_t>(I % 3 + 1);
            Tile.Content = Specials[I % 8];
            Tile.Web = I % 5 == 0;
            Tile.BlasterColor = 6;
        }
    }
    TBoardData Board = Level;
    RandomizeBoardContents(Board, 3);
    for (int X = 1; X <= 10; ++X) {
        for (int Y = 1; Y <= 10; ++Y) {
            const TBoardTile& Was = Level.At(X, Y);
            const TBoardTile& Now = Board.At(X, Y);
            SCOPED_TRACE(testing::Message() << "tile " << X << "," << Y);
            EXPECT_GE(Now.Content, 1);
            EXPECT_LE(Now.Content, 3);
            EXPECT_EQ(Now.BlasterColor, 1);
            EXPECT_EQ(Now.Kind, Was.Kind);
            EXPECT_EQ(Now.LockerKind, Was.LockerKind);
            EXPECT_EQ(Now.Web, Was.Web);
        }
    }
}

TEST_F(BoardSetup, TheSameSeedGivesTheSameContents) {
    TBoardData A;
    TBoardData B;
    ReseedGameplayFromClock();
    RandomizeBoardContents(A, 6);
    ReseedGameplayFromClock();
    RandomizeBoardContents(B, 6);
    EXPECT_EQ(A, B);
}

TEST_F(BoardSetup, TheFirstLessonScriptsElevenTilesAndLeavesTheRest) {
    TBoardData Board;
    FillWithRandomLockers(Board, 4);
    const TBoardData Before = Board;
    ApplyTutorialContents(Board);
    const std::pair<TPoint, int> Scripted[] = {{{3, 4}, 2}, {{4, 3}, 4}, {{4, 4}, 3}, {{4, 5}, 2},
                                               {{5, 2}, 1}, {{5, 3}, 1}, {{5, 4}, 1}, {{5, 5}, 2},
                                               {{5, 6}, 3}, {{6, 4}, 2}, {{6, 5}, 4}};
    TBoardData Expected = Before;
    for (const auto& [P, Content] : Scripted) Expected[P].Content = static_cast<uint8_t>(Content);
    EXPECT_EQ(Board, Expected);
}

TEST(BoardHitTest, PixelsFindTheirTileAndEverythingLeftOrAboveIsColumnOrRowZero) {
    struct TCase {
        int X, Y;
        TPoint Tile;
    };
    // The board of the main form: top-left corner (215, 90), 46 pixels a tile.
    const TCase Cases[] = {
        {215, 90, {1, 1}},     // the first pixel of the first tile
        {260, 135, {1, 1}},    // its last pixel
        {261, 136, {2, 2}},
        {214, 89, {0, 0}},     // just left of and above the board
        {169, 44, {0, 0}},     // the whole 46 pixels before the board give 0 ...
        {168, 43, {0, 0}},     // ... and so does the pixel before them (truncation toward zero)
        {100, 10, {0, 0}},     // far left and above: negative, set to 0
        {0, 0, {0, 0}},
        {674, 549, {10, 10}},  // the last pixel of the last tile
        {675, 550, {11, 11}},  // just past it
        {799, 599, {13, 12}},
        {450, 300, {6, 5}},
    };
    for (const TCase& Case : Cases) {
        EXPECT_EQ(HitTestTile(215, 90, Case.X, Case.Y), Case.Tile) << Case.X << "," << Case.Y;
    }
}

TEST(BoardHitTest, OffBoardMeansOutsideTheTenByTenOrNotPartOfTheShape) {
    TBoardData Board;
    Board.At(3, 7).Kind = okUnused;
    Board.At(4, 7).Kind = okTempBlank;
    Board.At(5, 7).Kind = okBlocker;
    struct TCase {
        TPoint P;
        bool Off;
    };
    const TCase Cases[] = {{{0, 0}, true},  {{0, 5}, true},  {{5, 0}, true},   {{11, 5}, true}, {{5, 11}, true},
                           {{-1, 3}, true}, {{3, 7}, true},  {{1, 1}, false},  {{10, 10}, false},
                           {{4, 7}, false}, {{5, 7}, false}};
    for (const TCase& Case : Cases) EXPECT_EQ(IsOffBoard(Board, Case.P), Case.Off) << Case.P.X << "," << Case.P.Y;
}

TEST(BoardShake, DecayTakesOnePixelAndStopsAtZero) {
    int32_t Amplitude[10][10] = {};
    Amplitude[0][0] = 3;
    Amplitude[4][5] = 1;
    Amplitude[9][9] = -2;  // never produced, but must not stay negative
    DecayShakeAmplitudes(Amplitude);
    EXPECT_EQ(Amplitude[0][0], 2);
    EXPECT_EQ(Amplitude[4][5], 0);
    EXPECT_EQ(Amplitude[9][9], 0);
    DecayShakeAmplitudes(Amplitude);
    DecayShakeAmplitudes(Amplitude);
    EXPECT_EQ(Amplitude[0][0], 0);
    EXPECT_EQ(Amplitude[4][5], 0);
}

TEST(BoardOffsetTables, TheBombSquareAndTheShakeRingsHoldDistinctCellsInTheirRings) {
    std::set<std::pair<int, int>> Bomb;
    for (const TPoint& P : BombPattern) {
        EXPECT_LE(std::abs(P.X), 2);
        EXPECT_LE(std::abs(P.Y), 2);
        EXPECT_FALSE(P.X == 0 && P.Y == 0);
        EXPECT_FALSE(std::abs(P.X) == 2 && std::abs(P.Y) == 2) << "corners are not blown";
        Bomb.insert({P.X, P.Y});
    }
    EXPECT_EQ(Bomb.size(), 20u);

    std::set<std::pair<int, int>> Rings;
    for (int Ring = 0; Ring < 5; ++Ring) {
        for (int I = ShakeRingStarts[Ring]; I < ShakeRingStarts[Ring + 1]; ++I) {
            const TPoint P = ShakeRings[I];
            // Each ring lies farther out than the one before: its cells are at most Ring steps away on each axis.
            EXPECT_LE(std::max(std::abs(P.X), std::abs(P.Y)), Ring) << "entry " << I;
            EXPECT_GE(std::abs(P.X) + std::abs(P.Y), Ring) << "entry " << I;
            Rings.insert({P.X, P.Y});
        }
    }
    EXPECT_EQ(Rings.size(), static_cast<size_t>(ShakeRingsCount));
    EXPECT_EQ(ShakeRingStarts[4], 37) << "a hammer shakes the first four rings, 37 entries";
}

}  // namespace
