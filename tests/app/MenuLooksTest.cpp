// The menu screens as drawn: each screen is captured and its landmarks checked.
#include "MenuTestSupport.h"

namespace {

class MenuLooks : public MenuFixture {
protected:
    void Capture(const std::string& Name) {
        ASSERT_TRUE(Driver->Capture(Frame));
        Driver->SaveFramePng(::testing::TempDir() + "quellow-menu-" + Name + ".png");
    }
    TPicture Frame;
};

TEST_F(MenuLooks, EveryScreen) {
    ReachMenu({"ANNA", "BOB"}, true);
    Driver->Step(40);
    Capture("main");
    Press(Form().Menus.Main.ChangePlayerLink);
    Driver->Step(30);
    Capture("players");
    Press(Form().Menus.Players.NewButton);
    Driver->Step(30);
    Driver->TypeText("carla");
    Driver->Step(2);
    Capture("addplayer");
    Press(*Form().AddNameCancelButton);
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsPlayerSelect; }));
    Press(Form().Menus.Players.OKButton);
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsMenu; }));
    Press(Form().Menus.Main.OptionsButton);
    Driver->Step(30);
    Capture("options");
    Press(Form().Menus.Options.CreditsButton);
    Driver->Step(120);
    Capture("credits");
    Press(Form().Menus.Credits.DoneButton);
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsMenu; }));
    Press(Form().Menus.Main.HighScoresButton);
    Driver->Step(30);
    Capture("highscores");
    Press(Form().Menus.HighScores.OKButton);
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsMenu; }));
    Press(Form().Menus.Main.HelpButton);
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsHelp && !Form().SceneTransition->Active(); }));
    Driver->Step(20);
    Capture("help1");
    Press(Form().Menus.Help.NextButton);
    Driver->Step(20);
    Capture("help2");
    Press(Form().Menus.Help.DoneButton);
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsMenu && !Form().SceneTransition->Active(); }));
    Press(Form().Menus.Main.PlayButton);
    Driver->Step(30);
    Capture("relaxed");
}

}  // namespace
