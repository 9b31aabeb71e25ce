// Falling and lockers inside the running game: the main form drops a level's
// board in, then lockers open, matched fruits fly to the ground, columns fall
// and refill, and the board settles, with every request and completion routed
// through the main form's handlers; and a cleared board's lockers fly away.
#include <gtest/gtest.h>

#include "BoardGroupsClass.h"
#include "FormMainClass.h"
#include "RandomClass.h"
#include "TestDriverClass.h"

namespace {

// Level 1-01 started and dropped in, seeded.
class FallingRound : public ::testing::Test {
protected:
    void SetUp() override {
        SetRandomSeedSource([] { return uint64_t{17}; });
        ASSERT_TRUE(Driver.Start());
        Form().MainLoadForDevelopment();
        ASSERT_TRUE(Form().StartLevel(1, 1));
        ASSERT_TRUE(Driver.StepUntil([&] { return Form().GameBoard->CanDraw; }, 200));
        // The grouping animation comes with matching; here matched tiles leave at once.
        Form().GameBoard->OnGroupedFruitsEffectRequest = [this](TObject*, TBoardData Board, TSimpleObjectArray Mask,
                                                                bool, TPoint) {
            Form().GameBoard->RemoveGroupedTiles(Mask);
            Form().FallingFruits->Start(Board, Mask, FallModeMatched);
            Matched += Mask.Count();
        };
        Form().FallingFruits->OnGroundHit = [this](TObject*, int32_t, int32_t) { ++Landed; };
    }
    void TearDown() override { SetRandomSeedSource({}); }
    TFormMain& Form() { return Driver.Form(); }
    TGameBoard& Board() { return *Driver.Form().GameBoard; }

