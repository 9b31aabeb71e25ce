// The fairy's behaviour through the real component and a small fake board:
// her arrival and flight timings, where her casts take her and which orders
// she accepts, the wand wave and its one report, her idle choices and seats
// (with both guards), clicks and hint clicks, and what a hidden fairy does.
#include <gtest/gtest.h>

#include <vector>

#include "FairyTestSupport.h"

namespace {

bool SamePoint(TFloatPoint A, TFloatPoint B) { return SameFloatPoint(A, B); }

bool IsRestingPlaceOfSide(TFloatPoint Target, int32_t Side) {
    const int32_t First = Side == 0 ? 0 : 3;
    const int32_t Last = Side == 0 ? 2 : 6;
    for (int32_t I = First; I <= Last; ++I)
        if (SamePoint(Target, FloatPoint(TFairy::RestingPlaces[I].X, TFairy::RestingPlaces[I].Y))) return true;
    return false;
}

TEST(Fairy, ArrivesFromTheTopLeftInTwelveFramesAndHoversAtRestingPlaceOne) {
    TFairyRig Rig;
    TFairy& Fairy = Rig.Fairy;
    EXPECT_EQ(Fairy.State(), fsAway);
    EXPECT_EQ(Fairy.Facing(), mdLeft);
    EXPECT_EQ(Fairy.Layer(), 1);
    EXPECT_TRUE(Fairy.IsFree());
    Rig.Step(5);
    EXPECT_EQ(Rig.PosUpdates, 0) << "away, she is not updated";

    Fairy.Arrive();
    EXPECT_EQ(Fairy.State(), fsFlying);
    EXPECT_EQ(Fairy.TargetState(), fsHovering);
    EXPECT_EQ(Fairy.Facing(), mdRight);
    EXPECT_TRUE(SamePoint(Fairy.Target(), FloatPoint(136, 84)));
    EXPECT_EQ(Fairy.Speeds().X, 12.0);
    EXPECT_NEAR(Fairy.Speeds().Y, 84.0 / (136.0 / 12.0), 1e-12);

    Rig.Step(11);
    EXPECT_EQ(Fairy.State(), fsFlying);
    Rig.Step();
    EXPECT_EQ(Fairy.State(), fsHovering);
    EXPECT_TRUE(SamePoint(Fairy.Position(), FloatPoint(136, 84))) << "she lands exactly on her place";
    EXPECT_EQ(Fairy.IdleLimit(), Fairy.FlyingIdleTime);
    ASSERT_EQ(Rig.PosUpdates, 12);
    EXPECT_EQ(Rig.Trail.front(), Point(12, 7));
    EXPECT_EQ(Rig.Trail.back(), Point(136, 84));
    const TFairyRestingPlace Rest = Fairy.GetRestingPlace();
    EXPECT_EQ(Rest.Pos, Point(136, 84));
    EXPECT_FALSE(Rest.Sitting);
}

// From resting place 1 (136, 84): the order's facing, her target (her wand hand
// over the wand point) and the frames until she casts.
TEST(Fairy, AnOrdersFacingShiftsHerTargetAndHoldsForTheWholeFlight) {
    struct TCase {
        TPoint Wand;
        TMoveDir Facing;
        TPoint Target;
        int Frames;
    };
    const TCase Cases[] = {
        {{460, 260}, mdRight, {347, 260}, 18},  // the shuffle
        {{100, 84}, mdLeft, {110, 84}, 3},
        // A wand point right below her: she faces right. Eighteen steps of 113 / 18
        // leave X a hair short of 23 in floating point: a nineteenth frame lands it.
        {{136, 300}, mdRight, {23, 300}, 19},
        {{135, 300}, mdLeft, {145, 300}, 18},
        {{249, 300}, mdRight, {136, 300}, 18},  // a flight along one axis only
        {{140, 200}, mdRight, {27, 200}, 10},   // she flies left facing right
        {{40, 37}, mdLeft, {50, 37}, 8},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(testing::Message() << "wand " << Case.Wand.X << ", " << Case.Wand.Y);
        TFairyRig Rig;
        Rig.Land();
        ASSERT_TRUE(Rig.Fairy.OrderMagic(Case.Wand.X, Case.Wand.Y, mpShuffle));
        EXPECT_EQ(Rig.Fairy.Facing(), Case.Facing);
        EXPECT_TRUE(SamePoint(Rig.Fairy.Target(), FloatPoint(Case.Target.X, Case.Target.Y)));
        EXPECT_EQ(Rig.Fairy.WandPoint(), Case.Wand);
        bool FacingHeld = true;
        const int Frames = Rig.StepUntil([&] {
            FacingHeld = FacingHeld && Rig.Fairy.Facing() == Case.Facing;
            return Rig.Fairy.State() == fsCasting;
        });
        EXPECT_EQ(Frames, Case.Frames);
        EXPECT_TRUE(FacingHeld);
        EXPECT_TRUE(SamePoint(Rig.Fairy.Position(), Rig.Fairy.Target()));
    }
}

TEST(Fairy, TheRoundsWandPointsForARestoreAndAHint) {
    TFairy Fairy;
    EXPECT_EQ(Fairy.RestoreWandPoint(Point(1, 1)), Point(257, 51));
    EXPECT_EQ(Fairy.RestoreWandPoint(Point(10, 10)), Point(671, 465));
    struct TCase {
        THintTilesPos Tiles;
        bool Valid;
        TPoint Wand;
    };
    const TCase Cases[] = {
        {{{4, 6}, {3, 6}}, true, {373, 281}},  // one row: over the left tile
        {{{3, 6}, {4, 6}}, true, {373, 281}},
        {{{2, 5}, {2, 4}}, true, {302, 209}},  // one column: beside the upper tile
        {{{2, 4}, {3, 5}}, false, {0, 0}},
    };
    for (const TCase& Case : Cases) {
        TPoint Wand;
        EXPECT_EQ(Fairy.HintWandPoint(Case.Tiles, Wand), Case.Valid);
        if (Case.Valid) {
            EXPECT_EQ(Wand, Case.Wand);
        }
    }
    EXPECT_EQ(Fairy.SeatOf(Point(3, 2)), Point(305, 75));
}

TEST(Fairy, TheWandSwingsOutAndBackAndTheMagicIsReportedOnceEighteenFramesAfterArrival) {
    TFairyRig Rig;
    TFairy& Fairy = Rig.Fairy;
    Rig.Land();
    ASSERT_TRUE(Fairy.OrderMagic(460, 260, mpShuffle));
    EXPECT_EQ(Rig.OrdersAccepted, 1);
    EXPECT_FALSE(Fairy.IsFree()) << "on her way to cast";
    ASSERT_GT(Rig.StepUntilState(fsCasting), 0);
    EXPECT_FALSE(Fairy.IsFree());

    std::vector<double> Angles;
    for (int Frame = 1; Frame <= 18; ++Frame) {
        EXPECT_TRUE(Rig.Performed.empty()) << "frame " << Frame;
        Rig.Step();
        Angles.push_back(Fairy.WandAngle());
    }
    const std::vector<double> Expected = {-8.75,  -17.5,  -26.25, -35.0, -43.75, -52.5, -61.25, -70.0, -78.75,
                                          -87.5,  -96.25, -105.0, -96.25, -87.5, -78.75, -70.0, -61.25, -60.0};
    EXPECT_EQ(Angles, Expected);
    ASSERT_EQ(Rig.Performed.size(), 1u);
    EXPECT_EQ(Rig.Performed[0].WandPos, Point(460, 260));
    EXPECT_EQ(Rig.Performed[0].Purpose, mpShuffle);

    // The wait after the wave: 22 frames, the frame of the report included.
    Rig.Step(20);
    EXPECT_EQ(Fairy.State(), fsCasting);
    Rig.Step();
    EXPECT_EQ(Fairy.State(), fsFlying);
    EXPECT_EQ(Fairy.TargetState(), fsHovering);
    EXPECT_TRUE(Fairy.IsFree());
    Rig.Step(3000);
    EXPECT_EQ(Rig.Performed.size(), 1u) << "once per order";

    ASSERT_TRUE(Fairy.OrderMagic(460, 260, mpShuffle));
    ASSERT_GT(Rig.StepUntil([&] { return Rig.Performed.size() == 2; }), 0);
    Rig.Step(200);
    EXPECT_EQ(Rig.Performed.size(), 2u) << "the next order is reported once too";
}

TEST(Fairy, AfterHerMagicSheNeverSitsAndHoversOnTheOtherSide) {
    for (uint64_t Seed = 1; Seed <= 12; ++Seed) {
        SCOPED_TRACE(testing::Message() << "seed " << Seed);
        TFairyRig Rig(Seed);
        TFairy& Fairy = Rig.Fairy;
        Rig.SeatAnswer = [] { return TPoint{}; };
        Rig.Land();
        for (uint64_t I = 0; I < Seed % 4; ++I) Rig.ClickUntilResting(fsHovering);
        const int32_t Side = Fairy.HoverSide();
        Rig.SeatAnswer = {};  // a full board to sit on from now on
        const TPoint Wand = Fairy.RestoreWandPoint(Point(5, 5));
        ASSERT_TRUE(Fairy.OrderMagic(Wand.X, Wand.Y, mpRestoreFruit, Point(5, 5)));
        const int Requests = Rig.SeatRequests;
        ASSERT_GT(Rig.StepUntil([&] { return !Rig.Performed.empty(); }), 0);
        EXPECT_EQ(Rig.Performed[0].WandPos, Wand);
        EXPECT_EQ(Rig.Performed[0].Purpose, mpRestoreFruit);
        EXPECT_EQ(Rig.Performed[0].EatenFruitTilePos, Point(5, 5));
        ASSERT_GT(Rig.StepUntilState(fsFlying), 0);
        EXPECT_EQ(Fairy.TargetState(), fsHovering);
        EXPECT_EQ(Fairy.HoverSide(), 1 - Side);
        EXPECT_TRUE(IsRestingPlaceOfSide(Fairy.Target(), 1 - Side));
        ASSERT_GT(Rig.StepUntil([&] { return Fairy.State() != fsFlying; }), 0);
        EXPECT_EQ(Fairy.State(), fsHovering);
        EXPECT_EQ(Rig.SeatRequests, Requests) << "she did not even look for a seat";
    }
}

TEST(Fairy, WhichOrdersSheTakesOnTheWayAndWhileCasting) {
    const TPoint Restore = TFairy().RestoreWandPoint(Point(5, 5));
    const THintTilesPos Hint{{4, 6}, {3, 6}};
    auto Order = [&](TFairy& Fairy, TFairyMagicPurpose Purpose) {
        switch (Purpose) {
            case mpShuffle: return Fairy.OrderMagic(460, 260, mpShuffle);
            case mpRestoreFruit: return Fairy.OrderMagic(Restore.X, Restore.Y, mpRestoreFruit, Point(5, 5));
            case mpHint: return Fairy.OrderMagic(373, 281, mpHint, TPoint{}, Hint);
        }
        return false;
    };
    struct TCase {
        TFairyMagicPurpose First;
        TFairyMagicPurpose Second;
        bool WhileCasting;
        bool Accepted;
    };
    const TCase Cases[] = {
        {mpRestoreFruit, mpShuffle, false, true},   // a shuffle replaces a restore not yet started
        {mpHint, mpShuffle, false, true},
        {mpShuffle, mpShuffle, false, true},
        {mpShuffle, mpRestoreFruit, false, false},  // a restore never replaces an order
        {mpShuffle, mpHint, false, false},
        {mpRestoreFruit, mpHint, false, false},
        {mpHint, mpRestoreFruit, false, false},
        {mpRestoreFruit, mpShuffle, true, false},   // nothing while she waves
        {mpShuffle, mpShuffle, true, false},
        {mpHint, mpRestoreFruit, true, false},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(testing::Message() << int(Case.First) << " then " << int(Case.Second)
                                        << (Case.WhileCasting ? " while casting" : " on the way"));
        TFairyRig Rig;
        Rig.Land();
        ASSERT_TRUE(Order(Rig.Fairy, Case.First));
        if (Case.WhileCasting)
            ASSERT_GT(Rig.StepUntilState(fsCasting), 0);
        else
            Rig.Step(2);
        EXPECT_EQ(Order(Rig.Fairy, Case.Second), Case.Accepted);
        EXPECT_EQ(Rig.OrdersAccepted, Case.Accepted ? 2 : 1);
        ASSERT_GT(Rig.StepUntil([&] { return Rig.Fairy.IsFree(); }), 0);
        Rig.Step(100);
        ASSERT_EQ(Rig.Performed.size(), 1u);
        EXPECT_EQ(Rig.Performed[0].Purpose, Case.Accepted ? Case.Second : Case.First);
    }
}

// Speeds come from whole pixels: mid-flight she may be on the target's pixel on
// an axis without being on the target itself.
TEST(Fairy, AFlightStartedOnTheTargetsPixelStillEnds) {
    struct TCase {
        TPoint Wand;
        TPoint Target;
        int Frames;
    };
    const TCase Cases[] = {
        {{400, 7}, {287, 7}, 23},  // her Y (7.41) is on the target's row
        {{2, 7}, {12, 7}, 1},      // both axes: she is on the target's pixel
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(testing::Message() << "wand " << Case.Wand.X << ", " << Case.Wand.Y);
        TFairyRig Rig;
        Rig.Fairy.Arrive();
        Rig.Step();
        ASSERT_EQ(Rig.Fairy.Position().X, 12.0);
        ASSERT_NE(Rig.Fairy.Position().Y, 7.0);
        ASSERT_EQ(Round(Rig.Fairy.Position().Y), 7);
        ASSERT_TRUE(Rig.Fairy.OrderMagic(Case.Wand.X, Case.Wand.Y, mpRestoreFruit, Point(1, 1)));
        EXPECT_TRUE(SamePoint(Rig.Fairy.Target(), FloatPoint(Case.Target.X, Case.Target.Y)));
        EXPECT_EQ(Rig.Fairy.Position().Y, 7.0);
        EXPECT_EQ(Rig.StepUntilState(fsCasting, 200), Case.Frames);
        Rig.Step(18);
        EXPECT_EQ(Rig.Performed.size(), 1u);
    }
}

TEST(Fairy, IdleTimersSendHerOnAndStandStillWhileATutorialBalloonShows) {
    TFairyRig Rig;
    TFairy& Fairy = Rig.Fairy;
    Rig.Land();
    Rig.Step(100);
    EXPECT_EQ(Fairy.IdleTime(), 3000);
    Rig.Balloon = true;
    Rig.Step(2000);
    EXPECT_EQ(Fairy.State(), fsHovering);
    EXPECT_EQ(Fairy.IdleTime(), 3000);
    Rig.Balloon = false;
    Rig.Step(1399);
    EXPECT_EQ(Fairy.State(), fsHovering);
    EXPECT_EQ(Fairy.IdleTime(), 44970);
    Rig.Step();
    EXPECT_EQ(Fairy.State(), fsFlying) << "45 seconds at one place";
    EXPECT_EQ(Fairy.IdleTime(), 0);

    Rig.SeatAnswer = [] { return Point(3, 2); };
    ASSERT_TRUE(Rig.ClickUntilResting(fsSitting));
    EXPECT_EQ(Fairy.IdleLimit(), Fairy.SittingIdleTime);
    Rig.Balloon = true;
    Rig.Step(2000);
    EXPECT_EQ(Fairy.State(), fsSitting);
    Rig.Balloon = false;
    Rig.Step(1166);
    EXPECT_EQ(Fairy.State(), fsSitting);
    Rig.Step();
    EXPECT_EQ(Fairy.State(), fsFlying) << "35 seconds on the board";
    EXPECT_EQ(Fairy.TargetState(), fsHovering) << "from a seat she always hovers next";
}

TEST(Fairy, HoverChoicesAlternateSidesAndSometimesPassBehindTheBoard) {
    TFairyRig Rig;
    TFairy& Fairy = Rig.Fairy;
    Fairy.OnTopTilePosRequest = nullptr;  // nobody answers: she cannot sit
    Rig.Land();
    int32_t Side = Fairy.HoverSide();
    bool SawBehind = false;
    bool SawInFront = false;
    for (int I = 0; I < 40; ++I) {
        Rig.ClickHer();
        ASSERT_EQ(Fairy.State(), fsFlying);
        EXPECT_EQ(Fairy.TargetState(), fsHovering);
        EXPECT_EQ(Fairy.HoverSide(), 1 - Side);
        EXPECT_TRUE(IsRestingPlaceOfSide(Fairy.Target(), Fairy.HoverSide()));
        Side = Fairy.HoverSide();
        (Fairy.Layer() == 0 ? SawBehind : SawInFront) = true;
        Rig.StepUntilState(fsHovering);
        EXPECT_EQ(Fairy.Layer(), 1) << "she lands in front of the board";
    }
    EXPECT_TRUE(SawBehind);
    EXPECT_TRUE(SawInFront);
}

TEST(Fairy, SheSitsOnTheTopTileAndHoversInsteadWhenThereIsNone) {
    {
        TFairyRig Rig;
        Rig.SeatAnswer = [] { return Point(3, 2); };
        Rig.Land();
        ASSERT_TRUE(Rig.ClickUntilResting(fsSitting));
        EXPECT_EQ(Rig.Fairy.TopTile(), Point(3, 2));
        EXPECT_TRUE(SamePoint(Rig.Fairy.Position(), FloatPoint(305, 75)));
        EXPECT_EQ(Rig.Fairy.GetRestingPlace().Pos, Point(305, 75));
        EXPECT_TRUE(Rig.Fairy.GetRestingPlace().Sitting);
    }
    {
        TFairyRig Rig;  // the real top-tile rule on a full board: a seat on row 1
        Rig.Land();
        ASSERT_TRUE(Rig.ClickUntilResting(fsSitting));
        EXPECT_EQ(Rig.Fairy.TopTile().Y, 1);
        EXPECT_EQ(Rig.Fairy.Position().Y, 29.0);
    }
    // No tile on rows 1 to 10 (a bare board gives row 11, a tile out of the
    // board, or nobody answering): she hovers.
    const std::function<TPoint()> Answers[] = {nullptr, [] { return Point(4, 0); }, [] { return Point(11, 3); },
                                               [] { return Point(0, 0); }};
    for (const auto& Answer : Answers) {
        TFairyRig Rig;
        Rig.Board = BareBoard();
        Rig.SeatAnswer = Answer;
        Rig.Land();
        for (int I = 0; I < 20; ++I) {
            Rig.ClickHer();
            EXPECT_EQ(Rig.Fairy.TargetState(), fsHovering);
            Rig.StepUntil([&] { return Rig.Fairy.State() != fsFlying; });
            EXPECT_EQ(Rig.Fairy.State(), fsHovering);
        }
        EXPECT_GT(Rig.SeatRequests, 0);
        EXPECT_EQ(Rig.Fairy.TopTile(), TPoint{});
    }
}

TEST(Fairy, AClickCountsWithTheLeftButtonInsideHerHitBoxWhileSheRests) {
    struct TCase {
        TFairyState Resting;
        int32_t DX, DY;
        TMouseButton Button;
        bool Hit;
    };
    const TCase Cases[] = {
        {fsHovering, 20, 33, mbLeft, true},   {fsHovering, 55, 120, mbLeft, true},
        {fsHovering, 19, 33, mbLeft, false},  {fsHovering, 20, 32, mbLeft, false},
        {fsHovering, 56, 120, mbLeft, false}, {fsHovering, 55, 121, mbLeft, false},
        {fsHovering, 37, 70, mbRight, false}, {fsHovering, 37, 70, mbMiddle, false},
        {fsSitting, 7, 8, mbLeft, true},      {fsSitting, 45, 72, mbLeft, true},
        {fsSitting, 6, 8, mbLeft, false},     {fsSitting, 7, 7, mbLeft, false},
        {fsSitting, 46, 72, mbLeft, false},   {fsSitting, 45, 73, mbLeft, false},
        {fsSitting, 25, 40, mbRight, false},
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(testing::Message() << int(Case.Resting) << " at +" << Case.DX << ", +" << Case.DY);
        TFairyRig Rig;
        Rig.SeatAnswer = [] { return Point(6, 3); };
        Rig.Land();
        if (Case.Resting == fsSitting) {
            ASSERT_TRUE(Rig.ClickUntilResting(fsSitting));
        }
        const TPoint At = Rig.Fairy.RoundedPosition();
        Rig.Fairy.ClickAt(At.X + Case.DX, At.Y + Case.DY, Case.Button);
        EXPECT_EQ(Rig.Fairy.State() == fsFlying, Case.Hit);
    }
}

TEST(Fairy, ClicksWhileSheFliesCastsOrIsHiddenDoNothing) {
    TFairyRig Rig;
    TFairy& Fairy = Rig.Fairy;
    Fairy.Arrive();
    Rig.Step(3);
    Rig.ClickHer();
    EXPECT_TRUE(SamePoint(Fairy.Target(), FloatPoint(136, 84)));
    Rig.StepUntilState(fsHovering);

    Fairy.Visible = false;
    Rig.ClickHer();
    EXPECT_EQ(Fairy.State(), fsHovering);
    Fairy.Visible = true;

    ASSERT_TRUE(Fairy.OrderMagic(460, 260, mpShuffle));
    Rig.StepUntilState(fsCasting);
    Rig.Step(2);
    Rig.ClickHer();
    EXPECT_EQ(Fairy.State(), fsCasting);
    EXPECT_EQ(Fairy.TargetState(), fsCasting);
}

TEST(Fairy, AHintClickWhileTheTutorialInvitesItOrdersAHintOnlyForACompleteAnswer) {
    struct TCase {
        bool Balloon;
        bool HintTip;
        THintTilesPos Answer;
        int Requests;
        bool Moves;  // she flies off to a new idle place
        bool Casts;
    };
    const TCase Cases[] = {
        {true, true, {{4, 6}, {3, 6}}, 1, false, true},
        {true, true, {{2, 5}, {2, 4}}, 1, false, true},
        {true, true, {{4, 6}, {0, 6}}, 1, false, false},  // a zero coordinate: no hint
        {true, true, {{0, 0}, {0, 0}}, 1, false, false},
        {true, false, {{4, 6}, {3, 6}}, 0, false, false},  // a balloon that does not invite it
        {false, true, {{4, 6}, {3, 6}}, 0, true, false},   // no balloon: the click just moves her
    };
    for (const TCase& Case : Cases) {
        SCOPED_TRACE(testing::Message() << Case.Balloon << Case.HintTip << " answer " << Case.Answer.Tile2Pos.X);
        TFairyRig Rig;
        Rig.Land();
        Rig.Balloon = Case.Balloon;
        Rig.HintTip = Case.HintTip;
        Rig.BoardHint = Case.Answer;
        Rig.ClickHer();
        EXPECT_EQ(Rig.HintRequests, Case.Requests);
        EXPECT_EQ(Rig.Fairy.TargetState() == fsCasting, Case.Casts);
        EXPECT_EQ(Rig.Fairy.State(), Case.Casts || Case.Moves ? fsFlying : fsHovering);
        if (!Case.Casts) continue;
        TPoint Wand;
        ASSERT_TRUE(Rig.Fairy.HintWandPoint(Case.Answer, Wand));
        EXPECT_EQ(Rig.Fairy.WandPoint(), Wand);
        EXPECT_EQ(Rig.Fairy.Purpose(), mpHint);
        ASSERT_GT(Rig.StepUntil([&] { return !Rig.Performed.empty(); }), 0);
        EXPECT_EQ(Rig.Performed[0].HintTiles, Case.Answer);
        Rig.Fairy.ClearHintTiles();
        EXPECT_EQ(Rig.Fairy.HintTiles(), THintTilesPos{});
    }

    TFairy Alone;  // nobody answers the tutorial's questions: a click only moves her
    Alone.Arrive();
    while (Alone.State() == fsFlying) Alone.UpdateInFront();
    EXPECT_FALSE(Alone.IsBalloonShowing());
    EXPECT_FALSE(Alone.IsHintTipShowing());
    Alone.ClickAt(136 + 37, 84 + 70, mbLeft);
    EXPECT_EQ(Alone.State(), fsFlying);
}

TEST(Fairy, HiddenSheTakesHerArrivalAndOrdersButNeitherMovesNorReportsUntilShown) {
    TFairyRig Rig;
    TFairy& Fairy = Rig.Fairy;
    Fairy.Visible = false;
    Fairy.Arrive();
    EXPECT_EQ(Fairy.State(), fsFlying);
    EXPECT_EQ(Fairy.TargetState(), fsHovering);
    Rig.Step(50);
    EXPECT_TRUE(SamePoint(Fairy.Position(), FloatPoint(0, 0)));
    EXPECT_EQ(Rig.PosUpdates, 0);

    EXPECT_TRUE(Fairy.OrderMagic(460, 260, mpShuffle));
    EXPECT_EQ(Rig.OrdersAccepted, 1);
    EXPECT_EQ(Fairy.TargetState(), fsCasting);
    EXPECT_FALSE(Fairy.IsFree());
    Rig.Step(200);
    EXPECT_TRUE(Rig.Performed.empty()) << "the order waits";
    EXPECT_TRUE(SamePoint(Fairy.Position(), FloatPoint(0, 0)));

    Fairy.Visible = true;
    ASSERT_GT(Rig.StepUntil([&] { return !Rig.Performed.empty(); }), 0);
    EXPECT_EQ(Rig.Performed[0].Purpose, mpShuffle);

    Rig.StepUntilState(fsHovering);
    Fairy.Visible = false;
    Fairy.Leave();
    EXPECT_EQ(Fairy.TargetState(), fsAway);
    EXPECT_EQ(Fairy.State(), fsFlying);
    const int Updates = Rig.PosUpdates;
    Rig.Step(100);
    EXPECT_EQ(Rig.PosUpdates, Updates);
}

TEST(Fairy, LeavingTheBoardGetsHerOffHerSeatButLetsAFlightToItGoOn) {
    TFairyRig Rig;
    TFairy& Fairy = Rig.Fairy;
    Rig.SeatAnswer = [] { return Point(8, 4); };
    Rig.Land();
    Fairy.LeaveBoard();
    EXPECT_EQ(Fairy.State(), fsHovering) << "hovering, she stays";

    ASSERT_TRUE(Rig.ClickUntilResting(fsSitting));
    Fairy.LeaveBoard();
    EXPECT_EQ(Fairy.State(), fsFlying);
    EXPECT_EQ(Fairy.TargetState(), fsHovering);
    Rig.StepUntilState(fsHovering);

    // Click until a flight to a seat starts, then leave the board mid-flight.
    for (int I = 0; I < 60 && Fairy.TargetState() != fsSitting; ++I) {
        Rig.ClickHer();
        if (Fairy.TargetState() != fsSitting) Rig.StepUntil([&] { return Fairy.State() != fsFlying; });
    }
    ASSERT_EQ(Fairy.TargetState(), fsSitting);
    Rig.Step(2);
    const TFloatPoint Seat = Fairy.Target();
    Fairy.LeaveBoard();
    EXPECT_EQ(Fairy.TargetState(), fsSitting);
    EXPECT_TRUE(SamePoint(Fairy.Target(), Seat));
    Rig.StepUntil([&] { return Fairy.State() != fsFlying; });
    EXPECT_EQ(Fairy.State(), fsSitting);
}

TEST(Fairy, SheLeavesAtTheTopRightAndIsAwayThere) {
    TFairyRig Rig;
    TFairy& Fairy = Rig.Fairy;
    Rig.Land();
    Fairy.Leave();
    EXPECT_EQ(Fairy.Facing(), mdRight);
    EXPECT_TRUE(SamePoint(Fairy.Target(), FloatPoint(900, -100)));
    ASSERT_GT(Rig.StepUntilState(fsAway), 0);
    EXPECT_TRUE(SamePoint(Fairy.Position(), FloatPoint(900, -100)));
    EXPECT_EQ(Rig.Trail.back(), Point(900, -100));
    const int Updates = Rig.PosUpdates;
    Rig.Step(50);
    EXPECT_EQ(Rig.PosUpdates, Updates);
    EXPECT_TRUE(Fairy.IsFree());

    Fairy.ResetState();
    EXPECT_TRUE(SamePoint(Fairy.Position(), FloatPoint(0, 0)));
    EXPECT_EQ(Fairy.Facing(), mdLeft);
    EXPECT_EQ(Fairy.WandPhase(), 1);
    EXPECT_EQ(Fairy.WandPoint(), TPoint{});
}

TEST(Fairy, BehindTheBoardOnlyTheBackPassRunsHerAndHerLandingIsNotRunTwice) {
    TFairyRig Rig;
    TFairy& Fairy = Rig.Fairy;
    Rig.SeatAnswer = [] { return TPoint{}; };
    Rig.Land();
    for (int I = 0; I < 40 && Fairy.Layer() != 0; ++I) {
        Rig.ClickHer();
        if (Fairy.Layer() != 0) Rig.StepUntilState(fsHovering);
    }
    ASSERT_EQ(Fairy.Layer(), 0);
    EXPECT_TRUE(Fairy.ActsBehind());
    EXPECT_FALSE(Fairy.ActsInFront());
    const TFloatPoint Before = Fairy.Position();
    Fairy.UpdateInFront();
    EXPECT_TRUE(SamePoint(Fairy.Position(), Before));

    int Frames = 0;
    while (Fairy.State() == fsFlying && Frames < 200) {
        const int Updates = Rig.PosUpdates;
        Rig.Step();
        ++Frames;
        EXPECT_EQ(Rig.PosUpdates, Updates + 1) << "one frame of her per frame";
    }
    EXPECT_EQ(Fairy.State(), fsHovering);
    EXPECT_EQ(Fairy.Layer(), 1);
    EXPECT_EQ(Fairy.IdleTime(), 0) << "the landing frame was not followed by a hover frame";
    EXPECT_TRUE(Fairy.ActsInFront());
}

}  // namespace
