// The game in a real window on an X display (the test command provides a
// virtual one). Skipped when there is no display.
#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "TestDriverClass.h"
#include "TestSupport.h"

namespace {

// True when an X display is there; the tests then draw on it instead of offscreen.
bool HaveDisplay() {
    const char* Display = std::getenv("DISPLAY");
    if (!Display || !*Display) return false;
    unsetenv("SDL_VIDEODRIVER");
    return true;
}

TEST(RealWindow, FramesAreDrawnAndShownInAnXWindow) {
    if (!HaveDisplay()) GTEST_SKIP() << "no X display";
    TTestDriverSetup Setup;
    Setup.ShowWindow = true;
    TTestDriver Driver(Setup);
    ASSERT_TRUE(Driver.Start());
    EXPECT_STREQ(SDL_GetCurrentVideoDriver(), "x11");
    ASSERT_TRUE(Driver.StepUntil([&] { return Driver.Form().Scene() == gsSplash; }, 1000));
    Driver.Step(40);
    TPicture Frame;
    ASSERT_TRUE(Driver.Capture(Frame));
    // The splash picture is on screen: not the black of an empty frame.
    uint64_t Sum = 0;
    for (int Y = 0; Y < 600; Y += 50)
        for (int X = 0; X < 800; X += 50) Sum += Frame.PixelRGBA(X, Y) >> 8;
    EXPECT_GT(Sum, 0u);
}

TEST(RealWindow, TheGameRunsAndASecondCopyIsTurnedAway) {
    if (!HaveDisplay()) GTEST_SKIP() << "no X display";
    const std::string ExePath = TTestDriver::DefaultGameFolder() + "/quellow";
    const char* Exe = ExePath.c_str();
    TTempFolder User;
    setenv("XDG_DATA_HOME", User.Path().c_str(), 1);
    const pid_t First = fork();
    if (First == 0) {
        execl(Exe, Exe, static_cast<char*>(nullptr));
        _exit(127);
    }
    std::this_thread::sleep_for(std::chrono::seconds(2));
    int Status = 0;
    ASSERT_EQ(waitpid(First, &Status, WNOHANG), 0) << "the game ended by itself";

    // The second copy, without a display for its message box, says so on standard error.
    const std::string Command = std::string("env -u DISPLAY ") + Exe + " 2>&1";
    FILE* Second = popen(Command.c_str(), "r");
    ASSERT_NE(Second, nullptr);
    std::string Output;
    char Buffer[256];
    while (fgets(Buffer, sizeof(Buffer), Second)) Output += Buffer;
    EXPECT_EQ(pclose(Second), 0);
    EXPECT_NE(Output.find("Application is already running."), std::string::npos) << Output;

    ASSERT_EQ(waitpid(First, &Status, WNOHANG), 0) << "the first copy must keep running";
    kill(First, SIGTERM);
    waitpid(First, &Status, 0);
    unsetenv("XDG_DATA_HOME");
}

}  // namespace
