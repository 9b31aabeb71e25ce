// Checks the drawn widget art where the game's drawing depends on its shapes: the
// scene transition's iris must cover the screen when the scene changes and hide
// nothing once open, the windows and panels that are drawn over their buttons must
// leave holes where the buttons sit, and the name highlight must lie under its name.
#include "PictureClass.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace {

const std::string Images = std::string(QUELLOW_GAME_DIR) + "/Images/";

TPicture Load(const std::string& Name) {
    TPicture picture;
    EXPECT_TRUE(LoadPicture(Images + Name + ".png", picture)) << Name << " not drawn";
    return picture;
}

int Alpha(const TPicture& P, int X, int Y) { return static_cast<int>(P.PixelRGBA(X, Y) & 0xFF); }

// Alpha of a picture drawn as the transition draws it: centred on the screen's centre
// (400, 300), scaled by Scale and turned by Degrees, sampled bilinearly.
double SampleTurned(const TPicture& P, double ScreenX, double ScreenY, double Scale, double Degrees) {
    const double a = -Degrees * std::numbers::pi / 180.0;
    const double dx = (ScreenX - 400.0) / Scale, dy = (ScreenY - 300.0) / Scale;
    const double u = dx * std::cos(a) - dy * std::sin(a) + P.Width / 2.0 - 0.5;
    const double v = dx * std::sin(a) + dy * std::cos(a) + P.Height / 2.0 - 0.5;
    const int x0 = static_cast<int>(std::floor(u)), y0 = static_cast<int>(std::floor(v));
    const double fx = u - x0, fy = v - y0;
    const auto at = [&](int x, int y) { return Alpha(P, x, y) / 255.0; };
    return (at(x0, y0) * (1 - fx) + at(x0 + 1, y0) * fx) * (1 - fy) +
           (at(x0, y0 + 1) * (1 - fx) + at(x0 + 1, y0 + 1) * fx) * fy;
}

// The iris's opacity at a screen pixel for a transition size (scale size + 2).
double IrisCover(const TPicture& Dark, const TPicture& Spin, double X, double Y, double Size, double Degrees) {
    const double dark = SampleTurned(Dark, X, Y, Size + 2.0, Degrees);
    const double spin = SampleTurned(Spin, X, Y, (Size + 2.0) * 0.29, Degrees);
    return spin + dark * (1.0 - spin);
}

}  // namespace

TEST(WidgetArt, TheIrisCoversTheScreenAroundItsPeepholeWhenClosedAndNothingWhenOpen) {
    const TPicture dark = Load("TransDark"), spin = Load("TransSpin");
    ASSERT_FALSE(dark.Empty());
    ASSERT_FALSE(spin.Empty());
    // The scene changes at size 0: all of the screen is dark but a peephole framed by the
    // ring at its centre (a turning iris cannot both close to nothing and clear the whole
    // screen, as its centre pixel is the same at every size).
    for (const double degrees : {0.0, 17.0, 45.0, 133.0}) {
        int uncovered = 0;
        for (int y = 0; y < 600; y += 2)
            for (int x = 0; x < 800; x += 2)
                if (std::hypot(x - 400.0, y - 300.0) > 40.0 && IrisCover(dark, spin, x, y, 0.0, degrees) < 0.98)
                    ++uncovered;
        EXPECT_EQ(uncovered, 0) << "screen pixels showing through the closed iris at " << degrees << " degrees";
    }
    // Fully open (size 26) at full alpha, just before it fades: nothing on screen.
    for (const double degrees : {0.0, 17.0, 45.0, 133.0}) {
        double worst = 0;
        for (int y = 0; y < 600; y += 2)
            for (int x = 0; x < 800; x += 2) worst = std::max(worst, IrisCover(dark, spin, x, y, 26.0, degrees));
        EXPECT_LT(worst, 0.02) << "the open iris still hides part of the screen at " << degrees << " degrees";
    }
}

