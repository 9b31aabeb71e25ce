// The pop-up size: up to its maximum and back to 1, at once or after a delay.
#include <gtest/gtest.h>

#include <algorithm>

#include "SpritePopperClass.h"

namespace {

// Updates until the popper is at rest again; the frames spent rising and falling.
struct TPopPath {
    int Rising = 0;
    int Falling = 0;
    double Peak = 1.0;
};
TPopPath Follow(TSpritePopper& Popper) {
    TPopPath Path;
    for (int Frame = 0; Frame < 1000 && Popper.Popping(); ++Frame) {
        const double Before = Popper.Ratio();
        Popper.Update();
        (Popper.Ratio() > Before ? Path.Rising : Path.Falling) += 1;
        Path.Peak = std::max(Path.Peak, Popper.Ratio());
    }
    return Path;
}

TEST(SpritePopper, RestsAtOneUntilPoppedThenSwellsToItsMaximumAndShrinksBackToOne) {
    TSpritePopper Popper;
    for (int I = 0; I < 5; ++I) Popper.Update();
    EXPECT_EQ(Popper.Ratio(), 1.0);
    EXPECT_FALSE(Popper.PopBegun());

    Popper.Pop();
    EXPECT_TRUE(Popper.PopBegun());
    EXPECT_EQ(Popper.Ratio(), 1.0) << "the first step comes with the next update";
    const TPopPath Path = Follow(Popper);
    EXPECT_EQ(Path.Rising, 20);
    EXPECT_EQ(Path.Falling, 20);
    EXPECT_EQ(Path.Peak, 1.2);
    EXPECT_EQ(Popper.Ratio(), 1.0) << "it lands on 1 exactly";
    EXPECT_TRUE(Popper.PopBegun()) << "a finished pop has still begun";
}

TEST(SpritePopper, TheAnnouncementsThreeSettingsEachSwellInThreeFramesAndShrinkInFive) {
    struct TCase {
        double Max, Up, Down;
    };
    for (const TCase& Case : {TCase{1.15, 0.05, 0.03}, TCase{1.10, 0.035, 0.02}, TCase{1.05, 0.018, 0.01}}) {
        SCOPED_TRACE(Case.Max);
        TSpritePopper Popper;
        Popper.MaxRatio = Case.Max;
        Popper.UpStep = Case.Up;
        Popper.DownStep = Case.Down;
        Popper.Pop();
        const TPopPath Path = Follow(Popper);
        EXPECT_EQ(Path.Rising, 3);
        EXPECT_EQ(Path.Falling, 5);
        EXPECT_EQ(Path.Peak, Case.Max) << "the top is held at the maximum, not overshot";
    }
}

TEST(SpritePopper, ADelayedPopWaitsItsDelayThenBeginsSaysSoOnceAndTakesItsFirstStep) {
    TSpritePopper Popper;
    int Happened = 0;
    Popper.OnDelayedPopHappens = [&](TObject* Sender) {
        EXPECT_EQ(Sender, &Popper);
        ++Happened;
    };
    Popper.DelayedPop(90);  // three frames
    for (int Frame = 1; Frame <= 2; ++Frame) {
        Popper.Update();
        EXPECT_FALSE(Popper.PopBegun()) << Frame;
        EXPECT_EQ(Popper.Ratio(), 1.0);
    }
    Popper.Update();
    EXPECT_TRUE(Popper.PopBegun());
    EXPECT_EQ(Happened, 1);
    EXPECT_NEAR(Popper.Ratio(), 1.01, 1e-12);
    Follow(Popper);
    EXPECT_EQ(Happened, 1) << "the event comes once per pop";

    // Asked again, the pop waits afresh.
    Popper.DelayedPop(30);
    EXPECT_FALSE(Popper.PopBegun());
    Popper.Update();
    EXPECT_TRUE(Popper.PopBegun());
    EXPECT_EQ(Happened, 2);
}

TEST(SpritePopper, ResetStopsAPopMidWayAndForgetsThatItBegan) {
    TSpritePopper Popper;
    Popper.Pop();
    for (int I = 0; I < 7; ++I) Popper.Update();
    Popper.Reset();
    EXPECT_EQ(Popper.Ratio(), 1.0);
    EXPECT_FALSE(Popper.PopBegun());
    EXPECT_FALSE(Popper.Popping());
    Popper.Update();
    EXPECT_EQ(Popper.Ratio(), 1.0);
}

}  // namespace
