// The map and the level selection played through the whole game: a new player
// on the map, a crafted save entered and drawn with its medals, rounds won and
// lost through the round driver and what the level selection shows afterwards,
// an island's last level opening the next island, a damaged level file, and
// the map's part of the save file at its offsets.
#include <gtest/gtest.h>

#include <filesystem>
#include <initializer_list>

#include "FoldersClass.h"
#include "RandomClass.h"
#include "RecordBytesClass.h"
#include "RoundDriverClass.h"
#include "TestDriverClass.h"
#include "TestSupport.h"

namespace {

namespace fs = std::filesystem;

// A game folder with the build's data but only the given level files.
class TGameWithLevels {
public:
    explicit TGameWithLevels(std::initializer_list<const char*> Levels) {
        const fs::path Game = TTestDriver::DefaultGameFolder();
        for (const char* Sub : {"Images", "Sounds", "Music", "Texts"}) {
            fs::create_directory_symlink(Game / Sub, fs::path(Folder.Path()) / Sub);
        }
        fs::create_directories(Folder.Path() + "Levels");
        for (const char* Level : Levels) fs::copy_file(Game / "Levels" / Level, Folder.Path() + "Levels/" + Level);
    }
    const std::string& Path() const { return Folder.Path(); }

private:
    TTempFolder Folder;
};

bool Settled(TTestDriver& Driver, TGameSceneValues Scene, int MaxFrames = 600) {
    TFormMain& Form = Driver.Form();
    return Driver.StepUntil([&] { return Form.Scene() == Scene && !Form.SceneTransition->Active(); }, MaxFrames);
}

void ClickButton(TTestDriver& Driver, const TGameButton& Button) {
    Driver.Click(Button.Left + Button.Width / 2, Button.Top + Button.Height / 2);
}

void ClickDot(TTestDriver& Driver, int32_t Level) {
    const TPoint P = Driver.Form().Map.LevelDots->Dot(Driver.Form().Map.LevelDots->IslandIdx(), Level).Pos;
    Driver.Click(P.X + 20, P.Y + 20);
}

void WriteSave(TTestDriver& Driver, const std::string& Name, const TProgressRecord& Record) {
    Driver.WritePlayerList({Name});
    const TProgressRecordBytes Bytes = EncodeProgressRecord(Record);
    WriteWholeFile(Driver.UserDataFolder() + "/Quellow/" + Name + ".sav",
                   std::string(reinterpret_cast<const char*>(Bytes.data()), Bytes.size()));
}

std::string ReadSave(const std::string& Name) { return ReadWholeFile(SaveFolder + Name + ".sav"); }
uint8_t ByteAt(const std::string& Bytes, size_t Offset) { return static_cast<uint8_t>(Bytes.at(Offset)); }
int32_t IntAt(const std::string& Bytes, size_t Offset) {
    return GetInt32LE(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(Bytes.data()), Bytes.size()), Offset);
}

// Plays the round on screen to its end with the bot.
TRoundResult PlayRound(TTestDriver& Driver, const TRoundPlayOptions& Options = {}) {
    TRoundDriver Round(Driver);
    return Round.Play(Options);
}

bool IsBlack(uint32_t RGBA) { return (RGBA & 0xFFFFFF00u) == 0; }

// A new player sees Coconut Cove lit with its welcome and the other islands black; Enter
// plays 1-01 at once.
TEST(MapFlow, ANewPlayerStartsOnCoconutCoveAndEnterPlaysItsFirstLevel) {
    TTestDriverSetup Setup;
    Setup.PlayMap = true;
    TTestDriver Driver(Setup);
    ASSERT_TRUE(Driver.Start());
    TFormMain& Form = Driver.Form();
    ASSERT_TRUE(Settled(Driver, gsMap));
    EXPECT_EQ(Form.LoadedPlayerName, "PLAYER");
    const TMapIslands& Islands = *Form.Map.Islands;
    EXPECT_EQ(Islands.Selected(), 1);
    for (int32_t Island = 2; Island <= 5; ++Island) EXPECT_FALSE(Islands.Opened(Island)) << Island;
    EXPECT_EQ(Form.Comments.Island().Text(), "Welcome to Coconut Cove!");
    Driver.Step(60);

    TPicture Frame;
    ASSERT_TRUE(Driver.Capture(Frame));
    Driver.SaveFramePng(::testing::TempDir() + "quellow-map-new-player.png");
    // The middles of the closed islands' land are black silhouettes; Coconut Cove is not.
    EXPECT_TRUE(IsBlack(Frame.PixelRGBA(154, 331 - 65))) << "Rainbow Hills";
    EXPECT_TRUE(IsBlack(Frame.PixelRGBA(578, 486 - 65))) << "Blossom Bay";
    EXPECT_TRUE(IsBlack(Frame.PixelRGBA(662, 293 - 65))) << "Fantasia Isle";
    EXPECT_FALSE(IsBlack(Frame.PixelRGBA(251, 492 - 65))) << "Coconut Cove";

    ClickButton(Driver, *Form.Map.EnterButton);
    ASSERT_TRUE(ReachObjectiveAnnouncement(Driver));
    EXPECT_EQ(Form.CurrentIsland, 1);
    EXPECT_EQ(Form.CurrentLevel, 1);
    EXPECT_TRUE(Islands.Entered(1));
    EXPECT_TRUE(Driver.Messages().empty());
}

