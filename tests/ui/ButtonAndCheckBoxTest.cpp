#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GameButtonClass.h"
#include "GameCheckBoxClass.h"
#include "UiTestSupport.h"

namespace {

// A 40 x 20 button at (100, 50): inside is 100..140 by 50..70, edges included.
TGameButton MakeButton(std::vector<std::string>* Events = nullptr) {
    TGameButton Button;
    Button.Left = 100;
    Button.Top = 50;
    Button.Width = 40;
    Button.Height = 20;
    if (Events) {
        Button.OnClick = [Events](TObject*) { Events->push_back("click"); };
        Button.OnActivate = [Events](TObject*) { Events->push_back("activate"); };
        Button.OnDeactivate = [Events](TObject*) { Events->push_back("deactivate"); };
    }
    return Button;
}

TEST(GameButton, HitTestCountsEveryEdgeAsInside) {
    const TGameButton Button = MakeButton();
    struct TCase { int X, Y; bool Inside; };
    const TCase Cases[] = {{100, 50, true},  {140, 70, true},  {140, 50, true}, {100, 70, true}, {120, 60, true},
                           {99, 60, false},  {141, 60, false}, {120, 49, false}, {120, 71, false}};
    for (const TCase& C : Cases) EXPECT_EQ(Button.HitTest(C.X, C.Y), C.Inside) << C.X << "," << C.Y;
}

TEST(GameButton, AClickNeedsPressAndReleaseInside) {
    struct TStep { char Kind; int X, Y; };  // m move, d left press, r right press, u release
    struct TCase { const char* Name; std::vector<TStep> Steps; int Clicks; };
    const std::vector<TCase> Cases = {
        {"press and release inside", {{'m', 110, 55}, {'d', 110, 55}, {'u', 112, 57}}, 1},
        {"press inside, move off, release outside", {{'d', 110, 55}, {'m', 200, 200}, {'u', 200, 200}}, 0},
        {"press outside, move in, release inside", {{'d', 10, 10}, {'m', 110, 55}, {'u', 110, 55}}, 0},
        {"press inside, off and back, release inside", {{'d', 110, 55}, {'m', 0, 0}, {'m', 110, 55}, {'u', 110, 55}}, 1},
        {"right press and release inside", {{'m', 110, 55}, {'r', 110, 55}, {'u', 110, 55}}, 0},
        {"release without a press", {{'m', 110, 55}, {'u', 110, 55}}, 0},
        {"one press, two releases", {{'d', 140, 70}, {'u', 140, 70}, {'u', 140, 70}}, 1},
    };
    for (const TCase& C : Cases) {
        int Clicks = 0;
        TGameButton Button = MakeButton();
        Button.OnClick = [&](TObject* Sender) {
            EXPECT_EQ(Sender, &Button);
            ++Clicks;
        };
        for (const TStep& S : C.Steps) {
            if (S.Kind == 'm') Button.MouseMove(S.X, S.Y);
            if (S.Kind == 'd') Button.MouseDown(S.X, S.Y, mbLeft);
            if (S.Kind == 'r') Button.MouseDown(S.X, S.Y, mbRight);
            if (S.Kind == 'u') Button.MouseUp(S.X, S.Y);
        }
        EXPECT_EQ(Clicks, C.Clicks) << C.Name;
        EXPECT_FALSE(Button.Pressed()) << C.Name;
    }
}

TEST(GameButton, HoverRaisesActivateOnceWithItsSoundAndShowsTheHand) {
    TSoundRecorder Sounds;
    std::vector<std::string> Events;
    TGameButton Button = MakeButton(&Events);
    EXPECT_EQ(CursorAfter([&] { Button.MouseMove(110, 55); }), TFrameCursor::HandPoint);
    EXPECT_EQ(CursorAfter([&] { Button.MouseMove(111, 55); }), TFrameCursor::HandPoint);
    EXPECT_EQ(CursorAfter([&] { Button.MouseMove(300, 55); }), TFrameCursor::Arrow);
    EXPECT_EQ(Events, (std::vector<std::string>{"activate", "deactivate"}));
    EXPECT_EQ(Sounds.Heard, (std::vector<std::string>{"MouseOver"}));

    // The press plays "Click"; the click itself leaves the button un-hovered, so
    // the next move over it greets the pointer again.
    Sounds.Heard.clear();
    Events.clear();
    Button.MouseMove(110, 55);
    Button.MouseDown(110, 55, mbLeft);
    Button.MouseUp(110, 55);
    EXPECT_FALSE(Button.Hovered());
    Button.MouseMove(111, 55);
    EXPECT_EQ(Events, (std::vector<std::string>{"activate", "click", "activate"}));
    EXPECT_EQ(Sounds.Heard, (std::vector<std::string>{"MouseOver", "Click", "MouseOver"}));
}

TEST(GameButton, PatternsFollowHoverPressAndEnabled) {
    for (const bool Adjust : {false, true}) {
        TGameButton Button = MakeButton();
        Button.PushedAdjustEnabled = Adjust;
        EXPECT_EQ(Button.CurrentPattern(), 0);
        Button.MouseMove(110, 55);
        EXPECT_EQ(Button.CurrentPattern(), 1);
        Button.MouseDown(110, 55, mbLeft);
        // Pressed and hovered: pattern 2, or the hovered pattern drawn pushed.
        EXPECT_EQ(Button.CurrentPattern(), Adjust ? 1 : 2);
        Button.MouseMove(0, 0);
        EXPECT_EQ(Button.CurrentPattern(), 0);
        Button.Enabled = false;
        EXPECT_EQ(Button.CurrentPattern(), Adjust ? 2 : 3);
    }
}

TEST(GameButton, DisabledOrInvisibleButtonsIgnoreTheMouse) {
    for (const bool Disable : {true, false}) {
        TSoundRecorder Sounds;
        std::vector<std::string> Events;
        TGameButton Button = MakeButton(&Events);
        if (Disable) Button.Enabled = false; else Button.Visible = false;
        EXPECT_EQ(CursorAfter([&] { Button.MouseMove(110, 55); }), TFrameCursor::Arrow);
        Button.MouseDown(110, 55, mbLeft);
        Button.MouseUp(110, 55);
        EXPECT_TRUE(Events.empty());
        EXPECT_TRUE(Sounds.Heard.empty());
        EXPECT_FALSE(Button.Hovered());
    }
}

TEST(GameButton, AClickHandlerMayDisableTheButton) {
    TGameButton Button = MakeButton();
    int Clicks = 0;
    Button.OnClick = [&](TObject*) {
        ++Clicks;
        Button.Enabled = false;
    };
    Button.MouseDown(110, 55, mbLeft);
    Button.MouseUp(110, 55);
    Button.MouseDown(110, 55, mbLeft);
    Button.MouseUp(110, 55);
    EXPECT_EQ(Clicks, 1);
    EXPECT_EQ(Button.CurrentPattern(), 3);
}

// A 118 x 24 box at (20, 30).
TGameCheckBox MakeBox() {
    TGameCheckBox Box;
    Box.Left = 20;
    Box.Top = 30;
    Box.Width = 118;
    Box.Height = 24;
    return Box;
}

TEST(GameCheckBox, ActsOnTheLeftPressWhileHovered) {
    TSoundRecorder Sounds;
    TGameCheckBox Box = MakeBox();
    int Clicks = 0;
    Box.OnClick = [&](TObject* Sender) {
        EXPECT_EQ(Sender, &Box);
        ++Clicks;
    };
    EXPECT_EQ(Box.CurrentPattern(), 0);
    EXPECT_EQ(CursorAfter([&] { Box.MouseMove(138, 54); }), TFrameCursor::HandPoint);  // the far corner
    EXPECT_EQ(Box.CurrentPattern(), 1);
    Box.MouseDown(138, 54, mbLeft);
    EXPECT_TRUE(Box.Checked);
    EXPECT_EQ(Box.CurrentPattern(), 3);
    EXPECT_EQ(Clicks, 1);
    // The release does nothing, the right button does nothing.
    Box.MouseUp(138, 54);
    Box.MouseDown(138, 54, mbRight);
    EXPECT_TRUE(Box.Checked);
    EXPECT_EQ(Clicks, 1);
    EXPECT_EQ(Sounds.Heard, (std::vector<std::string>{"Click"}));
    // Moving off: pattern 2; a press outside changes nothing.
    Box.MouseMove(139, 54);
    EXPECT_EQ(Box.CurrentPattern(), 2);
    Box.MouseDown(139, 54, mbLeft);
    EXPECT_TRUE(Box.Checked);
    // A second press over it unchecks.
    Box.MouseMove(20, 30);
    Box.MouseDown(20, 30, mbLeft);
    EXPECT_FALSE(Box.Checked);
    EXPECT_EQ(Clicks, 2);
}

}  // namespace
