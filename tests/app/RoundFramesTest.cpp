// The round as the player sees it, drawn on the offscreen renderer: paused, only
// the background, the panels and the pause sign show; a level completed for the
// first time in 2:05 shows its time, no earlier best ("-"), the new-best badge and
// its medal on the result window, drawn over the round.
#include <gtest/gtest.h>

#include "RandomClass.h"
#include "RoundDriverClass.h"
#include "TestDriverClass.h"

namespace {

TEST(RoundFrames, PausedTheBoardGoesTheSignShowsAndTheTubeStands) {
    SetRandomSeedSource([] { return uint64_t{7}; });
    TTestDriver Driver;
    ASSERT_TRUE(Driver.Start());
    TFormMain& Form = Driver.Form();
    Form.MainLoadForDevelopment();
    Form.GameScene->SetValue(gsLevelSel);
    ASSERT_TRUE(EnterRound(Driver, 1, 1));
    ASSERT_TRUE(Driver.StepUntil([&] { return Form.Gauges.TubeTimer->Running() && Form.GameBoard->IsSettled(); }, 800));
    TPicture Running, Paused, Resumed;
    ASSERT_TRUE(Driver.Capture(Running));
    EXPECT_EQ(Form.Gauges.TubeTimer->Position().X, 741);
    Driver.KeyDown(SDLK_SPACE);
    const int32_t Frozen = Form.Gauges.TubeTimer->ElapsedMiliSecs();
    Driver.Step(100);
    EXPECT_EQ(Form.Gauges.TubeTimer->ElapsedMiliSecs(), Frozen);
    ASSERT_TRUE(Driver.Capture(Paused));
    Driver.SaveFramePng(::testing::TempDir() + "quellow-paused.png");
    // Tiles away from the sign show the background now, where lockers were.
    int Changed = 0;
    for (int Row = 0; Row < 10; Row += 9)
        for (int Column = 0; Column < 10; ++Column) {
            const int X = 215 + Column * 46 + 23, Y = 90 + Row * 46 + 23;
            Changed += Running.PixelRGBA(X, Y) != Paused.PixelRGBA(X, Y);
        }
    EXPECT_EQ(Changed, 20);
    // The sign's middle, at (387, 258) + half its 116 x 124, differs from the running board there.
    EXPECT_NE(Paused.PixelRGBA(445, 320), Running.PixelRGBA(445, 320));
    // The left panel stays.
    EXPECT_EQ(Paused.PixelRGBA(60, 520), Running.PixelRGBA(60, 520));
    Driver.KeyDown(SDLK_SPACE);
    Driver.Step(2);
    ASSERT_TRUE(Driver.Capture(Resumed));
    EXPECT_EQ(Resumed.PixelRGBA(215 + 23, 90 + 23), Running.PixelRGBA(215 + 23, 90 + 23));
    SetRandomSeedSource({});
}

TEST(RoundFrames, AFirstCompletionIn125SecondsShowsItsTimeNoBestAndTheBadge) {
    SetRandomSeedSource([] { return uint64_t{7}; });
    TTestDriver Driver;
    ASSERT_TRUE(Driver.Start());
    TFormMain& Form = Driver.Form();
    Form.MainLoadForDevelopment();
    Form.GameScene->SetValue(gsLevelSel);
    ASSERT_TRUE(EnterRound(Driver, 1, 1));
    // 150 s level: 2:05 is past the silver limit of 98 s, so bronze.
    ASSERT_TRUE(Driver.StepUntil([&] { return Form.Gauges.TubeTimer->ElapsedSeconds() == 125; }, 5000));
    Form.ObjectiveMet();
    ASSERT_TRUE(Driver.StepUntil(
        [&] { return Form.Scene() == gsStageResult && Form.Results.Window->Phase() == TGameMenuWindow::phShown; },
        2000));
    EXPECT_EQ(Form.Results.Stats->PlayingTime(), 125);
    EXPECT_EQ(Form.Results.Stats->BestTime(), 0);
    EXPECT_TRUE(Form.Results.Stats->NewBestTime());
    EXPECT_EQ(TResultStats::TimeText(125), "2:05");
    EXPECT_EQ(Form.Results.Medal->MedalKind(), mdBronze);
    Driver.Step(40);  // the money has counted up
    TPicture Frame;
    ASSERT_TRUE(Driver.Capture(Frame));
    Driver.SaveFramePng(::testing::TempDir() + "quellow-stage-result.png");
    // The window sits where its medal meets the medal shine's centre, and carries the figures.
    const TPoint Window = Form.Results.Window->Position();
    EXPECT_EQ(Window.X, 240);
    EXPECT_EQ(Window.Y, 130);
    const TGameButton& OK = *Form.Results.OKButton;
    EXPECT_EQ(OK.Left, Window.X + 117);
    EXPECT_EQ(OK.Top, Window.Y + 303);
    // Something is drawn at the badge, left of the time, in the pulse of its alpha.
    const uint32_t Badge = Frame.PixelRGBA(Form.Results.Stats->Left - 52 + 24, Form.Results.Stats->Top + 9 + 12);
    const uint32_t Window3 = Frame.PixelRGBA(Window.X + 20, Window.Y + 200);
    EXPECT_NE(Badge, Window3);
    SetRandomSeedSource({});
}

}  // namespace
