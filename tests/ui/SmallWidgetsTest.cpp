// The oscillator, volume bar, list tracker, tab, panel mover and darkener.
#include <gtest/gtest.h>

#include <vector>

#include "GameListTrackerClass.h"
#include "GameTabClass.h"
#include "PanelMoverClass.h"
#include "ScreenDarkenerClass.h"
#include "UiTestSupport.h"
#include "ValueUpDownClass.h"
#include "VolumeBarClass.h"

namespace {

TEST(ValueUpDown, AFreshOscillatorFallsToMinThenSwingsBetweenTheLimits) {
    TValueUpDown V;
    EXPECT_EQ(V.Value, 0.0f);
    EXPECT_FALSE(V.Rising());
    V.Setup(2, 3, 10, 4);  // Dec, Inc, Max, Min
    std::vector<float> Seen;
    for (int I = 0; I < 8; ++I) {
        V.Update();
        Seen.push_back(V.Value);
    }
    // Clamped at Min, up by 3 to Max (clamped), down by 2 to Min (clamped).
    EXPECT_EQ(Seen, (std::vector<float>{4, 7, 10, 8, 6, 4, 7, 10}));
}

TEST(ValueUpDown, RangeLimitsClampTheOutputNotTheSwing) {
    TValueUpDown V;
    V.Setup(10, 10, 100, 0);
    V.SetRangeMin(25);
    V.SetRangeMax(60);
    EXPECT_EQ(V.Value, 25.0f);  // raw 0, raised at once
    for (int I = 0; I < 7; ++I) V.Update();  // raw 0 (turn), 10 .. 60
    EXPECT_EQ(V.Value, 60.0f);
    V.Update();
    EXPECT_EQ(V.Value, 60.0f);  // raw 70, lowered
    for (int I = 0; I < 3; ++I) V.Update();  // raw 100: turns only at the real Max
    EXPECT_FALSE(V.Rising());
    V.RestartFalling();
    EXPECT_EQ(V.Value, 60.0f);
    V.StartRising();
    EXPECT_TRUE(V.Rising());
    V.Setup(0, 0, 0, 2.5f);
    V.SetRangeMin(0);
    EXPECT_EQ(V.RoundedValue(), 2);  // halves go to even
}

TEST(VolumeBar, GrowsTwoPixelsAFrameOrSnaps) {
    TVolumeBar Bar;  // FillWidth 123
    Bar.SetPosition(100);
    EXPECT_EQ(Bar.TargetFillWidth(), 123);
    int Frames = 0;
    while (Bar.ShownFillWidth() < 123 && Frames < 500) {
        Bar.UpdateAndDraw();
        ++Frames;
    }
    EXPECT_EQ(Frames, 62);
    Bar.SetPositionSnap(0);
    EXPECT_EQ(Bar.ShownFillWidth(), 0);
    Bar.SetPositionSnap(100);
    EXPECT_EQ(Bar.ShownFillWidth(), 123);
    // Shrinking never passes the target either.
    Bar.SetPosition(50);  // Round(61.5) = 62
    EXPECT_EQ(Bar.TargetFillWidth(), 62);
    for (int I = 0; I < 100; ++I) Bar.UpdateAndDraw();
    EXPECT_EQ(Bar.ShownFillWidth(), 62);
}

TEST(VolumeBar, PositionIsKeptWithin0To100) {
    struct TCase { int In, Position, Fill; };
    const TCase Cases[] = {{-10, 0, 0}, {0, 0, 0}, {1, 1, 1}, {99, 99, 122}, {100, 100, 123}, {250, 100, 123}};
    for (const TCase& C : Cases) {
        TVolumeBar Bar;
        Bar.SetPositionSnap(C.In);
        EXPECT_EQ(Bar.Position(), C.Position) << C.In;
        EXPECT_EQ(Bar.ShownFillWidth(), C.Fill) << C.In;
    }
}

// A tracker at (300, 100) with a track to 230: 100 pixels of travel for a 30-pixel thumb.
TGameListTracker MakeTracker(int32_t StepCount) {
    TGameListTracker T;
    T.Left = 300;
    T.Top = 100;
    T.Bottom = 230;
    T.StepCount = StepCount;
    T.Reset();
    return T;
}

TEST(GameListTracker, DraggingReportsEveryIndexFrom1ToStepCountPlus1) {
    TGameListTracker T = MakeTracker(5);
    std::vector<int32_t> Reported;
    T.OnTrackerDrag = [&](TObject*, int32_t Index) { Reported.push_back(Index); };
    T.MouseDown(305, 110, mbLeft);  // grabbed 10 below the thumb's top
    ASSERT_TRUE(T.Dragging());
    for (int32_t Y = 110; Y <= 260; Y += 5) T.MouseMove(305, Y);
    // Places at offsets 0, 20, 40, 60, 80, 100; the thumb stops at the track's end.
    EXPECT_EQ(Reported.front(), 1);
    EXPECT_EQ(Reported.back(), 6);
    for (size_t I = 1; I < Reported.size(); ++I) EXPECT_LE(Reported[I] - Reported[I - 1], 1);
    EXPECT_EQ(T.ThumbPos().Y, 200);
    // Back up past the top, then to offset 45 and release: index 3, snapped to its place.
    T.MouseMove(305, 0);
    EXPECT_EQ(T.ThumbPos().Y, 100);
    EXPECT_EQ(Reported.back(), 1);
    T.MouseMove(305, 155);
    EXPECT_EQ(T.ThumbPos().Y, 145);
    EXPECT_EQ(T.Index(), 3);
    T.MouseUp(305, 155);
    EXPECT_FALSE(T.Dragging());
    EXPECT_EQ(T.ThumbPos(), Point(300, 140));
}

TEST(GameListTracker, IndexesForOffsetsAndStepCounts) {
    struct TCase { int32_t Steps, Offset, Index; };
    const TCase Cases[] = {{5, 0, 1}, {5, 19, 1}, {5, 20, 2}, {5, 99, 5}, {5, 100, 6},
                           {3, 32, 1}, {3, 33, 2}, {3, 66, 2}, {3, 67, 3}, {3, 100, 4},  // places 0, 33, 67, 100
                           {1, 99, 1}, {1, 100, 2}, {0, 100, 1}};
    for (const TCase& C : Cases) {
        EXPECT_EQ(MakeTracker(C.Steps).IndexForOffset(C.Offset), C.Index) << C.Steps << " " << C.Offset;
    }
    TGameListTracker T = MakeTracker(3);
    T.SetIndex(3);
    EXPECT_EQ(T.ThumbPos().Y, 167);
    T.SetIndex(9);  // beyond the last place
    EXPECT_EQ(T.Index(), 4);
    EXPECT_EQ(T.ThumbPos().Y, 200);
}

TEST(GameListTracker, OnlyALeftPressOnAShownThumbGrabsIt) {
    TGameListTracker T = MakeTracker(5);
    EXPECT_EQ(CursorAfter([&] { T.MouseMove(320, 130); }), TFrameCursor::HandPoint);  // the far corner
    EXPECT_EQ(CursorAfter([&] { T.MouseMove(321, 130); }), TFrameCursor::Arrow);
    T.MouseDown(310, 110, mbRight);
    EXPECT_FALSE(T.Dragging());
    T.MouseDown(310, 140, mbLeft);  // below the thumb
    EXPECT_FALSE(T.Dragging());
    TGameListTracker Still = MakeTracker(0);  // nothing to scroll: no thumb
    Still.MouseDown(310, 110, mbLeft);
    EXPECT_FALSE(Still.Dragging());
    EXPECT_EQ(CursorAfter([&] { Still.MouseMove(310, 110); }), TFrameCursor::Arrow);
}

TEST(GameTab, ActivatesOnceOnALeftPressInsideItsHitRectangle) {
    TGameTab Tab;
    Tab.Left = 100;
    Tab.Top = 200;
    int Activations = 0;
    Tab.OnActivate = [&](TObject* Sender) {
        EXPECT_EQ(Sender, &Tab);
        ++Activations;
    };
    // The hit rectangle (0, 0)-(80, 40) is smaller than the 100 x 50 tab.
    EXPECT_EQ(CursorAfter([&] { Tab.MouseMove(180, 240); }), TFrameCursor::HandPoint);
    EXPECT_EQ(Tab.CurrentPattern(), 1);
    Tab.MouseMove(190, 245);
    EXPECT_EQ(Tab.CurrentPattern(), 0);
    Tab.MouseDown(190, 245, mbLeft);
    Tab.MouseDown(150, 220, mbRight);
    EXPECT_EQ(Activations, 0);
    Tab.MouseDown(150, 220, mbLeft);
    EXPECT_TRUE(Tab.Active);
    EXPECT_EQ(Tab.CurrentPattern(), 2);
    Tab.MouseDown(150, 220, mbLeft);
    EXPECT_EQ(Activations, 1);
    // An active tab shows no hand; only its owner makes it inactive.
    EXPECT_EQ(CursorAfter([&] { Tab.MouseMove(150, 220); }), TFrameCursor::Arrow);
    Tab.Active = false;
    EXPECT_EQ(Tab.CurrentPattern(), 1);
}

TEST(PanelMover, ArrivesWithoutOvershootAndReportsEveryFrame) {
    TPanelMover Mover;
    Mover.Left = 529;
    Mover.Top = 0;
    Mover.HideLeft = 500;
    Mover.HideTop = 20;
    Mover.HorzStep = 10;
    Mover.VertStep = 3;
    std::vector<TPoint> Positions;
    int Completed = 0;
    Mover.OnPosUpdate = [&](TObject*, TPoint P) { Positions.push_back(P); };
    Mover.OnShowingCompleted = [&](TObject*) { ++Completed; };
    Mover.PutAtHiddenPos();
    Mover.Update();
    EXPECT_EQ(Positions.back(), Point(500, 20));  // idle, still reported
    Mover.Show();
    for (int I = 0; I < 6; ++I) Mover.Update();
    // x: 510, 520, 529 (stops), y: 17, 14, ... 2, then 0 on the 7th frame.
    EXPECT_EQ(Positions.back(), Point(529, 2));
    EXPECT_EQ(Completed, 0);
    Mover.Update();
    EXPECT_EQ(Positions.back(), Point(529, 0));
    EXPECT_EQ(Completed, 1);
    EXPECT_EQ(Mover.Phase(), TPanelMover::phShown);
    for (int I = 0; I < 5; ++I) Mover.Update();
    EXPECT_EQ(Completed, 1);
    EXPECT_EQ(Positions.size(), 1u + 12u);
    // Hiding stays at the hidden position for good.
    Mover.Hide();
    for (int I = 0; I < 20; ++I) Mover.Update();
    EXPECT_EQ(Mover.CurrentPos(), Point(500, 20));
    EXPECT_EQ(Mover.Phase(), TPanelMover::phHiding);
}

TEST(ScreenDarkener, FadesInAndOutWithinItsLimits) {
    TScreenDarkener D;
    D.UpdateAndDraw();
    EXPECT_FALSE(D.Active());
    D.FadeIn();
    EXPECT_EQ(D.Alpha(), 20);
    std::vector<int32_t> Alphas;
    for (int I = 0; I < 8; ++I) {
        D.UpdateAndDraw();
        Alphas.push_back(D.Alpha());
    }
    EXPECT_EQ(Alphas, (std::vector<int32_t>{40, 60, 80, 100, 120, 140, 140, 140}));
    // Already fully dark and fading in: a second fade-in does not start over.
    D.FadeIn();
    EXPECT_EQ(D.Alpha(), 140);
    D.FadeOut();
    for (int I = 0; I < 10; ++I) D.UpdateAndDraw();
    EXPECT_EQ(D.Alpha(), 0);
    EXPECT_TRUE(D.Active());
    // Fading in again starts from MinAlpha; ShowAtFull is dark at once.
    D.FadeIn();
    EXPECT_EQ(D.Alpha(), 20);
    D.FadeOut();
    D.ShowAtFull();
    D.UpdateAndDraw();
    EXPECT_EQ(D.Alpha(), 140);
    D.SwitchOff();
    EXPECT_FALSE(D.Active());
}

}  // namespace
