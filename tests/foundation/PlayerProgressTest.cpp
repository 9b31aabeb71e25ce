#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "FuzzSeeds.h"
#include "GeneralRoutinesClass.h"
#include "PlayerProgressClass.h"
#include "RecordBytesClass.h"
#include "SaveFolderFixture.h"
#include "TestSupport.h"

namespace fs = std::filesystem;

namespace {

// A record whose every block differs from a new player's and from other players'.
TProgressRecord RecordOfPlayer(int Seed) {
    TProgressRecord R;
    for (auto& Island : R.BestTimes) {
        for (auto& Time : Island) Time = Seed * 1000 + 17;
    }
    R.ScoreTotal = Seed * 111;
    R.MoneyTotal = Seed * 7;
    R.GardenObjects[Seed % 50] = 1;
    R.StoryScenesSeen[0] = 1;
    R.TrophiesEarned[Seed % 20] = 1;
    R.TrophyCounters[4] = Seed;
    R.IslandsEntered[0] = 1;
    R.IslandsOpen[Seed % 6] = 1;
    R.IslandOpeningShown[1] = static_cast<uint8_t>(Seed);
    R.LastIsland = Seed % 5 + 1;
    R.LastSelectedLevels[2] = Seed % 30 + 1;
    R.MagicKeys = R.Brooms = R.Aerosols = Seed % 10;
    R.BonusStagesPlayed[1][Seed % 30] = 1;
    R.IncentivesShown[2][Seed % 30] = 1;
    R.PlantsAnnounced[3][Seed % 30] = 1;
    R.UnlockedToolLevel = static_cast<uint8_t>(Seed % 4);
    R.ShopBlock[Seed % 128] = 1;
    R.ShopPage = static_cast<uint8_t>(Seed % 4 + 1);
    R.TutorialStepsShown[Seed % 19] = 1;
    R.TutorialEnabled = static_cast<uint8_t>(Seed % 2);
    R.GardenTipShown = R.ShopTipShown = 1;
    R.RelaxedMode = static_cast<uint8_t>(Seed % 3);
    R.Padding = static_cast<uint8_t>(Seed);
    return R;
}

void WriteProgressFile(const std::string& Player, const TProgressRecord& Record) {
    const TProgressRecordBytes Bytes = EncodeProgressRecord(Record);
    WriteWholeFile(ProgressFileName(Player), std::string(Bytes.begin(), Bytes.end()));
}

using PlayerProgress = SaveFolderTest;

TEST_F(PlayerProgress, PlayersFilesNeverMix) {
    WriteProgressFile("ANNA", RecordOfPlayer(3));
    WriteProgressFile("BOB", RecordOfPlayer(8));
    WriteWholeFile(ProgressFileName("DAMAGED"), std::string(1359, '\x01'));
    TPlayerProgress Progress;
    Progress.MakeBlankRecord();

    const struct {
        const char* Player;
        TProgressLoadResult Result;
        TProgressRecord Expected;
    } Sequence[] = {
        {"ANNA", lrLoaded, RecordOfPlayer(3)},
        {"BOB", lrLoaded, RecordOfPlayer(8)},
        {"CARL", lrNoFile, InitialProgressRecord()},
        {"ANNA", lrLoaded, RecordOfPlayer(3)},
        {"DAMAGED", lrDamaged, InitialProgressRecord()},
        {"BOB", lrLoaded, RecordOfPlayer(8)},
    };
    for (const auto& Step : Sequence) {
        EXPECT_EQ(Progress.Load(Step.Player), Step.Result) << Step.Player;
        EXPECT_EQ(Progress.Record(), Step.Expected) << Step.Player;
    }
    EXPECT_TRUE(Messages.Messages().empty());
}

TEST_F(PlayerProgress, ShortOrUnreadableFileGivesTheBlankRecordAndIsOverwrittenNextSave) {
    TPlayerProgress Progress;
    Progress.MakeBlankRecord();
    for (size_t Size : {0u, 1u, 1359u}) {
        WriteWholeFile(ProgressFileName("ANNA"), std::string(Size, '\x09'));
        Progress.Record().ScoreTotal = 999;  // whatever was in memory goes
        EXPECT_EQ(Progress.Load("ANNA"), lrDamaged) << Size;
        EXPECT_EQ(Progress.Record(), InitialProgressRecord()) << Size;
    }
    Progress.Record().ScoreTotal = 40;
    ASSERT_TRUE(Progress.Save("ANNA"));
    EXPECT_EQ(Progress.Load("ANNA"), lrLoaded);
    EXPECT_EQ(Progress.Record().ScoreTotal, 40);

    fs::remove(ProgressFileName("ANNA"));
    fs::create_directory(ProgressFileName("ANNA"));
    EXPECT_EQ(Progress.Load("ANNA"), lrDamaged);
    EXPECT_EQ(Progress.Record(), InitialProgressRecord());

    // A longer file still holds the player's record first.
    WriteProgressFile("BOB", RecordOfPlayer(5));
    WriteWholeFile(ProgressFileName("BOB"), ReadWholeFile(ProgressFileName("BOB")) + "trailing");
    EXPECT_EQ(Progress.Load("BOB"), lrLoaded);
    EXPECT_EQ(Progress.Record(), RecordOfPlayer(5));
}

// A block nobody collects yet is written back exactly as it was loaded.
TEST_F(PlayerProgress, BlocksWithoutOwnerRoundTripByteForByte) {
    TProgressRecordBytes Original;
    for (size_t I = 0; I < Original.size(); ++I) Original[I] = static_cast<uint8_t>(I * 37 + 11);
    WriteWholeFile(ProgressFileName("ANNA"), std::string(Original.begin(), Original.end()));
    AddFuzzSeed("ProgressRecord", Original);

    TPlayerProgress Progress;
    int32_t KeysHandedOut = -1;
    Progress.OnProgressLoaded = [&](TObject*, const TProgressRecord& R) { KeysHandedOut = R.MagicKeys; };
    // The only owner so far: the tools, which count one key more.
    Progress.OnProgressCollect = [&](TObject*, TProgressRecord& R) { R.MagicKeys = KeysHandedOut + 1; };
    Progress.MakeBlankRecord();
    ASSERT_EQ(Progress.Load("ANNA"), lrLoaded);
    EXPECT_EQ(KeysHandedOut, GetInt32LE(Original, 744));
    ASSERT_TRUE(Progress.Save("ANNA"));

    const std::string Saved = ReadWholeFile(ProgressFileName("ANNA"));
    ASSERT_EQ(Saved.size(), ProgressRecordSize);
    for (size_t I = 0; I < ProgressRecordSize; ++I) {
        if (I >= 744 && I < 748) continue;
        ASSERT_EQ(static_cast<uint8_t>(Saved[I]), Original[I]) << "offset " << I;
    }
    EXPECT_EQ(static_cast<uint8_t>(Saved[744]), static_cast<uint8_t>(Original[744] + 1));
}

TEST_F(PlayerProgress, BlankRecordIsTakenFromTheFreshOwners) {
    TPlayerProgress Progress;
    Progress.OnProgressCollect = [](TObject*, TProgressRecord& R) {
        R.TutorialEnabled = 0;  // say the tutorial's default were off
        R.Brooms = 5;
    };
    Progress.MakeBlankRecord();
    EXPECT_EQ(Progress.BlankRecord().TutorialEnabled, 0);
    EXPECT_EQ(Progress.BlankRecord().Brooms, 5);
    EXPECT_EQ(Progress.BlankRecord().MagicKeys, 3);  // the initial value of a block nobody reported
    Progress.Record().ScoreTotal = 12;
    EXPECT_EQ(Progress.Load("NOBODY"), lrNoFile);
    EXPECT_EQ(Progress.Record(), Progress.BlankRecord());
    EXPECT_FALSE(TPlayerProgress::HasProgressFile("NOBODY"));
}

TEST_F(PlayerProgress, SaveWritesOneRecordUnderTheUtf8Name) {
    TPlayerProgress Progress;
    Progress.MakeBlankRecord();
    Progress.Record() = RecordOfPlayer(4);
    ASSERT_TRUE(Progress.Save("JOS\xC9"));
    EXPECT_TRUE(fs::is_regular_file(SaveFolder + "JOS\xC3\x89.sav"));
    EXPECT_TRUE(TPlayerProgress::HasProgressFile("JOS\xC9"));
    EXPECT_EQ(fs::file_size(SaveFolder + "JOS\xC3\x89.sav"), ProgressRecordSize);
    AddFuzzSeed("ProgressRecord", ReadWholeFile(SaveFolder + "JOS\xC3\x89.sav"));
    EXPECT_EQ(TPlayerProgress::GardenPictureFileName("JOS\xC9"), SaveFolder + "JOS\xC3\x89.bmp");
    TPlayerProgress Other;
    Other.MakeBlankRecord();
    EXPECT_EQ(Other.Load("JOS\xC9"), lrLoaded);
    EXPECT_EQ(Other.Record(), RecordOfPlayer(4));
}

TEST_F(PlayerProgress, DeleteRemovesTheProgressAndTheGardenPictureOnly) {
    for (const char* Name : {"ANNA.sav", "ANNA.bmp", "ANNABEL.sav", "BOB.bmp", "Names.dat"}) {
        WriteWholeFile(SaveFolder + Name, "x");
    }
    TPlayerProgress Progress;
    EXPECT_TRUE(Progress.Delete("ANNA"));
    EXPECT_FALSE(fs::exists(SaveFolder + "ANNA.sav"));
    EXPECT_FALSE(fs::exists(SaveFolder + "ANNA.bmp"));
    for (const char* Name : {"ANNABEL.sav", "BOB.bmp", "Names.dat"}) EXPECT_TRUE(fs::exists(SaveFolder + Name));
    EXPECT_TRUE(Progress.Delete("BOB"));  // a player without progress file
    EXPECT_FALSE(fs::exists(SaveFolder + "BOB.bmp"));
    EXPECT_TRUE(Messages.Messages().empty());
}

// Whatever a (damaged or edited) player list holds, no file outside the save
// folder is read, written or deleted, and no other file inside it is taken.
TEST_F(PlayerProgress, NamesThatTryToLeaveTheSaveFolder) {
    const std::string Outside = Temp.Path();  // the save folder's parent
    WriteProgressFile("../EVIL", RecordOfPlayer(6));
    WriteWholeFile(Outside + "EVIL.bmp", "picture");
    fs::create_directory(SaveFolder + "SUB");
    WriteProgressFile("SUB/X", RecordOfPlayer(6));
    ASSERT_TRUE(fs::exists(Outside + "EVIL.sav"));
    WriteWholeFile(SaveFolder + "Names.dat", "keep");

    TPlayerProgress Progress;
    Progress.MakeBlankRecord();
    const std::string Names[] = {"../EVIL", "SUB/X", "/tmp/EVIL", std::string("Names.dat\0X", 11), ""};
    for (const std::string& Name : Names) {
        Messages.Clear();
        EXPECT_EQ(Progress.Load(Name), lrNoFile) << Name;
        EXPECT_EQ(Progress.Record(), InitialProgressRecord()) << Name;
        EXPECT_FALSE(TPlayerProgress::HasProgressFile(Name)) << Name;
        EXPECT_FALSE(Progress.Save(Name)) << Name;
        EXPECT_FALSE(Progress.Save(Name)) << Name;
        EXPECT_EQ(Messages.Messages().size(), 1u) << Name;  // told once
        EXPECT_TRUE(Progress.Delete(Name)) << Name;
    }
    EXPECT_EQ(ReadWholeFile(Outside + "EVIL.sav").size(), ProgressRecordSize);
    EXPECT_EQ(ReadWholeFile(Outside + "EVIL.bmp"), "picture");
    EXPECT_TRUE(fs::exists(SaveFolder + "SUB/X.sav"));
    EXPECT_EQ(ReadWholeFile(SaveFolder + "Names.dat"), "keep");
    EXPECT_FALSE(fs::exists(SaveFolder + "tmp"));
}

}  // namespace
