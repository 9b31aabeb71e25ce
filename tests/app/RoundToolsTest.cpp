// The tools in real rounds, through the main form: a player's saved tool level
// decides which tools hang on the wall; the counts come from the save (kept
// between 0 and 9) and go back into it; the hooks and counts ride on the left
// panel; a press works one tool at a time and never reaches the board while a
// tool is in hand; the pointer hides while a tool is held and shows when the
// round pauses or ends; a won tool flies to the wall and, in its lesson's level
// of island 1, puts back the level's own chance of that tool. End to end: a
// magic key opens a locker, the drawn count drops and the save holds 2.
#include <gtest/gtest.h>

#include <filesystem>

#include "FoldersClass.h"
#include "FrameCursorClass.h"
#include "GeneralRoutinesClass.h"
#include "LevelFileClass.h"
#include "RecordBytesClass.h"
#include "RandomClass.h"
#include "RoundDriverClass.h"
#include "TestDriverClass.h"
#include "TestSupport.h"

namespace {

namespace fs = std::filesystem;

int PixelX(int X) { return BoardScreenLeft + (X - 1) * BoardTilePixels + 23; }
int PixelY(int Y) { return BoardScreenTop + (Y - 1) * BoardTilePixels + 23; }
constexpr TPoint KeyIcon{50, 200};
constexpr TPoint BroomIcon{40, 250};
constexpr TPoint Away{400, 580};  // below the board, clear of the panel

// A game folder with the build's data and one level: 1-10 with magic keys at a
// chance of 1 and no other specials or tools, so nothing but the key acts.
class TToolsGame {
public:
    TToolsGame() {
        const fs::path Game = TTestDriver::DefaultGameFolder();
        for (const char* Sub : {"Images", "Sounds", "Music", "Texts"})
            fs::create_directory_symlink(Game / Sub, fs::path(Folder.Path()) / Sub);
        fs::create_directories(Folder.Path() + "Levels");
        TLevelRecord Record;
        EXPECT_TRUE(LoadLevelFile((Game / "Levels" / "1-10.qel").string(), Record));
        Record.OneMagicKeyEveryProb = 1;
        Record.OneBroomEveryProb = 0;
        Record.OneAerosolEveryProb = 0;
        Record.OneUniFruitEveryProb = 0;
        Record.OneMultiBubbleEveryProb = 0;
        Record.OneFruitBombEveryProb = 0;
        Record.OneHammerEveryProb = 0;
        std::string Error;
        EXPECT_TRUE(WriteLevelFile(Folder.Path() + "Levels/1-10.qel", Record, Error)) << Error;
    }
    const std::string& Path() const { return Folder.Path(); }

private:
    TTempFolder Folder;
};

void WriteSave(TTestDriver& Driver, const std::string& Name, const TProgressRecord& Record) {
    Driver.WritePlayerList({Name});
    const TProgressRecordBytes Bytes = EncodeProgressRecord(Record);
    WriteWholeFile(Driver.UserDataFolder() + "/Quellow/" + Name + ".sav",
                   std::string(reinterpret_cast<const char*>(Bytes.data()), Bytes.size()));
}

int32_t SavedInt(const std::string& Name, size_t Offset) {
    const std::string Bytes = ReadWholeFile(SaveFolder + Name + ".sav");
    return GetInt32LE(std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(Bytes.data()), Bytes.size()), Offset);
}

TProgressRecord SaveWithTools(TToolKind Unlocked, int32_t Keys, int32_t Brooms, int32_t Aerosols) {
    TProgressRecord Record = InitialProgressRecord();
    Record.UnlockedToolLevel = Unlocked;
    Record.MagicKeys = Keys;
    Record.Brooms = Brooms;
    Record.Aerosols = Aerosols;
    return Record;
}

bool OnMap(TTestDriver& Driver) {
    TFormMain& Form = Driver.Form();
    return Driver.StepUntil([&] { return Form.Scene() == gsMap && !Form.SceneTransition->Active(); }, 600);
}

