// The round timer without a screen: sliding in, filling up, running with its
// warning and its time up, swallowed seconds, relaxed mode and the pause.
#include <gtest/gtest.h>

#include <vector>

#include "TubeTimerClass.h"

namespace {

struct TTimerLog {
    std::vector<int32_t> AlmostAtMs;
    std::vector<int32_t> TimeUpAtMs;
};

class TubeTimer : public ::testing::Test {
protected:
    void SetUp() override {
        Timer.Left = 741;
        Timer.HideLeft = 800;
        Timer.Top = 111;
        Timer.Time = 300;
        Timer.RelaxedMode = rmNo;
        Timer.Reset();
        Timer.OnAlmostTimeUp = [this](TObject*) { Log.AlmostAtMs.push_back(Timer.ElapsedMiliSecs()); };
        Timer.OnTimeUp = [this](TObject*) { Log.TimeUpAtMs.push_back(Timer.ElapsedMiliSecs()); };
    }
    // Level start, slide and fill-up; then the round lets the clock run. Returns the frames it took.
    int BringToRunning() {
        Timer.Prepare();
        int Frames = 0;
        while (Timer.Phase() != TTubeTimer::tpRunning && Frames < 1000) {
            Timer.UpdateAndDraw();
            ++Frames;
        }
        Timer.Paused = false;
        return Frames;
    }
    void RunUntilMs(int32_t Ms) {
        for (int Frame = 0; Frame < 20000 && Timer.ElapsedMiliSecs() < Ms; ++Frame) Timer.UpdateAndDraw();
    }

