// The round's flow through the main form, headless, as a player meets it: the
// announcement before play, the pause, the in-game menu and its questions, the
// one way a round is cleared, time running out, and what a won round keeps.
#include <gtest/gtest.h>

#include <filesystem>

#include "FoldersClass.h"
#include "ProgressRecordClass.h"
#include "RandomClass.h"
#include "RoundDriverClass.h"
#include "SaveFileClass.h"
#include "TestDriverClass.h"
#include "TestSupport.h"

namespace {

TPoint Centre(const TGameButton& Button) { return {Button.Left + Button.Width / 2, Button.Top + Button.Height / 2}; }

class RoundFlow : public ::testing::Test {
protected:
    void SetUp() override {
        SetRandomSeedSource([] { return uint64_t{7}; });
        TTestDriverSetup Setup;
        Setup.Headless = true;
        Driver = std::make_unique<TTestDriver>(Setup);
        ASSERT_TRUE(Driver->Start());
        Form().GameScene->SetValue(gsLevelSel);
    }
    void TearDown() override { SetRandomSeedSource({}); }
    TFormMain& Form() { return Driver->Form(); }
    bool Until(const std::function<bool()>& Condition, int MaxFrames = 3000) {
        return Driver->StepUntil(Condition, MaxFrames);
    }
    bool Resting() {
        return Form().Scene() == gsObjectiveInfo && !Form().SceneTransition->IsCovering() &&
               Form().Gauges.ObjectiveInfo->Phase() == TObjectiveInfo::ipShowing;
    }
    void Click(TPoint P) { Driver->Click(P.X, P.Y); }
    // Waits for a window to rest and presses one of its buttons.
    void Press(TGameMenuWindow& Window, const TGameButton& Button) {
        ASSERT_TRUE(Until([&] { return Window.Phase() == TGameMenuWindow::phShown; }));
        Click(Centre(Button));
    }
    std::unique_ptr<TTestDriver> Driver;
};

TEST_F(RoundFlow, TheAnnouncementComesFirstAndTheClockWaitsUntilItHasHidden) {
    ASSERT_TRUE(Form().StartLevel(1, 1));
    ASSERT_TRUE(ReachObjectiveAnnouncement(*Driver));
    // The first press the iris lets through finds the panel still rising: it does nothing.
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsObjectiveInfo && !Form().SceneTransition->IsCovering(); }));
    ASSERT_EQ(static_cast<int>(Form().Gauges.ObjectiveInfo->Phase()), static_cast<int>(TObjectiveInfo::ipRising));
    Click({445, 320});
    Driver->Step();
    EXPECT_NE(Form().Gauges.ObjectiveInfo->Phase(), TObjectiveInfo::ipLeaving);
    ASSERT_TRUE(Until([&] { return Resting(); }));
    // The tube slides in and fills under the announcement, then waits.
    ASSERT_TRUE(Until([&] { return Form().Gauges.TubeTimer->Running(); }));
    ASSERT_EQ(Form().Scene(), gsObjectiveInfo);
    Driver->Step(20);
    EXPECT_EQ(Form().Gauges.TubeTimer->ElapsedMiliSecs(), 0) << "filled, but not running under the announcement";
    Click({445, 320});
    Driver->Step();
    EXPECT_EQ(Form().Gauges.ObjectiveInfo->Phase(), TObjectiveInfo::ipLeaving);
    EXPECT_EQ(Form().Comments.Round().CommentType(), coGo);
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsMainGame; }));
    EXPECT_FALSE(Form().Round.Clocks.Any());
    const int32_t Before = Form().Gauges.TubeTimer->ElapsedMiliSecs();
    Driver->Step(10);
    EXPECT_EQ(Form().Gauges.TubeTimer->ElapsedMiliSecs(), Before + 300);
}