// Into the round with the board at rest and the left panel in place.
bool IntoRound(TTestDriver& Driver, int32_t Island, int32_t Level) {
    TFormMain& Form = Driver.Form();
    if (!EnterRound(Driver, Island, Level)) return false;
    return Driver.StepUntil(
        [&] { return BoardTakesMove(Form) && Form.Panels.LeftPanel->Position().X == 0; }, 2000);
}

// An idle closed locker on the board.
bool FindIdleLocker(const TGameBoard& Board, TPoint& P) {
    for (int X = 1; X <= BoardSize; ++X)
        for (int Y = 1; Y <= BoardSize; ++Y)
            if (Board.IsOpenableLocker(TPoint{X, Y})) {
                P = TPoint{X, Y};
                return true;
            }
    return false;
}

void Press(TTestDriver& Driver, TPoint P, TMouseButton Button = mbLeft) {
    Driver.MouseMove(P.X, P.Y);
    Driver.MouseDown(P.X, P.Y, Button);
    Driver.MouseUp(P.X, P.Y);
}

bool SameArea(const TPicture& A, const TPicture& B, TRect R) {
    for (int Y = R.Top; Y <= R.Bottom; ++Y)
        for (int X = R.Left; X <= R.Right; ++X)
            if (A.PixelRGBA(X, Y) != B.PixelRGBA(X, Y)) return false;
    return true;
}

// The key's count, drawn from the panel's corner + (88, 206), one 15 by 18 digit.
constexpr TRect KeyCountArea{88, 206, 102, 223};

TEST(RoundTools, TheSavedToolLevelDecidesWhichToolsHang) {
    const struct {
        TToolKind Unlocked;
        bool Broom, Key, Aerosol;
    } Cases[] = {{toNone, false, false, false},
                 {toBroom, true, false, false},
                 {toMagicKey, true, true, false},
                 {toAerosol, true, true, true}};
    for (const auto& C : Cases) {
        SCOPED_TRACE(int(C.Unlocked));
        TToolsGame Game;
        TTestDriverSetup Setup;
        Setup.AppFolder = Game.Path();
        Setup.PlayMap = true;
        Setup.Headless = true;
        TTestDriver Driver(Setup);
        WriteSave(Driver, "ANNA", SaveWithTools(C.Unlocked, 3, 3, 3));
        ASSERT_TRUE(Driver.Start());
        ASSERT_TRUE(OnMap(Driver));
        ASSERT_TRUE(IntoRound(Driver, 1, 10));
        TFormMain& Form = Driver.Form();
        EXPECT_EQ(Form.Tools.Broom->Available, C.Broom);
        EXPECT_EQ(Form.Tools.MagicKey->Available, C.Key);
        EXPECT_EQ(Form.Tools.Aerosol->Available, C.Aerosol);
        // A locked tool takes no press.
        Press(Driver, KeyIcon);
        EXPECT_EQ(Form.Tools.MagicKey->State(), C.Key ? thHeld : thHanging);
        Press(Driver, KeyIcon, mbRight);
        Driver.Step(30);
        Press(Driver, BroomIcon);
        EXPECT_EQ(Form.Tools.Broom->State(), C.Broom ? thHeld : thHanging);
    }
}

