// The main menu and the players, through the whole game and the mouse: Play and
// its two questions, what entering the menu does by where it is entered from,
// the player list (adding, choosing, deleting), test mode, and what closing the
// game keeps after a player was deleted.
#include "MenuTestSupport.h"

#include "HighScoresClass.h"
#include "RoundDriverClass.h"

namespace {

class MenuPlayers : public MenuFixture {
public:
    void OpenPlayerList() {
        Press(Form().Menus.Main.ChangePlayerLink);
        ASSERT_TRUE(Until([&] { return Form().Menus.Players.Window.Phase() == TGameMenuWindow::phShown; }));
    }
    void ClickPlayerRow(int Slot) {
        Driver->Click(Form().NameList->Left + 40, Form().NameList->Top + (Slot - 1) * Form().NameList->VertGap + 10);
    }
    // OK on the list, and the menu again (behind the iris when another player was chosen).
    void ChooseAndReturn() {
        Press(Form().Menus.Players.OKButton);
        ASSERT_TRUE(Until([&] { return Form().Scene() == gsMenu && !Form().SceneTransition->Active(); }));
    }
    void AddPlayer(const std::string& Name) {
        PressOn(Form().Menus.Players.Window, Form().Menus.Players.NewButton);
        ASSERT_TRUE(Until([&] { return Form().AddNameWindow->Phase() == TGameMenuWindow::phShown; }));
        Driver->TypeText(Name);
        Driver->KeyDown(SDLK_RETURN);
        ASSERT_TRUE(Until([&] { return Form().Scene() == gsPlayerSelect && Form().AddNameWindow->IsHidden(); }));
    }
    // Play, and its question when it asks one; true when the game went on toward the map.
    bool PlayWentOn() {
        Press(Form().Menus.Main.PlayButton);
        return HeadingForTheMap();
    }
    bool HeadingForTheMap() { return Form().Scene() == gsMenu && Form().SceneTransition->Active(); }
    // On the map, and back to the menu with its button.
    void BackFromTheMap() {
        SkipTheIntroduction();
        ASSERT_TRUE(Until([&] { return Form().Scene() == gsMap && !Form().SceneTransition->Active(); }));
        Press(*Form().Map.MenuButton);
        ASSERT_TRUE(Until([&] { return Form().Scene() == gsMenu && !Form().SceneTransition->Active(); }));
    }
};

TEST_F(MenuPlayers, PlayAsksAboutADamagedSaveThenTheTimerOncePerPlayer) {
    BeforeStart = [&] {
        WriteWholeFile(SaveOf("ANNA"), std::string(700, '\x01'));
        TProgressRecord Bob = InitialProgressRecord();
        Bob.MoneyTotal = 40;
        SaveRecord("BOB", Bob);
    };
    ReachMenu({"ANNA", "BOB"});
    ASSERT_TRUE(Form().SaveDamaged);
    EXPECT_FALSE(PlayWentOn());
    ASSERT_TRUE(QuestionShowing(8));
    AnswerAndWait(true);
    ASSERT_TRUE(QuestionShowing(9)) << "the timer question follows the damaged save's";
    AnswerAndWait(false);
    EXPECT_TRUE(HeadingForTheMap());
    EXPECT_EQ(Form().Gauges.TubeTimer->RelaxedMode, rmNo);
    BackFromTheMap();
    // Asked once: the next Play goes straight on, with the choice applied.
    Form().Gauges.TubeTimer->RelaxedMode = rmYes;
    EXPECT_TRUE(PlayWentOn());
    EXPECT_EQ(Form().Gauges.TubeTimer->RelaxedMode, rmNo);
    BackFromTheMap();

    // The choice is ANNA's, kept with her progress; BOB is asked for his own.
    OpenPlayerList();
    ClickPlayerRow(2);
    ChooseAndReturn();
    ASSERT_EQ(Form().LoadedPlayerName, "BOB");
    EXPECT_EQ(RelaxedModeOf(SavedRecord("ANNA")), rmNo);
    EXPECT_EQ(Form().Scoring.Money->Value(), 40);
    EXPECT_FALSE(PlayWentOn());
    EXPECT_TRUE(QuestionShowing(9));
    AnswerAndWait(true);
    EXPECT_EQ(Form().Gauges.TubeTimer->RelaxedMode, rmYes);
}

TEST_F(MenuPlayers, EnteringTheMenuByWhereItComesFrom) {
    BeforeStart = [&] {
        TProgressRecord Bob = InitialProgressRecord();
        Bob.MagicKeys = 9;
        SaveRecord("BOB", Bob);
    };
    ReachMenu({"ANNA", "BOB"});
    TMainMenuParts& M = Form().Menus.Main;
    ASSERT_TRUE(Until([&] { return M.MenuPanel.Phase() == TPanelMover::phShown; }));
    // The windows over the menu and their questions leave the panels where they are.
    const auto PanelsStayed = [&] {
        return M.MenuPanel.Phase() == TPanelMover::phShown && M.WelcomePanel.Phase() == TPanelMover::phShown;
    };
    Press(M.OptionsButton);
    PressOn(Form().Menus.Options.Window, Form().Menus.Options.OKButton);
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsMenu; }));
    EXPECT_TRUE(PanelsStayed());
    Press(M.HighScoresButton);
    PressOn(Form().Menus.HighScores.Window, Form().Menus.HighScores.OKButton);
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsMenu; }));
    EXPECT_TRUE(PanelsStayed());
    Press(M.ExitButton);
    ASSERT_TRUE(Until([&] { return QuestionShowing(1); }));
    AnswerAndWait(false);
    EXPECT_TRUE(PanelsStayed());
    Press(M.OptionsButton);
    PressOn(Form().Menus.Options.Window, Form().Menus.Options.CreditsButton);
    PressOn(Form().Menus.Credits.Window, Form().Menus.Credits.DoneButton);
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsMenu; }));
    EXPECT_TRUE(PanelsStayed());

    // The same player chosen again: straight back, the progress in memory not read again.
    OpenPlayerList();
    // The keys held belong to the magic key, which hands its count to every save.
    Form().Tools.MagicKey->SetCount(5);
    Press(Form().Menus.Players.OKButton);
    EXPECT_FALSE(Form().SceneTransition->Active());
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsMenu; }));
    EXPECT_EQ(Form().Tools.MagicKey->Count(), 5);
    EXPECT_TRUE(PanelsStayed());

    // Another player: the iris hides the panels, BOB is read, the panels come back.
    OpenPlayerList();
    ClickPlayerRow(2);
    Press(Form().Menus.Players.OKButton);
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsMenu; }));
    EXPECT_EQ(Form().LoadedPlayerName, "BOB");
    EXPECT_EQ(Form().PlayerProgress->Record().MagicKeys, 9);
    EXPECT_EQ(Form().Tools.MagicKey->Count(), 9);
    EXPECT_EQ(M.MenuPanel.Phase(), TPanelMover::phShowing);
    EXPECT_EQ(Form().Options->PlayerIndex, 2);
    EXPECT_EQ(SavedRecord("ANNA").MagicKeys, 5) << "ANNA's progress was kept when the list opened";
}