// Island 1 with levels 1 to 4 won (gold, silver, bronze, gold), a negative best time and
// values out of range.
TProgressRecord CraftedSave(std::initializer_list<int32_t> Completed) {
    TProgressRecord Record = InitialProgressRecord();
    const int32_t Times[] = {50, 70, 100, 30, 90};  // limits 150, 120, 120, 120, 120
    for (int32_t Level : Completed) Record.BestTimes[0][Level - 1] = Times[Level - 1];
    Record.BestTimes[0][6] = -5;
    Record.IslandsEntered[0] = 1;
    Record.IslandOpeningShown[0] = 1;
    Record.LastIsland = 9;
    Record.LastSelectedLevels[0] = 77;
    return Record;
}

// Enters island 1 of a crafted save from the map and selects level 2, as a player does.
void EnterCraftedSave(TTestDriver& Driver, std::initializer_list<int32_t> Completed) {
    CosmeticRandom().SetSeed(5);
    GameplayRandom().SetSeed(5);
    WriteSave(Driver, "ANNA", CraftedSave(Completed));
    ASSERT_TRUE(Driver.Start());
    ASSERT_TRUE(Settled(Driver, gsMap));
    ClickButton(Driver, *Driver.Form().Map.EnterButton);
    ASSERT_TRUE(Settled(Driver, gsLevelSel));
    ClickDot(Driver, 2);
    Driver.Step(40);
}

TEST(MapFlow, ACraftedSaveShowsItsIslandWithMedalsOnTheWonDots) {
    TTestDriverSetup Setup;
    Setup.PlayMap = true;
    TPicture Won;
    TPoint One, Five;
    {
        TTestDriver Driver(Setup);
        ASSERT_NO_FATAL_FAILURE(EnterCraftedSave(Driver, {1, 2, 3, 4}));
        TFormMain& Form = Driver.Form();
        const TLevelDots& Dots = *Form.Map.LevelDots;
        EXPECT_EQ(Form.Comments.Island().Phase(), cpIdle) << "Coconut Cove was told of before";
        EXPECT_EQ(Dots.Dot(1, 1).Medal, mdGold);
        EXPECT_EQ(Dots.Dot(1, 2).Medal, mdSilver);
        EXPECT_EQ(Dots.Dot(1, 3).Medal, mdBronze);
        EXPECT_FALSE(Dots.Dot(1, 7).Completed) << "a negative best time is not a win";
        for (int32_t Level = 1; Level <= 15; ++Level) EXPECT_EQ(Dots.Unlocked(Level), Level <= 5) << Level;
        const TLevelInfoPanel::TLevelInfo& Info = Form.Map.InfoPanel->LevelInfo();
        EXPECT_EQ(Info.Level, 2);
        EXPECT_TRUE(Info.Completed);
        EXPECT_EQ(Info.BestTime, 70);
        EXPECT_EQ(Info.Medal, mdSilver);
        ASSERT_TRUE(Driver.Capture(Won));
        Driver.SaveFramePng(::testing::TempDir() + "quellow-level-selection-crafted.png");
        One = Dots.Dot(1, 1).Pos;
        Five = Dots.Dot(1, 5).Pos;

        // Bad saved values are written back as the new player's.
        Form.FormClose();
        const std::string Saved = ReadSave("ANNA");
        ASSERT_EQ(Saved.size(), ProgressRecordSize);
        EXPECT_EQ(IntAt(Saved, 4 * 6), 0) << "level 7's best time";
        EXPECT_EQ(IntAt(Saved, 4 * 1), 70);
        EXPECT_EQ(IntAt(Saved, 720), 1);
        EXPECT_EQ(IntAt(Saved, 724), 2);
    }

    // The same screen with levels 2 to 5 won instead: only the medals of dots 1 and 5
    // differ, each where it hangs below its dot.
    TTestDriver Other(Setup);
    ASSERT_NO_FATAL_FAILURE(EnterCraftedSave(Other, {2, 3, 4, 5}));
    TPicture Gaps;
    ASSERT_TRUE(Other.Capture(Gaps));
    const auto UnderDot = [](TPoint Dot, int X, int Y) {
        return X >= Dot.X - 5 && X <= Dot.X + 45 && Y >= Dot.Y + 10 && Y <= Dot.Y + 65;
    };
    int UnderOne = 0, UnderFive = 0, Elsewhere = 0;
    for (int Y = 0; Y < 600; ++Y) {
        for (int X = 0; X < 800; ++X) {
            if (Won.PixelRGBA(X, Y) == Gaps.PixelRGBA(X, Y)) continue;
            if (UnderDot(One, X, Y)) {
                ++UnderOne;
            } else if (UnderDot(Five, X, Y)) {
                ++UnderFive;
            } else {
                ++Elsewhere;
            }
        }
    }
    EXPECT_GT(UnderOne, 100);
    EXPECT_GT(UnderFive, 100);
    EXPECT_EQ(Elsewhere, 0);
}

