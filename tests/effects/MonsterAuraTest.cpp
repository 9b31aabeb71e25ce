// The absorbing aura frame by frame, headless: its peak on the fifteenth frame
// with one peak event per start, the delayed event once after two seconds at
// the peak, the fade down to off, a stop or a reset that leaves it off, and the
// sparks' sequence, places and fade, drawn from the cosmetic stream only.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "MonsterAuraClass.h"
#include "RandomClass.h"

namespace {

struct TAuraRig {
    TMonsterAura Aura;
    int Peaks = 0;
    int DelayedPeaks = 0;
    int Frame = 0;
    int PeakFrame = -1;
    int DelayedPeakFrame = -1;

    TAuraRig() {
        Aura.Left = 300;
        Aura.Top = 400;
        Aura.OnAuraPeak = [this](TObject* Sender) {
            EXPECT_EQ(Sender, &Aura);
            ++Peaks;
            PeakFrame = Frame;
        };
        Aura.OnAuraPeakWithDelay = [this](TObject* Sender) {
            EXPECT_EQ(Sender, &Aura);
            ++DelayedPeaks;
            DelayedPeakFrame = Frame;
        };
    }
    void Step(int Frames = 1) {
        for (int I = 0; I < Frames; ++I) {
            ++Frame;
            Aura.UpdateAndDraw();
        }
    }
};

TEST(MonsterAura, PeaksOnTheFifteenthFrameOncePerStartAndTheDelayedEventFollowsTwoSecondsLater) {
    TAuraRig Rig;
    Rig.Aura.StartAura();
    EXPECT_EQ(Rig.Aura.Phase(), apGrowing);
    Rig.Step(14);
    EXPECT_EQ(Rig.Peaks, 0);
    EXPECT_EQ(Rig.Aura.Phase(), apGrowing);
    EXPECT_NEAR(Rig.Aura.BubbleSize(), 1.9, 1e-9);
    Rig.Step();
    EXPECT_EQ(Rig.PeakFrame, 15);
    EXPECT_EQ(Rig.Aura.Phase(), apAtPeak);
    EXPECT_DOUBLE_EQ(Rig.Aura.BubbleSize(), 2.0);
    // Alpha climbs 12 a frame from 10 while it grows, and holds at the peak.
    EXPECT_EQ(Rig.Aura.BubbleAlpha(), 10 + 15 * 12);

    // 2000 ms at the peak take 67 frames of 30 ms (66 make only 1980).
    Rig.Step(66);
    EXPECT_EQ(Rig.DelayedPeaks, 0);
    Rig.Step();
    EXPECT_EQ(Rig.DelayedPeakFrame, 15 + 67);
    Rig.Step(300);
    EXPECT_EQ(Rig.Peaks, 1);
    EXPECT_EQ(Rig.DelayedPeaks, 1);
    EXPECT_EQ(Rig.Aura.Phase(), apAtPeak) << "it stays at its peak until stopped";
    EXPECT_EQ(Rig.Aura.BubbleAlpha(), 190);

    // A second absorbing phase is a second drain.
    Rig.Aura.StartAura();
    EXPECT_DOUBLE_EQ(Rig.Aura.BubbleSize(), 0.5);
    EXPECT_EQ(Rig.Aura.BubbleAlpha(), 10);
    EXPECT_EQ(Rig.Aura.TimeAtPeak(), 0);
    const int Restart = Rig.Frame;
    Rig.Step(15 + 67);
    EXPECT_EQ(Rig.Peaks, 2);
    EXPECT_EQ(Rig.PeakFrame, Restart + 15);
    EXPECT_EQ(Rig.DelayedPeaks, 2);
    EXPECT_EQ(Rig.DelayedPeakFrame, Restart + 15 + 67);
}

TEST(MonsterAura, StoppedItFadesTenAFrameWhileSwellingAndGoesOffAtItsFaintestAlpha) {
    TAuraRig Rig;
    Rig.Aura.StartAura();
    Rig.Step(20);
    Rig.Aura.StopAura();
    EXPECT_EQ(Rig.Aura.Phase(), apFading);
    // 190 falls to 10 in 18 frames, the size growing 0.075 in each.
    for (int I = 1; I <= 17; ++I) {
        Rig.Step();
        ASSERT_EQ(Rig.Aura.Phase(), apFading) << "frame " << I;
        ASSERT_EQ(Rig.Aura.BubbleAlpha(), 190 - 10 * I);
    }
    Rig.Step();
    EXPECT_EQ(Rig.Aura.Phase(), apOff);
    EXPECT_EQ(Rig.Aura.BubbleAlpha(), 10);
    EXPECT_NEAR(Rig.Aura.BubbleSize(), 2.0 + 18 * 0.075, 1e-9);
    const double Angle = Rig.Aura.BubbleAngle();
    Rig.Step(10);
    EXPECT_EQ(Rig.Aura.Phase(), apOff);
    EXPECT_NEAR(Rig.Aura.BubbleSize(), 2.0 + 18 * 0.075, 1e-9) << "an aura that is off does not advance";
    EXPECT_DOUBLE_EQ(Rig.Aura.BubbleAngle(), Angle);
    EXPECT_EQ(Rig.Peaks, 1);

    // Stopped before its peak, it never drains.
    TAuraRig Early;
    Early.Aura.StartAura();
    Early.Step(5);
    Early.Aura.StopAura();
    Early.Step(100);
    EXPECT_EQ(Early.Aura.Phase(), apOff);
    EXPECT_EQ(Early.Peaks, 0);
    EXPECT_EQ(Early.DelayedPeaks, 0);
}

TEST(MonsterAura, AStopOrAResetLeavesItOffAndAHiddenAuraWaits) {
    // A stop with no aura showing (the monster turning to prepare raises the same
    // event that stops the aura) must not bring it back for a fade.
    TAuraRig Fresh;
    Fresh.Aura.StopAura();
    EXPECT_EQ(Fresh.Aura.Phase(), apOff);
    Fresh.Step(30);
    EXPECT_EQ(Fresh.Aura.Phase(), apOff);
    EXPECT_DOUBLE_EQ(Fresh.Aura.BubbleAngle(), 0.0);

    TAuraRig Faded;
    Faded.Aura.StartAura();
    Faded.Step(16);
    Faded.Aura.StopAura();
    Faded.Step(30);
    ASSERT_EQ(Faded.Aura.Phase(), apOff);
    Faded.Aura.StopAura();
    EXPECT_EQ(Faded.Aura.Phase(), apOff);

    TAuraRig Reset;
    Reset.Aura.StartAura();
    Reset.Step(10);
    Reset.Aura.ResetAura();
    EXPECT_EQ(Reset.Aura.Phase(), apOff);
    EXPECT_DOUBLE_EQ(Reset.Aura.SparksFade(), 0.0);
    Reset.Step(100);
    EXPECT_EQ(Reset.Peaks, 0);

    TAuraRig Hidden;
    Hidden.Aura.StartAura();
    Hidden.Step(10);
    Hidden.Aura.Visible = false;
    Hidden.Step(100);
    EXPECT_EQ(Hidden.Peaks, 0);
    EXPECT_NEAR(Hidden.Aura.BubbleSize(), 1.5, 1e-9);
    Hidden.Aura.Visible = true;
    Hidden.Step(5);
    EXPECT_EQ(Hidden.Peaks, 1);
}

TEST(MonsterAura, TheBubbleTurnsAndBreathesAboutItsSize) {
    TAuraRig Rig;
    Rig.Aura.StartAura();
    float Low = 1.0f, High = -1.0f;
    for (int I = 1; I <= 700; ++I) {
        Rig.Step();
        Low = std::min(Low, Rig.Aura.Breathing());
        High = std::max(High, Rig.Aura.Breathing());
        ASSERT_GE(Rig.Aura.BubbleAngle(), 0.0);
        ASSERT_LT(Rig.Aura.BubbleAngle(), 360.0);
    }
    EXPECT_NEAR(Rig.Aura.BubbleAngle(), std::fmod(700 * 0.45, 360.0), 1e-6);
    EXPECT_FLOAT_EQ(Low, -0.05f);
    EXPECT_FLOAT_EQ(High, 0.05f);
}

TEST(MonsterAura, SparksStepThroughTheirFivePatternsAndArePlacedAnewAboutTheBubble) {
    TAuraRig Rig;
    Rig.Aura.StartAura();
    const int Expected[TMonsterAura::SparkSteps] = {0, 0, 1, 1, 2, 2, 3, 3, 4, 4};
    int Placements = 0;
    for (int Frame = 0; Frame < 10 * TMonsterAura::SparkSteps; ++Frame) {
        Rig.Step();
        for (int S = 0; S < TMonsterAura::SparkCount; ++S) {
            const TMonsterAura::TAuraSpark& Spark = Rig.Aura.Spark(S);
            ASSERT_EQ(Spark.Pattern(), Expected[Frame % TMonsterAura::SparkSteps]) << "frame " << Frame;
            if (Frame % TMonsterAura::SparkSteps != 0) continue;
            ++Placements;
            // Left + SparksAdjX + 10 x (0..19), Top + SparksAdjY + 10 x (0..19), and so on.
            EXPECT_GE(Spark.X, 300 - 50);
            EXPECT_LE(Spark.X, 300 - 50 + 190);
            EXPECT_EQ((Spark.X - 250) % 10, 0);
            EXPECT_GE(Spark.Y, 400 - 35);
            EXPECT_LE(Spark.Y, 400 - 35 + 190);
            EXPECT_EQ((Spark.Y - 365) % 10, 0);
            EXPECT_GE(Spark.Angle, 30);
            EXPECT_LE(Spark.Angle, 360);
            EXPECT_EQ(Spark.Angle % 30, 0);
            EXPECT_GE(Spark.BaseAlpha, 120);
            EXPECT_LE(Spark.BaseAlpha, 220);
            EXPECT_GE(Spark.Size, 0.5 - 1e-9);
            EXPECT_LE(Spark.Size, 0.5 + 4 * 0.15 + 1e-9);
        }
    }
    EXPECT_EQ(Placements, 10 * TMonsterAura::SparkCount);

    // The next absorbing phase, the monster elsewhere: its sparks start about the new bubble.
    Rig.Step(4);
    Rig.Aura.Left = 700;
    Rig.Aura.StartAura();
    Rig.Step();
    for (int S = 0; S < TMonsterAura::SparkCount; ++S) {
        EXPECT_EQ(Rig.Aura.Spark(S).Pattern(), 0);
        EXPECT_GE(Rig.Aura.Spark(S).X, 700 - 50);
        EXPECT_LE(Rig.Aura.Spark(S).X, 700 - 50 + 190);
    }
}

TEST(MonsterAura, SparksLightUpWithTheBubbleDieDownAsItFadesAndUseOnlyTheCosmeticStream) {
    GameplayRandom().SetSeed(77);
    TRandomStream Untouched = GameplayRandom();
    TAuraRig Rig;
    Rig.Aura.StartAura();
    Rig.Step(10);
    EXPECT_NEAR(Rig.Aura.SparksFade(), 0.3, 1e-9);
    Rig.Step(30);
    EXPECT_DOUBLE_EQ(Rig.Aura.SparksFade(), 1.0);
    Rig.Aura.StopAura();
    Rig.Step(10);
    EXPECT_NEAR(Rig.Aura.SparksFade(), 0.6, 1e-9);
    EXPECT_EQ(GameplayRandom().NextUInt32(), Untouched.NextUInt32()) << "the gameplay stream was drawn from";
}

}  // namespace
