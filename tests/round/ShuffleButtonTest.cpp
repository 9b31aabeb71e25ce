// The shuffle button: how its liquid follows the landed fruits, when it is
// full, what a click does full and not full, and where its layers are drawn.
#include <gtest/gtest.h>

#include <vector>

#include "FrameCursorClass.h"
#include "OmegaImageListClass.h"
#include "ShuffleButtonClass.h"
#include "TestDriverClass.h"

namespace {

class ShuffleButton : public ::testing::Test {
protected:
    void SetUp() override {
        Button.Left = 29;
        Button.Top = 363;
        Button.OnFull = [this](TObject* Sender) {
            EXPECT_EQ(Sender, &Button);
            ++Fulls;
        };
        Button.OnFullClick = [this](TObject*) {
            ++FullClicks;
            Button.Reset();  // as the round does
        };
        Button.OnNotFullClick = [this](TObject*) { ++NotFullClicks; };
    }
    void Land(int Fruits) {
        for (int I = 0; I < Fruits; ++I) Button.AddLandedFruit();
    }
    // Frames until OnFull (or Limit).
    int FramesToFull(int Limit) {
        const int Before = Fulls;
        for (int Frame = 1; Frame <= Limit; ++Frame) {
            Button.UpdateAndDraw();
            if (Fulls != Before) return Frame;
        }
        return 0;
    }
    void Click(int X, int Y) {
        Button.MouseDown(X, Y, mbLeft);
        Button.MouseUp(X, Y);
    }

