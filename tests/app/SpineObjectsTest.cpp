#include <gtest/gtest.h>

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "CompanyLogosClass.h"
#include "LoadingBarClass.h"
#include "SaveFolderClass.h"
#include "SingleInstanceClass.h"
#include "SplashLogoClass.h"
#include "TestSupport.h"
#include "ValueUpDownClass.h"

namespace {

TEST(CompanyLogos, FadeInHoldAndHandOver) {
    TCompanyLogos Logos;  // no image list: only the timing runs
    Logos.SetLogoCount(2);
    int Frames = 0;
    while (Logos.CurrentLogo() == 1 && Frames < 1000) {
        Logos.UpdateAndDraw();
        ++Frames;
    }
    // 43 frames to pass 254 at +6, then 750 ms of hold at 30 ms a frame (25 frames, the first counted with the fade).
    EXPECT_EQ(Frames, 43 + 24);
    EXPECT_EQ(Logos.LogoAlpha(1), 255);
    Logos.UpdateAndDraw();
    EXPECT_EQ(Logos.LogoAlpha(1), 255 - 12);
    EXPECT_EQ(Logos.LogoAlpha(2), 6);
}

TEST(CompanyLogos, AClickEndsTheHoldButNeverTheFadeIn) {
    TCompanyLogos Logos;
    Logos.SetLogoCount(3);
    for (int I = 0; I < 10; ++I) Logos.UpdateAndDraw();
    Logos.SkipHold();  // during the fade-in
    int Frames = 10;
    while (Logos.LogoAlpha(1) < 255) {
        Logos.UpdateAndDraw();
        ++Frames;
    }
    EXPECT_EQ(Frames, 43);
    EXPECT_EQ(Logos.CurrentLogo(), 2);  // the hold was already over when the fade-in ended
    for (int I = 0; I < 50; ++I) Logos.UpdateAndDraw();  // logo 2 fully shown, holding
    ASSERT_EQ(Logos.CurrentLogo(), 2);
    Logos.SkipHold();
    Logos.UpdateAndDraw();
    EXPECT_EQ(Logos.CurrentLogo(), 3);
    // The third logo holds for 200 ms.
    int Hold = 0;
    while (!Logos.Finished() && Hold < 1000) {
        Logos.UpdateAndDraw();
        if (Logos.LogoAlpha(3) == 255) ++Hold;
    }
    EXPECT_EQ(Hold, 7);
}

TEST(LoadingBar, StepsAndTheLastStep) {
    TLoadingBar Bar;
    Bar.ImageCountToLoad = 4;
    Bar.FillWidth = 200;
    EXPECT_FALSE(Bar.LoadingMinusOneFinished());
    for (int I = 0; I < 3; ++I) Bar.StepIt();
    EXPECT_TRUE(Bar.LoadingMinusOneFinished());
    EXPECT_FALSE(Bar.LoadingFinished());
    EXPECT_EQ(Bar.FilledWidth(), 150);
    EXPECT_EQ(Bar.Percentage(), 75);
    Bar.StepIt();
    Bar.StepIt();  // never beyond the count
    EXPECT_TRUE(Bar.LoadingFinished());
    EXPECT_EQ(Bar.Steps(), 4);
    EXPECT_EQ(Bar.FilledWidth(), 200);
}

TEST(SplashLogo, EntranceCompletesOnceAndLogoEndsSharpInPlace) {
    TSplashLogo Logo;
    EXPECT_FALSE(Logo.Started());
    int Frames = 0;
    while (!Logo.EntranceComplete() && Frames < 500) {
        Logo.UpdateAndDraw();
        ++Frames;
    }
    EXPECT_EQ(Frames, TSplashLogo::FocusStartFrame + TSplashLogo::FocusFrames + 1);
    EXPECT_EQ(Logo.SharpAlpha(), 255);
    EXPECT_EQ(Logo.BlurAlpha(), 0);
    EXPECT_EQ(Logo.RiseOffset(), 0.0);
}

TEST(ValueUpDown, FallsToMinFirstThenSwings) {
    TValueUpDown V;
    V.Setup(8, 8, 255, 120);
    EXPECT_EQ(V.Value, 120);
    V.Update();  // falling from Min clamps at Min and turns
    EXPECT_EQ(V.Value, 120);
    EXPECT_TRUE(V.Rising());
    V.Update();
    EXPECT_EQ(V.Value, 128);
    V.RestartFalling();
    EXPECT_EQ(V.Value, 255);
    V.Update();
    EXPECT_EQ(V.Value, 247);
    V.SetRangeMax(200);
    EXPECT_EQ(V.Value, 200);
    V.Setup(1, 1, 1.0f, 0.0f);
    V.Value = 2.5f;
    EXPECT_EQ(V.RoundedValue(), 2);
}

TEST(SaveFolder, ALockedPlayerListMovesSavesToANumberedFolder) {
    TTempFolder Temp;
    EXPECT_EQ(ChooseSaveFolder(Temp.Path()), Temp.Path());
    // A "Names.dat" that cannot be opened for writing (a folder, which even root cannot write).
    ASSERT_EQ(mkdir((Temp.Path() + "Names.dat").c_str(), 0755), 0);
    EXPECT_FALSE(SaveFolderUsable(Temp.Path()));
    EXPECT_EQ(ChooseSaveFolder(Temp.Path()), Temp.Path() + "1/");
    EXPECT_TRUE(FolderExists(Temp.Path() + "1/"));
    // Folder 1 locked too: 2 is taken.
    ASSERT_EQ(mkdir((Temp.Path() + "1/Names.dat").c_str(), 0755), 0);
    EXPECT_EQ(ChooseSaveFolder(Temp.Path()), Temp.Path() + "2/");
    // An existing usable numbered folder is taken as it is.
    WriteWholeFile(Temp.Path() + "2/Names.dat", std::string(66, '\0'));
    EXPECT_EQ(ChooseSaveFolder(Temp.Path()), Temp.Path() + "2/");
}

TEST(SingleInstance, ASecondProcessIsRefusedAndTheLockDiesWithItsHolder) {
    TTempFolder Temp;
    const std::string Folder = Temp.Path() + "Quellow";
    TSingleInstance First;
    ASSERT_TRUE(First.Acquire(Folder));
    // Another process cannot take it while this one holds it.
    const pid_t Child = fork();
    if (Child == 0) {
        TSingleInstance Second;
        _exit(Second.Acquire(Folder) ? 0 : 7);
    }
    int Status = 0;
    waitpid(Child, &Status, 0);
    EXPECT_EQ(WEXITSTATUS(Status), 7);
    First.Release();
    const pid_t Again = fork();
    if (Again == 0) {
        TSingleInstance Second;
        _exit(Second.Acquire(Folder) ? 0 : 7);
    }
    waitpid(Again, &Status, 0);
    EXPECT_EQ(WEXITSTATUS(Status), 0);
}

}  // namespace