TEST(RoundTools, CountsComeFromTheSaveKeptWithinNoneToNineAndHangOnThePanel) {
    TToolsGame Game;
    TTestDriverSetup Setup;
    Setup.AppFolder = Game.Path();
    Setup.PlayMap = true;
    Setup.Headless = true;
    TTestDriver Driver(Setup);
    WriteSave(Driver, "ANNA", SaveWithTools(toAerosol, 15, -3, 7));
    ASSERT_TRUE(Driver.Start());
    ASSERT_TRUE(OnMap(Driver));
    TFormMain& Form = Driver.Form();
    EXPECT_EQ(Form.Tools.MagicKey->Count(), 9);
    EXPECT_EQ(Form.Tools.Broom->Count(), 0);
    EXPECT_EQ(Form.Tools.Aerosol->Count(), 7);
    ASSERT_TRUE(EnterRound(Driver, 1, 10));
    // While the panel slides in, the hooks and counts ride on it.
    const TPoint Panel = Form.Panels.LeftPanel->Position();
    EXPECT_EQ(Form.Tools.MagicKey->HangingPosX, Panel.X + 32);
    ASSERT_TRUE(Driver.StepUntil([&] { return Form.Panels.LeftPanel->Position().X == 0; }, 400));
    Driver.Step(1);
    const struct {
        TToolInHand* Tool;
        TPoint Hook, Count;
    } Places[] = {{Form.Tools.MagicKey.get(), {32, 192}, {88, 206}},
                  {Form.Tools.Broom.get(), {27, 227}, {88, 256}},
                  {Form.Tools.Aerosol.get(), {26, 278}, {86, 306}}};
    for (const auto& P : Places) {
        EXPECT_EQ(P.Tool->HangingPosX, P.Hook.X);
        EXPECT_EQ(P.Tool->HangingPosY, P.Hook.Y);
        EXPECT_EQ(P.Tool->CountPosX, P.Count.X);
        EXPECT_EQ(P.Tool->CountPosY, P.Count.Y);
    }
    EXPECT_EQ(Form.Tools.Flying[1]->TargetPosX, 27);
    EXPECT_EQ(Form.Tools.Flying[2]->TargetPosY, 278);
    ASSERT_TRUE(Form.SaveProgress());
    EXPECT_EQ(SavedInt("ANNA", 744), 9);
    EXPECT_EQ(SavedInt("ANNA", 748), 0);
    EXPECT_EQ(SavedInt("ANNA", 752), 7);
}

TEST(RoundTools, ANewPlayerHasThreeOfEachTool) {
    TTestDriverSetup Setup;
    Setup.Headless = true;
    Setup.PlayMap = true;
    TTestDriver Driver(Setup);
    ASSERT_TRUE(Driver.Start());
    ASSERT_TRUE(OnMap(Driver));
    TFormMain& Form = Driver.Form();
    for (TToolInHand* Tool : {static_cast<TToolInHand*>(Form.Tools.MagicKey.get()),
                              static_cast<TToolInHand*>(Form.Tools.Broom.get()),
                              static_cast<TToolInHand*>(Form.Tools.Aerosol.get())})
        EXPECT_EQ(Tool->Count(), 3);
    EXPECT_EQ(Form.PlayerProgress->Record().MagicKeys, 3);
}

class ToolsInRound : public ::testing::Test {
protected:
    void SetUp() override {
        // A seeded round: the board, its refill and the bot's play are the same every run
        // (unseeded, now and then the bot won 1-10's hunt before any key's locker opened).
        SetRandomSeedSource([] { return uint64_t{7}; });
        TTestDriverSetup Setup;
        Setup.AppFolder = Game.Path();
        Setup.PlayMap = true;
        Setup.Headless = true;
        Driver = std::make_unique<TTestDriver>(Setup);
        WriteSave(*Driver, "ANNA", SaveWithTools(toAerosol, 3, 3, 3));
        ASSERT_TRUE(Driver->Start());
        ASSERT_TRUE(OnMap(*Driver));
        ASSERT_TRUE(IntoRound(*Driver, 1, 10));
        Form = &Driver->Form();
        Board = Form->GameBoard.get();
    }
    void TearDown() override {
        FrameCursor = TFrameCursor::Arrow;
        SetRandomSeedSource({});
    }
    TToolsGame Game;
    std::unique_ptr<TTestDriver> Driver;
    TFormMain* Form = nullptr;
    TGameBoard* Board = nullptr;
};

