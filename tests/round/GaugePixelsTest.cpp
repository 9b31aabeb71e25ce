// The gauges drawn on the real screen (offscreen OpenGL) with flat images made
// here, and read back: the timer's energy column cut from its drained row, a
// relaxed timer that draws nothing, and the fruit panel's slot layout.
#include <gtest/gtest.h>

#include <memory>

#include "FruitGatherClass.h"
#include "OmegaImageListClass.h"
#include "OmegaScreenClass.h"
#include "PictureClass.h"
#include "TubeTimerClass.h"

namespace {

constexpr uint32_t Black = 0x000000FFu;
constexpr uint32_t TubeColor = 0x303030FFu;
constexpr uint32_t PanelColors[4] = {0xC02020FFu, 0x20C020FFu, 0x2020C0FFu, 0xC0C020FFu};
constexpr uint32_t FruitColor = 0xF0F0F0FFu;
constexpr uint32_t LeftLabelColor = 0x10E0E0FFu;
constexpr uint32_t DoneLabelColor = 0xE010E0FFu;

// Every row of the energy column its own colour.
uint32_t EnergyRowColor(int32_t Row) {
    return (uint32_t(Row % 256) << 24) | (uint32_t(Row < 256 ? 100 : 200) << 16) | (50u << 8) | 0xFFu;
}

TPicture Solid(int32_t W, int32_t H, uint32_t Color) {
    TPicture P;
    P.SetSize(W, H);
    P.FillRect(0, 0, W, H, Color);
    return P;
}

class GaugePixels : public ::testing::Test {
protected:
    void SetUp() override {
        Screen = std::make_unique<TOmegaScreen>();
        Screen->ZBuffer = false;
        Screen->PresentToWindow = false;
        ASSERT_TRUE(Screen->Initialize());
        Images = std::make_unique<TOmegaImageList>(Screen.get());
    }
    void TearDown() override {
        Images.reset();
        Screen.reset();
    }
    template <typename F>
    TPicture Frame(F&& Draws) {
        Screen->SetFiltering(false);
        Screen->Clear(0, 0, 0, 255);
        Screen->BeginFrame();
        Draws();
        Screen->EndFrame();
        TPicture Result;
        EXPECT_TRUE(Screen->ReadFrame(Result));
        return Result;
    }
    void AddTimerImages() {
        Images->AddImage("TubeTimer", Solid(59, 370, TubeColor), 1, 1);
        TPicture Energy;
        Energy.SetSize(24, 332);
        for (int32_t Row = 0; Row < 332; ++Row) Energy.FillRect(0, Row, 24, 1, EnergyRowColor(Row));
        Images->AddImage("TubeTimerEnergy", Energy, 1, 1);
    }
    void AddGatherImages() {
        TPicture Panels;
        Panels.SetSize(124, 4 * 80);
        for (int32_t P = 0; P < 4; ++P) Panels.FillRect(0, P * 80, 124, 80, PanelColors[P]);
        Images->AddImage("FruitPanel", Panels, 1, 4);
        Images->AddImage("FruitGather", Solid(7 * 34, 34, FruitColor), 7, 1);
        TPicture Labels;
        Labels.SetSize(40, 28);
        Labels.FillRect(0, 0, 40, 14, LeftLabelColor);
        Labels.FillRect(0, 14, 40, 14, DoneLabelColor);
        Images->AddImage("FruitGatherLeftDone", Labels, 1, 2);
    }
    TTubeTimer RunningTimer(TRelaxedMode Mode, int32_t Ms) {
        TTubeTimer Timer;
        Timer.OmgImgList = Images.get();
        Timer.Left = 741;
        Timer.Top = 111;
        Timer.Time = 300;
        Timer.RelaxedMode = Mode;
        Timer.Reset();
        Timer.InitImages();
        Timer.Prepare();
        while (Timer.Phase() != TTubeTimer::tpRunning) Timer.UpdateAndDraw();
        Timer.Paused = false;
        while (Timer.ElapsedMiliSecs() < Ms) Timer.UpdateAndDraw();
        return Timer;
    }