TEST_F(RoundFlow, SpacePausesOncePerPressHidingTheBoardAndStoppingTheClock) {
    ASSERT_TRUE(EnterRound(*Driver, 1, 1));
    ASSERT_TRUE(Until([&] { return Form().Gauges.TubeTimer->Running(); }));
    Driver->KeyDown(SDLK_SPACE);
    EXPECT_TRUE(Form().Round.Paused);
    EXPECT_FALSE(Form().GameBoard->Visible);
    // A held key repeats, and the press's own text arrives too: neither counts again.
    SDL_Event Repeat{};
    Repeat.type = SDL_KEYDOWN;
    Repeat.key.keysym.sym = SDLK_SPACE;
    Repeat.key.repeat = 1;
    Driver->SendEvent(Repeat);
    Driver->TypeText(" ");
    EXPECT_TRUE(Form().Round.Paused);
    const int32_t Frozen = Form().Gauges.TubeTimer->ElapsedMiliSecs();
    Driver->Step(100);
    EXPECT_EQ(Form().Gauges.TubeTimer->ElapsedMiliSecs(), Frozen);
    Driver->KeyDown(SDLK_SPACE);
    EXPECT_FALSE(Form().Round.Paused);
    EXPECT_TRUE(Form().GameBoard->Visible);
    Driver->Step(10);
    EXPECT_EQ(Form().Gauges.TubeTimer->ElapsedMiliSecs(), Frozen + 300);
}

TEST_F(RoundFlow, TheMenuPausesAndResumeGivesThePlayerTheirOwnPauseBack) {
    ASSERT_TRUE(EnterRound(*Driver, 1, 1));
    // Paused before the menu: still paused after it.
    Driver->KeyDown(SDLK_SPACE);
    Driver->KeyDown(SDLK_ESCAPE);
    EXPECT_EQ(Form().Scene(), gsInGameMenu);
    Press(*Form().Panels.InGameMenu, *Form().Panels.ResumeButton);
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsMainGame; }));
    EXPECT_TRUE(Form().Round.Paused);
    // Not paused before it: running again.
    Driver->KeyDown(SDLK_SPACE);
    Click(Centre(*Form().Panels.MenuButton));
    ASSERT_EQ(Form().Scene(), gsInGameMenu);
    EXPECT_TRUE(Form().Round.Paused);
    Press(*Form().Panels.InGameMenu, *Form().Panels.ResumeButton);
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsMainGame; }));
    EXPECT_FALSE(Form().Round.Paused);
    EXPECT_FALSE(Form().Round.Clocks.Any());
}

TEST_F(RoundFlow, RestartReadsTheLevelAgainAndResetsTheRound) {
    ASSERT_TRUE(EnterRound(*Driver, 1, 2));
    Form().Scoring.Score->Add(300);
    Form().Round.LevelScore = 300;
    Driver->Step(50);
    Driver->KeyDown(SDLK_ESCAPE);
    Press(*Form().Panels.InGameMenu, *Form().Panels.RestartButton);
    ASSERT_TRUE(ReachObjectiveAnnouncement(*Driver));
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsObjectiveInfo && !Form().SceneTransition->Active(); }));
    EXPECT_EQ(Form().Round.LevelScore, 0);
    EXPECT_EQ(Form().Gauges.TubeTimer->ElapsedSeconds(), Form().Gauges.TubeTimer->Time) << "the gauge is empty again";
    EXPECT_TRUE(Form().Round.Clocks.Has(prAnnouncement));
    EXPECT_FALSE(Form().Round.Paused);
}

TEST_F(RoundFlow, AMenuOpenedUnderTheAnnouncementLeavesTheClockToIt) {
    ASSERT_TRUE(Form().StartLevel(1, 1));
    ASSERT_TRUE(ReachObjectiveAnnouncement(*Driver));
    ASSERT_TRUE(Until([&] { return Resting(); }));
    Click(Centre(*Form().Panels.MenuButton));
    ASSERT_EQ(Form().Scene(), gsInGameMenu);
    EXPECT_EQ(Form().OverlayBackgroundScene, gsObjectiveInfo);
    Press(*Form().Panels.InGameMenu, *Form().Panels.ResumeButton);
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsObjectiveInfo; }));
    ASSERT_TRUE(Until([&] { return Form().Gauges.TubeTimer->Running(); }));
    ASSERT_EQ(Form().Scene(), gsObjectiveInfo);
    Driver->Step(30);
    EXPECT_EQ(Form().Gauges.TubeTimer->ElapsedMiliSecs(), 0) << "the announcement still holds the clock";
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsMainGame; }, 400)) << "it hides by itself";
}

TEST_F(RoundFlow, TheAnnouncementHidingUnderTheMenuLeavesTheRoundBehindIt) {
    ASSERT_TRUE(Form().StartLevel(1, 1));
    ASSERT_TRUE(ReachObjectiveAnnouncement(*Driver));
    ASSERT_TRUE(Until([&] { return Resting(); }));
    // Skipped, then the menu at once: the panel finishes hiding while the menu is up.
    Click({445, 320});
    Click(Centre(*Form().Panels.MenuButton));
    ASSERT_EQ(Form().Scene(), gsInGameMenu);
    Press(*Form().Panels.InGameMenu, *Form().Panels.RestartButton);
    ASSERT_TRUE(ReachObjectiveAnnouncement(*Driver));
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsObjectiveInfo && !Form().SceneTransition->Active(); }))
        << "a pressed restart is never lost";
}

