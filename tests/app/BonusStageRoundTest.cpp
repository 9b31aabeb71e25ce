// The bonus stage played through the whole game: winning 1-05 offers it, its
// announcement is clicked away, ladybugs are clicked, the clock runs out, the
// closing comment and the result follow, OK leads on to 1-06, the played flag
// is saved as the result comes in and the level never offers it again; pausing
// and the in-game menu stop its clock; a drawn frame shows the clock and the
// letter row.
#include <gtest/gtest.h>

#include <string>

#include "FoldersClass.h"
#include "PictureClass.h"
#include "RandomClass.h"
#include "RecordBytesClass.h"
#include "RoundDriverClass.h"
#include "TestDriverClass.h"
#include "TestSupport.h"

namespace {

bool Settled(TTestDriver& Driver, TGameSceneValues Scene, int MaxFrames = 900) {
    TFormMain& Form = Driver.Form();
    return Driver.StepUntil([&] { return Form.Scene() == Scene && !Form.SceneTransition->Active(); }, MaxFrames);
}

void ClickButton(TTestDriver& Driver, const TGameButton& Button) {
    Driver.Click(Button.Left + Button.Width / 2, Button.Top + Button.Height / 2);
}

void ClickDot(TTestDriver& Driver, int32_t Level) {
    const TPoint P = Driver.Form().Map.LevelDots->Dot(1, Level).Pos;
    Driver.Click(P.X + 20, P.Y + 20);
}

// A player who has won 1-01 to 1-04 starts 1-05 from its level selection.
void StartLevelFive(TTestDriver& Driver) {
    CosmeticRandom().SetSeed(5);
    GameplayRandom().SetSeed(5);
    TProgressRecord Record = InitialProgressRecord();
    for (int32_t Level = 0; Level < 4; ++Level) Record.BestTimes[0][Level] = 60;
    Record.IslandsEntered[0] = 1;
    Record.IslandOpeningShown[0] = 1;
    Driver.WritePlayerList({"ANNA"});
    const TProgressRecordBytes Bytes = EncodeProgressRecord(Record);
    WriteWholeFile(Driver.UserDataFolder() + "/Quellow/ANNA.sav",
                   std::string(reinterpret_cast<const char*>(Bytes.data()), Bytes.size()));
    ASSERT_TRUE(Driver.Start());
    ASSERT_TRUE(Settled(Driver, gsMap));
    ClickButton(Driver, *Driver.Form().Map.EnterButton);
    ASSERT_TRUE(Settled(Driver, gsLevelSel));
    ClickDot(Driver, 5);
    Driver.Step(40);
    ClickButton(Driver, *Driver.Form().Map.PlayButton);
    ASSERT_EQ(Driver.Form().CurrentLevel, 5);
}

std::string ReadSave(const std::string& Name) { return ReadWholeFile(SaveFolder + Name + ".sav"); }
uint8_t ByteAt(const std::string& Bytes, size_t Offset) { return static_cast<uint8_t>(Bytes.at(Offset)); }

TRoundResult PlayRound(TTestDriver& Driver) {
    TRoundDriver Round(Driver);
    return Round.Play({});
}

// Clicks the middle of the first flying ladybug, if there is one; true when it did.
bool ClickAFlyingLadybug(TTestDriver& Driver) {
    const TBonusAnimals& Animals = *Driver.Form().Bonus.Animals;
    for (int32_t N = 1; N <= TBonusAnimals::SlotCount; ++N) {
        const TBonusAnimalSlot& Slot = Animals.Slot(N);
        if (Slot.State != asFlying) continue;
        const int X = static_cast<int>(Slot.Pos.X) + Animals.AnimalWidth / 2;
        const int Y = static_cast<int>(Slot.Pos.Y) + Animals.AnimalHeight / 2;
        if (X < 0 || X >= 800 || Y < 0 || Y >= 600) continue;
        Driver.Click(X, Y);
        return true;
    }
    return false;
}

// From the start of 1-05 to its bonus stage's announcement.
void WinIntoTheBonusStage(TTestDriver& Driver) {
    TFormMain& Form = Driver.Form();
    ASSERT_TRUE(ReachObjectiveAnnouncement(Driver));
    ASSERT_EQ(PlayRound(Driver).End, reWon);
    ASSERT_TRUE(ReachObjectiveAnnouncement(Driver));
    ASSERT_EQ(Form.Round.Objective, goBonusStage);
}

}  // namespace

