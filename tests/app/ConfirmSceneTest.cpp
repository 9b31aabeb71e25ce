// A confirm question in its own scene, through the whole main form: drawn with the
// game's art over the menu, answered with the mouse, acted on once it has slid out.
#include <gtest/gtest.h>

#include "TestDriverClass.h"

namespace {

class ConfirmScene : public ::testing::Test {
protected:
    void SetUp() override {
        Driver = std::make_unique<TTestDriver>();
        Driver->WritePlayerList({"ANNA"});
        ASSERT_TRUE(Driver->Start());
        // Through the logos and the splash to the menu.
        ASSERT_TRUE(Driver->StepUntil([&] { return Form().Scene() == gsSplash; }, 1000));
        ASSERT_TRUE(Driver->StepUntil([&] { return Form().LoadingBar->LoadingFinished(); }, 400));
        Driver->Click(400, 300);
        ASSERT_TRUE(Driver->StepUntil([&] { return !Form().SceneTransition->Active(); }, 100));
        ASSERT_EQ(Form().Scene(), gsMenu);
    }
    TFormMain& Form() { return Driver->Form(); }
    void ClickButton(TGameButton& Button) {
        Driver->Click(Button.Left + Button.Width / 2, Button.Top + Button.Height / 2);
    }
    std::unique_ptr<TTestDriver> Driver;
};

TEST_F(ConfirmScene, TheExitQuestionIsDrawnWithItsArtAndCancelReturnsToTheMenu) {
    Form().ShowConfirm(1, pbOK, nbCancel);
    EXPECT_EQ(Form().Scene(), gsConfirmWindow);
    ASSERT_TRUE(Driver->StepUntil([&] { return Form().ConfirmWindow->Window().IsOpen() &&
                                               !Form().ConfirmWindow->Window().IsHidden(); }, 5));
    Driver->Step(30);
    TPicture Frame;
    ASSERT_TRUE(Driver->Capture(Frame));
    Driver->SaveFramePng(::testing::TempDir() + "quellow-confirm-scene.png");
    // The window's blue panel in the middle, the green OK button, the coral Cancel button.
    const auto Channels = [](uint32_t RGBA) { return std::array<int, 3>{int(RGBA >> 24), int(RGBA >> 16 & 255), int(RGBA >> 8 & 255)}; };
    const auto Panel = Channels(Frame.PixelRGBA(400, 300));
    EXPECT_GT(Panel[2], Panel[0] + 40) << "blue panel behind the text";
    TGameButton& Ok = Form().ConfirmWindow->PositiveButton();
    TGameButton& Cancel = Form().ConfirmWindow->NegativeButton();
    const auto OkColour = Channels(Frame.PixelRGBA(Ok.Left + Ok.Width / 2, Ok.Top + Ok.Height / 2 + 8));
    EXPECT_GT(OkColour[1], OkColour[0]) << "green OK";
    const auto CancelColour = Channels(Frame.PixelRGBA(Cancel.Left + Cancel.Width / 4, Cancel.Top + Cancel.Height / 2 + 8));
    EXPECT_GT(CancelColour[0], CancelColour[1]) << "coral Cancel";

    ClickButton(Cancel);
    ASSERT_TRUE(Driver->StepUntil([&] { return Form().Scene() == gsMenu; }, 60));
    EXPECT_FALSE(Form().Closed());
}

TEST_F(ConfirmScene, OkOnTheExitQuestionClosesTheGameOnceTheWindowHasSlidOut) {
    Form().ShowConfirm(1, pbOK, nbCancel);
    Driver->Step(30);
    ClickButton(Form().ConfirmWindow->PositiveButton());
    EXPECT_FALSE(Form().Closed());  // not before the window has slid out
    ASSERT_TRUE(Driver->StepUntil([&] { return Form().Closed(); }, 60));
}

}  // namespace
