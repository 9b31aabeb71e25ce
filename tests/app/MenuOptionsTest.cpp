// The options, the help and the credits through the whole game and the mouse:
// volumes heard at once and kept by OK, the full-screen key over an open
// options window, and the round's way to the options, the help and the credits
// and back, its pause kept as the player left it.
#include "MenuTestSupport.h"

#include "GameOptionsClass.h"
#include "RoundDriverClass.h"

namespace {

class MenuOptions : public MenuFixture {
public:
    void OpenOptions() {
        Press(Form().Menus.Main.OptionsButton);
        ASSERT_TRUE(Until([&] { return Form().Menus.Options.Window.Phase() == TGameMenuWindow::phShown; }));
    }
    void ClickBox(const TGameCheckBox& Box) { Driver->Click(Box.Left + 10, Box.Top + 10); }
    std::string OptionsBytes() { return ReadWholeFile(Saves() + "Options.dat"); }
    static int32_t IntAt(const std::string& Bytes, size_t Offset) {
        int32_t V = 0;
        for (int I = 3; I >= 0; --I) V = V * 256 + static_cast<uint8_t>(Bytes[Offset + I]);
        return V;
    }
    // A round of island 1, started as the level selection starts it.
    void EnterTheRound() {
        Form().GameScene->SetValue(gsLevelSel);
        ASSERT_TRUE(EnterRound(*Driver, 1, 1));
    }
    void OpenInGameMenu() {
        Press(*Form().Panels.MenuButton);
        ASSERT_TRUE(Until([&] { return Form().Panels.InGameMenu->Phase() == TGameMenuWindow::phShown; }));
    }
};

TEST_F(MenuOptions, VolumesAreHeardAtOnceKeptWithinRangeAndSavedByOK) {
    BeforeStart = [&] {
        TGameOptions Saved;
        Saved.SaveFilePath = Saves();
        std::filesystem::create_directories(Saves());
        Saved.SFXVolume = 95;
        Saved.MusicVolume = 5;
        Saved.Save();
    };
    ReachMenu({"ANNA"});
    OpenOptions();
    TOptionsParts& O = Form().Menus.Options;
    EXPECT_TRUE(O.SoundBox.Checked && O.MusicBox.Checked && O.FullScreenBox.Checked && O.TutorialBox.Checked);
    EXPECT_EQ(O.EffectBar.Position(), 95);
    EXPECT_EQ(O.EffectBar.ShownFillWidth(), O.EffectBar.TargetFillWidth()) << "filled at once";

    Press(O.EffectPlusButton);
    EXPECT_EQ(O.EffectBar.Position(), 100);
    EXPECT_EQ(Form().SFXPlayer->Volume(), 100);
    Press(O.EffectPlusButton);
    EXPECT_EQ(O.EffectBar.Position(), 100);
    Press(O.MusicMinusButton);
    Press(O.MusicMinusButton);
    EXPECT_EQ(O.MusicBar.Position(), 0);
    EXPECT_EQ(Form().MusicBox->Volume(), 0);

    // A box switches its sound off at once; a volume button switches it on again.
    ClickBox(O.SoundBox);
    EXPECT_FALSE(O.SoundBox.Checked);
    EXPECT_FALSE(O.EffectBar.Enabled);
    EXPECT_EQ(Form().SFXPlayer->Volume(), 0);
    Press(O.EffectMinusButton);
    EXPECT_TRUE(O.SoundBox.Checked);
    EXPECT_TRUE(O.EffectBar.Enabled);
    EXPECT_EQ(Form().SFXPlayer->Volume(), 90);
    ClickBox(O.MusicBox);
    ClickBox(O.TutorialBox);
    EXPECT_EQ(IntAt(OptionsBytes(), 4), 95) << "nothing is kept before OK";

    Press(O.OKButton);
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsMenu; }));
    const std::string Bytes = OptionsBytes();
    ASSERT_EQ(Bytes.size(), 16u);
    EXPECT_EQ(Bytes[0], 1) << "sound";
    EXPECT_EQ(Bytes[1], 0) << "music";
    EXPECT_EQ(IntAt(Bytes, 4), 90);
    EXPECT_EQ(IntAt(Bytes, 8), 0);
    EXPECT_EQ(Bytes[12], 1) << "full screen";
    EXPECT_EQ(Bytes[13], 1) << "player";
    EXPECT_FALSE(Form().Story.Tutorial.Enabled);
    ASSERT_TRUE(Form().SaveProgress());
    EXPECT_EQ(SavedRecord("ANNA").TutorialEnabled, 0) << "the player's own choice, saved with her progress";
    EXPECT_EQ(Form().SFXPlayer->Volume(), 90);
    EXPECT_EQ(Form().MusicBox->Volume(), 0);
}

