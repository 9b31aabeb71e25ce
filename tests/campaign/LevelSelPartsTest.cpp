// The level selection's parts: the information panel's slide and digits (the
// level number's spacing, the best time's minutes and its limit), where Mirel
// stands on each island, Mirel's cheer, and Tavi beside her with her dust.
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

#include "LevelInfoPanelClass.h"
#include "LevelSelBGPlantsClass.h"
#include "SmallMirelClass.h"
#include "SmallTaviClass.h"

namespace {

TEST(LevelInfoPanel, DropsInFromAboveAndGoesBackUpReportingEveryStep) {
    TLevelInfoPanel Panel;
    std::vector<int32_t> Reported;
    Panel.OnPanelPosUpdate = [&](TObject*, TPoint P) {
        EXPECT_EQ(P.X, 456);
        Reported.push_back(P.Y);
    };
    Panel.UpdateAndDraw();
    EXPECT_TRUE(Reported.empty()) << "a hidden panel stays put";
    Panel.Show();
    EXPECT_EQ(Panel.Position().Y, -40);
    for (int I = 0; I < 60; ++I) Panel.UpdateAndDraw();
    ASSERT_EQ(Reported.size(), 50u) << "one pixel a frame from -40 to 10";
    EXPECT_EQ(Reported.front(), -39);
    EXPECT_EQ(Reported.back(), 10);
    EXPECT_EQ(Panel.Phase(), TLevelInfoPanel::ipShown);
    Panel.Hide();
    for (int I = 0; I < 60; ++I) Panel.UpdateAndDraw();
    EXPECT_EQ(Panel.Phase(), TLevelInfoPanel::ipHidden);
    EXPECT_EQ(Reported.back(), -40);
    // Its swing stays within its limits.
    for (int I = 0; I < 200; ++I) {
        Panel.UpdateAndDraw();
        EXPECT_GE(Panel.Swing(), 0.005f);
        EXPECT_LE(Panel.Swing(), 0.09f);
    }
}

// After a first digit 1 the second sits 10 pixels on; after any other, a digit's width
// and 3 more.
TEST(LevelInfoPanel, TheLevelNumbersSecondDigitSitsByTheFirst) {
    TLevelInfoPanel Panel;
    struct TCase {
        int32_t Level, SecondX;
    };
    const int32_t W = Panel.LevelDigitWidth();
    for (const TCase Case : {TCase{10, 200}, TCase{12, 200}, TCase{19, 200}, TCase{20, 190 + W + 3},
                             TCase{22, 190 + W + 3}, TCase{30, 190 + W + 3}}) {
        TLevelInfoPanel::TLevelInfo Info;
        Info.Level = Case.Level;
        Panel.SetLevelInfo(Info);
        EXPECT_EQ(Panel.SecondLevelDigitX(), Case.SecondX) << Case.Level;
    }
}

// Minutes below ten take the place next to the colon; the seconds always have two
// digits; from 6000 seconds the panel shows 99:59.
TEST(LevelInfoPanel, BestTimesShowAsMinutesAndSeconds) {
    struct TCase {
        int32_t Seconds;
        int32_t MinuteTens, MinuteUnits, SecondTens, SecondUnits;
    };
    const TCase Cases[] = {{1, -1, 0, 0, 1},      {59, -1, 0, 5, 9},    {60, -1, 1, 0, 0},   {125, -1, 2, 0, 5},
                           {599, -1, 9, 5, 9},    {600, 1, 0, 0, 0},    {605, 1, 0, 0, 5},   {5999, 9, 9, 5, 9},
                           {6000, 9, 9, 5, 9},    {123456, 9, 9, 5, 9}, {-7, -1, 0, 0, 0}};
    for (const TCase& Case : Cases) {
        const TLevelInfoPanel::TTimeDigits D = TLevelInfoPanel::TimeDigits(Case.Seconds);
        EXPECT_EQ(D.MinuteTens, Case.MinuteTens) << Case.Seconds;
        EXPECT_EQ(D.MinuteUnits, Case.MinuteUnits) << Case.Seconds;
        EXPECT_EQ(D.SecondTens, Case.SecondTens) << Case.Seconds;
        EXPECT_EQ(D.SecondUnits, Case.SecondUnits) << Case.Seconds;
    }
}

TEST(LevelSelBGPlants, MirelStandsAtHerIslandsPlace) {
    struct TCase {
        TIslandKind Kind;
        int32_t X, Y;
    };
    TLevelSelBGPlants Plants;
    for (const TCase Case : {TCase{isTropical, 540, 499}, TCase{isRainbow, 231, 494}, TCase{isJungle, 244, 499},
                             TCase{isFlower, 328, 480}, TCase{isFantasia, 590, 503}, TCase{isMirel, 335, 484}}) {
        Plants.SetIslandKind(Case.Kind);
        EXPECT_EQ(Plants.StandingPoint().X, Case.X) << Case.Kind;
        EXPECT_EQ(Plants.StandingPoint().Y, Case.Y) << Case.Kind;
        Plants.Draw();  // nothing loaded: nothing drawn, nothing fails
    }
}

// A cheer waits its delay in game time, raises the arm 5 degrees a frame to 150 and
// lowers it again; stopping calls off a cheer still waiting.
TEST(SmallMirel, CheersAfterItsDelayAndStops) {
    TSmallMirel Mirel;
    Mirel.CheerAfterDelay(1000);
    int Frames = 0;
    while (!Mirel.Cheering() && Frames < 100) {
        Mirel.UpdateAndDraw();
        ++Frames;
    }
    EXPECT_EQ(Frames, 34) << "33 frames are 990 ms";
    EXPECT_DOUBLE_EQ(Mirel.ArmAngle(), 5.0);
    double Highest = 0.0;
    while (Mirel.Cheering() && Frames < 200) {
        Mirel.UpdateAndDraw();
        Highest = std::max(Highest, Mirel.ArmAngle());
        ++Frames;
    }
    EXPECT_DOUBLE_EQ(Highest, 150.0);
    EXPECT_EQ(Frames, 34 + 59) << "up in 30 frames, down in 30";
    EXPECT_DOUBLE_EQ(Mirel.ArmAngle(), 0.0);

    Mirel.CheerAfterDelay(300);
    for (int I = 0; I < 5; ++I) Mirel.UpdateAndDraw();
    Mirel.StopCheering();
    for (int I = 0; I < 50; ++I) {
        Mirel.UpdateAndDraw();
        EXPECT_FALSE(Mirel.Cheering());
    }
    // Her breathing swings between -4.5 and 4.5.
    for (int I = 0; I < 100; ++I) {
        Mirel.UpdateAndDraw();
        EXPECT_LE(std::abs(Mirel.Breathing()), 4.5f);
    }
}

// Tavi floats 65 pixels left of Mirel or 50 right, 55 above her, and asks for her dust
// once a frame close to where she is.
TEST(SmallTavi, FloatsBesideMirelAndTrailsDust) {
    TSmallTavi Tavi;
    Tavi.PlaceBeside(540, 499, spRight);
    EXPECT_EQ(Tavi.Left1, 475);
    EXPECT_EQ(Tavi.Left2, 590);
    EXPECT_EQ(Tavi.Top, 444);
    std::vector<TPoint> Dust;
    Tavi.OnDustRequest = [&](TObject*, int32_t X, int32_t Y) { Dust.push_back({X, Y}); };
    for (int I = 0; I < 600; ++I) Tavi.UpdateAndDraw();
    ASSERT_EQ(Dust.size(), 600u);
    for (const TPoint& P : Dust) {
        EXPECT_LE(std::abs(P.X - 590), 30);
        EXPECT_LE(std::abs(P.Y - 444), 30);
    }
    Tavi.SelectedPos = spLeft;
    Tavi.UpdateAndDraw();
    EXPECT_LE(std::abs(Dust.back().X - 475), 30);
}

}  // namespace