// Winning 1-01 leads back to the level selection with dot 1's medal and dot 2 open and
// chosen; losing 1-02 comes back to 1-02. The save holds the map's part at its offsets.
TEST(MapFlow, AfterAWinTheNextLevelIsOpenAndAfterALossTheSameLevelComesBack) {
    TTestDriverSetup Setup;
    Setup.PlayMap = true;
    Setup.Headless = true;
    TTestDriver Driver(Setup);
    ASSERT_TRUE(Driver.Start());
    TFormMain& Form = Driver.Form();
    ASSERT_TRUE(Settled(Driver, gsMap));
    ClickButton(Driver, *Form.Map.EnterButton);
    ASSERT_TRUE(ReachObjectiveAnnouncement(Driver));
    ASSERT_EQ(PlayRound(Driver).End, reWon);
    ASSERT_TRUE(Settled(Driver, gsLevelSel));

    const TLevelDots& Dots = *Form.Map.LevelDots;
    EXPECT_TRUE(Dots.Dot(1, 1).Completed);
    EXPECT_NE(Dots.Dot(1, 1).Medal, mdNone);
    EXPECT_EQ(Dots.Dot(1, 1).Medal, Form.Results.Medal->MedalKind());
    EXPECT_TRUE(Dots.Unlocked(2));
    EXPECT_FALSE(Dots.Unlocked(3));
    EXPECT_EQ(Dots.SelIslandLevelIdx(), 2);
    EXPECT_EQ(Form.Map.InfoPanel->LevelInfo().Level, 2);
    EXPECT_FALSE(Form.Map.InfoPanel->LevelInfo().Completed);

    // Saved with the won round.
    const std::string Saved = ReadSave("PLAYER");
    ASSERT_EQ(Saved.size(), ProgressRecordSize);
    EXPECT_EQ(IntAt(Saved, 0), Dots.Dot(1, 1).BestTime);
    EXPECT_GT(IntAt(Saved, 0), 0);
    EXPECT_EQ(IntAt(Saved, 4), 0);
    const uint8_t Entered[] = {1, 0, 0, 0, 0}, Open[] = {1, 0, 0, 0, 0, 1}, Told[] = {1, 0, 0, 0, 0};
    for (size_t I = 0; I < 5; ++I) EXPECT_EQ(ByteAt(Saved, 704 + I), Entered[I]) << 704 + I;
    for (size_t I = 0; I < 6; ++I) EXPECT_EQ(ByteAt(Saved, 709 + I), Open[I]) << 709 + I;
    for (size_t I = 0; I < 5; ++I) EXPECT_EQ(ByteAt(Saved, 715 + I), Told[I]) << 715 + I;
    EXPECT_EQ(IntAt(Saved, 720), 1);
    for (size_t I = 0; I < 5; ++I) EXPECT_EQ(IntAt(Saved, 724 + 4 * I), 1) << 724 + 4 * I;

    ClickButton(Driver, *Form.Map.PlayButton);
    ASSERT_TRUE(ReachObjectiveAnnouncement(Driver));
    EXPECT_EQ(Form.CurrentLevel, 2);
    TRoundPlayOptions NoMoves;
    NoMoves.MoveDelayFrames = 1 << 30;
    NoMoves.UseShuffleButton = false;
    ASSERT_EQ(PlayRound(Driver, NoMoves).End, reTimeUp);
    ASSERT_TRUE(Settled(Driver, gsLevelSel));
    EXPECT_EQ(Dots.SelIslandLevelIdx(), 2);
    EXPECT_FALSE(Dots.Dot(1, 2).Completed);
    Form.FormClose();
    EXPECT_EQ(IntAt(ReadSave("PLAYER"), 724), 2) << "the level selected when the game closed";
    EXPECT_TRUE(Driver.Messages().empty());
}