    TTestDriver Driver;
    int Matched = 0;
    int Landed = 0;
};

TEST_F(FallingRound, LockersOpenFruitsFallToTheGroundAndTheBoardSettles) {
    // Three kind-1 lockers holding fruit 3 beside two opened fruits 3: opening them makes a match.
    TBoardData Data = Board().BoardData();
    for (int X = 1; X <= 10; ++X) {
        for (int Y = 1; Y <= 10; ++Y) {
            TBoardTile& Tile = Data.At(X, Y);
            Tile.Kind = okLocker;
            Tile.LockerKind = static_cast<uint8_t>((X + Y) % 2 + 2);  // kinds 2 and 3 checkered: no group
            Tile.Content = static_cast<uint8_t>((X + 2 * Y) % 4 + 1);
        }
    }
    for (int X = 4; X <= 6; ++X) {
        Data.At(X, 6) = TBoardTile{};  // kind 1
        Data.At(X, 6).Content = 3;
    }
    for (int X = 4; X <= 5; ++X) {
        Data.At(X, 7).Kind = okFruit;
        Data.At(X, 7).Content = 3;
    }
    Board().LoadBoardData(Data);
    Board().CheckLockerGroups();
    ASSERT_TRUE(Form().OpeningLockers->Active());

    Driver.Step(8);
    Driver.SaveFramePng(::testing::TempDir() + "quellow-lockers-opening.png");
    EXPECT_EQ(Board().TileStatus({5, 6}), tsOpening);
    Driver.Step(8);
    EXPECT_GT(Form().LockerPieces->ActiveCount(), 0) << "the doors broke at frame 14";
    Driver.SaveFramePng(::testing::TempDir() + "quellow-locker-pieces.png");
    Driver.Step(6);  // frame 22: opened, and the fruit check matched them at once
    EXPECT_EQ(Board().BoardData().At(4, 6).Kind, okTempBlank);
    EXPECT_EQ(Matched, 5);
    Driver.Step(8);
    Driver.SaveFramePng(::testing::TempDir() + "quellow-fruits-falling.png");

    ASSERT_TRUE(Driver.StepUntil([&] { return Board().IsSettled() && Form().FallingFruits->ActiveCount() == 0; },
                                 2000));
    EXPECT_GE(Matched, 5);
    EXPECT_EQ(Landed, Matched) << "every matched fruit is counted on the ground";
    EXPECT_TRUE(Board().IsIdle());
    EXPECT_FALSE(AnyGroup(Board().BoardData(), Board().TileStatuses(), FruitColorCount));
    EXPECT_FALSE(Form().OpeningLockers->Active());
    EXPECT_TRUE(Driver.Messages().empty());
}

TEST_F(FallingRound, AClearedRoundsLockersFlyAwayAndTheBoardStaysHidden) {
    int Finished = 0;
    Form().LockersAwayEffect->OnFinished = [&](TObject*) { ++Finished; };
    Form().StartLockersAway();
    EXPECT_FALSE(Board().CanDraw);
    Driver.Step(40);
    Driver.SaveFramePng(::testing::TempDir() + "quellow-lockers-away.png");
    ASSERT_TRUE(Driver.StepUntil([&] { return Finished > 0; }, 200));
    EXPECT_EQ(Finished, 1);
    EXPECT_FALSE(Board().CanDraw);
}

TEST_F(FallingRound, StartingALevelAgainClearsWhatTheLastOneLeftMidAir) {
    TSimpleObjectArray Row;
    for (int X = 1; X <= 10; ++X) Row.At(X, 3) = true;
    Form().FallingFruits->Start(Board().BoardData(), Row, FallModeMatched);
    Form().OpeningLockers->Start(Board().BoardData(), Row);
    Form().LockerPieces->Start(Board().BoardData(), Row);
    ASSERT_TRUE(Form().StartLevel(1, 2));
    EXPECT_EQ(Form().FallingFruits->ActiveCount(), 0);
    EXPECT_FALSE(Form().OpeningLockers->Active());
    EXPECT_EQ(Form().LockerPieces->ActiveCount(), 0);
    EXPECT_FALSE(Board().CanDraw) << "the new level drops in again";
    EXPECT_TRUE(Form().LockerFiller->Running());
}

// The same game played twice from one seed, once drawn and once headless, ends the same.
TEST(FallingRoundHeadless, TheSameSeedPlaysTheSameWithAndWithoutDrawing) {
    const auto Play = [](bool Headless) {
        SetRandomSeedSource([] { return uint64_t{23}; });
        TTestDriverSetup Setup;
        Setup.Headless = Headless;
        TTestDriver Driver(Setup);
        EXPECT_TRUE(Driver.Start());
        TFormMain& Form = Driver.Form();
        if (!Headless) Form.MainLoadForDevelopment();
        EXPECT_TRUE(Form.StartLevel(1, 1));
        TGameBoard& Board = *Form.GameBoard;
        Board.OnGroupedFruitsEffectRequest = [&](TObject*, TBoardData Data, TSimpleObjectArray Mask, bool, TPoint) {
            Board.RemoveGroupedTiles(Mask);
            Form.FallingFruits->Start(Data, Mask, FallModeMatched);
        };
        int Landed = 0;
        Form.FallingFruits->OnGroundHit = [&](TObject*, int32_t Color, int32_t Column) {
            Landed += Color * 100 + Column;
        };
        EXPECT_TRUE(Driver.StepUntil([&] { return Board.CanDraw; }, 200));
        // Empty a diagonal, as if matched, and let everything play out.
        TSimpleObjectArray Emptied;
        for (int I = 1; I <= 10; ++I) Emptied.At(I, I) = true;
        Board.RemoveGroupedTiles(Emptied);
        int Frames = 0;
        EXPECT_TRUE(Driver.StepUntil(
            [&] {
                ++Frames;
                return Board.IsSettled();
            },
            3000));
        Driver.Step(60);
        SetRandomSeedSource({});
        return std::make_pair(Board.BoardData(), Landed + Frames * 100000);
    };
    const auto Drawn = Play(false);
    const auto Headless = Play(true);
    EXPECT_EQ(Headless.first, Drawn.first);
    EXPECT_EQ(Headless.second, Drawn.second);
}

}  // namespace