TEST_F(RoundFlow, TheMapQuestionLeavesOnOkAndReturnsToTheRoundOnCancel) {
    ASSERT_TRUE(EnterRound(*Driver, 1, 1));
    Driver->KeyDown(SDLK_ESCAPE);
    Press(*Form().Panels.InGameMenu, *Form().Panels.ToMapButton);
    ASSERT_EQ(Form().Scene(), gsConfirmWindow);
    EXPECT_EQ(Form().ConfirmWindow->Kind(), 6);
    Press(Form().ConfirmWindow->Window(), Form().ConfirmWindow->NegativeButton());
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsMainGame; }));
    EXPECT_FALSE(Form().Round.Paused);
    EXPECT_FALSE(Form().Round.Clocks.Any());

    Driver->KeyDown(SDLK_ESCAPE);
    Press(*Form().Panels.InGameMenu, *Form().Panels.ToMapButton);
    Press(Form().ConfirmWindow->Window(), Form().ConfirmWindow->PositiveButton());
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsMap; }));
}

TEST_F(RoundFlow, ClosingAsksInTheRoundOnlyAndCancelResumes) {
    ASSERT_TRUE(EnterRound(*Driver, 1, 1));
    EXPECT_FALSE(Form().FormCloseQuery());
    ASSERT_EQ(Form().Scene(), gsConfirmWindow);
    EXPECT_EQ(Form().ConfirmWindow->Kind(), 7);
    EXPECT_TRUE(Form().Round.Paused);
    Press(Form().ConfirmWindow->Window(), Form().ConfirmWindow->NegativeButton());
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsMainGame; }));
    EXPECT_FALSE(Form().Round.Paused);
    // Under the announcement the window closes at once.
    ASSERT_TRUE(Form().StartLevel(1, 1));
    ASSERT_TRUE(ReachObjectiveAnnouncement(*Driver));
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsObjectiveInfo; }));
    EXPECT_TRUE(Form().FormCloseQuery());
}

TEST_F(RoundFlow, TwoGaugesCompletingInOneFrameClearTheRoundOnce) {
    ASSERT_TRUE(EnterRound(*Driver, 1, 1));
    int Clears = 0;
    Form().LockersAwayEffect->OnAboutSpreading = [&](TObject*) { ++Clears; };
    Form().ObjectiveMet();
    Form().ObjectiveMet();
    EXPECT_EQ(Form().Scene(), gsRoundClear);
    EXPECT_TRUE(Form().Round.RoundOver);
    EXPECT_FALSE(Form().GameBoard->CanMatch);
    EXPECT_EQ(Form().Comments.Round().CommentType(), coGameRoundClear);
    // The clear comment waves, the lockers fly away, the result slides in and, untouched,
    // slides out again after its 15 seconds: the round is left.
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsStageResult; }));
    EXPECT_EQ(Clears, 1);
    ASSERT_TRUE(Until([&] { return Form().Results.Window->Phase() == TGameMenuWindow::phShown; }));
    const int64_t Shown = Form().FramesRun();
    ASSERT_TRUE(Until([&] { return Form().Results.Window->Phase() == TGameMenuWindow::phHiding; }, 700));
    EXPECT_EQ(Form().FramesRun() - Shown, 15000 / 30);
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsLevelSel; }));
}

