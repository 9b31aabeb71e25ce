// Starting a level: the file is read before anything changes, then the board is
// reset and set up from the record; island 1's held features come back when the
// tutorial explains them.
#include <gtest/gtest.h>

#include <filesystem>

#include "FoldersClass.h"
#include "GeneralRoutinesClass.h"
#include "RandomClass.h"
#include "RoundLevelClass.h"
#include "TestSupport.h"

namespace {

class RoundLevel : public ::testing::Test {
protected:
    void SetUp() override {
        SavedAppFolder = AppFolder;
        SetAppFolder(Folder.Path());
        std::filesystem::create_directories(LevelsFolder);
        SetRandomSeedSource([] { return uint64_t{3}; });
        FruitColorCount = 5;
    }
    void TearDown() override {
        SetAppFolder(SavedAppFolder);
        SetRandomSeedSource({});
        FruitColorCount = 5;
        for (auto& Column : ShakeAmplitude)
            for (int32_t& Value : Column) Value = 0;
    }

    // A playable record with a hole, a web and every board value set apart from the board's defaults.
    static TLevelRecord SampleRecord() {
        TLevelRecord Record;
        for (int X = 1; X <= 10; ++X)
            for (int Y = 1; Y <= 10; ++Y) Record.Tiles.At(X, Y).LockerKind = static_cast<uint8_t>((X * 7 + Y) % 3 + 1);
        Record.Tiles.At(1, 1).Kind = okUnused;
        Record.Tiles.At(4, 6).Web = true;
        Record.Objective = goFindFlowers;
        Record.FruitColorCount = 4;
        Record.OneUniFruitEveryProb = 21;
        Record.OneMultiBubbleEveryProb = 22;
        Record.OneFruitBombEveryProb = 23;
        Record.OneHammerEveryProb = 24;
        Record.MaxUniFruitOnBoard = 5;
        Record.MaxMultiBubbleOnBoard = 6;
        Record.MaxFruitBombsOnBoard = 7;
        Record.MaxHammersOnBoard = 8;
        Record.OneMagicKeyEveryProb = 31;
        Record.OneBroomEveryProb = 32;
        Record.OneAerosolEveryProb = 33;
        Record.OneFlowerPerLockersMin = 4;
        Record.OneFlowerPerLockersMax = 4;
        return Record;
    }
    void Write(int Island, int Level, const TLevelRecord& Record) {
        std::string Error;
        ASSERT_TRUE(WriteLevelFile(LevelFileName(Island, Level), Record, Error)) << Error;
    }