TEST(WidgetArt, WindowsDrawnOverTheirButtonsHaveHolesWhereTheButtonsSit) {
    struct THole {
        const char* Window;
        const char* Button;
        int Columns, Rows;  // the button's pattern grid
        int X, Y;           // the button's place in the window
    };
    // Pattern 0 of each button is laid where the game draws it under its window.
    const THole holes[] = {
        {"ConfirmWindow", "WindowOKButton", 1, 4, 55, 102},
        {"ConfirmWindow", "WindowCancelButton", 1, 4, 178, 102},
        {"InfoWindow", "WindowOKButton", 1, 4, 119, 259},
        {"StageResultWindow", "WindowOKButton", 1, 4, 117, 303},
        // The in-game menu's keys at window + (71, 124 + 51 i) and (71, 347).
        {"InGameMenuWindow", "InGameResumeButton", 1, 3, 71, 124},
        {"InGameMenuWindow", "InGameRestartButton", 1, 4, 71, 175},
        {"InGameMenuWindow", "InGameOptionsButton", 1, 3, 71, 226},
        {"InGameMenuWindow", "InGameHelpButton", 1, 3, 71, 277},
        {"InGameMenuWindow", "InGameToMapButton", 1, 3, 71, 347},
        {"Menu/NameListWindow", "NameListNewButton", 1, 4, 52, 261},
        {"Menu/NameListWindow", "NameListDeleteButton", 1, 4, 133, 261},
        {"Menu/NameListWindow", "WindowOKButton", 1, 4, 221, 260},
        {"Menu/AddNameWindow", "WindowOKButton", 1, 4, 75, 135},
        {"Menu/AddNameWindow", "WindowCancelButton", 1, 4, 209, 135},
        {"OptionsWindow", "CreditsButton", 1, 3, 67, 155},
        {"OptionsWindow", "WindowOKButton", 1, 4, 196, 155},
        // The menu panel at (575, 169) over the main menu's keys.
        {"Menu/MenuPanel", "Menu/PlayButton", 3, 1, 31, 16},
        {"Menu/MenuPanel", "OptionsButton", 1, 3, 40, 150},
        {"Menu/MenuPanel", "TrophiesButton", 1, 3, 41, 199},
        {"Menu/MenuPanel", "HighScoresButton", 1, 3, 41, 252},
        {"Menu/MenuPanel", "HelpButton", 1, 3, 41, 302},
        {"Menu/MenuPanel", "ExitButton", 1, 3, 41, 373},
        // The help buttons sit 13 px into their masks, the next-page one 14.
        {"ButtonMask", "HelpPrevButton", 1, 3, 13, 12},
        {"ButtonMask", "WindowDoneButton", 1, 3, 13, 12},
        {"ButtonMask", "HelpNextButton", 1, 3, 14, 12},
    };
    for (const auto& hole : holes) {
        SCOPED_TRACE(std::string(hole.Window) + " over " + hole.Button + " at +" + std::to_string(hole.X) + "," +
                     std::to_string(hole.Y));
        const TPicture window = Load(hole.Window), button = Load(hole.Button);
        ASSERT_FALSE(window.Empty());
        ASSERT_FALSE(button.Empty());
        const int w = button.Width / hole.Columns, h = button.Height / hole.Rows;
        ASSERT_LE(hole.X + w, window.Width);
        ASSERT_LE(hole.Y + h, window.Height);
        int covered = 0, bodyPixels = 0;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                if (Alpha(button, x, y) < 255) continue;  // only the button's solid body must show
                ++bodyPixels;
                if (Alpha(window, hole.X + x, hole.Y + y) > 64) ++covered;
            }
        EXPECT_GT(bodyPixels, w * h * 2 / 3);
        // The socket may lap over the outline's outer edge, never over the face.
        EXPECT_LT(covered, bodyPixels / 20) << covered << " of the button's " << bodyPixels << " pixels hidden";
        // Just above the hole the window is solid, so the button looks set into it.
        EXPECT_EQ(Alpha(window, hole.X + w / 2, hole.Y - 3), 255);
    }
}

// The name highlight is drawn 10 px above its row's top and the name 5 px below it, in
// a font whose capitals stand about 2-12 px below the point written at: the bar's middle
// must meet the capitals' middle (22 px down the highlight) so that the name sits in it.
TEST(WidgetArt, TheNameHighlightLiesUnderItsName) {
    const TPicture bar = Load("Menu/NameListSelection");
    ASSERT_FALSE(bar.Empty());
    int top = bar.Height, bottom = -1;
    for (int y = 0; y < bar.Height; ++y)
        if (Alpha(bar, bar.Width / 2, y) > 128) top = std::min(top, y), bottom = std::max(bottom, y);
    ASSERT_GE(bottom, top);
    EXPECT_NEAR((top + bottom + 1) / 2.0, 22.0, 2.0);
    EXPECT_GE(bottom - top + 1, 20) << "the bar must be as tall as a name";
    EXPECT_LE(bottom - top + 1, 28) << "rows are 28 px apart: the bar must not reach the next name";
}

TEST(WidgetArt, TheVolumeBarLeavesItsSlotOpenForTheFillDrawnUnderIt) {
    const TPicture bar = Load("VolumeBar"), fill = Load("VolumeFill");
    ASSERT_EQ(fill.Width, 123);
    double slotAlpha = 0;
    int n = 0;
    for (int y = 8 + 2; y < 8 + 11 - 1; ++y)
        for (int x = 16 + 2; x < 16 + 123 - 2; ++x, ++n) slotAlpha += Alpha(bar, x, y) / 255.0;
    EXPECT_LT(slotAlpha / n, 0.25) << "the fill would hardly show through the bar";
    EXPECT_EQ(Alpha(bar, 8, 13), 255) << "the bar's cap is solid";
    EXPECT_EQ(Alpha(fill, 60, 5), 255);
    EXPECT_EQ(Alpha(fill, 60, 16), 255);
}