TEST_F(RoundFlow, TimeUpLetsTheBoardFallAndAsksToPlayAgain) {
    ASSERT_TRUE(EnterRound(*Driver, 1, 6));  // a clear-tiles level: its frames fly out at time up
    int Warnings = 0;
    const auto Warn = Form().Gauges.TubeTimer->OnAlmostTimeUp;
    Form().Gauges.TubeTimer->OnAlmostTimeUp = [&](TObject* Sender) {
        ++Warnings;
        Warn(Sender);
    };
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsTimeUp; }, 6000));
    EXPECT_EQ(Warnings, 1);
    EXPECT_TRUE(Form().Round.TimeUp);
    EXPECT_FALSE(Form().GameBoard->CanDraw);
    EXPECT_EQ(Form().Comments.Round().CommentType(), coTimeUp);
    // Nothing can end the round a second time now.
    Form().ObjectiveMet();
    EXPECT_EQ(Form().Scene(), gsTimeUp);
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsConfirmWindow; }));
    EXPECT_EQ(Form().ConfirmWindow->Kind(), 0);
    Press(Form().ConfirmWindow->Window(), Form().ConfirmWindow->PositiveButton());
    ASSERT_TRUE(ReachObjectiveAnnouncement(*Driver));
    EXPECT_FALSE(Form().Round.TimeUp) << "Yes plays the level again";

    ASSERT_TRUE(SkipAnnouncement(*Driver));
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsConfirmWindow; }, 6000));
    Press(Form().ConfirmWindow->Window(), Form().ConfirmWindow->NegativeButton());
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsLevelSel; })) << "No leaves the round";
}

TEST_F(RoundFlow, ADeadBoardAfterTheClearChangesNothing) {
    ASSERT_TRUE(EnterRound(*Driver, 1, 1));
    Form().ObjectiveMet();
    ASSERT_EQ(Form().Comments.Round().CommentType(), coGameRoundClear);
    Form().GameBoard->OnNoMoreMoves(Form().GameBoard.get());
    EXPECT_EQ(Form().Comments.Round().CommentType(), coGameRoundClear);
    EXPECT_FALSE(Form().BoardEffects.ShuffleAway->Active());
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsStageResult; })) << "the lockers still fly away";
}

TEST_F(RoundFlow, ADeadBoardIsShuffledWithTheCommentAndPlayGoesOn) {
    ASSERT_TRUE(EnterRound(*Driver, 1, 2));
    ASSERT_TRUE(Until([&] { return Form().GameBoard->IsSettled(); }));
    Form().GameBoard->OnNoMoreMoves(Form().GameBoard.get());
    EXPECT_EQ(Form().Comments.Round().CommentType(), coNoMoreMoves);
    EXPECT_TRUE(Form().BoardEffects.ShuffleAway->Active());
    EXPECT_FALSE(Form().GameBoard->CanDraw);
    ASSERT_TRUE(Until([&] { return !Form().BoardEffects.ShuffleAway->Active(); }));
    EXPECT_TRUE(Form().GameBoard->CanDraw);
    EXPECT_TRUE(Form().GameBoard->MovesExist());
}

TEST_F(RoundFlow, AShuffleButtonThatIsNotFullOnlySaysSo) {
    ASSERT_TRUE(EnterRound(*Driver, 1, 1));
    const TBoardData Before = Form().GameBoard->BoardData();
    Click({Form().Panels.ShuffleButton->Left + 40, Form().Panels.ShuffleButton->Top + 40});
    Driver->Step();
    EXPECT_FALSE(Form().BoardEffects.ShuffleAway->Active());
    EXPECT_EQ(Form().GameBoard->BoardData(), Before);
}

TEST(RoundEndToEnd, ARoundOfOneOhOnePlaysTheSameTwiceAndCountsEveryLandedFruit) {
    TRoundResult Results[2];
    for (TRoundResult& Result : Results) {
        TTestDriverSetup Setup;
        Setup.Headless = true;
        TTestDriver Driver(Setup);
        ASSERT_TRUE(Driver.Start());
        TFormMain& Form = Driver.Form();
        int Landed = 0, Full = 0, ComboPoints = 0;
        TRoundDriver Round(Driver);
        const auto Ground = Form.FallingFruits->OnGroundHit;
        Form.FallingFruits->OnGroundHit = [&](TObject* Sender, int32_t Colour, int32_t Column) {
            ++Landed;
            Ground(Sender, Colour, Column);
        };
        const auto OnFull = Form.Gauges.ProgressTube->OnFull;
        Form.Gauges.ProgressTube->OnFull = [&](TObject* Sender) {
            ++Full;
            OnFull(Sender);
        };
        const auto Combo = Form.Scoring.Combos->OnAComboArrive;
        Form.Scoring.Combos->OnAComboArrive = [&](TObject* Sender, TComboItemKind Kind, uint8_t Count, TPoint Pos) {
            if (!Form.Round.RoundOver) ComboPoints += Form.Scoring.Combos->AwardOf(Kind, Count).Points;
            Combo(Sender, Kind, Count, Pos);
        };
        ASSERT_TRUE(Round.Start(1, 1, 21));
        Result = Round.Play();
        ASSERT_EQ(Result.End, reWon);
        EXPECT_EQ(Full, 1);
        EXPECT_EQ(Result.LevelScore, 3 * Landed);
        EXPECT_EQ(Result.Score, Result.LevelScore + ComboPoints);
    }
    EXPECT_EQ(Results[0].Seconds, Results[1].Seconds);
    EXPECT_EQ(Results[0].Score, Results[1].Score);
    EXPECT_EQ(Results[0].Money, Results[1].Money);
    EXPECT_EQ(Results[0].Frames, Results[1].Frames);
}

