// The garden gauge: its stages and edge pictures by percentage, the fill that
// follows the position a third of a percent a frame, the jump on entering the
// garden, and the status picture's delayed pop with its chime when a purchase
// takes the garden to a new level.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MirelsProgressTubeClass.h"
#include "OmegaImageListClass.h"
#include "SFXPlayerClass.h"
#include "TestDriverClass.h"

namespace {

struct TSoundLog {
    std::vector<std::string> Names;
    TSoundLog() {
        SetSoundEffectListener([this](const std::string& Name) { Names.push_back(Name); });
    }
    ~TSoundLog() { SetSoundEffectListener({}); }
    int32_t Count(const std::string& Name) const {
        int32_t N = 0;
        for (const std::string& S : Names) N += S == Name;
        return N;
    }
};

TEST(MirelsProgressTube, StagesAndEdgePicturesGoByTheirLowerBounds) {
    struct TCase {
        double Percent;
        int32_t Stage, Edge;
    };
    const TCase Cases[] = {
        {0, 0, 0},      {8.9, 0, 0},    {9, 1, 0},     {16.9, 1, 0},  {17, 1, 1},   {18.99, 1, 1},
        {19, 2, 1},     {28.9, 2, 1},   {29, 3, 1},    {33.9, 3, 1},  {34, 3, 2},   {40.9, 3, 2},
        {41, 4, 2},     {50.9, 4, 2},   {51, 4, 3},    {55.9, 4, 3},  {56, 5, 3},   {67.9, 5, 3},
        {68, 5, 4},     {75.9, 5, 4},   {76, 6, 4},    {83.9, 6, 4},  {84, 6, 5},   {99.9, 6, 5},
        {100, 7, 5},
    };
    for (const TCase& Case : Cases) {
        EXPECT_EQ(TMirelsProgressTube::StageOf(Case.Percent), Case.Stage) << Case.Percent;
        EXPECT_EQ(TMirelsProgressTube::EdgePatternOf(Case.Percent), Case.Edge) << Case.Percent;
    }
    EXPECT_EQ(TMirelsProgressTube::GardenLevelOf(0), 0);
    EXPECT_EQ(TMirelsProgressTube::GardenLevelOf(1), 1);
    EXPECT_EQ(TMirelsProgressTube::GardenLevelOf(9), 2);
    EXPECT_EQ(TMirelsProgressTube::GardenLevelOf(100), 8);
}

TEST(MirelsProgressTube, TheShownValueFollowsByAThirdOfAPercentAFrame) {
    TMirelsProgressTube Tube;
    EXPECT_EQ(Tube.Left, 262);
    EXPECT_EQ(Tube.Top, 567);
    EXPECT_EQ(Tube.FillWidth, 251);
    EXPECT_EQ(Tube.FillHeight, 19);
    Tube.SetPosition(1);
    EXPECT_EQ(Tube.Shown(), 0.0);
    EXPECT_EQ(Tube.FillPixels(), 0);
    for (int32_t F = 1; F <= 3; ++F) {
        Tube.UpdateAndDraw();
        EXPECT_NEAR(Tube.Shown(), 0.33 * F, 1e-9);
    }
    EXPECT_EQ(Tube.FillPixels(), 2);  // 0.99 % of 251 pixels
    Tube.UpdateAndDraw();
    EXPECT_EQ(Tube.Shown(), 1.0) << "no overshoot";
    EXPECT_EQ(Tube.FillPixels(), 3);  // 2.51
    Tube.SetPosition(0);
    for (int32_t F = 0; F < 4; ++F) Tube.UpdateAndDraw();
    EXPECT_EQ(Tube.Shown(), 0.0);
    EXPECT_EQ(Tube.FillPixels(), 0);
    // Values beyond the gauge are held to it.
    Tube.SetPositionNow(150);
    EXPECT_EQ(Tube.Position(), 100);
    Tube.SetPositionNow(-5);
    EXPECT_EQ(Tube.Position(), 0);
}

TEST(MirelsProgressTube, EnteringTheGardenShowsThePositionAtOnceWithoutAPop) {
    TSoundLog Sounds;
    TMirelsProgressTube Tube;
    Tube.SetPositionNow(50);
    EXPECT_EQ(Tube.Shown(), 50.0);
    EXPECT_EQ(Tube.Stage(), 4);
    EXPECT_EQ(Tube.FillPixels(), 126);  // 125.5 rounds to even
    Tube.SetPositionNow(30);
    EXPECT_EQ(Tube.FillPixels(), 75);   // 75.3
    EXPECT_FALSE(Tube.Popper().Waiting());
    for (int32_t F = 0; F < 120; ++F) Tube.UpdateAndDraw();
    EXPECT_EQ(Sounds.Count("NotifyLow"), 0);
    EXPECT_EQ(Tube.Shown(), 30.0);
    // The stage follows the shown value, not the position.
    Tube.SetPosition(41);
    Tube.UpdateAndDraw();
    EXPECT_EQ(Tube.Stage(), 3);
    for (int32_t F = 0; F < 40; ++F) Tube.UpdateAndDraw();
    EXPECT_EQ(Tube.Stage(), 4);
}

// A new garden level above the first pops the status picture 3000 ms later, with "NotifyLow".
TEST(MirelsProgressTube, ANewGardenLevelAboveTheFirstPopsTheStatusAfterThreeSeconds) {
    struct TCase {
        int32_t From, To;
        bool Pops;
    };
    const TCase Cases[] = {
        {0, 5, false},    // level 0 to 1
        {0, 9, true},     // 0 to 2
        {9, 18, false},   // both level 2
        {18, 19, true},   // 2 to 3
        {41, 40, true},   // 5 to 4: a change either way
        {10, 0, false},   // 2 to 0
        {9, 1, false},    // 2 to 1
        {99, 100, true},  // 7 to 8
        {100, 100, false},
    };
    for (const TCase& Case : Cases) {
        TSoundLog Sounds;
        TMirelsProgressTube Tube;
        Tube.SetPositionNow(Case.From);
        Tube.SetPosition(Case.To);
        EXPECT_EQ(Tube.Popper().Waiting(), Case.Pops) << Case.From << " to " << Case.To;
        if (!Case.Pops) continue;
        // 99 frames are 2970 ms; the hundredth reaches 3000.
        for (int32_t F = 0; F < 99; ++F) Tube.UpdateAndDraw();
        EXPECT_EQ(Sounds.Count("NotifyLow"), 0);
        EXPECT_EQ(Tube.Popper().Ratio(), 1.0);
        Tube.UpdateAndDraw();
        EXPECT_EQ(Sounds.Count("NotifyLow"), 1);
        EXPECT_GT(Tube.Popper().Ratio(), 1.0);
        for (int32_t F = 0; F < 100; ++F) Tube.UpdateAndDraw();
        EXPECT_EQ(Tube.Popper().Ratio(), 1.0) << "the pop is over";
        EXPECT_EQ(Sounds.Count("NotifyLow"), 1);
    }
    // A reset drops a pop still waiting.
    TSoundLog Sounds;
    TMirelsProgressTube Tube;
    Tube.SetPosition(20);
    Tube.Reset();
    for (int32_t F = 0; F < 120; ++F) Tube.UpdateAndDraw();
    EXPECT_EQ(Sounds.Count("NotifyLow"), 0);
    EXPECT_EQ(Tube.Position(), 0);
}

// With stand-in pictures: the fill shows its first fill-width pixels, the edge sits
// right after them.
TEST(MirelsProgressTubeDrawing, TheFillShowsAsManyPixelsAsTheShownShare) {
    TTestDriver Driver;
    ASSERT_TRUE(Driver.Start());
    TOmegaImageList& Images = Driver.Form().OmegaImageList1;
    for (const char* Name : {"MirelsProgressTubeFill", "MirelsProgressFillEdge"}) Images.FreeByName(Name);
    TPicture Fill;
    Fill.SetSize(200, 10);
    Fill.FillRect(0, 0, 200, 10, 0x00FF00FFu);
    Images.AddImage("MirelsProgressTubeFill", Fill, 1, 1);
    TPicture Edge;
    Edge.SetSize(6 * 4, 10);
    for (int32_t P = 0; P < 6; ++P) Edge.FillRect(P * 4, 0, 4, 10, ((0x40u + 0x20u * P) << 24) | 0x00FFu);
    Images.AddImage("MirelsProgressFillEdge", Edge, 6, 1);

    TMirelsProgressTube Tube;
    Tube.OmgImgList = &Images;
    Tube.InitImages();
    EXPECT_EQ(Tube.FillWidth, 200);
    EXPECT_EQ(Tube.FillHeight, 10);
    Tube.Left = 100;
    Tube.Top = 100;
    Tube.SetPositionNow(40);  // 80 pixels, edge pattern 2
    TOmegaScreen& Screen = Driver.Form().OmegaScreen1;
    Screen.BeginFrame();
    Screen.Clear(0, 0, 0, 255);
    Tube.UpdateAndDraw();
    Screen.EndFrame();
    TPicture Shot;
    ASSERT_TRUE(Driver.Capture(Shot));
    const int32_t Y = 100 + 5 + 5;
    EXPECT_EQ((Shot.PixelRGBA(100 + 14, Y) >> 16) & 0xFF, 0xFFu) << "the fill's first pixel";
    EXPECT_EQ((Shot.PixelRGBA(100 + 14 + 79, Y) >> 16) & 0xFF, 0xFFu) << "its 80th";
    EXPECT_EQ(Shot.PixelRGBA(100 + 14 + 85, Y) >> 8, 0u) << "nothing past the edge";
    // The edge at Left + 80 + 7, over the fill.
    EXPECT_EQ(Shot.PixelRGBA(100 + 80 + 7 + 1, Y) >> 24, 0x80u);
}

}  // namespace