TEST(BonusStageRound, Winning105OffersTheStageOnceAndItPlaysToItsResult) {
    TTestDriverSetup Setup;
    Setup.Headless = true;
    Setup.PlayMap = true;
    TTestDriver Driver(Setup);
    ASSERT_NO_FATAL_FAILURE(StartLevelFive(Driver));
    TFormMain& Form = Driver.Form();
    WinIntoTheBonusStage(Driver);
    EXPECT_EQ(Form.Bonus.Manager->Scene, bsInitialInfo);
    EXPECT_EQ(Form.OverlayBackgroundScene, gsBonusStage);
    EXPECT_FALSE(Form.Bonus.Manager->HasBonusStage(1, 5)) << "played from the offer on";
    EXPECT_FALSE(Form.Bonus.Animals->Running());
    EXPECT_FALSE(Form.Fairy->Visible);
    EXPECT_EQ(Form.Bonus.Animals->MoneyPerAnimal, 4);
    EXPECT_EQ(Form.Bonus.Animals->BONUSLettersMoney, 450);

    // The announcement is clicked away: the stage plays.
    Driver.Click(400, 300);
    ASSERT_TRUE(Settled(Driver, gsBonusStage));
    EXPECT_EQ(Form.Bonus.Manager->Scene, bsPlaying);
    EXPECT_TRUE(Form.Bonus.Animals->Spawning());
    EXPECT_FLOAT_EQ(Form.Scoring.MoneyEffect->ScaleFactor, 1.0f) << "the stage's floating money is full size";
    const int MoneyBefore = Form.Scoring.Money->Value();

    // A few ladybugs are clicked.
    int Clicked = 0;
    for (int Frame = 0; Frame < 600 && Clicked < 6; ++Frame) {
        Driver.Step();
        if (Frame % 20 == 0 && ClickAFlyingLadybug(Driver)) ++Clicked;
    }
    EXPECT_GE(Clicked, 3);
    EXPECT_GT(Form.Bonus.Animals->AnimalsHit(), 0);
    EXPECT_GT(Form.Bonus.Animals->Clicks(), 0);

    // The pause and the in-game menu stop the clock.
    const int32_t Left = Form.Bonus.Clock->RemainingMiliSecs();
    Driver.KeyDown(SDLK_SPACE);
    Driver.Step(30);
    EXPECT_TRUE(Form.Round.Paused);
    EXPECT_EQ(Form.Bonus.Clock->RemainingMiliSecs(), Left);
    EXPECT_FALSE(Form.Bonus.Animals->Visible);
    Driver.KeyDown(SDLK_SPACE);
    Driver.Step(1);
    EXPECT_FALSE(Form.Round.Paused);
    EXPECT_LT(Form.Bonus.Clock->RemainingMiliSecs(), Left);

    // Time runs out, the closing comment waves, and the result slides in.
    ASSERT_TRUE(Driver.StepUntil([&] { return Form.Bonus.Clock->TimeIsUp(); }, 2100));
    EXPECT_FALSE(Form.Bonus.Animals->Spawning());
    EXPECT_EQ(Form.Comments.Round().CommentType(), coBonusRoundClear);
    ASSERT_TRUE(Settled(Driver, gsStageResult));
    EXPECT_EQ(Form.Bonus.Manager->Scene, bsScoring);
    EXPECT_EQ(Form.Bonus.Stats->AnimalsHit(), Form.Bonus.Animals->AnimalsHit());
    EXPECT_EQ(Form.Bonus.Stats->Accuracy(), Form.Bonus.Animals->HitAccuracy());
    EXPECT_EQ(Form.Bonus.Stats->AcquiredMoney(), Form.Bonus.Animals->MoneyWon());
    EXPECT_EQ(Form.Bonus.Stats->ProgressingMoneyStep, 40) << "island 1's money step";
    EXPECT_GE(Form.Scoring.Money->Value(), MoneyBefore + Form.Bonus.Animals->AnimalsHit() * 4);
    // Saved as the result comes in: the flag of 1-05 is byte 756 + 4.
    const std::string Saved = ReadSave("ANNA");
    ASSERT_GT(Saved.size(), 760u);
    EXPECT_EQ(ByteAt(Saved, 760), 1);

    // OK leads to the level selection, on 1-06.
    ASSERT_TRUE(Driver.StepUntil([&] { return Form.Results.Window->Phase() == TGameMenuWindow::phShown; }, 300));
    ClickButton(Driver, *Form.Results.OKButton);
    ASSERT_TRUE(Settled(Driver, gsLevelSel));
    EXPECT_EQ(Form.Map.LevelDots->SelIslandLevelIdx(), 6);

    // Play goes on with 1-06.
    ClickButton(Driver, *Form.Map.PlayButton);
    ASSERT_TRUE(ReachObjectiveAnnouncement(Driver));
    ASSERT_EQ(Form.CurrentLevel, 6);
    EXPECT_TRUE(Driver.Messages().empty());
}

