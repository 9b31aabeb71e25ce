// The menu screens as drawn: a first run from the splash to Play, and every
// window over the menu, captured (the frames are kept in the test folder for a
// look) and checked at their landmarks.
#include "MenuTestSupport.h"

namespace {

struct TRgb {
    int R, G, B;
};

class MenuLooks : public MenuFixture {
public:
    void Capture(const std::string& Name) {
        ASSERT_TRUE(Driver->Capture(Frame));
        Driver->SaveFramePng(::testing::TempDir() + "quellow-menu-" + Name + ".png");
    }
    TRgb At(int X, int Y) const {
        const uint32_t P = Frame.PixelRGBA(X, Y);
        return {int(P >> 24), int(P >> 16 & 255), int(P >> 8 & 255)};
    }
    int Brightness(int X, int Y) const {
        const TRgb C = At(X, Y);
        return C.R + C.G + C.B;
    }
    // Pixels of the rectangle that are nearly white (the screen fonts' text).
    int WhitePixels(int Left, int Top, int Right, int Bottom) const {
        int Count = 0;
        for (int Y = Top; Y < Bottom; ++Y)
            for (int X = Left; X < Right; ++X) {
                const TRgb C = At(X, Y);
                if (C.R > 225 && C.G > 225 && C.B > 225) ++Count;
            }
        return Count;
    }
    bool Blue(int X, int Y) const {
        const TRgb C = At(X, Y);
        return C.B > C.R + 40;
    }
    bool Green(int X, int Y) const {
        const TRgb C = At(X, Y);
        return C.G > C.R && C.G > C.B;
    }
    // The lawn is green all over: a figure standing on it shows as pixels that are not.
    int NotLawn(int Left, int Top, int Right, int Bottom) const {
        int Count = 0;
        for (int Y = Top; Y < Bottom; ++Y)
            for (int X = Left; X < Right; ++X)
                if (!Green(X, Y)) ++Count;
        return Count;
    }
    TPicture Frame;
};

TEST_F(MenuLooks, AFirstRunGoesFromTheSplashThroughTheFirstNameToMirelsGardenAndPlay) {
    StartGame({}, true);
    Driver->Click(400, 300);
    ASSERT_TRUE(Until([&] { return Form().AddNameWindow->Phase() == TGameMenuWindow::phShown; }));
    ASSERT_TRUE(Until([&] { return !Form().SceneTransition->IsCovering(); }));
    Driver->TypeText("Mira");
    Driver->KeyDown(SDLK_RETURN);
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsMenu; }));
    EXPECT_EQ(Form().LoadedPlayerName, "MIRA");
    ASSERT_TRUE(Until([&] { return Form().Menus.Main.MenuPanel.Phase() == TPanelMover::phShown; }));
    Driver->Step(10);
    Capture("first-run");
    // A new player's garden: lawn, and sky above the far ridge.
    EXPECT_TRUE(Green(200, 420));
    EXPECT_TRUE(Blue(420, 20));
    // The panels: the menu panel down the right with its green Play, the welcome panel with the name.
    EXPECT_TRUE(Blue(700, 590));
    EXPECT_TRUE(Green(700, 285)) << "Play";
    EXPECT_TRUE(Blue(240, 50)) << "welcome panel";
    EXPECT_GT(WhitePixels(87, 17, 160, 34), 20) << "the name is written";
    // Small Mirel at (335, 484), small Tavi on her right.
    EXPECT_GT(NotLawn(330, 470, 380, 560), 1000) << "Mirel";
    EXPECT_GT(NotLawn(360, 400, 440, 480), 200) << "Tavi";
    EXPECT_LT(NotLawn(100, 300, 180, 380), 100) << "the lawn elsewhere";

    // Play asks about the timer once, then goes on toward the map.
    Press(Form().Menus.Main.PlayButton);
    ASSERT_TRUE(Until([&] { return QuestionShowing(9); }));
    Driver->Step(20);
    Capture("first-play");
    EXPECT_TRUE(Blue(400, 300)) << "the question's window";
    EXPECT_LT(Brightness(100, 450), 500) << "the garden shaded under it";
    AnswerAndWait(false);
    EXPECT_EQ(Form().Gauges.TubeTimer->RelaxedMode, rmNo);
    SkipTheIntroduction();
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsMap && !Form().SceneTransition->Active(); }));
    Capture("first-map");
    EXPECT_FALSE(Green(640, 215) && Blue(700, 590)) << "the menu gave way to the map";
}

