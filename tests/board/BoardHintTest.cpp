// The board's hint and its watch for a board without moves, in game time: the
// hint after an idle spell and how long it shows, the report of a board left
// without moves (once, until the shuffle's end), the check after the last locker
// of a batch has opened, and a shuffle handed back to a board mid-cascade.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "BoardGroupsClass.h"
#include "BoardMovesClass.h"
#include "DrawnBoard.h"
#include "GameBoardClass.h"
#include "GeneralRoutinesClass.h"
#include "RandomClass.h"

namespace {

TBoardData StuckLockers() {
    TBoardData Board;
    for (int32_t X = 1; X <= BoardSize; ++X)
        for (int32_t Y = 1; Y <= BoardSize; ++Y) Board.At(X, Y).LockerKind = static_cast<uint8_t>((X + Y) % 3 + 1);
    return Board;
}

class BoardHint : public ::testing::Test {
protected:
    void SetUp() override {
        SetRandomSeedSource([] { return uint64_t{33}; });
        GameplayRandom().SetSeed(33);
        FruitColorCount = 5;
        ClearTileBounces();
        Board.Left = BoardScreenLeft;
        Board.Top = BoardScreenTop;
        Board.OnNoMoreMoves = [this](TObject* Sender) {
            EXPECT_EQ(Sender, &Board);
            Events.push_back("no more moves");
        };
        Board.OnNoMatchHint = [this](TObject*) { Events.push_back("no match hint"); };
    }
    void TearDown() override {
        SetRandomSeedSource({});
        FruitColorCount = 5;
        ClearTileBounces();
    }
    void Frames(int Count) {
        for (int I = 0; I < Count; ++I) Board.BoardFrame();
    }
    int Count(const std::string& Event) const {
        int N = 0;
        for (const std::string& E : Events) N += E == Event ? 1 : 0;
        return N;
    }