TEST_F(MenuPlayers, NewAndDeleteFollowTheListAndDeletingSlotTwoOfFourTakesItsFiles) {
    BeforeStart = [&] {
        for (const char* Name : {"ANNA", "BOB", "CARL", "DORA"}) SaveRecord(Name, InitialProgressRecord());
        WriteWholeFile(Saves() + "BOB.bmp", "BM");
    };
    ReachMenu({"ANNA", "BOB", "CARL", "DORA"});
    OpenPlayerList();
    TPlayerSelectParts& P = Form().Menus.Players;
    EXPECT_TRUE(P.NewButton.Enabled);
    EXPECT_TRUE(P.DeleteButton.Enabled);
    ClickPlayerRow(2);
    Press(P.DeleteButton);
    ASSERT_TRUE(Until([&] { return QuestionShowing(2); }));
    Answer(true);
    // Gone on the press itself.
    EXPECT_FALSE(Exists(SaveOf("BOB")));
    EXPECT_FALSE(Exists(Saves() + "BOB.bmp"));
    for (const char* Name : {"ANNA", "CARL", "DORA"}) EXPECT_TRUE(Exists(SaveOf(Name))) << Name;
    const char* const Left[] = {"ANNA", "CARL", "DORA", "", "", ""};
    for (int Slot = 1; Slot <= 6; ++Slot) EXPECT_EQ(Form().NameList->NameOf(Slot), Left[Slot - 1]) << Slot;
    EXPECT_EQ(Form().NameList->Selected(), 2);
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsPlayerSelect; }));

    // A full list cannot take a new name.
    AddPlayer("eve");
    AddPlayer("finn");
    AddPlayer("gus");
    EXPECT_EQ(Form().NameList->NameOf(6), "GUS");
    EXPECT_FALSE(P.NewButton.Enabled);
    Press(P.NewButton);
    Driver->Step(5);
    EXPECT_EQ(Form().Scene(), gsPlayerSelect);

    // Deleting everyone leaves Delete off; OK then plays on with the default name.
    for (int I = 0; I < 6; ++I) {
        PressOn(P.Window, P.DeleteButton);
        ASSERT_TRUE(Until([&] { return QuestionShowing(2); }));
        AnswerAndWait(true);
        EXPECT_TRUE(P.NewButton.Enabled);
    }
    EXPECT_TRUE(Form().NameList->IsEmpty());
    EXPECT_FALSE(P.DeleteButton.Enabled);
    ChooseAndReturn();
    const std::string DefaultName = TNameList::NormalizedName(Form().TextStrings->DefaultPlayerName());
    EXPECT_EQ(Form().NameList->NameOf(1), DefaultName);
    EXPECT_EQ(Form().LoadedPlayerName, DefaultName);
    EXPECT_TRUE(Form().PlayerLoaded());
}