    TTempFolder Folder;
    std::string SavedAppFolder;
    TMessageCapture Messages;
    TGameBoard Board;
    TRoundLevel Round;
};

TEST_F(RoundLevel, AMissingOrBrokenFileIsReportedAndChangesNothing) {
    WriteWholeFile(LevelsFolder + "2-04.qel", std::string(2275, '\0'));  // one byte short
    TLevelRecord Damaged = SampleRecord();
    Damaged.FruitColorCount = 0;
    Write(2, 5, Damaged);
    Board.OneUniFruitEveryProb = 77;
    Board.SelectTile({3, 3}, 0);
    const TBoardData Before = Board.BoardData();
    struct TCase {
        int Level;
        std::string Message;
    };
    const TCase Cases[] = {{3, "Level file not found: " + LevelsFolder + "2-03.qel"},
                           {4, "Level file is too short: " + LevelsFolder + "2-04.qel"},
                           {5, "Level file is damaged: " + LevelsFolder + "2-05.qel"}};
    for (const TCase& Case : Cases) {
        Messages.Clear();
        EXPECT_FALSE(StartRoundLevel(TLevelStartContext{2, Case.Level, toAerosol, false}, Board, Round));
        ASSERT_EQ(Messages.Messages().size(), 1u) << Case.Level;
        EXPECT_EQ(Messages.Messages()[0].Text.rfind(Case.Message, 0), 0u) << Messages.Messages()[0].Text;
        EXPECT_EQ(Board.BoardData(), Before);
        EXPECT_EQ(Board.OneUniFruitEveryProb, 77);
        EXPECT_TRUE(Board.Selected());
        EXPECT_EQ(FruitColorCount, 5);
        EXPECT_EQ(Round.Context.Island, 1) << "the round keeps the level it had";
    }
}

TEST_F(RoundLevel, TheBoardIsResetAndSetUpFromTheRecord) {
    const TLevelRecord Record = SampleRecord();
    Write(2, 3, Record);
    Board.SelectTile({3, 3}, 0);
    Board.MakeTutorialBoard();
    ShakeAmplitude[2][2] = 4;
    Board.CanMatch = false;
    ASSERT_TRUE(StartRoundLevel(TLevelStartContext{2, 3, toBroom, false}, Board, Round));
    EXPECT_TRUE(Messages.Messages().empty());

    EXPECT_EQ(Round.Record, Record);
    EXPECT_EQ(Round.Context.Island, 2);
    EXPECT_EQ(Round.Context.Level, 3);
    EXPECT_EQ(Round.Start.MusicNumber, 6);
    EXPECT_EQ(Round.Start.MoneyPerCombo, 8);

    EXPECT_EQ(FruitColorCount, 4);
    for (int X = 1; X <= 10; ++X) {
        for (int Y = 1; Y <= 10; ++Y) {
            const TBoardTile& Tile = Board.BoardData().At(X, Y);
            EXPECT_EQ(Tile.Kind, Record.Tiles.At(X, Y).Kind);
            EXPECT_EQ(Tile.LockerKind, Record.Tiles.At(X, Y).LockerKind);
            EXPECT_EQ(Tile.Web, Record.Tiles.At(X, Y).Web);
            EXPECT_GE(Tile.Content, 1);
            EXPECT_LE(Tile.Content, 4);
        }
    }
    EXPECT_EQ(Board.TileStatus({1, 1}), tsUnused);
    EXPECT_EQ(Board.TileStatus({2, 1}), tsIdle);
    EXPECT_FALSE(Board.Selected());
    EXPECT_FALSE(Board.TutorialRefill());
    EXPECT_TRUE(Board.CanMatch);
    EXPECT_EQ(ShakeAmplitude[2][2], 0);

    EXPECT_EQ(Board.OneUniFruitEveryProb, 21);
    EXPECT_EQ(Board.OneMultiBubbleEveryProb, 22);
    EXPECT_EQ(Board.OneFruitBombEveryProb, 23);
    EXPECT_EQ(Board.OneHammerEveryProb, 24);
    EXPECT_EQ(Board.MaxUniFruitOnBoard, 5);
    EXPECT_EQ(Board.MaxMultiBubbleOnBoard, 6);
    EXPECT_EQ(Board.MaxFruitBombsOnBoard, 7);
    EXPECT_EQ(Board.MaxHammersOnBoard, 8);
    EXPECT_EQ(Board.OneMagicKeyEveryProb, 31);
    EXPECT_EQ(Board.OneBroomEveryProb, 32);
    EXPECT_EQ(Board.OneAerosolEveryProb, 33);
    EXPECT_EQ(Board.OneFlowerPerLockersMin, 4);
    EXPECT_EQ(Board.OneFlowerPerLockersMax, 4);
    EXPECT_EQ(Board.FlowerCheckTarget(), 4) << "the first flower follows the level's own range";
    EXPECT_EQ(Board.MaxToolKind, toBroom);
    EXPECT_EQ(Board.ActiveMode, amFindFlower);

    // The next level of another objective puts the board back into its normal mode.
    TLevelRecord Next = Record;
    Next.Objective = goCollectFruits;
    Write(2, 4, Next);
    ASSERT_TRUE(StartRoundLevel(TLevelStartContext{2, 4, toBroom, false}, Board, Round));
    EXPECT_EQ(Board.ActiveMode, amNormal);
    EXPECT_EQ(Round.Start.MusicNumber, 4);
}

TEST_F(RoundLevel, TestModeGivesEveryToolAndTheFirstFlowerAtOnce) {
    Write(3, 2, SampleRecord());
    ASSERT_TRUE(StartRoundLevel(TLevelStartContext{3, 2, toNone, true}, Board, Round));
    EXPECT_EQ(Board.MaxToolKind, toAerosol);
    EXPECT_EQ(Board.OneFlowerPerLockersMin, 1);
    EXPECT_EQ(Board.OneFlowerPerLockersMax, 1);
    EXPECT_EQ(Board.FlowerCheckTarget(), 1);
    EXPECT_EQ(Round.Record.OneFlowerPerLockersMin, 4) << "the level record itself is kept as read";
}

TEST_F(RoundLevel, IslandOnesFeaturesStartIntroductoryAndComeBackWhenExplained) {
    const TLevelRecord Record = SampleRecord();
    Write(1, 1, Record);
    Write(1, 5, Record);

    ASSERT_TRUE(StartRoundLevel(TLevelStartContext{1, 1, toNone, false}, Board, Round));
    EXPECT_EQ(Board.OneUniFruitEveryProb, 15);
    EXPECT_EQ(Board.OneFruitBombEveryProb, 23) << "level 1 holds back only the uni fruits";
    // A feature the level does not hold back is not touched.
    EXPECT_FALSE(ReleaseRoundFeature(Round, hfFruitBombs, Board).has_value());
    EXPECT_EQ(Board.OneFruitBombEveryProb, 23);
    EXPECT_EQ(ReleaseRoundFeature(Round, hfUniFruits, Board), std::optional<int32_t>(21));
    EXPECT_EQ(Board.OneUniFruitEveryProb, 21);
    // Explained twice: the level's value simply stays.
    Board.OneUniFruitEveryProb = 99;
    EXPECT_FALSE(ReleaseRoundFeature(Round, hfUniFruits, Board).has_value());
    EXPECT_EQ(Board.OneUniFruitEveryProb, 99);

    // Level 5 holds brooms (the board's) and webs (the spiders'): each comes back on its own.
    ASSERT_TRUE(StartRoundLevel(TLevelStartContext{1, 5, toAerosol, false}, Board, Round));
    EXPECT_EQ(Board.OneBroomEveryProb, 15);
    EXPECT_EQ(Round.Start.Values.OneWebEveryProb, 6);
    EXPECT_EQ(ReleaseRoundFeature(Round, hfWebs, Board), std::optional<int32_t>(Record.OneWebEveryProb));
    EXPECT_EQ(Board.OneBroomEveryProb, 15);
    EXPECT_EQ(ReleaseRoundFeature(Round, hfBrooms, Board), std::optional<int32_t>(32));
    EXPECT_EQ(Board.OneBroomEveryProb, 32);
    EXPECT_EQ(Board.OneUniFruitEveryProb, 21) << "a new level takes the file's values again";
}

}  // namespace
