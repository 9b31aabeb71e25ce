// The very first run: no player yet, so the splash leads to typing a first name.
#include <gtest/gtest.h>

#include "FoldersClass.h"
#include "NameListClass.h"
#include "TestDriverClass.h"

namespace {

class FirstPlayer : public ::testing::Test {
protected:
    void SetUp() override {
        Driver = std::make_unique<TTestDriver>();
        ASSERT_TRUE(Driver->Start());
        ASSERT_TRUE(Form().NoPlayerYet());
        ASSERT_TRUE(Driver->StepUntil([&] { return Form().Scene() == gsSplash; }, 1000));
        ASSERT_TRUE(Driver->StepUntil([&] { return Form().LoadingBar->LoadingFinished(); }, 400));
        Driver->Click(400, 300);
        ASSERT_TRUE(Driver->StepUntil([&] { return Form().Scene() == gsAddInitialPlayer; }, 30));
        ASSERT_TRUE(Driver->StepUntil([&] { return Form().AddNameWindow->Phase() == TGameMenuWindow::phShown; }, 60));
        // The window slid in behind the iris; clicks count once the iris has opened enough.
        ASSERT_TRUE(Driver->StepUntil([&] { return !Form().SceneTransition->IsCovering(); }, 60));
    }
    TFormMain& Form() { return Driver->Form(); }
    TNameList SavedList() {
        TNameList List;
        List.FileName = SaveFolder + "Names.dat";
        List.Load();
        return List;
    }
    std::unique_ptr<TTestDriver> Driver;
};

TEST_F(FirstPlayer, OkWaitsForANonBlankNameAndEscapeCannotSkipIt) {
    EXPECT_FALSE(Form().AddNameOKButton->Enabled);
    EXPECT_FALSE(Form().AddNameCancelButton->Enabled);
    Driver->KeyDown(SDLK_ESCAPE);
    Driver->Step(20);
    EXPECT_EQ(Form().AddNameWindow->Phase(), TGameMenuWindow::phShown);
    Driver->TypeText("  ");
    EXPECT_FALSE(Form().AddNameOKButton->Enabled);
    Driver->KeyDown(SDLK_RETURN);  // Enter acts as OK, which a blank name cannot press
    Driver->Step(20);
    EXPECT_EQ(Form().Scene(), gsAddInitialPlayer);
    Driver->TypeText("a");
    EXPECT_TRUE(Form().AddNameOKButton->Enabled);
}

TEST_F(FirstPlayer, TheTypedNameBecomesTheFirstPlayerAndTheMenuFollows) {
    Driver->TypeText("anna");
    Driver->KeyDown(SDLK_RETURN);
    ASSERT_TRUE(Driver->StepUntil([&] { return Form().Scene() == gsMenu; }, 60));
    EXPECT_FALSE(Form().NoPlayerYet());
    EXPECT_EQ(Form().LoadedPlayerName, "ANNA");
    EXPECT_TRUE(Form().PlayerLoaded());
    TNameList List = SavedList();  // kept at once, not only when the game closes
    EXPECT_EQ(List.NameOf(1), "ANNA");
    EXPECT_EQ(List.Selected(), 1);
}

TEST_F(FirstPlayer, TheTestModeCodeAddsNoPlayerAndAsksAgain) {
    Driver->TypeText("GOLD KEY");
    const TGameButton& Ok = *Form().AddNameOKButton;
    Driver->Click(Ok.Left + Ok.Width / 2, Ok.Top + Ok.Height / 2);
    EXPECT_TRUE(Form().TestModeMoneyAndShop);
    EXPECT_TRUE(Form().TestModeAllLevelsAndTools);
    EXPECT_TRUE(Form().TestModeObjectivesOfOne);
    EXPECT_TRUE(Form().Menus.TestModePending) << "its one-time effects wait for Play";
    ASSERT_TRUE(Driver->StepUntil([&] { return Form().AddNameWindow->Phase() == TGameMenuWindow::phShowing; }, 60));
    EXPECT_EQ(Form().Scene(), gsAddInitialPlayer);
    EXPECT_TRUE(Form().NameInput->Entry().empty());
    EXPECT_TRUE(SavedList().IsEmpty());
}

}  // namespace