// --- What a won round keeps --------------------------------------------------------

class WonRound : public ::testing::Test {
protected:
    void SetUp() override {
        TTestDriverSetup Setup;
        Setup.Headless = true;
        Driver = std::make_unique<TTestDriver>(Setup);
        Driver->WritePlayerList({"Ana"});
        ASSERT_TRUE(Driver->Start());
        Driver->Form().LoadSelectedPlayer();
    }
    TRoundResult Win(uint64_t Seed, int32_t Delay) {
        TRoundDriver Round(*Driver);
        EXPECT_TRUE(Round.Start(1, 1, Seed));
        TRoundPlayOptions Options;
        Options.MoveDelayFrames = Delay;
        return Round.Play(Options);
    }
    TProgressRecord SavedRecord() {
        TProgressRecord Record;
        const std::string Bytes = ReadWholeFile(SaveFile());
        EXPECT_TRUE(DecodeProgressRecord(
            std::span<const uint8_t>(reinterpret_cast<const uint8_t*>(Bytes.data()), Bytes.size()), Record));
        return Record;
    }
    // Names are kept in capitals.
    std::string SaveFile() const { return SaveFolder + Driver->Form().LoadedPlayerName + ".sav"; }
    std::unique_ptr<TTestDriver> Driver;
};

TEST_F(WonRound, TheWinWritesTheBestTimeAndMoneyAndASlowerWinKeepsTheBest) {
    const TRoundResult First = Win(3, 0);
    ASSERT_EQ(First.End, reWon);
    ASSERT_EQ(First.Medal, mdGold);
    TProgressRecord Record = SavedRecord();
    EXPECT_EQ(Record.BestTimes[0][0], First.Seconds);
    EXPECT_EQ(Record.MoneyTotal % 10, 0);
    EXPECT_GE(Record.MoneyTotal, 1050) << "a normal gold level pays 1050 and its combos";
    EXPECT_EQ(Record.ScoreTotal, First.Score);

    // A slow second win: the best time stays, the new medal is paid.
    const int32_t MoneyBefore = Record.MoneyTotal;
    const TRoundResult Slow = Win(3, 150);
    ASSERT_EQ(Slow.End, reWon);
    ASSERT_GT(Slow.Seconds, First.Seconds);
    Record = SavedRecord();
    EXPECT_EQ(Record.BestTimes[0][0], First.Seconds);
    const int32_t Paid = Record.MoneyTotal - MoneyBefore;
    const int32_t Expected = Slow.Medal == mdGold ? 1050 : Slow.Medal == mdSilver ? 997 : 893;
    EXPECT_GE(Paid, Expected - 10);
}

TEST(WonRoundWithoutPlayer, NothingIsWrittenWithNoPlayerLoaded) {
    TTestDriverSetup Setup;
    Setup.Headless = true;
    TTestDriver Driver(Setup);
    ASSERT_TRUE(Driver.Start());
    TRoundDriver Round(Driver);
    ASSERT_TRUE(Round.Start(1, 1, 3));
    ASSERT_EQ(Round.Play().End, reWon);
    for (const auto& Entry : std::filesystem::directory_iterator(SaveFolder))
        EXPECT_NE(Entry.path().extension(), ".sav") << Entry.path();
}

TEST_F(WonRound, AnUnwritableSaveIsToldOnceAndTheGameGoesOn) {
    // The player's file is a folder now: no save can replace it.
    std::filesystem::remove(SaveFile());
    std::filesystem::create_directory(SaveFile());
    const size_t Before = Driver->Messages().size();
    ASSERT_EQ(Win(3, 0).End, reWon);
    EXPECT_EQ(Driver->Messages().size(), Before + 1);
    ASSERT_EQ(Win(4, 0).End, reWon);
    EXPECT_EQ(Driver->Messages().size(), Before + 1) << "a second failing save tells nothing more";
}

}  // namespace
