// The menu screens' questions, each raised the way a player raises it and
// answered with the mouse: where the game is once the question has slid out,
// how dark the screen is, and what became of the saves.
#include "MenuTestSupport.h"

#include "RoundDriverClass.h"

namespace {

class MenuAnswers;

struct TAnswerCase {
    const char* Name;
    int Kind;
    bool Positive;
    std::vector<std::string> Players;
    void (*Reach)(MenuAnswers&);
    TGameSceneValues After;
    bool DarkenerFull;  // else fading out
    void (*Check)(MenuAnswers&);
};

class MenuAnswers : public MenuFixture, public ::testing::WithParamInterface<TAnswerCase> {
public:
    TFormMain& F() { return Form(); }
    void OpenPlayerList() {
        Press(Form().Menus.Main.ChangePlayerLink);
        ASSERT_TRUE(Until([&] { return Form().Menus.Players.Window.Phase() == TGameMenuWindow::phShown; }));
    }
    void ClickPlayerRow(int Slot) {
        Driver->Click(Form().NameList->Left + 40, Form().NameList->Top + (Slot - 1) * Form().NameList->VertGap + 10);
    }
    // The options with the full-screen box flipped, closed with OK.
    void FlipFullScreenInOptions(TGameMenuWindow& Window) {
        TOptionsParts& O = Form().Menus.Options;
        ASSERT_TRUE(Until([&] { return Window.Phase() == TGameMenuWindow::phShown; }));
        Driver->Click(O.FullScreenBox.Left + 10, O.FullScreenBox.Top + 10);
        Press(O.OKButton);
    }
    std::string OptionsBytes() { return ReadWholeFile(Saves() + "Options.dat"); }
};

void ReachExit(MenuAnswers& T) { T.Press(T.F().Menus.Main.ExitButton); }

void ReachDeleteOfBob(MenuAnswers& T) {
    T.OpenPlayerList();
    T.ClickPlayerRow(2);
    ASSERT_EQ(T.F().NameList->SelectedName(), "BOB");
    T.Press(T.F().Menus.Players.DeleteButton);
}

void ReachNameTaken(MenuAnswers& T) {
    T.OpenPlayerList();
    T.Press(T.F().Menus.Players.NewButton);
    ASSERT_TRUE(T.Until([&] { return T.F().AddNameWindow->Phase() == TGameMenuWindow::phShown; }));
    T.Driver->TypeText("anna");
    T.Driver->KeyDown(SDLK_RETURN);
}

void ReachFullScreenFromMenu(MenuAnswers& T) {
    T.Press(T.F().Menus.Main.OptionsButton);
    T.FlipFullScreenInOptions(T.F().Menus.Options.Window);
}

void ReachFullScreenInRound(MenuAnswers& T) {
    // The level is started as the level selection starts it.
    T.F().GameScene->SetValue(gsLevelSel);
    ASSERT_TRUE(EnterRound(*T.Driver, 1, 1));
    T.Press(*T.F().Panels.MenuButton);
    T.PressOn(*T.F().Panels.InGameMenu, *T.F().Panels.OptionsButton);
    ASSERT_EQ(T.F().Scene(), gsInGameOptions);
    T.FlipFullScreenInOptions(T.F().Menus.Options.Window);
}

// Paused by the player before the menu: the round must come back paused.
void ReachFullScreenInPausedRound(MenuAnswers& T) {
    T.F().GameScene->SetValue(gsLevelSel);
    ASSERT_TRUE(EnterRound(*T.Driver, 1, 1));
    T.Driver->KeyDown(SDLK_SPACE);
    ASSERT_TRUE(T.F().Round.Paused);
    T.Press(*T.F().Panels.MenuButton);
    T.PressOn(*T.F().Panels.InGameMenu, *T.F().Panels.OptionsButton);
    T.FlipFullScreenInOptions(T.F().Menus.Options.Window);
}

void ReachPlay(MenuAnswers& T) { T.Press(T.F().Menus.Main.PlayButton); }

void CheckStillRunning(MenuAnswers& T) { EXPECT_FALSE(T.F().Closed()); }

void CheckBobDeleted(MenuAnswers& T) {
    EXPECT_FALSE(MenuFixture::Exists(T.SaveOf("BOB")));
    EXPECT_FALSE(MenuFixture::Exists(T.Saves() + "BOB.bmp"));
    EXPECT_TRUE(MenuFixture::Exists(T.SaveOf("ANNA")));
    TNameList Saved;
    Saved.FileName = T.Saves() + "Names.dat";
    Saved.Load();
    EXPECT_EQ(Saved.NameOf(1), "ANNA");
    EXPECT_EQ(Saved.NameOf(2), "");
    // Until a player is chosen, nobody is loaded.
    EXPECT_FALSE(T.F().PlayerLoaded());
    EXPECT_EQ(T.F().LoadedPlayerName, "");
}

void CheckBobKept(MenuAnswers& T) {
    EXPECT_TRUE(MenuFixture::Exists(T.SaveOf("BOB")));
    EXPECT_TRUE(MenuFixture::Exists(T.Saves() + "BOB.bmp"));
    EXPECT_EQ(T.F().NameList->NameOf(2), "BOB");
    EXPECT_TRUE(T.F().PlayerLoaded());
}

void CheckNameEntryAgain(MenuAnswers& T) {
    EXPECT_TRUE(T.F().AddNameWindow->IsOpen());
    EXPECT_TRUE(T.F().NameInput->Entry().empty());
    EXPECT_EQ(T.F().NameList->NameOf(2), "");
}

void CheckListUnchanged(MenuAnswers& T) {
    EXPECT_FALSE(T.F().AddNameWindow->IsOpen());
    EXPECT_EQ(T.F().NameList->NameOf(1), "ANNA");
    EXPECT_EQ(T.F().NameList->NameOf(2), "");
}

void CheckWindowMode(MenuAnswers& T) {
    EXPECT_FALSE(T.F().FullScreen());
    EXPECT_FALSE(T.F().Options->FullScreen);
    EXPECT_EQ(T.OptionsBytes()[12], 0);
}

void CheckStillFullScreen(MenuAnswers& T) {
    EXPECT_TRUE(T.F().FullScreen());
    EXPECT_TRUE(T.F().Options->FullScreen);
    EXPECT_EQ(T.OptionsBytes()[12], 1);
}

void CheckRoundRunsInWindow(MenuAnswers& T) {
    CheckWindowMode(T);
    EXPECT_FALSE(T.F().Round.Paused);
    EXPECT_FALSE(T.F().Gauges.TubeTimer->Paused) << "the clock runs again";
}

void CheckRoundRunsFullScreen(MenuAnswers& T) {
    CheckStillFullScreen(T);
    EXPECT_FALSE(T.F().Round.Paused);
    EXPECT_FALSE(T.F().Gauges.TubeTimer->Paused) << "the clock runs again";
}

void CheckRoundStillPaused(MenuAnswers& T) {
    CheckWindowMode(T);
    EXPECT_TRUE(T.F().Round.Paused);
    EXPECT_TRUE(T.F().Gauges.TubeTimer->Paused);
}

void CheckRelaxedAsked(MenuAnswers& T) {
    EXPECT_TRUE(T.QuestionShowing(9));
    EXPECT_FALSE(T.F().SaveDamaged);
}

void CheckDamageKept(MenuAnswers& T) {
    EXPECT_TRUE(T.F().SaveDamaged);
    EXPECT_FALSE(T.F().SceneTransition->Active()) << "did not go on";
}

void CheckRelaxed(MenuAnswers& T, TRelaxedMode Mode) {
    EXPECT_EQ(RelaxedModeOf(T.F().PlayerProgress->Record()), Mode);
    EXPECT_EQ(T.F().Gauges.TubeTimer->RelaxedMode, Mode);
    EXPECT_TRUE(T.F().MenuImagesToFree);
    T.SkipTheIntroduction();
    EXPECT_TRUE(T.Until([&] { return T.F().Scene() == gsMap; })) << "went on to the map";
    EXPECT_EQ(T.F().OmegaImageList1.Find("MenuPanel"), nullptr) << "the menu's images went with the menu";
}

void CheckRelaxedYes(MenuAnswers& T) { CheckRelaxed(T, rmYes); }
void CheckRelaxedNo(MenuAnswers& T) { CheckRelaxed(T, rmNo); }

const std::vector<std::string> Anna{"ANNA"};
const std::vector<std::string> AnnaAndBob{"ANNA", "BOB"};

const TAnswerCase AnswerCases[] = {
    {"ExitCancel", 1, false, Anna, ReachExit, gsMenu, false, CheckStillRunning},
    {"DeleteYes", 2, true, AnnaAndBob, ReachDeleteOfBob, gsPlayerSelect, true, CheckBobDeleted},
    {"DeleteNo", 2, false, AnnaAndBob, ReachDeleteOfBob, gsPlayerSelect, true, CheckBobKept},
    {"NameTakenOK", 3, true, Anna, ReachNameTaken, gsAddPlayer, true, CheckNameEntryAgain},
    {"NameTakenCancel", 3, false, Anna, ReachNameTaken, gsPlayerSelect, true, CheckListUnchanged},
    {"FullScreenMenuOK", 4, true, Anna, ReachFullScreenFromMenu, gsMenu, false, CheckWindowMode},
    {"FullScreenMenuCancel", 4, false, Anna, ReachFullScreenFromMenu, gsMenu, false, CheckStillFullScreen},
    {"FullScreenRoundOK", 5, true, Anna, ReachFullScreenInRound, gsMainGame, false, CheckRoundRunsInWindow},
    {"FullScreenRoundCancel", 5, false, Anna, ReachFullScreenInRound, gsMainGame, false, CheckRoundRunsFullScreen},
    {"FullScreenPausedRoundOK", 5, true, Anna, ReachFullScreenInPausedRound, gsMainGame, false, CheckRoundStillPaused},
    {"DamagedOK", 8, true, Anna, ReachPlay, gsConfirmWindow, false, CheckRelaxedAsked},
    {"DamagedCancel", 8, false, Anna, ReachPlay, gsMenu, false, CheckDamageKept},
    {"RelaxedYes", 9, true, Anna, ReachPlay, gsMenu, false, CheckRelaxedYes},
    {"RelaxedNo", 9, false, Anna, ReachPlay, gsMenu, false, CheckRelaxedNo},
};

TEST_P(MenuAnswers, SceneDarkenerAndSavesAfterTheAnswer) {
    const TAnswerCase& Case = GetParam();
    BeforeStart = [&] {
        // Every player has played before; BOB has a garden picture too. A damaged save is short.
        for (const std::string& Name : Case.Players) SaveRecord(Name, InitialProgressRecord());
        WriteWholeFile(Saves() + "BOB.bmp", "BM");
        if (Case.Kind == 8) WriteWholeFile(SaveOf("ANNA"), std::string(100, '\0'));
    };
    ReachMenu(Case.Players);
    Case.Reach(*this);
    ASSERT_TRUE(Until([&] { return QuestionShowing(Case.Kind); })) << "scene " << int(Form().Scene());
    AnswerAndWait(Case.Positive);
    EXPECT_EQ(Form().Scene(), Case.After);
    const TScreenDarkener& Darkener = *Form().ScreenDarkener;
    if (Case.DarkenerFull) {
        EXPECT_TRUE(DarkenerAtFull());
    } else if (Case.After != gsConfirmWindow) {
        EXPECT_TRUE(Darkener.FadingOut());
    }
    Case.Check(*this);
}

INSTANTIATE_TEST_SUITE_P(Kinds, MenuAnswers, ::testing::ValuesIn(AnswerCases),
                         [](const ::testing::TestParamInfo<TAnswerCase>& Info) { return Info.param.Name; });

}  // namespace

namespace {

// The full-screen question's own switch takes the focus away and gives it back:
// while it shows, losing and regaining the focus must not stop the game.
TEST_F(MenuFixture, WhileTheFullScreenQuestionShowsTheFocusHooksKeepTheGameRunning) {
    ReachMenu({"ANNA"});
    Press(Form().Menus.Main.OptionsButton);
    TOptionsParts& O = Form().Menus.Options;
    ASSERT_TRUE(Until([&] { return O.Window.Phase() == TGameMenuWindow::phShown; }));
    Driver->Click(O.FullScreenBox.Left + 10, O.FullScreenBox.Top + 10);
    Press(O.OKButton);
    ASSERT_TRUE(Until([&] { return QuestionShowing(4); }));
    Form().ApplicationDeactivate();
    EXPECT_TRUE(Form().OmegaTimer1.Enabled());
    EXPECT_FALSE(Form().Timer1Enabled());
    AnswerAndWait(true);
    // Once it has gone, the hooks work as always.
    Form().ApplicationDeactivate();
    EXPECT_FALSE(Form().OmegaTimer1.Enabled());
    Form().ApplicationActivate();
    EXPECT_TRUE(Form().OmegaTimer1.Enabled());
}

}  // namespace
