#include "FairyClass.h"

#include <algorithm>

#include "GeneralRoutinesClass.h"
#include "RandomClass.h"

namespace {

constexpr int32_t LegIntervals[] = {3600, 5400, 7200};
constexpr double LegTargets[] = {0.0, 20.0, 35.0};

TFloatPoint FloatOf(TPoint P) { return FloatPoint(P.X, P.Y); }

}  // namespace

TFairy::TFairy() {
    FSitWings.Setup(0.012f, 0.015f, 0.9f, 0.4f);
    FSitWings.SetRangeMin(0.7f);  // the wings rest half up between beats
    FSitLegs.Setup(0.015f, 0.02f, 1.0f, 0.75f);
    FHoverWings.Setup(0.05f, 0.06f, 1.0f, 0.5f);
    FFlyWings.Setup(0.1f, 0.12f, 1.0f, 0.4f);
    FBobbing.Setup(0.07f, 0.07f, 1.2f, -1.2f);
    FLimbsSwing.Setup(0.8f, 0.8f, 12.5f, -8.0f);
    ResetState();
}

void TFairy::ResetState() {
    FState = fsAway;
    FTargetState = fsAway;
    FLayer = 1;
    FRanBehind = false;
    FIdleTime = 0;
    FIdleLimit = 0;
    FLegTimer = 0;
    FPos = TFloatPoint{};
    FTarget = TFloatPoint{};
    FSpeeds = TFloatPoint{};
    FFacing = mdLeft;
    FTopTile = TPoint{};
    FHoverSide = 0;
    FWandPhase = 1;
    FWandAngle = 0.0;
    FWaitedTime = 0;
    FPerformed = false;
    FWandPoint = TPoint{};
}

void TFairy::Arrive() {
    FTargetState = fsHovering;
    FLayer = 1;
    FHoverSide = 0;
    FTarget = FloatOf(RestingPlaces[0]);
    FIdleTime = 0;
    FIdleLimit = FlyingIdleTime;
    StartFlight(true);
}

void TFairy::Leave() {
    FTargetState = fsAway;
    FTarget = FloatOf(LeavingPoint);
    StartFlight(true);
}

void TFairy::LeaveBoard() {
    if (FState == fsSitting) ChooseIdle(false);
}

bool TFairy::OrderMagic(int32_t X, int32_t Y, TFairyMagicPurpose Purpose, TPoint EatenFruitTilePos,
                        THintTilesPos HintTilesPos) {
    if (FState == fsCasting) return false;
    if (FTargetState == fsCasting && Purpose != mpShuffle) return false;
    FPurpose = Purpose;
    FEatenFruitTilePos = EatenFruitTilePos;
    FHintTiles = HintTilesPos;
    FWandPoint = TPoint{X, Y};
    FTargetState = fsCasting;
    FFacing = X >= FPos.X ? mdRight : mdLeft;
    // Her wand hand, not her position, ends over the wand point.
    FTarget = FloatPoint(X + (FFacing == mdLeft ? WandHandShiftLeft : WandHandShiftRight), Y);
    FLayer = 1;
    FWaitedTime = 0;
    FPerformed = false;
    FWandPhase = 1;
    FWandAngle = 0.0;
    StartFlight(false);
    if (OnPerformMagicOrder) OnPerformMagicOrder(this);
    return true;
}

void TFairy::ClickAt(int32_t X, int32_t Y, TMouseButton Button) {
    if (!Visible || Button != mbLeft) return;
    const TPoint At = RoundedPosition();
    bool Hit = false;
    if (FState == fsHovering)
        Hit = PointInRect(X, Y, TRect{At.X + 20, At.Y + 33, At.X + 55, At.Y + 120});
    else if (FState == fsSitting)
        Hit = PointInRect(X, Y, TRect{At.X + 7, At.Y + 8, At.X + 45, At.Y + 72});
    if (!Hit) return;
    if (!IsBalloonShowing()) {
        ChooseIdle(true);
        return;
    }
    if (!IsHintTipShowing()) return;
    THintTilesPos Hint;
    if (OnHintTilesPosRequest) OnHintTilesPosRequest(this, Hint);
    if (Hint.Tile1Pos.X == 0 || Hint.Tile1Pos.Y == 0 || Hint.Tile2Pos.X == 0 || Hint.Tile2Pos.Y == 0) return;
    TPoint WandAt;
    if (HintWandPoint(Hint, WandAt)) OrderMagic(WandAt.X, WandAt.Y, mpHint, TPoint{}, Hint);
}