    TShuffleButton Button;
    int Fulls = 0;
    int FullClicks = 0;
    int NotFullClicks = 0;
};

TEST_F(ShuffleButton, TheLiquidRisesByARealFractionOfTheLevelsFruitsEveryFrame) {
    const struct {
        int Required;
        double Step;
    } Cases[] = {{200, 1.0}, {150, 0.75}, {100, 0.5}, {50, 0.25}, {30, 0.15}};
    for (const auto& C : Cases) {
        SCOPED_TRACE(::testing::Message() << C.Required << " fruits");
        Button.ResetForRound();
        Fulls = 0;
        Button.FullRequiredFruits = C.Required;
        Land(C.Required);
        Button.UpdateAndDraw();
        EXPECT_DOUBLE_EQ(Button.DisplayedEnergy(), C.Step);
        // 200 frames at Required / 200 a frame, whatever the level asks for.
        const int Frames = 1 + FramesToFull(300);
        EXPECT_GE(Frames, 200);
        EXPECT_LE(Frames, 201) << "a step of " << C.Step << " must not be rounded to 0";
        EXPECT_TRUE(Button.Full());
        EXPECT_EQ(Button.LiquidHeight(), 62);
    }
}

TEST_F(ShuffleButton, TheLiquidStopsAtTheCounterAndTheCounterAtTheLevelsFruits) {
    Button.FullRequiredFruits = 150;
    Land(75);
    EXPECT_EQ(FramesToFull(400), 0);
    EXPECT_DOUBLE_EQ(Button.DisplayedEnergy(), 75.0);
    EXPECT_EQ(Button.LiquidHeight(), 31);
    EXPECT_EQ(Button.LiquidTop(), 363 + 62 + 5 - 31);
    Land(500);
    EXPECT_EQ(Button.FruitsCounter, 150) << "fruits beyond the level's number are not counted";
}

TEST_F(ShuffleButton, FullIsAnnouncedOnceUntilAFullClickThenTheLiquidDrains) {
    Button.FullRequiredFruits = 100;
    Land(100);
    ASSERT_GT(FramesToFull(300), 0);
    EXPECT_EQ(FramesToFull(300), 0) << "once";
    EXPECT_EQ(Fulls, 1);
    Land(10);
    EXPECT_EQ(Fulls, 1);

    Click(Button.Left + 10, Button.Top + 10);
    EXPECT_EQ(FullClicks, 1);
    EXPECT_EQ(NotFullClicks, 0);
    EXPECT_FALSE(Button.Full());
    EXPECT_EQ(Button.FruitsCounter, 0);
    // Draining is ten times faster than filling: Required / 20 a frame.
    Button.UpdateAndDraw();
    EXPECT_DOUBLE_EQ(Button.DisplayedEnergy(), 95.0);
    for (int I = 0; I < 19; ++I) Button.UpdateAndDraw();
    EXPECT_DOUBLE_EQ(Button.DisplayedEnergy(), 0.0);
    Button.UpdateAndDraw();
    EXPECT_DOUBLE_EQ(Button.DisplayedEnergy(), 0.0) << "never below empty";

    Land(100);
    EXPECT_GT(FramesToFull(300), 0);
    EXPECT_EQ(Fulls, 2) << "full again after the next filling";
}

TEST_F(ShuffleButton, AClickBeforeItIsFullOnlySaysSo) {
    Button.FullRequiredFruits = 100;
    Land(60);
    for (int I = 0; I < 100; ++I) Button.UpdateAndDraw();
    const double Energy = Button.DisplayedEnergy();
    Click(Button.Left + 40, Button.Top + 40);
    EXPECT_EQ(NotFullClicks, 1);
    EXPECT_EQ(FullClicks, 0);
    EXPECT_EQ(Fulls, 0);
    EXPECT_EQ(Button.FruitsCounter, 60) << "nothing changes";
    EXPECT_DOUBLE_EQ(Button.DisplayedEnergy(), Energy);
}

TEST_F(ShuffleButton, AClickNeedsThePressAndTheReleaseInsideEdgesIncluded) {
    const int L = Button.Left, T = Button.Top, R = L + Button.Width, B = T + Button.Height;
    const struct {
        const char* What;
        int DownX, DownY, UpX, UpY;
        TMouseButton Pressed;
        bool Clicks;
    } Cases[] = {
        {"inside", L + 5, T + 5, L + 6, T + 6, mbLeft, true},
        {"on the top-left corner", L, T, L, T, mbLeft, true},
        {"on the bottom-right corner", R, B, R, B, mbLeft, true},
        {"just right of it", R + 1, T + 5, R + 1, T + 5, mbLeft, false},
        {"just below it", L + 5, B + 1, L + 5, B + 1, mbLeft, false},
        {"pressed inside, released outside", L + 5, T + 5, R + 10, T + 5, mbLeft, false},
        {"pressed outside, released inside", L - 5, T + 5, L + 5, T + 5, mbLeft, false},
        {"the right button", L + 5, T + 5, L + 5, T + 5, mbRight, false},
    };
    for (const auto& C : Cases) {
        NotFullClicks = 0;
        Button.MouseDown(C.DownX, C.DownY, C.Pressed);
        Button.MouseUp(C.UpX, C.UpY);
        EXPECT_EQ(NotFullClicks, C.Clicks ? 1 : 0) << C.What;
        EXPECT_FALSE(Button.Pressed()) << C.What << ": a release always lets go";
    }
}

TEST_F(ShuffleButton, OnlyAFullButtonLightsUpButThePointerIsAHandOverItAlways) {
    Button.FullRequiredFruits = 20;
    FrameCursor = TFrameCursor::Arrow;
    Button.MouseMove(Button.Left + 10, Button.Top + 10);
    EXPECT_TRUE(Button.MouseInside());
    EXPECT_FALSE(Button.Hovered());
    EXPECT_EQ(FrameCursor, TFrameCursor::HandPoint);
    Land(20);
    FramesToFull(300);
    EXPECT_TRUE(Button.Hovered()) << "full under a pointer that has not moved";
    FrameCursor = TFrameCursor::Arrow;
    Button.MouseMove(5, 5);
    EXPECT_FALSE(Button.Hovered());
    EXPECT_EQ(FrameCursor, TFrameCursor::Arrow);
}

TEST_F(ShuffleButton, WhileDisabledItNeitherFillsNorAnswers) {
    Button.FullRequiredFruits = 100;
    Land(100);
    Button.Enabled = false;
    for (int I = 0; I < 300; ++I) Button.UpdateAndDraw();
    EXPECT_DOUBLE_EQ(Button.DisplayedEnergy(), 0.0);
    Click(Button.Left + 5, Button.Top + 5);
    EXPECT_EQ(NotFullClicks, 0);
    Button.Enabled = true;
    EXPECT_GT(FramesToFull(300), 0);
}

// The layers on the real screen: the jar, the bottom rows of the liquid in the
// jar's window, and the rim over both.
TEST(ShuffleButtonDrawing, TheLiquidFillsTheJarsWindowFromTheBottomUnderTheRim) {
    TTestDriver Driver;
    ASSERT_TRUE(Driver.Start());
    TOmegaImageList& Images = Driver.Form().OmegaImageList1;
    TPicture Jar;
    Jar.SetSize(3 * 89, 87);
    Jar.FillRect(0, 0, 89, 87, 0x404040FFu);
    Jar.FillRect(89, 0, 89, 87, 0xE0E0E0FFu);
    Jar.FillRect(178, 0, 89, 87, 0x808080FFu);
    Images.AddImage("ShuffleButton", Jar, 3, 1);
    // Each row of the liquid has its own blue, so the rows drawn can be told apart.
    TPicture Liquid;
    Liquid.SetSize(68, 62);
    for (int Row = 0; Row < 62; ++Row) Liquid.FillRect(0, Row, 68, 1, 0x0000C0FFu | (uint32_t(Row * 4) << 16));
    Images.AddImage("ShuffleButtonLiquid", Liquid, 1, 1);
    TPicture Rim;
    Rim.SetSize(2 * 95, 87);
    Rim.FillRect(0, 0, 95, 4, 0xFF0000FFu);
    Rim.FillRect(95, 0, 95, 4, 0xFFFF00FFu);
    Images.AddImage("ShuffleEdgeCover", Rim, 2, 1);

    TShuffleButton Button;
    Button.OmgImgList = &Images;
    Button.TakeImageSizes();
    EXPECT_EQ(Button.EnergyWidth, 68);
    EXPECT_EQ(Button.MaxPixelProgress, 62);
    Button.Left = 100;
    Button.Top = 200;
    Button.FullRequiredFruits = 200;
    for (int I = 0; I < 100; ++I) Button.AddLandedFruit();
    TOmegaScreen& Screen = Driver.Form().OmegaScreen1;
    TPicture Frame;
    for (int I = 0; I < 100; ++I) {  // half full: 31 rows of liquid
        Screen.BeginFrame();
        Screen.Clear(0, 0, 0, 255);
        Button.UpdateAndDraw();
        Button.DrawEdgeCover();
        Screen.EndFrame();
    }
    ASSERT_TRUE(Driver.Capture(Frame));
    const auto Rgb = [&](int X, int Y) { return Frame.PixelRGBA(X, Y) | 0xFFu; };
    const int Surface = 200 + 62 + 5 - 31;
    EXPECT_EQ(Rgb(130, Surface - 1), 0x404040FFu) << "the jar above the liquid";
    EXPECT_EQ(Rgb(130, Surface + 10), 0x0000C0FFu | (uint32_t((31 + 10) * 4) << 16))
        << "the liquid's bottom rows, not its top";
    EXPECT_EQ(Rgb(100, 200 + 62 + 4), 0x0000C0FFu | (uint32_t(61 * 4) << 16)) << "its last row at the window's bottom";
    EXPECT_EQ(Rgb(100 + 67, Surface + 5), 0x0000C0FFu | (uint32_t((31 + 5) * 4) << 16)) << "68 pixels wide";
    EXPECT_EQ(Rgb(100 + 68, Surface + 5), 0x404040FFu);
    EXPECT_EQ(Rgb(97, 201), 0xFF0000FFu) << "the rim 3 pixels left of the jar, over it";
    EXPECT_EQ(Rgb(130, 201), 0xFF0000FFu);
}

}  // namespace