    TGameBoard Board;
    std::vector<std::string> Events;
};

TEST_F(BoardHint, AfterTwelveIdleSecondsAMoveIsShownForTwoAndAHalf) {
    // Lockers that open when (3,1) and (4,1) change places; nothing else moves.
    Board.LoadBoardData(DrawnBoard({"1121", "2312"}));
    Frames(399);
    EXPECT_FALSE(Board.HintShowing());
    Frames(1);  // 400 frames of 30 ms: 12 seconds
    ASSERT_TRUE(Board.HintShowing());
    const THintTilesPos Hint = Board.HintTiles();
    EXPECT_TRUE(SwapMakesMatch(Board.BoardData(), Board.TileStatuses(), Hint.Tile1Pos, Hint.Tile2Pos));
    EXPECT_TRUE(Board.HintMask()[Hint.Tile1Pos] && Board.HintMask()[Hint.Tile2Pos]);
    EXPECT_EQ(Board.HintMask().Count(), 2);
    // An automatic hint counts as help: the no-match timer restarted, then counted this frame.
    EXPECT_EQ(Board.NoMatchTimer(), FrameStep);
    Frames(82);
    EXPECT_TRUE(Board.HintShowing()) << "2490 ms shown";
    Frames(1);
    EXPECT_FALSE(Board.HintShowing()) << "2520 ms shown: 2.5 seconds have passed";
    EXPECT_EQ(Board.HintTiles(), Hint) << "the positions found stay stored";
    EXPECT_FALSE(Board.HintMask().Any());
    // And again every 12 seconds after the last one.
    Frames(316);
    EXPECT_FALSE(Board.HintShowing());
    Frames(1);
    EXPECT_TRUE(Board.HintShowing());
    EXPECT_EQ(Count("no more moves"), 0);
}

TEST_F(BoardHint, AClickHidesTheHintAndTheIdleSpellStartsAgain) {
    Board.LoadBoardData(DrawnBoard({"1121", "2312"}));
    Frames(400);
    ASSERT_TRUE(Board.HintShowing());
    Board.ClickTile({1, 2});
    EXPECT_FALSE(Board.HintShowing());
    EXPECT_EQ(Board.HintIntervalTimer(), 0);
    Frames(399);
    EXPECT_FALSE(Board.HintShowing());
    Frames(1);
    EXPECT_TRUE(Board.HintShowing());
}

TEST_F(BoardHint, TheFairysHintShowsTheGivenTilesAndRestartsTheIdleSpell) {
    Board.LoadBoardData(DrawnBoard({"1121", "2312"}));
    Frames(300);
    Board.ShowHint({{3, 1}, {4, 1}});
    EXPECT_TRUE(Board.HintShowing());
    EXPECT_EQ(Board.HintIntervalTimer(), 0);
    // The lockers breathe apart sideways, 1 pixel a frame up to 8.
    Frames(5);
    EXPECT_EQ(Board.HintWobble(), 5);
    Frames(79);
    EXPECT_FALSE(Board.HintShowing());
    Frames(315);
    EXPECT_FALSE(Board.HintShowing()) << "the idle spell counts from the fairy's hint";
    Frames(1);
    EXPECT_TRUE(Board.HintShowing());
}

TEST_F(BoardHint, ABoardWithoutMovesIsReportedOnceUntilTheShuffleHasEnded) {
    Board.LoadBoardData(StuckLockers());
    Frames(33);  // 990 ms
    EXPECT_EQ(Count("no more moves"), 0);
    Frames(1);   // the check comes every second of a board at rest
    EXPECT_EQ(Count("no more moves"), 1);
    EXPECT_TRUE(Board.NoMoreMovesRaised());
    Frames(500);
    EXPECT_EQ(Count("no more moves"), 1) << "reported once; the flag stays";
    EXPECT_TRUE(Board.NoMoreMovesRaised());
    Board.CheckNoMoreMoves();
    EXPECT_EQ(Count("no more moves"), 1);

    // The shuffle's end: a board that can move is never reported.
    Board.LoadBoardData(DrawnBoard({"1121", "2312"}));
    Board.ResetHintTimers();
    EXPECT_FALSE(Board.NoMoreMovesRaised());
    Frames(100);
    EXPECT_EQ(Count("no more moves"), 1);
    // A stuck one is reported again.
    Board.LoadBoardData(StuckLockers());
    Board.ResetHintTimers();
    Board.CheckNoMoreMoves();
    EXPECT_EQ(Count("no more moves"), 2);
}

TEST_F(BoardHint, NothingIsReportedWhileMatchingIsOffOrAHammerIsLeft) {
    Board.LoadBoardData(StuckLockers());
    Board.CanMatch = false;
    Frames(450);
    Board.CheckNoMoreMoves();
    EXPECT_EQ(Count("no more moves"), 0) << "the round is over";
    EXPECT_FALSE(Board.HintShowing()) << "and no hint either";

    TBoardData WithHammer = StuckLockers();
    WithHammer.At(6, 6).Kind = okFruit;
    WithHammer.At(6, 6).Content = ccHammer;
    Board.CanMatch = true;
    Board.LoadBoardData(WithHammer);
    Frames(200);
    EXPECT_EQ(Count("no more moves"), 0) << "a hammer is a move";
}

TEST_F(BoardHint, ABoardLeftWithoutMovesAfterTheShuffleGetsAHammer) {
    // Two lockers can never form a group, however they are shuffled.
    Board.LoadBoardData(DrawnBoard({"12"}));
    Board.CheckNoMoreMoves();
    ASSERT_EQ(Count("no more moves"), 1);
    // The round's handling of the shuffle's end.
    const TBoardData Shuffled = Board.MakeShuffledBoard();
    Board.LoadBoardData(Shuffled);
    Board.ResetHintTimers();
    ASSERT_FALSE(Board.MovesExist());
    Board.AddHammerAnywhere();
    EXPECT_TRUE(Board.MovesExist());
    EXPECT_EQ(CountSpecials(Board.BoardData()).Hammers, 1);
    Frames(200);
    EXPECT_EQ(Count("no more moves"), 1);
}

TEST_F(BoardHint, AfterABatchOfLockersHasOpenedMovesAreCheckedBeforeFruits) {
    // The top row's three lockers open to show fruits of colour 1, the middle one
    // under a web: a group, but no move (a webbed fruit is never swapped).
    TBoardData Data = StuckLockers();
    for (int32_t X = 1; X <= 3; ++X) {
        Data.At(X, 1).Kind = okLocker;
        Data.At(X, 1).LockerKind = static_cast<uint8_t>(X);  // no group of lockers
        Data.At(X, 1).Content = 1;
    }
    Data.At(2, 1).Web = true;
    Board.LoadBoardData(Data);
    Board.OnWebEffectRequest = [this](TObject*, TPoint) { Events.push_back("web torn"); };
    Board.OnGroupedFruitsEffectRequest = [this](TObject*, TBoardData, TSimpleObjectArray Mask, bool, TPoint) {
        Events.push_back("fruits matched " + std::to_string(Mask.Count()));
    };
    TSimpleObjectArray Opened;
    for (int32_t X = 1; X <= 3; ++X) Opened.At(X, 1) = true;

    Board.OpeningEffectComplete(Opened, false);
    EXPECT_TRUE(Events.empty()) << "not the batch's last locker: nothing is checked";
    EXPECT_EQ(Board.BoardData().At(1, 1).Kind, okFruit);
    Board.OpeningEffectComplete(Opened, true);
    EXPECT_EQ(Events, (std::vector<std::string>{"no more moves", "web torn", "fruits matched 2"}));
}

TEST_F(BoardHint, AShuffleHandedBackMidCascadeLosesNoTile) {
    TBoardData Data = StuckLockers();
    Data.At(3, 3).Kind = okUnused;
    Board.LoadBoardData(Data);
    // Three tiles leave column 5 and one leaves column 8; the tiles above fall.
    TSimpleObjectArray Matched;
    for (TPoint P : {TPoint{5, 4}, TPoint{5, 5}, TPoint{5, 6}, TPoint{8, 10}}) Matched[P] = true;
    Board.RemoveGroupedTiles(Matched);
    Frames(7);
    ASSERT_FALSE(Board.IsIdle());
    const TBoardData Shuffled = Board.MakeShuffledBoard();
    Board.LoadBoardData(Shuffled);
    Frames(120);
    int32_t Tiles = 0;
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            const TTileObjectKind Kind = Board.BoardData().At(X, Y).Kind;
            EXPECT_NE(Kind, okTempBlank) << X << "," << Y << ": every hole of the cascade is filled";
            Tiles += Kind == okLocker || Kind == okFruit ? 1 : 0;
        }
    }
    EXPECT_EQ(Tiles, 99);
    EXPECT_EQ(Board.BoardData().At(3, 3).Kind, okUnused);
}

}  // namespace
