// The game from start-up to the finished splash, run through the test driver.
#include <gtest/gtest.h>

#include <filesystem>

#include "FoldersClass.h"
#include "TestDriverClass.h"
#include "TestSupport.h"

namespace {

namespace fs = std::filesystem;

// A game folder with the shipped texts and settings and a main set of Count small images.
class FixtureGame {
public:
    explicit FixtureGame(int Count) {
        fs::copy(TTestDriver::DefaultGameFolder() + "/Texts", Folder.Path() + "Texts", fs::copy_options::recursive);
        fs::create_directories(Folder.Path() + "Images");
        for (int I = 0; I < Count; ++I) {
            TPicture Picture;
            Picture.SetSize(8, 8);
            Picture.FillRect(0, 0, 8, 8, 0x20A0F0FFu);
            Picture.SavePng(Folder.Path() + "Images/Fixture" + std::to_string(I) + ".png");
        }
        // Files that are not images of the main set are not counted or loaded.
        WriteWholeFile(Folder.Path() + "Images/readme.txt", "not an image");
        fs::create_directories(Folder.Path() + "Images/Sub");
        TPicture Nested;
        Nested.SetSize(4, 4);
        Nested.SavePng(Folder.Path() + "Images/Sub/Nested.png");
    }
    std::string Path() const { return Folder.Path(); }

private:
    TTempFolder Folder;
};

TEST(Startup, ReachesTheSplashAndTheBarCountsEveryImageOfTheMainSet) {
    FixtureGame Game(5);
    TTestDriverSetup Setup;
    Setup.AppFolder = Game.Path();
    TTestDriver Driver(Setup);
    ASSERT_TRUE(Driver.Start());
    TFormMain& Form = Driver.Form();
    EXPECT_EQ(Form.Scene(), gsCompanyLogos);
    EXPECT_EQ(SaveFolder, Driver.UserDataFolder() + "/Quellow/");
    EXPECT_EQ(Form.LoadingBar->ImageCountToLoad, 5 + 1);

    ASSERT_TRUE(Driver.StepUntil([&] { return Form.Scene() == gsSplash; }, 1000));
    const int SplashStart = Driver.FramesRun();
    ASSERT_TRUE(Driver.StepUntil([&] { return Form.MainImagesLoaded(); }, 100));
    // The main load starts on the 33rd splash frame and runs one nested frame per image.
    EXPECT_EQ(Driver.FramesRun() - SplashStart, 33);
    EXPECT_EQ(Form.FramesRun() - Driver.FramesRun(), 5);
    EXPECT_EQ(Form.LoadingBar->Steps(), 5);
    for (int I = 0; I < 5; ++I) EXPECT_NE(Form.OmegaImageList1.Find("Fixture" + std::to_string(I)), nullptr);
    EXPECT_EQ(Form.OmegaImageList1.Find("Nested"), nullptr);

    // The title logo's entrance releases the last step; then the player may click.
    EXPECT_FALSE(Form.LoadingBar->LoadingFinished());
    ASSERT_TRUE(Driver.StepUntil([&] { return Form.LoadingBar->LoadingFinished(); }, 200));
    EXPECT_TRUE(Form.SplashLogo->EntranceComplete());
    Driver.Click(400, 300);
    EXPECT_TRUE(Form.LoadingBar->Leaving());
    EXPECT_TRUE(Driver.Messages().empty());
}

TEST(Startup, AClickBeforeLoadingHasFinishedDoesNothingOnTheSplash) {
    FixtureGame Game(1);
    TTestDriverSetup Setup;
    Setup.AppFolder = Game.Path();
    TTestDriver Driver(Setup);
    ASSERT_TRUE(Driver.Start());
    ASSERT_TRUE(Driver.StepUntil([&] { return Driver.Form().Scene() == gsSplash; }, 1000));
    Driver.Click(400, 300);
    EXPECT_FALSE(Driver.Form().LoadingBar->Leaving());
}

TEST(Startup, ClicksSkipTheLogosHolds) {
    FixtureGame Game(0);
    TTestDriverSetup Setup;
    Setup.AppFolder = Game.Path();
    TTestDriver Plain(Setup);
    ASSERT_TRUE(Plain.Start());
    ASSERT_TRUE(Plain.StepUntil([&] { return Plain.Form().Scene() == gsSplash; }, 1000));
    const int WithoutClicks = Plain.FramesRun();

    TTestDriver Clicking(Setup);
    ASSERT_TRUE(Clicking.Start());
    int Frames = 0;
    while (Clicking.Form().Scene() != gsSplash && Frames++ < 1000) {
        Clicking.Click(10, 10);
        Clicking.Step();
    }
    // Each logo still fades in fully (43 frames) but does not hold.
    EXPECT_EQ(Clicking.FramesRun(), 2 * 43);
    EXPECT_GT(WithoutClicks, Clicking.FramesRun() + 40);
}

TEST(Startup, FullScreenIsAppliedOnTheFirstLogoFrameNotBefore) {
    FixtureGame Game(0);
    TTestDriverSetup Setup;
    Setup.AppFolder = Game.Path();
    TTestDriver Driver(Setup);
    ASSERT_TRUE(Driver.Start());
    EXPECT_FALSE(Driver.Form().FullScreen());
    Driver.Step();
    EXPECT_TRUE(Driver.Form().FullScreen());  // the options' default asks for full screen
    // Frames are still 800 by 600, whatever the window.
    TPicture Frame;
    ASSERT_TRUE(Driver.Capture(Frame));
    EXPECT_EQ(Frame.Width, 800);
    EXPECT_EQ(Frame.Height, 600);
    // F11 and Alt+Enter switch back and forth.
    Driver.KeyDown(SDLK_F11);
    EXPECT_FALSE(Driver.Form().FullScreen());
    Driver.KeyDown(SDLK_RETURN, KMOD_LALT);
    EXPECT_TRUE(Driver.Form().FullScreen());
}

TEST(Startup, AMissingSettingsFileStopsStartUpNamingTheFile) {
    TTempFolder Game;
    fs::copy(TTestDriver::DefaultGameFolder() + "/Texts", Game.Path() + "Texts", fs::copy_options::recursive);
    fs::remove(Game.Path() + "Texts/_settings.txt");
    TTestDriverSetup Setup;
    Setup.AppFolder = Game.Path();
    TTestDriver Driver(Setup);
    EXPECT_FALSE(Driver.Start());
    ASSERT_EQ(Driver.Messages().size(), 1u);
    EXPECT_NE(Driver.Messages()[0].find("_settings.txt"), std::string::npos);
}

TEST(Startup, AMissingTextFileStopsStartUpNamingTheFile) {
    TTempFolder Game;
    fs::copy(TTestDriver::DefaultGameFolder() + "/Texts", Game.Path() + "Texts", fs::copy_options::recursive);
    fs::remove(Game.Path() + "Texts/Credits.txt");
    TTestDriverSetup Setup;
    Setup.AppFolder = Game.Path();
    TTestDriver Driver(Setup);
    EXPECT_FALSE(Driver.Start());
    ASSERT_EQ(Driver.Messages().size(), 1u);
    EXPECT_NE(Driver.Messages()[0].find("Credits.txt"), std::string::npos);
}

TEST(Startup, ALockedPlayerListSendsTheSavesToANumberedFolder) {
    FixtureGame Game(0);
    TTempFolder User;
    fs::create_directories(User.Path() + "Quellow/Names.dat");  // a folder: cannot be opened for writing
    TTestDriverSetup Setup;
    Setup.AppFolder = Game.Path();
    Setup.UserDataFolder = User.Path();
    TTestDriver Driver(Setup);
    ASSERT_TRUE(Driver.Start());
    EXPECT_EQ(SaveFolder, User.Path() + "Quellow/1/");
}

}  // namespace