TEST(BonusStageRound, AStagePlayedIsNeverOfferedAgainAfterARestart) {
    TTempFolder User;
    TTestDriverSetup Setup;
    Setup.Headless = true;
    Setup.PlayMap = true;
    Setup.UserDataFolder = User.Path();
    {
        TTestDriver Driver(Setup);
        ASSERT_NO_FATAL_FAILURE(StartLevelFive(Driver));
        WinIntoTheBonusStage(Driver);
        // The game is closed from the stage's in-game menu: the stage stays played.
        TFormMain& Form = Driver.Form();
        Driver.Click(400, 300);
        ASSERT_TRUE(Settled(Driver, gsBonusStage));
        ClickButton(Driver, *Form.Panels.MenuButton);
        ASSERT_TRUE(Settled(Driver, gsInGameMenu, 120));
        EXPECT_FALSE(Form.Panels.RestartButton->Enabled) << "no restart in a bonus stage";
        const int32_t Left = Form.Bonus.Clock->RemainingMiliSecs();
        Driver.Step(20);
        EXPECT_EQ(Form.Bonus.Clock->RemainingMiliSecs(), Left) << "the menu stops the clock";
        Form.FormClose();
    }
    TTestDriver Again(Setup);
    ASSERT_TRUE(Again.Start());
    TFormMain& Form = Again.Form();
    ASSERT_TRUE(Settled(Again, gsMap));
    EXPECT_FALSE(Form.Bonus.Manager->HasBonusStage(1, 5));
    EXPECT_TRUE(Form.Bonus.Manager->HasBonusStage(1, 11));
    ClickButton(Again, *Form.Map.EnterButton);
    ASSERT_TRUE(Settled(Again, gsLevelSel));
    ClickDot(Again, 5);
    Again.Step(40);
    ClickButton(Again, *Form.Map.PlayButton);
    ASSERT_TRUE(ReachObjectiveAnnouncement(Again));
    ASSERT_EQ(Form.CurrentLevel, 5);
    ASSERT_EQ(PlayRound(Again).End, reWon);
    EXPECT_TRUE(Again.StepUntil([&] { return Form.Scene() == gsLevelSel; }, 900));
    EXPECT_NE(Form.Round.Objective, goBonusStage);
}

TEST(BonusStageRound, ADrawnFrameShowsTheClockAndTheLetterRow) {
    TTestDriverSetup Setup;
    Setup.PlayMap = true;
    TTestDriver Driver(Setup);
    ASSERT_NO_FATAL_FAILURE(StartLevelFive(Driver));
    TFormMain& Form = Driver.Form();
    WinIntoTheBonusStage(Driver);
    Driver.Click(400, 300);
    ASSERT_TRUE(Settled(Driver, gsBonusStage));
    Driver.Step(90);  // the clock has faded in, ladybugs are about
    Driver.SaveFramePng(::testing::TempDir() + "quellow-bonus-stage.png");
    // The ladybugs stay out of the picture; with and without the clock and the row.
    Form.Bonus.Animals->Visible = false;
    Driver.Step(1);
    TPicture With;
    ASSERT_TRUE(Driver.Capture(With));
    Form.Bonus.Clock->OmgImgList = nullptr;
    Form.Bonus.Letters->OmgImgList = nullptr;
    Driver.Step(1);
    TPicture Without;
    ASSERT_TRUE(Driver.Capture(Without));
    auto Changed = [&](int X0, int Y0, int X1, int Y1) {
        int Count = 0;
        for (int Y = Y0; Y < Y1; ++Y)
            for (int X = X0; X < X1; ++X) Count += With.PixelRGBA(X, Y) != Without.PixelRGBA(X, Y);
        return Count;
    };
    // The stopwatch hangs from (400, 5), 89 by 143; nothing of it lies left of it.
    EXPECT_GT(Changed(400, 5, 489, 148), 89 * 143 / 3);
    EXPECT_EQ(Changed(300, 5, 390, 148), 0);
    // The five empty slots of B O N U S glow at the bottom right.
    EXPECT_GT(Changed(600, 520, 790, 590), 500);
    EXPECT_TRUE(Driver.Messages().empty());
}