bool TFairy::IsFree() const { return FState != fsCasting && FTargetState != fsCasting; }

TFairyRestingPlace TFairy::GetRestingPlace() const {
    return TFairyRestingPlace{TPoint{Round(FTarget.X), Round(FTarget.Y)}, FTargetState == fsSitting};
}

void TFairy::ClearHintTiles() { FHintTiles = THintTilesPos{}; }

void TFairy::UpdateBehind() {
    FRanBehind = FLayer == 0;
    if (FRanBehind) Frame();
}

void TFairy::UpdateInFront() {
    // A flight behind the board that ended this frame brought her to the front
    // layer: she has had her frame already.
    if (FRanBehind) {
        FRanBehind = false;
        return;
    }
    if (FLayer == 1) Frame();
}

TPoint TFairy::RestoreWandPoint(TPoint Tile) const {
    return TPoint{BoardLeft + Tile.X * BoardTilePixels - 4, BoardTop + Tile.Y * BoardTilePixels - 85};
}

bool TFairy::HintWandPoint(const THintTilesPos& Tiles, TPoint& WandPoint) const {
    const TPoint A = Tiles.Tile1Pos;
    const TPoint B = Tiles.Tile2Pos;
    if (A.Y == B.Y) {
        WandPoint = TPoint{BoardLeft + std::min(A.X, B.X) * BoardTilePixels + 20, BoardTop + A.Y * BoardTilePixels - 85};
        return true;
    }
    if (A.X == B.X) {
        WandPoint = TPoint{BoardLeft + A.X * BoardTilePixels - 5, BoardTop + std::min(A.Y, B.Y) * BoardTilePixels - 65};
        return true;
    }
    return false;
}

TPoint TFairy::SeatOf(TPoint Tile) const {
    return TPoint{BoardLeft + Tile.X * BoardTilePixels - 48, BoardTop + Tile.Y * BoardTilePixels - 107};
}

bool TFairy::IsBalloonShowing() {
    bool Showing = false;
    if (OnDisplayingTutorialQuestion) OnDisplayingTutorialQuestion(this, Showing);
    return Showing;
}

bool TFairy::IsHintTipShowing() {
    bool Showing = false;
    if (OnDisplayingClickNeedHintTutorialQuestion) OnDisplayingClickNeedHintTutorialQuestion(this, Showing);
    return Showing;
}

TPoint TFairy::RoundedPosition() const { return TPoint{Round(FPos.X), Round(FPos.Y)}; }

// --- One frame -----------------------------------------------------------

void TFairy::Frame() {
    if (!Visible || FState == fsAway) return;
    MoveTowards(FPos.X, FPos.Y, FSpeeds.X, FSpeeds.Y, FTarget.X, FTarget.Y);
    switch (FState) {
        case fsHovering: HoverFrame(); break;
        case fsSitting: SitFrame(); break;
        case fsFlying: FlyFrame(); break;
        case fsCasting: CastFrame(); break;
        case fsAway: break;
    }
    if (OnPosUpdate) OnPosUpdate(this, RoundedPosition());
}

void TFairy::HoverFrame() {
    FHoverWings.Update();
    FLimbsSwing.Update();
    FBobbing.Update();
    DrawFront();
    CountIdleTime();
}

void TFairy::SitFrame() {
    FSitWings.Update();
    FSitLegs.Update();
    DrawSitting();
    StepLegs();
    CountIdleTime();
}