TEST_F(ToolsInRound, APressWorksOneToolAndNeverTheBoardWhileAToolIsInHand) {
    TMagicKey& Key = *Form->Tools.MagicKey;
    TBroom& Broom = *Form->Tools.Broom;
    Press(*Driver, KeyIcon);
    ASSERT_EQ(Key.State(), thHeld);
    EXPECT_TRUE(Key.InHand());
    TPoint Locker;
    ASSERT_TRUE(FindIdleLocker(*Board, Locker));
    Driver->MouseMove(PixelX(Locker.X), PixelY(Locker.Y));
    EXPECT_TRUE(Board->Selected()) << "the key's frame on the locker";
    EXPECT_EQ(Board->SelectionPattern(), 0);
    // A press on the aerosol's icon while the key is held: off the board, so the key goes
    // back; then, no tool being in hand any more, the aerosol takes the same press.
    Press(*Driver, TPoint{50, 300});
    EXPECT_EQ(Key.State(), thReturning);
    EXPECT_FALSE(Board->Selected()) << "nothing stays marked for a tool that has gone";
    EXPECT_EQ(Form->Tools.Aerosol->State(), thHeld);
    EXPECT_EQ(Broom.State(), thHanging);
    // Held aerosol: the broom's icon is in the left panel, where a click puts the aerosol back.
    Press(*Driver, BroomIcon);
    EXPECT_EQ(Form->Tools.Aerosol->State(), thReturning);
    EXPECT_EQ(Form->Tools.Aerosol->Count(), 3);
    Driver->Step(40);
    // The board still takes presses when no tool is in hand.
    Press(*Driver, TPoint{PixelX(Locker.X), PixelY(Locker.Y)});
    EXPECT_TRUE(Board->Selected());
    EXPECT_EQ(Board->FirstTile(), Locker);
}

TEST_F(ToolsInRound, ThePointerHidesWhileHeldAndShowsWhenPausedOrWithdrawn) {
    TMagicKey& Key = *Form->Tools.MagicKey;
    Press(*Driver, KeyIcon);
    Driver->MouseMove(PixelX(5), PixelY(5));
    EXPECT_EQ(FrameCursor, TFrameCursor::Hidden);
    Driver->KeyDown(SDLK_SPACE);
    Driver->Step(1);
    EXPECT_EQ(FrameCursor, TFrameCursor::Arrow) << "paused";
    Driver->MouseMove(PixelX(5), PixelY(6));
    EXPECT_EQ(FrameCursor, TFrameCursor::Arrow);
    Driver->MouseDown(PixelX(5), PixelY(6));
    EXPECT_EQ(Key.State(), thHeld) << "a paused round's tools take nothing";
    Driver->KeyDown(SDLK_SPACE);
    Driver->Step(1);
    EXPECT_EQ(FrameCursor, TFrameCursor::Hidden) << "held again in the running round";
    // The in-game menu shows it again.
    Driver->KeyDown(SDLK_ESCAPE);
    Driver->Step(1);
    EXPECT_EQ(FrameCursor, TFrameCursor::Arrow);
}

// The round's end sends a held tool home and lets no tool be taken; a key already
// turning then opens nothing and is not spent.
TEST_F(ToolsInRound, TheRoundsEndSendsTheToolsHomeAndATurnUnderWayChangesNothing) {
    TMagicKey& Key = *Form->Tools.MagicKey;
    TBroom& Broom = *Form->Tools.Broom;
    Press(*Driver, BroomIcon);
    ASSERT_EQ(Broom.State(), thHeld);
    Press(*Driver, BroomIcon, mbRight);
    Driver->Step(40);
    ASSERT_EQ(Broom.State(), thHanging);
    TPoint Locker;
    ASSERT_TRUE(FindIdleLocker(*Board, Locker));
    Press(*Driver, KeyIcon);
    Press(*Driver, TPoint{PixelX(Locker.X), PixelY(Locker.Y)});
    ASSERT_EQ(Key.State(), thUsing);
    Press(*Driver, BroomIcon);
    EXPECT_EQ(Broom.State(), thHanging) << "the key is in hand";
    Form->ObjectiveMet();
    ASSERT_TRUE(Driver->StepUntil([&] { return Key.State() != thUsing; }, 30));
    EXPECT_EQ(Key.Count(), 3) << "the turn opened nothing and cost nothing";
    EXPECT_EQ(Board->TileStatus(Locker), tsIdle);
    Driver->Step(60);
    EXPECT_EQ(Key.State(), thHanging);
    EXPECT_EQ(FrameCursor, TFrameCursor::Arrow);
    Press(*Driver, BroomIcon);
    EXPECT_EQ(Broom.State(), thHanging) << "no tool is taken after the round";
}