TEST_F(MenuLooks, EveryWindowOverTheMenuIsDrawnOverTheShadedGarden) {
    ReachMenu({"ANNA", "BOB"}, true);
    Driver->Step(30);
    Capture("main");
    const int Lawn = Brightness(40, 560);
    const auto ShowsOverShade = [&](const char* Name, int X, int Y) {
        Driver->Step(30);
        Capture(Name);
        EXPECT_TRUE(Blue(X, Y)) << Name << ": the window's panel";
        EXPECT_LT(Brightness(40, 560), Lawn * 3 / 4) << Name << ": the garden shaded";
    };

    Press(Form().Menus.Main.ChangePlayerLink);
    ShowsOverShade("players", 140, 330);
    EXPECT_GT(WhitePixels(140, 158, 190, 178), 10) << "ANNA written in the selected row";
    Press(Form().Menus.Players.NewButton);
    ASSERT_TRUE(Until([&] { return Form().AddNameWindow->Phase() == TGameMenuWindow::phShown; }));
    Driver->TypeText("carla");
    ShowsOverShade("add-player", 140, 400);
    EXPECT_GT(WhitePixels(172, 330, 230, 350), 20) << "the typed name";
    Press(*Form().AddNameCancelButton);
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsPlayerSelect; }));
    Press(Form().Menus.Players.OKButton);
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsMenu; }));

    Press(Form().Menus.Main.OptionsButton);
    ShowsOverShade("options", 300, 320);
    Press(Form().Menus.Options.CreditsButton);
    Driver->Step(90);
    ShowsOverShade("credits", 400, 250);
    EXPECT_GT(WhitePixels(280, 200, 530, 380), 30) << "credit lines rising";
    Press(Form().Menus.Credits.DoneButton);
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsMenu; }));

    Press(Form().Menus.Main.HighScoresButton);
    ShowsOverShade("high-scores", 300, 400);
    EXPECT_GT(WhitePixels(330, 195, 400, 215), 20) << "the first row";
    Press(Form().Menus.HighScores.OKButton);
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsMenu; }));

    Press(Form().Menus.Main.ExitButton);
    ShowsOverShade("exit", 400, 300);
    AnswerAndWait(false);
}

TEST_F(MenuLooks, TheHelpPagesAreDrawnWithTheirCaptionsAndCrossFade) {
    ReachMenu({"ANNA"}, true);
    Press(Form().Menus.Main.HelpButton);
    ASSERT_TRUE(Until([&] { return Form().Scene() == gsHelp && !Form().SceneTransition->Active(); }));
    Capture("help-1");
    TPicture First = Frame;
    // The caption is written in white over its ribbon.
    EXPECT_GT(WhitePixels(655, 58, 790, 88), 60);
    Press(Form().Menus.Help.NextButton);
    Driver->Step(6);
    Capture("help-crossing");
    Driver->Step(10);
    Capture("help-2");
    int Differing = 0;
    for (int Y = 100; Y < 500; Y += 10)
        for (int X = 0; X < 800; X += 10)
            if (First.PixelRGBA(X, Y) != Frame.PixelRGBA(X, Y)) ++Differing;
    EXPECT_GT(Differing, 400) << "the second page replaced the first";
    EXPECT_GT(WhitePixels(655, 58, 790, 88), 60);
}

}  // namespace