void TFairy::FlyFrame() {
    FFlyWings.Update();
    DrawSide(false);
    if (SameFloatPoint(FPos, FTarget)) {
        FState = FTargetState;
        FLayer = 1;
    }
}

void TFairy::CastFrame() {
    FFlyWings.Update();
    if (FWandPhase == 1) {
        MoveTowards(FWandAngle, WandSwingStep, WandOutAngle);
        if (FWandAngle == WandOutAngle) FWandPhase = 0;
    } else {
        MoveTowards(FWandAngle, WandSwingStep, WandBackAngle);
    }
    DrawSide(true);
    if (FWandPhase != 0 || FWandAngle != WandBackAngle) return;
    if (!FPerformed) {
        FPerformed = true;
        if (OnMagicPerformed) OnMagicPerformed(this, FWandPoint, FPurpose, FEatenFruitTilePos, FHintTiles);
    }
    FWaitedTime += FrameStep;
    if (FWaitedTime >= WandingWaitTime) ChooseIdle(false);
}

// While a tutorial balloon shows, she stays where the balloon points.
void TFairy::CountIdleTime() {
    if (IsBalloonShowing()) return;
    FIdleTime += FrameStep;
    if (FIdleTime < FIdleLimit) return;
    FIdleTime = 0;
    ChooseIdle(true);
}

// The legs swing only for the look: the cosmetic stream.
void TFairy::StepLegs() {
    FLegTimer += FrameStep;
    if (FLegTimer >= FLegInterval) {
        RestartLegTimer();
        FLegTarget = LegTargets[CosmeticRandomInt(3)];
    }
    MoveTowards(FLegAngle, LegSwingStep, FLegTarget);
}

void TFairy::RestartLegTimer() {
    FLegTimer = 0;
    FLegInterval = LegIntervals[CosmeticRandomInt(3)];
}

// --- Choices and flights ---------------------------------------------------

// Where she idles decides when a later order reaches its wand point, so every
// choice comes from the gameplay stream.
void TFairy::ChooseIdle(bool AllowSitting) {
    if (FState == fsFlying) return;
    bool Sit = false;
    if (FState != fsSitting) Sit = Random(2) == 1 && AllowSitting;
    if (!Sit || !ChooseSeat()) ChooseHover();
    StartFlight(true);
}

void TFairy::ChooseHover() {
    FTargetState = fsHovering;
    FLayer = 1;
    // Moving from one hover to the next she may pass behind the board.
    if (FState == fsHovering && Random(2) == 0) FLayer = 0;
    FHoverSide = 1 - FHoverSide;
    const int32_t Place = FHoverSide == 0 ? Random(3) : 3 + Random(4);
    FTarget = FloatOf(RestingPlaces[Place]);
    FIdleTime = 0;
    FIdleLimit = FlyingIdleTime;
}

// A seat outside the board (no answer, or no tile to perch on) would have her
// shake and bounce with a tile that does not exist: she hovers instead.
bool TFairy::ChooseSeat() {
    TPoint Tile;
    if (OnTopTilePosRequest) OnTopTilePosRequest(this, Tile);
    if (!IsBoardPos(Tile)) return false;
    FTargetState = fsSitting;
    FLayer = 1;
    FTopTile = Tile;
    FTarget = FloatOf(SeatOf(Tile));
    FIdleTime = 0;
    FIdleLimit = SittingIdleTime;
    RestartLegTimer();
    return true;
}

void TFairy::StartFlight(bool RecomputeFacing) {
    if (SameFloatPoint(FPos, FTarget)) return;
    FState = fsFlying;
    if (RecomputeFacing) FFacing = FTarget.X >= FPos.X ? mdRight : mdLeft;
    // Speeds come from whole pixels: an axis already on the target's pixel but
    // not on the target itself would get no speed and never arrive.
    if (Round(FPos.X) == Round(FTarget.X)) FPos.X = FTarget.X;
    if (Round(FPos.Y) == Round(FTarget.Y)) FPos.Y = FTarget.Y;
    FSpeeds = AxisSpeeds(FPos, FTarget, FlightSpeed);
}
