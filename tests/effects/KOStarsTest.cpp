// The knocked-out stars, headless: the sinking that ends them past the bottom
// line, the glint that runs round the track's corners, the stars' turn with
// their swing in and out, and where the track goes beside them.
#include <gtest/gtest.h>

#include "KOStarsClass.h"

namespace {

TEST(KOStars, SinkingTheyGoOncePastTheBottomLineAndOnlyThen) {
    TKOStars Stars;
    Stars.Left = 250;
    Stars.Top = 590;
    Stars.StartStars(false);
    for (int I = 0; I < 300; ++I) Stars.UpdateAndDraw();
    EXPECT_TRUE(Stars.Active()) << "without sinking they stay for good";
    EXPECT_DOUBLE_EQ(Stars.Position().Y, 590.0);

    Stars.StartSinking();
    const double Expected[] = {593.0, 596.0, 599.0};
    for (double Y : Expected) {
        Stars.UpdateAndDraw();
        ASSERT_TRUE(Stars.Active());
        EXPECT_DOUBLE_EQ(Stars.Position().Y, Y);
    }
    Stars.UpdateAndDraw();
    EXPECT_FALSE(Stars.Active()) << "602 is past 600";

    // Exactly on the line is not past it.
    TKOStars OnLine;
    OnLine.Top = 594;
    OnLine.StartStars(false);
    OnLine.StartSinking();
    OnLine.UpdateAndDraw();
    OnLine.UpdateAndDraw();
    EXPECT_DOUBLE_EQ(OnLine.Position().Y, 600.0);
    EXPECT_TRUE(OnLine.Active());

    // A monster that never sinks gives its stars no speed: they stay where it lies.
    TKOStars Still;
    Still.Top = 580;
    Still.DisappearMoveStep = 0.0;
    Still.StartStars(true);
    Still.StartSinking();
    for (int I = 0; I < 300; ++I) Still.UpdateAndDraw();
    EXPECT_TRUE(Still.Active());
    EXPECT_TRUE(Still.Small());
}

TEST(KOStars, AStartPutsThemBackAtLeftAndTopAndAResetOrHidingStopsThem) {
    TKOStars Stars;
    Stars.Left = 100;
    Stars.Top = 200;
    Stars.StartStars(true);
    Stars.StartSinking();
    for (int I = 0; I < 7; ++I) Stars.UpdateAndDraw();
    Stars.Left = 300;
    Stars.Top = 310;
    Stars.StartStars(false);
    EXPECT_FALSE(Stars.Sinking());
    EXPECT_FALSE(Stars.Small());
    EXPECT_DOUBLE_EQ(Stars.Position().X, 300.0);
    EXPECT_DOUBLE_EQ(Stars.Position().Y, 310.0);
    EXPECT_DOUBLE_EQ(Stars.Star(0).Angle, 90.0);
    EXPECT_DOUBLE_EQ(Stars.Star(3).Size, 3.0);
    EXPECT_EQ(Stars.CornerAlpha(0), 255);
    EXPECT_EQ(Stars.TrackCycle(), 1);

    Stars.StartSinking();
    Stars.Visible = false;
    for (int I = 0; I < 10; ++I) Stars.UpdateAndDraw();
    EXPECT_DOUBLE_EQ(Stars.Position().Y, 310.0) << "hidden they wait";
    Stars.Visible = true;
    Stars.ResetStars();
    EXPECT_FALSE(Stars.Active());
    Stars.UpdateAndDraw();
    EXPECT_DOUBLE_EQ(Stars.Position().Y, 310.0);
}

TEST(KOStars, AGlintRunsRoundTheTracksCornersWhileTheyFade) {
    TKOStars Stars;
    Stars.StartStars(false);
    struct TExpect {
        int Frame;
        int Cycle;
        int Corners[4];
    };
    // The cycle climbs 2 a frame from 1; 1-10 light the first corner, 21-30 the
    // second, 31-40 the third, 41-50 the fourth; every corner loses 15 a frame.
    const TExpect Expected[] = {
        {1, 3, {160, 0, 0, 0}},      {4, 9, {160, 0, 0, 0}},      {5, 11, {145, 0, 0, 0}},
        {10, 21, {70, 160, 0, 0}},   {15, 31, {0, 145, 160, 0}},  {20, 41, {0, 70, 145, 160}},
        {24, 49, {0, 10, 85, 160}},  {25, 1, {160, 0, 70, 145}},  {26, 3, {160, 0, 55, 130}},
    };
    int Frame = 0;
    for (const TExpect& E : Expected) {
        while (Frame < E.Frame) {
            Stars.UpdateAndDraw();
            ++Frame;
        }
        EXPECT_EQ(Stars.TrackCycle(), E.Cycle) << "frame " << Frame;
        for (int C = 0; C < 4; ++C) EXPECT_EQ(Stars.CornerAlpha(C), E.Corners[C]) << "frame " << Frame << " corner " << C;
    }
}

TEST(KOStars, TheStarsSwingInAndOutOverATurnAndComeBackWhereTheyStarted) {
    TKOStars Stars;
    Stars.StartStars(false);
    // The star that starts at 360 turns to 6, 12, ... and grows while at most 90.
    for (int I = 0; I < 15; ++I) Stars.UpdateAndDraw();
    EXPECT_DOUBLE_EQ(Stars.Star(3).Angle, 90.0);
    EXPECT_NEAR(Stars.Star(3).Size, 3.0 + 15 * 0.025, 1e-9);
    // The one that starts at 90 shrinks from 96 to 270.
    EXPECT_DOUBLE_EQ(Stars.Star(0).Angle, 180.0);
    EXPECT_NEAR(Stars.Star(0).Size, 3.0 - 15 * 0.025, 1e-9);
    for (int I = 15; I < 60; ++I) {
        Stars.UpdateAndDraw();
        for (int S = 0; S < TKOStars::StarCount; ++S) {
            ASSERT_GT(Stars.Star(S).Angle, 0.0);
            ASSERT_LE(Stars.Star(S).Angle, 360.0);
        }
    }
    const double Start[] = {90.0, 180.0, 270.0, 360.0};
    for (int S = 0; S < TKOStars::StarCount; ++S) {
        EXPECT_NEAR(Stars.Star(S).Angle, Start[S], 1e-9) << "star " << S;
        EXPECT_NEAR(Stars.Star(S).Size, 3.0, 1e-9) << "star " << S;
    }
}

TEST(KOStars, TheTrackLiesThirtyLeftAndThirtyBelowTheStars) {
    TKOStars Stars;
    Stars.Left = 411;
    Stars.Top = 126;
    Stars.StartStars(false);
    EXPECT_EQ(Stars.TrackPosition(), (TPoint{381, 156}));
    Stars.StartSinking();
    Stars.DisappearMoveStep = 2.5;
    Stars.UpdateAndDraw();
    // 128.5 rounds half to even.
    EXPECT_EQ(Stars.TrackPosition(), (TPoint{381, 158}));
}

}  // namespace