TEST_F(ToolsInRound, ALevelStartHangsTheToolsUpAndKeepsTheCounts) {
    TMagicKey& Key = *Form->Tools.MagicKey;
    Press(*Driver, KeyIcon);
    TPoint Locker;
    ASSERT_TRUE(FindIdleLocker(*Board, Locker));
    Press(*Driver, TPoint{PixelX(Locker.X), PixelY(Locker.Y)});
    ASSERT_EQ(Key.State(), thUsing);
    ASSERT_EQ(Key.Count(), 2);
    Form->Tools.Flying[1]->Start(TPoint{4, 4}, 2);
    ASSERT_TRUE(Form->StartLevel(1, 10));
    EXPECT_EQ(Key.State(), thHanging);
    EXPECT_EQ(Key.Count(), 2);
    EXPECT_FALSE(Form->Tools.Flying[1]->Active());
    EXPECT_EQ(Form->Tools.Broom->Count(), 3) << "a flight dropped by the restart brings nothing";
}

TEST_F(ToolsInRound, AWonToolFliesToTheWallAndCountsUpToNine) {
    TBroom& Broom = *Form->Tools.Broom;
    Broom.SetCount(8);
    for (int I = 0; I < 2; ++I) {
        Form->Tools.Flying[1]->Start(TPoint{6, 6}, 2);
        ASSERT_TRUE(Driver->StepUntil([&] { return !Form->Tools.Flying[1]->Active(); }, 100));
    }
    EXPECT_EQ(Broom.Count(), 9);
}

// With keys hidden in every new locker they may, played on by the greedy bot: a key's
// locker opens in a group, the key is collected, flies from its tile to the hook and
// counts one more.
TEST_F(ToolsInRound, AKeyWonOnTheBoardFliesToTheWallAndCounts) {
    TMagicKey& Key = *Form->Tools.MagicKey;
    TFlowingTool& Flying = *Form->Tools.Flying[0];
    const int32_t Before = Key.Count();
    TRoundDriver Bot(*Driver);
    TRoundPlayOptions Options;
    bool Started = false;
    for (int Frame = 0; Frame < 6000 && !Started; ++Frame) {
        Bot.BotFrame(Options);
        Started = Flying.Active();
    }
    ASSERT_TRUE(Started) << "no key won";
    EXPECT_EQ(Key.Count(), Before);
    ASSERT_TRUE(Driver->StepUntil([&] { return !Flying.Active(); }, 100));
    EXPECT_EQ(Key.Count(), Before + 1);
    EXPECT_EQ(Flying.Position().X, Key.HangingPosX);
    EXPECT_EQ(Flying.Position().Y, Key.HangingPosY);
}