// With a two-level Coconut Cove, winning its last level opens Rainbow Hills: the map
// selects it and tells of it once; the next Play shows it.
TEST(MapFlow, WinningAnIslandsLastLevelOpensTheNextIsland) {
    TGameWithLevels Game({"1-01.qel", "1-02.qel"});
    TTempFolder User;
    TTestDriverSetup Setup;
    Setup.AppFolder = Game.Path();
    Setup.UserDataFolder = User.Path();
    Setup.PlayMap = true;
    Setup.Headless = true;
    {
        TTestDriver Driver(Setup);
        ASSERT_TRUE(Driver.Start());
        TFormMain& Form = Driver.Form();
        Form.TestModeObjectivesOfOne = true;  // short rounds
        ASSERT_TRUE(Settled(Driver, gsMap));
        ClickButton(Driver, *Form.Map.EnterButton);
        ASSERT_TRUE(ReachObjectiveAnnouncement(Driver));
        ASSERT_EQ(PlayRound(Driver).End, reWon);
        ASSERT_TRUE(Settled(Driver, gsLevelSel));
        EXPECT_FALSE(Form.Map.Islands->Opened(2));
        ClickButton(Driver, *Form.Map.PlayButton);
        ASSERT_TRUE(ReachObjectiveAnnouncement(Driver));
        ASSERT_EQ(Form.CurrentLevel, 2);
        ASSERT_EQ(PlayRound(Driver).End, reWon);
        // The island is complete and its story is still to come, but no monster was beaten:
        // back to the level selection, on the level last played.
        ASSERT_TRUE(Settled(Driver, gsLevelSel));
        EXPECT_EQ(Form.Map.LevelDots->SelIslandLevelIdx(), 2);
        EXPECT_TRUE(Form.Map.Islands->Opened(2));
        EXPECT_EQ(Form.Map.Islands->Selected(), 2);
        const std::string Saved = ReadSave("PLAYER");
        EXPECT_EQ(ByteAt(Saved, 710), 1) << "Rainbow Hills open in the save";
        EXPECT_EQ(ByteAt(Saved, 716), 0) << "not told of yet";

        ClickButton(Driver, *Form.Map.ToMapButton);
        ASSERT_TRUE(Settled(Driver, gsMap));
        EXPECT_EQ(Form.Comments.Island().Text(), "Rainbow Hills is open!");
        EXPECT_NE(Form.Comments.Island().Phase(), cpIdle);
        // Rainbow Hills has no levels yet: its level selection shows no dot, Play does nothing.
        ClickButton(Driver, *Form.Map.EnterButton);
        ASSERT_TRUE(Settled(Driver, gsLevelSel));
        EXPECT_EQ(Form.Map.LevelDots->IslandIdx(), 2);
        ClickButton(Driver, *Form.Map.PlayButton);
        Driver.Step(5);
        EXPECT_FALSE(Form.SceneTransition->Active());
        ClickButton(Driver, *Form.Map.ToMapButton);
        ASSERT_TRUE(Settled(Driver, gsMap));
        EXPECT_EQ(Form.Comments.Island().Phase(), cpIdle) << "told once";
        Form.FormClose();
        EXPECT_TRUE(Driver.Messages().empty());
    }
    TTestDriver Again(Setup);
    ASSERT_TRUE(Again.Start());
    ASSERT_TRUE(Settled(Again, gsMap));
    EXPECT_EQ(Again.Form().Map.Islands->Selected(), 2) << "Play goes on with the first island not complete";
    EXPECT_EQ(Again.Form().Comments.Island().Phase(), cpIdle);
}

// A damaged level file keeps its dot; starting it tells the player and stays put.
TEST(MapFlow, ADamagedLevelFileShowsItsDotAndStartingItIsRefused) {
    TGameWithLevels Game({"1-01.qel"});
    WriteWholeFile(Game.Path() + "Levels/1-02.qel", std::string(1000, '\0'));
    TTestDriverSetup Setup;
    Setup.AppFolder = Game.Path();
    Setup.PlayMap = true;
    Setup.Headless = true;
    TTestDriver Driver(Setup);
    WriteSave(Driver, "ANNA", CraftedSave({1}));
    ASSERT_TRUE(Driver.Start());
    TFormMain& Form = Driver.Form();
    ASSERT_TRUE(Settled(Driver, gsMap));
    ClickButton(Driver, *Form.Map.EnterButton);
    ASSERT_TRUE(Settled(Driver, gsLevelSel));
    EXPECT_TRUE(Form.Map.LevelDots->Dot(1, 2).Exists);
    EXPECT_EQ(Form.Map.LevelDots->SelIslandLevelIdx(), 2);
    ClickButton(Driver, *Form.Map.PlayButton);
    Driver.Step(5);
    EXPECT_EQ(Form.Scene(), gsLevelSel);
    EXPECT_FALSE(Form.SceneTransition->Active());
    ASSERT_EQ(Driver.Messages().size(), 1u);
    EXPECT_EQ(Driver.Messages()[0].rfind("Level file is too short: ", 0), 0u) << Driver.Messages()[0];
}

}  // namespace