TEST_F(MenuPlayers, AfterADeleteClosingOffersNoScoreAndSavesNothing) {
    BeforeStart = [&] {
        TProgressRecord Anna = InitialProgressRecord();
        Anna.ScoreTotal = 7000;
        SaveRecord("ANNA", Anna);
    };
    ReachMenu({"ANNA", "BOB"});
    OpenPlayerList();  // ANNA's score is offered and kept here, as the player changes
    ASSERT_EQ(Form().NameList->SelectedName(), "ANNA");
    Press(Form().Menus.Players.DeleteButton);
    ASSERT_TRUE(Until([&] { return QuestionShowing(2); }));
    AnswerAndWait(true);
    ASSERT_EQ(Form().NameList->SelectedName(), "BOB");
    // ANNA's 7000 are still in memory: closing now must credit them to nobody and keep nothing.
    Form().FormClose();
    THighScores Saved;
    Saved.NormalModeFileName = Saves() + "HighScores.dat";
    Saved.Load();
    for (int Place = 1; Place <= HighScorePlaceCount; ++Place) EXPECT_NE(Saved.Entry(Place).Name, "BOB") << Place;
    EXPECT_FALSE(Exists(SaveOf("BOB")));
    EXPECT_FALSE(Exists(SaveOf("ANNA")));
}

TEST_F(MenuPlayers, TheTestModeCodeTakesEffectAtTheFirstPlayOnly) {
    ReachMenu({"ANNA"});
    OpenPlayerList();
    PressOn(Form().Menus.Players.Window, Form().Menus.Players.NewButton);
    ASSERT_TRUE(Until([&] { return Form().AddNameWindow->Phase() == TGameMenuWindow::phShown; }));
    Driver->TypeText("gold key");
    Driver->KeyDown(SDLK_RETURN);
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsPlayerSelect && Form().AddNameWindow->IsHidden(); }));
    EXPECT_TRUE(DarkenerAtFull());
    EXPECT_EQ(Form().NameList->NameOf(2), "") << "no player is added";
    EXPECT_TRUE(Form().Menus.TestModePending);
    ChooseAndReturn();
    EXPECT_EQ(Form().Scoring.Money->Value(), 0) << "nothing happens before Play";

    EXPECT_FALSE(PlayWentOn());
    ASSERT_TRUE(QuestionShowing(9));
    AnswerAndWait(false);
    EXPECT_EQ(Form().Scoring.Money->Value(), 250000);
    EXPECT_FALSE(Form().Menus.TestModePending);
    // Every level that has a file is played, in one second.
    BackFromTheMap();
    EXPECT_EQ(Form().Map.LevelDots->Dot(1, 2).BestTime, 1);
    Form().Scoring.Money->Set(12);
    EXPECT_TRUE(PlayWentOn());
    EXPECT_EQ(Form().Scoring.Money->Value(), 12) << "once only";
    BackFromTheMap();

    // Every level started while the flags are on has all three tools and objectives of one.
    for (int32_t Level : {1, 2}) {
        Form().GameScene->SetValue(gsLevelSel);
        ASSERT_TRUE(EnterRound(*Driver, 1, Level));
        const TLevelStart& Start = Form().RoundLevel.Start;
        EXPECT_TRUE(Start.Tools.Broom && Start.Tools.MagicKey && Start.Tools.Aerosol) << Level;
        EXPECT_EQ(Start.Values.FruitCountTarget, 1) << Level;
    }
}

}  // namespace