    TTubeTimer Timer;
    TTimerLog Log;
};

TEST_F(TubeTimer, SlidesInAPixelAFrameWhileStillPausedThenFillsUpInFiftyFrames) {
    Timer.Prepare();
    EXPECT_EQ(Timer.ElapsedSeconds(), 300) << "an empty gauge at the start";
    EXPECT_EQ(Timer.DrainedPixels(), 332);
    for (int Frame = 1; Frame <= 59; ++Frame) {
        Timer.UpdateAndDraw();
        EXPECT_EQ(Timer.Position(), (TPoint{800 - Frame, 111})) << Frame;
    }
    EXPECT_EQ(Timer.Phase(), TTubeTimer::tpFillingUp);
    EXPECT_TRUE(Timer.Paused) << "the round releases the clock later";
    for (int Frame = 1; Frame <= 49; ++Frame) Timer.UpdateAndDraw();
    EXPECT_EQ(Timer.Phase(), TTubeTimer::tpFillingUp);
    EXPECT_EQ(Timer.ElapsedMiliSecs(), 300000 - 49 * 6000);
    Timer.UpdateAndDraw();
    EXPECT_EQ(Timer.Phase(), TTubeTimer::tpRunning);
    EXPECT_EQ(Timer.ElapsedMiliSecs(), 0);
    EXPECT_EQ(Timer.ElapsedSeconds(), 0);
    EXPECT_EQ(Timer.DrainedPixels(), 0);
    EXPECT_EQ(Timer.EnergyLeftPercent(), 100);

    // Paused, a full gauge waits.
    for (int Frame = 0; Frame < 10; ++Frame) Timer.UpdateAndDraw();
    EXPECT_EQ(Timer.ElapsedMiliSecs(), 0);
}

TEST_F(TubeTimer, WarnsOnceAt272SecondsAndRunsOutAt300ThenStands) {
    BringToRunning();
    RunUntilMs(272000);
    ASSERT_EQ(Log.AlmostAtMs.size(), 1u);
    EXPECT_EQ(Log.AlmostAtMs[0] / 1000, 272);
    EXPECT_LT(Log.AlmostAtMs[0], 272000 + 30) << "the first frame at 272 s";
    EXPECT_TRUE(Log.TimeUpAtMs.empty());

    RunUntilMs(299970);
    EXPECT_TRUE(Log.TimeUpAtMs.empty());
    Timer.UpdateAndDraw();
    ASSERT_EQ(Log.TimeUpAtMs.size(), 1u);
    EXPECT_EQ(Log.TimeUpAtMs[0], 300000) << "frame 10000 of the running clock";
    EXPECT_FALSE(Timer.Running());
    EXPECT_EQ(Timer.ElapsedSeconds(), 300);

    for (int Frame = 0; Frame < 100; ++Frame) Timer.UpdateAndDraw();
    EXPECT_EQ(Log.AlmostAtMs.size(), 1u);
    EXPECT_EQ(Log.TimeUpAtMs.size(), 1u);
    EXPECT_EQ(Timer.ElapsedMiliSecs(), 300000);
    EXPECT_EQ(Timer.DrainedPixels(), 332);
    EXPECT_EQ(Timer.EnergyLeftPercent(), 0);
}

TEST_F(TubeTimer, TheDrainedPixelsAndEnergyLeftFollowTheTimeAlsoWithoutAScreen) {
    BringToRunning();
    struct TCase {
        int32_t Ms;
        int32_t Pixels;
        int32_t Percent;
    };
    for (const TCase& Case : {TCase{30000, 33, 90}, TCase{150000, 166, 50}, TCase{225000, 249, 25}}) {
        RunUntilMs(Case.Ms);
        ASSERT_EQ(Timer.ElapsedMiliSecs(), Case.Ms);
        EXPECT_EQ(Timer.DrainedPixels(), Case.Pixels) << Case.Ms;
        EXPECT_EQ(Timer.EnergyLeftPercent(), Case.Percent) << Case.Ms;
    }
}

TEST_F(TubeTimer, FiveSwallowedSecondsTakeFourUpdatesAndLandOnTheirTarget) {
    BringToRunning();
    RunUntilMs(60000);
    Timer.Absorb(5);
    const int32_t Expected[] = {61530, 63060, 64590, 65000};
    for (int32_t Ms : Expected) {
        EXPECT_TRUE(Timer.Absorbing());
        Timer.UpdateAndDraw();
        EXPECT_EQ(Timer.ElapsedMiliSecs(), Ms);
    }
    EXPECT_FALSE(Timer.Absorbing());
    Timer.UpdateAndDraw();
    EXPECT_EQ(Timer.ElapsedMiliSecs(), 65030) << "then the clock runs on at its own pace";
}

TEST_F(TubeTimer, SwallowedSecondsNeverPassTheLimitAndTheTimeIsUpOnce) {
    BringToRunning();
    RunUntilMs(298000);
    Timer.Absorb(5);
    for (int Frame = 0; Frame < 10; ++Frame) {
        Timer.UpdateAndDraw();
        EXPECT_LE(Timer.ElapsedMiliSecs(), 300000);
    }
    EXPECT_EQ(Timer.ElapsedMiliSecs(), 300000);
    EXPECT_EQ(Log.TimeUpAtMs, std::vector<int32_t>{300000});
    EXPECT_EQ(Timer.ElapsedSeconds(), 300);
}

TEST_F(TubeTimer, RelaxedModeCountsUpToTheLimitButSwallowsNothingAndRaisesNothing) {
    Timer.RelaxedMode = rmYes;
    BringToRunning();
    RunUntilMs(100000);
    Timer.Absorb(5);
    EXPECT_FALSE(Timer.Absorbing());
    Timer.UpdateAndDraw();
    EXPECT_EQ(Timer.ElapsedMiliSecs(), 100050) << "only the frame's own 30 ms, from 100020";
    for (int Frame = 0; Frame < 12000; ++Frame) Timer.UpdateAndDraw();
    EXPECT_TRUE(Log.AlmostAtMs.empty());
    EXPECT_TRUE(Log.TimeUpAtMs.empty());
    EXPECT_EQ(Timer.ElapsedMiliSecs(), 300000) << "it stops at the limit, as in every mode";
    EXPECT_EQ(Timer.ElapsedSeconds(), 300) << "the medal's time: the limit, a bronze";
    EXPECT_TRUE(Timer.Running()) << "time never runs out";
}

TEST_F(TubeTimer, APauseStopsTheClockAndResetKeepsThePlayersRelaxedChoice) {
    BringToRunning();
    RunUntilMs(3000);
    Timer.Paused = true;
    for (int Frame = 0; Frame < 50; ++Frame) Timer.UpdateAndDraw();
    EXPECT_EQ(Timer.ElapsedMiliSecs(), 3000);
    Timer.Paused = false;
    Timer.UpdateAndDraw();
    EXPECT_EQ(Timer.ElapsedMiliSecs(), 3030);

    Timer.RelaxedMode = rmYes;
    Timer.Absorb(0);
    Timer.Reset();
    EXPECT_EQ(Timer.RelaxedMode, rmYes);
    EXPECT_TRUE(Timer.Paused);
    EXPECT_EQ(Timer.Phase(), TTubeTimer::tpHidden);
    EXPECT_EQ(Timer.Position(), (TPoint{800, 111}));
    EXPECT_FALSE(Timer.Running());
}

TEST_F(TubeTimer, ItWarnsAgainInTheNextLevelAndHidingSlidesItOut) {
    BringToRunning();
    RunUntilMs(300000);
    ASSERT_EQ(Log.AlmostAtMs.size(), 1u);
    Timer.Hide();
    for (int Frame = 0; Frame < 59; ++Frame) Timer.UpdateAndDraw();
    EXPECT_EQ(Timer.Phase(), TTubeTimer::tpHidden);
    EXPECT_EQ(Timer.Position().X, 800);

    Timer.Reset();
    Timer.Time = 30;
    BringToRunning();
    RunUntilMs(1980);
    EXPECT_EQ(Log.AlmostAtMs.size(), 1u);
    Timer.UpdateAndDraw();
    ASSERT_EQ(Log.AlmostAtMs.size(), 2u) << "30 s with 28 to warn: at 2 s";
    EXPECT_EQ(Log.AlmostAtMs[1], 2010);
}

}  // namespace
