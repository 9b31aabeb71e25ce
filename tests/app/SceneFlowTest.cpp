// Scene changes through the real main form: the splash's click leads through the
// iris to the menu, and entering and leaving scenes loads and frees their images
// and picks their music.
#include <gtest/gtest.h>

#include <filesystem>

#include "TestDriverClass.h"
#include "TestSupport.h"

namespace {

namespace fs = std::filesystem;

void WritePng(const std::string& Path) {
    fs::create_directories(fs::path(Path).parent_path());
    TPicture Picture;
    Picture.SetSize(4, 4);
    Picture.SavePng(Path);
}

class SceneFlow : public ::testing::Test {
protected:
    void SetUp() override {
        fs::copy(TTestDriver::DefaultGameFolder() + "/Texts", Game.Path() + "Texts", fs::copy_options::recursive);
        fs::create_directories(Game.Path() + "Images");
        WritePng(Game.Path() + "Images/Menu/MenuPanel.png");
        WritePng(Game.Path() + "Images/Menu/WelcomePanel.png");
        WritePng(Game.Path() + "Images/Trophy/Trophies.png");
        WritePng(Game.Path() + "Images/MirelIsland/MirelIslandBG.png");
        fs::copy(TTestDriver::DefaultGameFolder() + "/Images/Splash", Game.Path() + "Images/Splash",
                 fs::copy_options::recursive);
        TTestDriverSetup Setup;
        Setup.AppFolder = Game.Path();
        Driver = std::make_unique<TTestDriver>(Setup);
        Driver->WritePlayerList({"ANNA"});
        ASSERT_TRUE(Driver->Start());
    }

    TFormMain& Form() { return Driver->Form(); }

    void ReachFinishedSplash() {
        ASSERT_TRUE(Driver->StepUntil([&] { return Form().Scene() == gsSplash; }, 1000));
        ASSERT_TRUE(Driver->StepUntil([&] { return Form().LoadingBar->LoadingFinished(); }, 300));
    }

    TTempFolder Game;
    std::unique_ptr<TTestDriver> Driver;
};

TEST_F(SceneFlow, TheSplashClickLeadsThroughTheIrisToTheMenu) {
    ReachFinishedSplash();
    EXPECT_EQ(Form().MusicBox->NextTrack() >= 0 ? Form().MusicBox->NextTrack() : Form().MusicBox->CurrentTrack(),
              MusicNumberToTrack(muSplash));
    ASSERT_NE(Form().OmegaImageList1.Find("SplashZorLogo"), nullptr);
    Driver->Click(400, 300);
    // The iris closes for 20 frames; the scene switches when it covers the screen.
    Driver->Step(19);
    EXPECT_EQ(Form().Scene(), gsSplash);
    Driver->Step();
    EXPECT_EQ(Form().Scene(), gsMenu);
    // Leaving the splash freed its pictures; entering the menu loaded the menu's.
    EXPECT_EQ(Form().OmegaImageList1.Find("SplashZorLogo"), nullptr);
    EXPECT_EQ(Form().OmegaImageList1.Find("LoadingBarBG"), nullptr);
    EXPECT_NE(Form().OmegaImageList1.Find("MenuPanel"), nullptr);
    EXPECT_EQ(Form().LoadedImageList->Names(icMenu - icTrophy).size(), 2u);
    // Clicks are dropped while the iris still covers the new scene: for 17 frames,
    // one of them the nested frame that loads the garden's background on the menu's first.
    EXPECT_TRUE(Form().SceneTransition->IsCovering());
    const int64_t Before = Form().FramesRun();
    ASSERT_TRUE(Driver->StepUntil([&] { return !Form().SceneTransition->IsCovering(); }, 40));
    EXPECT_EQ(Form().FramesRun() - Before, 17);
}

TEST_F(SceneFlow, GardenImagesStayForTheShopAndGoWhenTheGardenIsLeft) {
    ReachFinishedSplash();
    Driver->Click(400, 300);
    Driver->Step(60);
    ASSERT_EQ(Form().Scene(), gsMenu);
    Form().GameScene->SetValue(gsMirelIsland);
    EXPECT_NE(Form().OmegaImageList1.Find("MirelIslandBG"), nullptr);
    EXPECT_EQ(Form().MusicBox->NextTrack(), MusicNumberToTrack(muMirelIsland));
    Form().GameScene->SetValue(gsShopItems);
    EXPECT_NE(Form().OmegaImageList1.Find("MirelIslandBG"), nullptr);
    Form().GameScene->SetValue(gsMirelIsland);
    Form().GameScene->SetValue(gsMap);
    EXPECT_EQ(Form().OmegaImageList1.Find("MirelIslandBG"), nullptr);
    EXPECT_TRUE(Form().LoadedImageList->Names(icMirelIsland - icTrophy).empty());
    EXPECT_EQ(Form().MusicBox->NextTrack(), MusicNumberToTrack(muMap));
}

TEST_F(SceneFlow, MenuImagesAreFreedOnlyWhenTheMenuIsLeftForTheMapOrTheStory) {
    ReachFinishedSplash();
    Driver->Click(400, 300);
    Driver->Step(60);
    ASSERT_EQ(Form().Scene(), gsMenu);
    Form().GameScene->SetValue(gsOptions);
    Form().GameScene->SetValue(gsMenu);
    EXPECT_NE(Form().OmegaImageList1.Find("MenuPanel"), nullptr);
    Form().GameScene->SetValue(gsTrophies);
    EXPECT_NE(Form().OmegaImageList1.Find("MenuPanel"), nullptr);
    EXPECT_NE(Form().OmegaImageList1.Find("Trophies"), nullptr);
    Form().GameScene->SetValue(gsMenu);
    EXPECT_EQ(Form().OmegaImageList1.Find("Trophies"), nullptr);
    Form().MenuImagesToFree = true;
    Form().GameScene->SetValue(gsMap);
    EXPECT_EQ(Form().OmegaImageList1.Find("MenuPanel"), nullptr);
    EXPECT_FALSE(Form().MenuImagesToFree);
}

}  // namespace
