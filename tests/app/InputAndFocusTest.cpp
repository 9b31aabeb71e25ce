// Input routing, focus loss and the frame while the transition covers the screen.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestDriverClass.h"
#include "TestSupport.h"

namespace {

class InputAndFocus : public ::testing::Test {
protected:
    void SetUp() override {
        std::filesystem::copy(TTestDriver::DefaultGameFolder() + "/Texts", Game.Path() + "Texts",
                              std::filesystem::copy_options::recursive);
        TTestDriverSetup Setup;
        Setup.AppFolder = Game.Path();
        Driver = std::make_unique<TTestDriver>(Setup);
        ASSERT_TRUE(Driver->Start());
    }
    TTempFolder Game;
    std::unique_ptr<TTestDriver> Driver;
};

TEST_F(InputAndFocus, ClicksAreDroppedWhileTheTransitionCoversTheScreen) {
    TFormMain& Form = Driver->Form();
    for (int I = 0; I < 10; ++I) Driver->Step();
    const int AlphaBefore = Form.CompanyLogos->LogoAlpha(1);
    Form.SceneTransition->Start(gsCompanyLogos, gsCompanyLogos);
    Driver->Step();
    ASSERT_TRUE(Form.SceneTransition->IsCovering());
    Driver->Click(100, 100);  // would end the logo's hold, were it delivered
    // Had the click arrived, the logo would leave on the frame its fade-in ends.
    ASSERT_TRUE(Driver->StepUntil([&] { return Form.CompanyLogos->LogoAlpha(1) == 255; }, 60));
    EXPECT_GT(Form.CompanyLogos->LogoAlpha(1), AlphaBefore);
    Driver->Step();
    EXPECT_EQ(Form.CompanyLogos->CurrentLogo(), 1);
}

TEST_F(InputAndFocus, LosingTheFocusInAWindowStopsFramesAndRegainingItResumes) {
    TFormMain& Form = Driver->Form();
    Driver->Step();
    Form.SetFullScreen(false, true);
    Form.ApplicationDeactivate();
    EXPECT_FALSE(Form.OmegaTimer1.Enabled());
    EXPECT_FALSE(Form.Timer1Enabled());  // only a full-screen game drops to a window
    EXPECT_EQ(Form.SFXPlayer->Volume(), 0);
    EXPECT_EQ(Form.MusicBox->Volume(), 0);
    Form.ApplicationActivate();
    EXPECT_TRUE(Form.OmegaTimer1.Enabled());
    EXPECT_EQ(Form.SFXPlayer->Volume(), Form.Options->SFXVolume);
    EXPECT_EQ(Form.MusicBox->Volume(), Form.Options->MusicVolume);
    EXPECT_FALSE(Form.FullScreen());
}

TEST_F(InputAndFocus, LosingTheFocusInFullScreenDropsToAWindowAndRestoreReturns) {
    TFormMain& Form = Driver->Form();
    ASSERT_TRUE(Driver->StepUntil([&] { return Form.Scene() == gsSplash; }, 1000));
    ASSERT_TRUE(Form.FullScreen());
    Form.ApplicationDeactivate();
    EXPECT_TRUE(Form.Timer1Enabled());
    Form.Timer1Timer();  // 100 ms later
    EXPECT_FALSE(Form.Timer1Enabled());
    EXPECT_FALSE(Form.FullScreen());
    EXPECT_FALSE(Form.OmegaTimer1.Enabled());
    EXPECT_EQ(Form.MusicBox->Volume(), 0);
    Form.ApplicationRestore();
    EXPECT_TRUE(Form.FullScreen());
    EXPECT_TRUE(Form.OmegaTimer1.Enabled());
    EXPECT_EQ(Form.MusicBox->Volume(), Form.Options->MusicVolume);
}

TEST_F(InputAndFocus, FocusBackWithinTheHundredMillisecondsResumesAtOnce) {
    TFormMain& Form = Driver->Form();
    ASSERT_TRUE(Driver->StepUntil([&] { return Form.Scene() == gsSplash; }, 1000));
    Form.ApplicationDeactivate();
    ASSERT_TRUE(Form.Timer1Enabled());
    Form.ApplicationActivate();
    EXPECT_FALSE(Form.Timer1Enabled());
    EXPECT_TRUE(Form.FullScreen());
    EXPECT_TRUE(Form.OmegaTimer1.Enabled());
    EXPECT_EQ(Form.SFXPlayer->Volume(), Form.Options->SFXVolume);
}

TEST_F(InputAndFocus, TypedTextOutsideTheCodePageNeverReachesTheGameAsGarbage) {
    // Nothing consumes keys on the logos; routing typed text must simply be safe.
    Driver->TypeText("A\xE4\xB8\xAD\xC3\xA9");
    Driver->KeyDown(SDLK_BACKSPACE);
    Driver->KeyDown(SDLK_ESCAPE);
    Driver->Step();
    SUCCEED();
}

}  // namespace
