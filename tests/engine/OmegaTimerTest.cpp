// The frame timer's contract, on a clock the test moves by hand.
#include <gtest/gtest.h>

#include <vector>

#include "OmegaTimerClass.h"

namespace {

constexpr uint64_t Frequency = 1000000;  // a microsecond counter

class FrameTimer : public ::testing::Test {
protected:
    void SetUp() override {
        Timer.SetClock([this] { return Now; }, Frequency);
        Timer.SetTargetFPS(33);
        Timer.SetMinFPS(10);
        Timer.SetMaxFPS(0);
        Timer.OnTimer = [this](TObject*) {
            Ticks.push_back(Now);
            Deltas.push_back(Timer.DeltaFrames());
        };
        Timer.SetEnabled(true);
    }
    // Runs the idle loop every Step microseconds for Duration microseconds.
    void RunFor(uint64_t Duration, uint64_t Step) {
        for (uint64_t End = Now + Duration; Now < End; Now += Step) Timer.Tick();
    }

    uint64_t Now = 5000000;
    TOmegaTimer Timer;
    std::vector<uint64_t> Ticks;
    std::vector<float> Deltas;
};

TEST_F(FrameTimer, NeverTwiceWithinOneFrameAndNoCatchUp) {
    RunFor(2 * Frequency, 100);
    ASSERT_GT(Ticks.size(), 60u);
    for (size_t I = 1; I < Ticks.size(); ++I) {
        ASSERT_GE(Ticks[I] - Ticks[I - 1], Frequency / 33) << "tick " << I;
    }
    // The idle loop came every 0.1 ms, so every frame took one frame and a bit.
    EXPECT_LE(Ticks.size(), 67u);
    // A one-second stall gives one tick, counted as 3.3 frames, and then the
    // ordinary pace again.
    Ticks.clear();
    Deltas.clear();
    Now += Frequency;
    Timer.Tick();
    Timer.Tick();
    ASSERT_EQ(Ticks.size(), 1u);
    EXPECT_NEAR(Deltas[0], 3.3f, 0.001f);
    RunFor(Frequency / 33 - 1, 1000);
    EXPECT_EQ(Ticks.size(), 1u);
    RunFor(2000, 1000);
    EXPECT_EQ(Ticks.size(), 2u);
    EXPECT_NEAR(Deltas[1], 1.0f, 0.05f);
}

TEST_F(FrameTimer, NothingWhileDisabledOrWithoutHandler) {
    Timer.SetEnabled(false);
    RunFor(Frequency, 1000);
    EXPECT_TRUE(Ticks.empty());
    EXPECT_EQ(Timer.MillisecondsUntilNextTick(), -1);
    // Switching on starts counting from now: a whole frame later comes the first tick.
    Timer.SetEnabled(true);
    Timer.Tick();
    EXPECT_TRUE(Ticks.empty());
    Now += Frequency / 33;
    Timer.Tick();
    ASSERT_EQ(Ticks.size(), 1u);
    EXPECT_NEAR(Deltas[0], 1.0f, 0.001f);

    TOmegaTimer Silent;
    Silent.SetClock([this] { return Now; }, Frequency);
    Silent.SetTargetFPS(33);
    Silent.SetEnabled(true);
    Now += Frequency;
    Silent.Tick();  // no handler: nothing to call, nothing breaks
    EXPECT_EQ(Silent.MillisecondsUntilNextTick(), -1);
}

TEST_F(FrameTimer, TellsTheLoopHowLongToSleep) {
    Now += Frequency / 33;
    Timer.Tick();
    ASSERT_EQ(Ticks.size(), 1u);
    EXPECT_EQ(Timer.MillisecondsUntilNextTick(), 31);  // 30.303 ms, rounded up
    Now += 10000;
    EXPECT_EQ(Timer.MillisecondsUntilNextTick(), 21);
    Now += 21000;
    EXPECT_EQ(Timer.MillisecondsUntilNextTick(), 0);

    // A loop that sleeps as told and then ticks gets one frame per wake-up.
    Ticks.clear();
    int Runs = 0;
    while (Ticks.size() < 100) {
        const int32_t Sleep = Timer.MillisecondsUntilNextTick();
        ASSERT_GE(Sleep, 0);
        Now += static_cast<uint64_t>(Sleep) * 1000;
        Timer.Tick();
        ++Runs;
    }
    EXPECT_LE(Runs, 101);
}

TEST_F(FrameTimer, MeasuresTheRateAndWarnsAfterSlowFrames) {
    RunFor(3 * Frequency, 1000);
    EXPECT_NEAR(Timer.FrameRate(), 32, 1);
    EXPECT_FALSE(Timer.LowFrameRateWarning());
    // Ten frames slower than 10 per second in a row raise the warning.
    for (int I = 0; I < 9; ++I) {
        Now += Frequency / 5;
        Timer.Tick();
        EXPECT_FALSE(Timer.LowFrameRateWarning()) << I;
    }
    Now += Frequency / 5;
    Timer.Tick();
    EXPECT_TRUE(Timer.LowFrameRateWarning());
    Now += Frequency / 5;
    Timer.Tick();
    EXPECT_TRUE(Timer.LowFrameRateWarning());
    Now += Frequency / 30;
    Timer.Tick();
    EXPECT_FALSE(Timer.LowFrameRateWarning());
}

TEST_F(FrameTimer, OtherRatesAndModes) {
    // No target: as often as allowed, at most MaxFPS, delta in seconds.
    Timer.SetTargetFPS(0);
    Timer.SetMaxFPS(100);
    Ticks.clear();
    Deltas.clear();
    RunFor(Frequency, 1000);
    ASSERT_GE(Ticks.size(), 99u);
    EXPECT_LE(Ticks.size(), 100u);
    for (size_t I = 1; I < Ticks.size(); ++I) ASSERT_GE(Ticks[I] - Ticks[I - 1], Frequency / 100);
    EXPECT_NEAR(Deltas.back(), 0.01f, 0.0001f);
    EXPECT_EQ(Timer.DeltaFrames(), Timer.DeltaSeconds());

    // Lossy mode: a fixed-interval timer drives it, every run is a tick.
    Timer.SetTargetFPS(33);
    Timer.SetLossyMode(true);
    Ticks.clear();
    for (int I = 0; I < 5; ++I) {
        Now += 30000;
        Timer.Tick();
    }
    EXPECT_EQ(Ticks.size(), 5u);
    EXPECT_EQ(Timer.MillisecondsUntilNextTick(), 30);  // 1000 div 33
}

}  // namespace