TEST_F(MenuOptions, TheFullScreenKeyOverTheOptionsTicksTheirBoxSoOKAsksNothing) {
    ReachMenu({"ANNA"});
    ASSERT_TRUE(Form().FullScreen());
    OpenOptions();
    Driver->KeyDown(SDLK_F11);
    EXPECT_FALSE(Form().FullScreen());
    EXPECT_FALSE(Form().Menus.Options.FullScreenBox.Checked);
    Press(Form().Menus.Options.OKButton);
    ASSERT_TRUE(Until([&] { return Form().Scene() != gsOptions; }));
    EXPECT_EQ(Form().Scene(), gsMenu) << "no question";
    EXPECT_EQ(OptionsBytes()[12], 0);
}

TEST_F(MenuOptions, TheRoundsOptionsHelpAndCreditsReturnToItAsThePlayerLeftIt) {
    ReachMenu({"ANNA"});
    EnterTheRound();

    // Paused before the menu: the options' OK brings the round back still paused.
    Driver->KeyDown(SDLK_SPACE);
    ASSERT_TRUE(Form().Round.Paused);
    OpenInGameMenu();
    Press(*Form().Panels.OptionsButton);
    EXPECT_EQ(Form().Scene(), gsInGameOptions);
    PressOn(Form().Menus.Options.Window, Form().Menus.Options.OKButton);
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsMainGame; }));
    EXPECT_TRUE(Form().Round.Paused);
    Driver->KeyDown(SDLK_SPACE);
    ASSERT_FALSE(Form().Round.Paused);

    // The menu opens again; its help leads straight back, the pause lifted.
    OpenInGameMenu();
    Press(*Form().Panels.HelpButton);
    EXPECT_EQ(Form().Scene(), gsHelp);
    EXPECT_NE(Form().OmegaImageList1.Find("Help2"), nullptr);
    Driver->Step(5);
    Press(Form().Menus.Help.DoneButton);
    EXPECT_EQ(Form().Scene(), gsMainGame);
    EXPECT_FALSE(Form().SceneTransition->Active());
    EXPECT_FALSE(Form().Round.Paused);
    EXPECT_FALSE(Form().Gauges.TubeTimer->Paused);
    EXPECT_EQ(Form().OmegaImageList1.Find("Help2"), nullptr) << "the pages go with the help";

    // The credits from the round's options return to the round, not to the options.
    OpenInGameMenu();
    Press(*Form().Panels.OptionsButton);
    PressOn(Form().Menus.Options.Window, Form().Menus.Options.CreditsButton);
    EXPECT_EQ(Form().Scene(), gsCredits);
    PressOn(Form().Menus.Credits.Window, Form().Menus.Credits.DoneButton);
    ASSERT_TRUE(Until([&] { return Form().Scene() != gsCredits; }));
    EXPECT_EQ(Form().Scene(), gsMainGame);
    EXPECT_FALSE(Form().Round.Paused);
    EXPECT_TRUE(Form().Menus.Options.Window.IsHidden());
}

TEST_F(MenuOptions, HelpFromTheMenuLoadsItsPagesTurnsThemAndGoesBackBehindTheIris) {
    ReachMenu({"ANNA"});
    Press(Form().Menus.Main.HelpButton);
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsHelp && !Form().SceneTransition->IsCovering(); }));
    for (const char* Page : {"Help0", "Help1", "Help2"}) EXPECT_NE(Form().OmegaImageList1.Find(Page), nullptr) << Page;
    THelpPages& Pages = Form().Menus.Help.Pages;
    EXPECT_EQ(Pages.CurrentPage(), 1);
    Press(Form().Menus.Help.NextButton);
    EXPECT_EQ(Pages.CurrentPage(), 2);
    Press(Form().Menus.Help.PrevButton);
    EXPECT_EQ(Pages.CurrentPage(), 1);
    Press(Form().Menus.Help.DoneButton);
    EXPECT_TRUE(Form().SceneTransition->Active());
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsMenu; }));
    EXPECT_EQ(Form().OmegaImageList1.Find("Help1"), nullptr);
    EXPECT_EQ(Form().Menus.Main.MenuPanel.Phase(), TPanelMover::phShowing) << "the panels come back after the iris";
}

}  // namespace
