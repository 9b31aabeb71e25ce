#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "GameMenuWindowClass.h"

namespace {

// Records what a window reports, in order.
struct TWindowLog {
    std::vector<std::string> Events;
    std::vector<TPoint> Positions;
    void Attach(TGameMenuWindow& W) {
        W.OnPosUpdate = [this](TObject*, TPoint P) { Positions.push_back(P); };
        W.OnStartShowing = [this](TObject*) { Events.push_back("start showing"); };
        W.OnShowingComplete = [this](TObject*) { Events.push_back("shown"); };
        W.OnShownTimerReached = [this](TObject*) { Events.push_back("timer"); };
        W.OnStartHiding = [this](TObject*) { Events.push_back("start hiding"); };
        W.OnHidingComplete = [this](TObject*) { Events.push_back("hidden"); };
    }
    int Count(const std::string& Name) const {
        int N = 0;
        for (const auto& E : Events) N += E == Name;
        return N;
    }
};

// Updates until the phase is reached; returns the number of updates (or -1).
int UpdatesUntil(TGameMenuWindow& W, TGameMenuWindow::TPhase Phase) {
    for (int I = 1; I <= 200; ++I) {
        W.Update();
        if (W.Phase() == Phase) return I;
    }
    return -1;
}

TEST(GameMenuWindow, StartsOnTheHiddenCoordinateOfItsAxisInEveryDirection) {
    struct TCase { TShowDir Dir; int HideX, HideY; TPoint Start; TPoint SecondFrame; };
    // Shown at (200, 100), step 50.
    const TCase Cases[] = {
        {sdToRight, -300, -999, {-300, 100}, {-200, 100}},
        {sdToLeft, 800, -999, {800, 100}, {700, 100}},
        {sdToDown, -999, -300, {200, -300}, {200, -200}},
        {sdToUp, -999, 600, {200, 600}, {200, 500}},
    };
    for (const TCase& C : Cases) {
        TGameMenuWindow W;
        W.Left = 200;
        W.Top = 100;
        W.MoveStep = 50;
        W.ShowDir = C.Dir;
        W.HidingXPos = C.HideX;
        W.HidingYPos = C.HideY;
        W.Show();
        EXPECT_EQ(W.Position(), C.Start) << int(C.Dir);
        W.Update();
        W.Update();
        EXPECT_EQ(W.Position(), C.SecondFrame) << int(C.Dir);
        ASSERT_NE(UpdatesUntil(W, TGameMenuWindow::phShown), -1);
        EXPECT_EQ(W.Position(), Point(200, 100));
        W.Hide();
        ASSERT_NE(UpdatesUntil(W, TGameMenuWindow::phHidden), -1);
        EXPECT_EQ(W.Position(), C.Start) << int(C.Dir);
    }
}

TEST(GameMenuWindow, LandingExactlyCompletesOneFrameLaterThanOvershooting) {
    // From -400 to 220: a step of 62 lands exactly after 10 frames, a step of 63 overshoots on the 10th.
    const auto FramesToShow = [](int32_t Step, TWindowLog& Log) {
        TGameMenuWindow W;
        W.MoveStep = Step;
        Log.Attach(W);
        W.Show();
        return UpdatesUntil(W, TGameMenuWindow::phShown);
    };
    TWindowLog Exact, Over;
    EXPECT_EQ(FramesToShow(62, Exact), 11);
    EXPECT_EQ(FramesToShow(63, Over), 10);
    // The completing frame of the exact landing does not move, so it reports no position.
    EXPECT_EQ(Exact.Positions.size(), 10u);
    EXPECT_EQ(Exact.Positions.back(), Point(220, 140));
    EXPECT_EQ(Over.Positions.size(), 10u);
    EXPECT_EQ(Over.Positions.back(), Point(220, 140));
    EXPECT_EQ(Exact.Events, (std::vector<std::string>{"start showing", "shown"}));

    // Hiding follows the same rule toward the hidden coordinate.
    TGameMenuWindow W;
    W.MoveStep = 62;
    W.Show();
    UpdatesUntil(W, TGameMenuWindow::phShown);
    W.Hide();
    EXPECT_EQ(UpdatesUntil(W, TGameMenuWindow::phHidden), 11);
}

TEST(GameMenuWindow, ShownTimerFiresOncePerShowing) {
    TGameMenuWindow W;
    TWindowLog Log;
    Log.Attach(W);
    W.ShownTimerEnabled = true;
    W.ShownTimeToTriggerEvent = 300;  // ten frames
    W.Show();
    UpdatesUntil(W, TGameMenuWindow::phShown);
    for (int I = 0; I < 9; ++I) W.Update();
    EXPECT_EQ(Log.Count("timer"), 0);
    W.Update();
    EXPECT_EQ(Log.Count("timer"), 1);
    for (int I = 0; I < 500; ++I) W.Update();
    EXPECT_EQ(Log.Count("timer"), 1);
    EXPECT_EQ(W.ShownTime(), 300);
    // Shown again: the timer starts over and fires once more.
    W.Hide();
    UpdatesUntil(W, TGameMenuWindow::phHidden);
    W.Show();
    UpdatesUntil(W, TGameMenuWindow::phShown);
    for (int I = 0; I < 100; ++I) W.Update();
    EXPECT_EQ(Log.Count("timer"), 2);
}

TEST(GameMenuWindow, HidingMidWayAndResetting) {
    TGameMenuWindow W;
    TWindowLog Log;
    Log.Attach(W);
    W.Tag = "RESUME_GAME";
    W.Show();
    W.Update();
    W.Update();  // on its way in at x = -270
    W.Hide();
    EXPECT_EQ(UpdatesUntil(W, TGameMenuWindow::phHidden), 3);  // -335, -400 exactly, then past
    EXPECT_EQ(W.Position(), Point(-400, 140));
    EXPECT_EQ(Log.Events, (std::vector<std::string>{"start showing", "start hiding", "hidden"}));
    EXPECT_EQ(W.Tag, "RESUME_GAME");  // the owner reads it once the window is out

    // A hidden window asked to hide again reports nothing.
    W.Hide();
    W.Update();
    EXPECT_EQ(Log.Count("start hiding"), 1);
    EXPECT_EQ(Log.Count("hidden"), 1);

    // Reset puts it away at once, clears the tag and reports the position.
    W.Show();
    W.Update();
    Log.Positions.clear();
    W.Reset();
    EXPECT_TRUE(W.IsHidden());
    EXPECT_TRUE(W.Tag.empty());
    EXPECT_EQ(Log.Positions, (std::vector<TPoint>{{-400, -400}}));
    W.Update();
    EXPECT_EQ(Log.Positions.size(), 1u);
}

TEST(GameMenuWindow, ANewShowFromTheClosingEventIsReportedFromItsStart) {
    // Owners often open the next window as soon as one has slid out.
    TGameMenuWindow W;
    W.MoveStep = 100;
    std::vector<TPoint> Positions;
    W.OnPosUpdate = [&](TObject*, TPoint P) { Positions.push_back(P); };
    int Shows = 0;
    W.OnHidingComplete = [&](TObject*) {
        if (Shows++ == 0) W.Show();
    };
    W.Show();
    UpdatesUntil(W, TGameMenuWindow::phShown);
    W.Hide();
    UpdatesUntil(W, TGameMenuWindow::phShowing);
    EXPECT_EQ(W.Position(), Point(-400, 140));
    EXPECT_EQ(Positions.back(), Point(-400, 140));
}

}  // namespace