    std::unique_ptr<TOmegaScreen> Screen;
    std::unique_ptr<TOmegaImageList> Images;
};

TEST_F(GaugePixels, TheTimersEnergyColumnIsCutFromItsDrainedRowDown) {
    AddTimerImages();
    TTubeTimer Timer = RunningTimer(rmNo, 149970);
    const TPicture Shot = Frame([&] { Timer.UpdateAndDraw(); });
    ASSERT_EQ(Timer.DrainedPixels(), 166);
    const int32_t X = 741 + 23 + 5;
    const int32_t Top = 111 + 16;
    EXPECT_EQ(Shot.PixelRGBA(741 + 2, 111 + 2), TubeColor);
    EXPECT_EQ(Shot.PixelRGBA(X, Top + 165), TubeColor) << "the drained part shows the empty tube";
    EXPECT_EQ(Shot.PixelRGBA(X, Top + 166), EnergyRowColor(166)) << "the column starts at its own row 166";
    EXPECT_EQ(Shot.PixelRGBA(X, Top + 331), EnergyRowColor(331));
    EXPECT_EQ(Shot.PixelRGBA(X, Top + 332), TubeColor);
    EXPECT_EQ(Shot.PixelRGBA(741 + 23 + 24, Top + 200), TubeColor) << "the column is 24 pixels wide";
}

TEST_F(GaugePixels, ARelaxedTimerDrawsNothing) {
    AddTimerImages();
    TTubeTimer Timer = RunningTimer(rmYes, 30000);
    const TPicture Shot = Frame([&] { Timer.UpdateAndDraw(); });
    EXPECT_EQ(Timer.DrainedPixels(), 33) << "its gauge is still worked out for the bubbles";
    int Drawn = 0;
    for (int32_t Y = 100; Y < 500; Y += 3)
        for (int32_t X = 730; X < 800; X += 3) Drawn += Shot.PixelRGBA(X, Y) != Black;
    EXPECT_EQ(Drawn, 0);
}

TEST_F(GaugePixels, TheFruitPanelsSlotsUseTheirEndAndMiddleFramesAndShowDoneSlots) {
    AddGatherImages();
    TFruitGather Gather;
    Gather.OmgImgList = Images.get();
    Gather.HidingPosY = 0;
    Gather.SetFileTargets(3, 3, 3, 0, 0, 0, 0);
    Gather.Reset();
    Gather.Show();
    for (int I = 0; I < 3; ++I) Gather.CountFruit(1);  // bananas done
    for (int I = 0; I < 40; ++I) Gather.UpdateAndDraw();  // the pulse is over
    const TPicture Shot = Frame([&] { Gather.UpdateAndDraw(); });

    // Slots at 261 (first), 385 (middle), 506 (last, over the middle's last 3 pixels).
    EXPECT_EQ(Shot.PixelRGBA(262, 70), PanelColors[0]);
    EXPECT_EQ(Shot.PixelRGBA(440, 70), PanelColors[1]);
    EXPECT_EQ(Shot.PixelRGBA(505, 70), PanelColors[1]);
    EXPECT_EQ(Shot.PixelRGBA(507, 70), PanelColors[2]);
    EXPECT_EQ(Shot.PixelRGBA(629, 70), PanelColors[2]);
    EXPECT_EQ(Shot.PixelRGBA(631, 70), Black);
    // Strawberries still to gather: the fruit in full and the "left" label.
    EXPECT_EQ(Shot.PixelRGBA(385 + 21 + 10, 13 + 10), FruitColor);
    EXPECT_EQ(Shot.PixelRGBA(385 + 77 + 30, 23 + 5), LeftLabelColor);
    // Bananas done: a faint fruit, no "left" label, the "done" stamp translucent where the count was.
    const uint32_t FaintFruit = Shot.PixelRGBA(261 + 21 + 10, 13 + 10);
    EXPECT_NE(FaintFruit, FruitColor);
    EXPECT_NE(FaintFruit, PanelColors[0]);
    EXPECT_EQ(Shot.PixelRGBA(261 + 77 + 30, 23 + 5), PanelColors[0]);
    const uint32_t Stamp = Shot.PixelRGBA(261 + 56 + 5, 23 + 5);
    EXPECT_NE(Stamp, DoneLabelColor);
    EXPECT_NE(Stamp, PanelColors[0]);

    TFruitGather Only;
    Only.OmgImgList = Images.get();
    Only.HidingPosY = 0;
    Only.SetFileTargets(0, 0, 0, 0, 0, 0, 8);
    Only.Reset();
    Only.Show();
    const TPicture OneSlot = Frame([&] { Only.UpdateAndDraw(); });
    EXPECT_EQ(OneSlot.PixelRGBA(384, 70), PanelColors[3]) << "a single slot uses the frame of its own";
}

}  // namespace
