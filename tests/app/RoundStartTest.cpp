// Starting a level through the main form: the board of level 1-01 appears on the
// island's background; a level that does not exist changes nothing.
#include <gtest/gtest.h>

#include "FoldersClass.h"
#include "RoundDriverClass.h"
#include "TestDriverClass.h"

namespace {

TEST(RoundStart, LevelOneIsDrawnOnTheIslandsBackgroundAndTakesPresses) {
    TTestDriver Driver;
    ASSERT_TRUE(Driver.Start());
    TFormMain& Form = Driver.Form();
    Form.MainLoadForDevelopment();
    // Without the first level's lesson, whose pointer takes only the tile it points at.
    Form.Story.Tutorial.Enabled = false;
    ASSERT_TRUE(Form.StartLevel(1, 1));
    // The lockers drop in one by one under the announcement; the board takes over when
    // the last has landed.
    EXPECT_FALSE(Form.GameBoard->CanDraw);
    EXPECT_TRUE(Form.LockerFiller->Running());
    ASSERT_TRUE(Driver.StepUntil([&] { return Form.GameBoard->CanDraw; }, 400));
    EXPECT_FALSE(Form.LockerFiller->Running());
    ASSERT_TRUE(SkipAnnouncement(Driver));
    Driver.Step(3);
    EXPECT_NE(Form.OmegaImageList1.Find("GameBG1"), nullptr);
    TPicture Frame;
    ASSERT_TRUE(Driver.Capture(Frame));
    Driver.SaveFramePng(::testing::TempDir() + "quellow-level-1-01.png");
    // Every tile of the board shows a locker: no tile is left as bare background.
    for (int Column = 0; Column < 10; ++Column) {
        for (int Row = 0; Row < 10; ++Row) {
            const uint32_t Centre = Frame.PixelRGBA(215 + Column * 46 + 23, 90 + Row * 46 + 23);
            EXPECT_EQ(Centre & 0xFF, 0xFFu);
        }
    }
    // A press on a tile reaches the board.
    int Clicks = 0;
    Form.GameBoard->OnObjectTileClick = [&](TObject*) { ++Clicks; };
    Driver.Click(215 + 46 * 4 + 20, 90 + 46 * 4 + 20);
    EXPECT_EQ(Clicks, 1);
    Driver.Click(100, 100);  // off the board
    EXPECT_EQ(Clicks, 1);
    EXPECT_TRUE(Driver.Messages().empty());
}

TEST(RoundStart, AMissingLevelFileIsReportedAndChangesNothing) {
    TTestDriver Driver;
    ASSERT_TRUE(Driver.Start());
    TFormMain& Form = Driver.Form();
    EXPECT_FALSE(Form.StartLevel(4, 99));
    EXPECT_EQ(Form.Scene(), gsCompanyLogos);
    ASSERT_EQ(Driver.Messages().size(), 1u);
    EXPECT_EQ(Driver.Messages()[0], "Level file not found: " + LevelsFolder + "4-99.qel");
}

}  // namespace

namespace {

TEST(RoundStart, AHeadlessGameRunsTheRoundWithNothingDrawn) {
    TTestDriverSetup Setup;
    Setup.Headless = true;
    TTestDriver Driver(Setup);
    ASSERT_TRUE(Driver.Start());
    TFormMain& Form = Driver.Form();
    EXPECT_EQ(Form.Window(), nullptr);
    ASSERT_TRUE(Form.StartLevel(1, 2));
    const int64_t Before = Form.FramesRun();
    Driver.Step(100);
    // One more: loading the island's background runs a frame of its own, with or without a screen,
    // so a headless game keeps the same frame count as a drawn one.
    EXPECT_EQ(Form.FramesRun() - Before, 101);
    EXPECT_NE(Form.OmegaImageList1.Find("GameBG1"), nullptr);
    TPicture Frame;
    EXPECT_FALSE(Driver.Capture(Frame));
    EXPECT_TRUE(Driver.Messages().empty());
}

}  // namespace