// Island 1's lessons: a won tool arriving in its own lesson's level puts back the
// level's chance of that tool, tutorial on or off; anywhere else it changes nothing.
TEST(RoundTools, AToolArrivingInItsLessonPutsBackItsOwnChance) {
    const struct {
        int32_t Level;
        int32_t Tool;  // 1 key, 2 broom, 3 aerosol
        bool TutorialOn;
        bool PutsBack;
    } Cases[] = {{6, 1, true, true}, {6, 1, false, true}, {5, 2, true, true}, {8, 3, false, true},
                 {5, 1, true, false}, {6, 2, true, false}, {10, 1, true, false}};
    for (const auto& C : Cases) {
        SCOPED_TRACE(::testing::Message() << C.Level << " " << C.Tool << " " << C.TutorialOn);
        TTestDriverSetup Setup;
        Setup.Headless = true;
        TTestDriver Driver(Setup);
        ASSERT_TRUE(Driver.Start());
        TFormMain& Form = Driver.Form();
        Form.PlayerProgress->Record().TutorialEnabled = C.TutorialOn ? 1 : 0;
        ASSERT_TRUE(EnterRound(Driver, 1, C.Level));
        const auto Chance = [&](int32_t Tool) {
            const TGameBoard& B = *Form.GameBoard;
            return Tool == 1 ? B.OneMagicKeyEveryProb : Tool == 2 ? B.OneBroomEveryProb : B.OneAerosolEveryProb;
        };
        const auto Own = [&](int32_t Tool) {
            const TLevelRecord& R = Form.RoundLevel.Record;
            return Tool == 1 ? R.OneMagicKeyEveryProb : Tool == 2 ? R.OneBroomEveryProb : R.OneAerosolEveryProb;
        };
        const int32_t Before = Chance(C.Tool);
        if (C.PutsBack) {
            EXPECT_EQ(Before, 15) << "held at its introductory chance";
            ASSERT_NE(Own(C.Tool), 15);
        }
        Form.Tools.Flying[C.Tool - 1]->Start(TPoint{3, 3}, C.Tool);
        ASSERT_TRUE(Driver.StepUntil([&] { return !Form.Tools.Flying[C.Tool - 1]->Active(); }, 100));
        EXPECT_EQ(Chance(C.Tool), C.PutsBack ? Own(C.Tool) : Before);
    }
}

// End to end, drawn: with the key unlocked by the save, the key is taken off the wall,
// turned in a locker, which opens; the count drawn beside the hook drops to 2, and the
// save holds 2.
TEST(RoundTools, AKeyOpensALockerTheDrawnCountDropsAndTheSaveHoldsTwo) {
    TToolsGame Game;
    TTestDriverSetup Setup;
    Setup.AppFolder = Game.Path();
    Setup.PlayMap = true;
    TTestDriver Driver(Setup);
    WriteSave(Driver, "ANNA", SaveWithTools(toMagicKey, 3, 3, 3));
    ASSERT_TRUE(Driver.Start());
    ASSERT_TRUE(OnMap(Driver));
    ASSERT_TRUE(IntoRound(Driver, 1, 10));
    TFormMain& Form = Driver.Form();
    TMagicKey& Key = *Form.Tools.MagicKey;
    TGameBoard& Board = *Form.GameBoard;
    Driver.MouseMove(Away.X, Away.Y);
    Driver.Step(2);
    TPicture Three;
    ASSERT_TRUE(Driver.Capture(Three));

    TPoint Locker;
    ASSERT_TRUE(FindIdleLocker(Board, Locker));
    Press(Driver, KeyIcon);
    ASSERT_EQ(Key.State(), thHeld);
    Press(Driver, TPoint{PixelX(Locker.X), PixelY(Locker.Y)});
    ASSERT_EQ(Key.State(), thUsing);
    EXPECT_EQ(Key.Count(), 2);
    EXPECT_EQ(Board.TileStatus(Locker), tsIdle) << "the locker opens when the key has turned";
    ASSERT_TRUE(Driver.StepUntil([&] { return Key.State() != thUsing; }, 30));
    EXPECT_EQ(Board.TileStatus(Locker), tsOpening);
    ASSERT_TRUE(Driver.StepUntil([&] { return Board.BoardData()[Locker].Kind == okFruit; }, 60));
    Driver.MouseMove(Away.X, Away.Y);
    ASSERT_TRUE(Driver.StepUntil([&] { return Key.State() == thHanging; }, 100));
    Driver.Step(2);
    ASSERT_EQ(Key.Count(), 2);
    TPicture Two;
    ASSERT_TRUE(Driver.Capture(Two));
    EXPECT_FALSE(SameArea(Three, Two, KeyCountArea)) << "the drawn count changed";
    ASSERT_TRUE(Form.SaveProgress());
    EXPECT_EQ(SavedInt("ANNA", 744), 2);

    // Drawn from the count alone: the count of 3 again draws what it drew before.
    Key.SetCount(3);
    Driver.Step(1);
    TPicture Again;
    ASSERT_TRUE(Driver.Capture(Again));
    EXPECT_TRUE(SameArea(Three, Again, KeyCountArea));
}

}  // namespace
