#include "BossMonsterClass.h"

#include <algorithm>
#include <string_view>

#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"
#include "OmegaScreenClass.h"
#include "RandomClass.h"
#include "SFXPlayerClass.h"

namespace {
constexpr int32_t FrameMs = 30;
constexpr float TwitchAngle = 6.0f;
constexpr int32_t BarWidth = 50;
constexpr std::string_view ShadowImage = "MonsterShadow";

// The ground shadow is a row of the part tables like the others, drawn its own way.
bool IsShadow(const char* Image) { return ShadowImage == Image; }
}  // namespace

TBossMonster::TBossMonster(const TBossFamily& Family) : FFamily(Family) {
    MonsterKind = Family.Kind;
    FBob.Setup(0.25f, 0.25f, 0.0f, -8.0f);
    FShake.Setup(3.0f, 3.0f, 2.0f, -1.0f);
    FSwing.Setup(4.0f, 4.0f, 10.0f, -10.0f);
    ResetBoss();
}

void TBossMonster::ResetBoss() {
    FViewState = bvWalking;
    FDirection = bdLeft;
    FPhase = atNone;
    FPhaseTime = 0;
    FPreparationHits = 0;
    FEnergyLeft = Energy;
    FTilt = 0.0f;
    FJolt = 0;
    FHitSoundTime = 0;
    FSinceAttempt = 0;
    FSprayCount = 0;
    FTwitchCounter = 0;
    FKOFrames = 0;
    FX = MaxRightPos;
    FY = TopPos;
    FRounded = TPoint{Round(FX), Round(FY)};
    FGroundedSent = false;
    FSinking = false;
    // Attempts wait for the round's start signal: an attempt under the level's
    // announcement would drain a timer that is not running yet.
    FAttemptsAllowed = false;
}

void TBossMonster::SetAbsorbAttempts(bool Allowed) {
    FAttemptsAllowed = Allowed;
    if (Allowed) FNextAttemptTime = RandomlyIncreased(RefTimeForAbsorbAttempt);
}

bool TBossMonster::InHitZone(int32_t X, int32_t Y) const {
    if (FViewState == bvKnockedOut) return false;
    const TBossHitZone& Zone = FViewState != bvWalking ? FFamily.FrontHit
                               : FDirection == bdLeft  ? FFamily.WalkLeftHit
                                                       : FFamily.WalkRightHit;
    return X >= FRounded.X + Zone.FromX - FruitAvgSize && X <= FRounded.X + Zone.ToX &&
           Y >= FRounded.Y + Zone.MinY;
}

// Only the spray rectangle's left edge, top and bottom are looked at.
bool TBossMonster::InSprayZone(const TRect& Rect) const {
    if (FViewState == bvAbsorbing || FViewState == bvKnockedOut) return false;
    const TBossSprayZone& Zone = FViewState == bvFacing ? FFamily.FrontSpray
                                 : FDirection == bdLeft ? FFamily.WalkLeftSpray
                                                        : FFamily.WalkRightSpray;
    return Rect.Left >= FRounded.X + Zone.FromX && Rect.Left <= FRounded.X + Zone.ToX &&
           Rect.Top >= FRounded.Y + Zone.MinTop && Rect.Bottom <= FRounded.Y + Zone.MaxBottom;
}

bool TBossMonster::Hit(int32_t X, int32_t Y, int32_t Mode) {
    if (!Visible || FEnergyLeft <= 0 || FViewState == bvKnockedOut) return false;
    const bool Inside = Mode == 1 || InHitZone(X, Y);
    if (!Inside) return false;
    if (FViewState == bvWalking || FViewState == bvFacing) {
        FSinceAttempt = 0;
        if (FHitSoundTime >= HitSoundDelayTime) {
            FHitSoundTime = 0;
            PlayHitSound();
        }
        if (FPhase == atPreparing) {
            ++FPreparationHits;
            if (FPreparationHits >= HitsToCancelAbsorbAttempt + 1) WalkAgain();
        }
        --FEnergyLeft;
        if (FEnergyLeft <= 0) {
            FEnergyLeft = 0;
            FViewState = bvKnockedOut;
            FPhase = atNone;
            FKOFrames = 0;
            PlaySoundEffect("MonsterRoars");
            if (OnDead) OnDead(this);
        }
        FTilt = std::min(FTilt + OneHitAngle, MaxHitAngle);
        FJolt = std::min(FJolt + OneHitDownAdj, MaxHitDownAdj);
    }
    // The blow that knocks it out still lands: that fruit shows its stars too.
    return true;
}

void TBossMonster::PlayHitSound() {
    PlaySoundEffect(CosmeticRandomInt(5) == 0 ? "MonsterRoars" : "MonsterHit");
}

void TBossMonster::SprayAt(const TRect& Rect) {
    if (!Visible || !InSprayZone(Rect)) return;
    if (++FSprayCount >= AerosolCanHitInterval) {
        FSprayCount = 0;
        Hit(0, 0, 1);
    }
}

void TBossMonster::StartSinking() {
    if (Visible && FViewState == bvKnockedOut) FSinking = true;
}

void TBossMonster::BeginAttempt() {
    PlaySoundEffect("MonsterRoars");
    FPhase = atPreparing;
    FPreparationHits = 0;
    FPhaseTime = 0;
    FViewState = bvFacing;
    if (OnFinishAbsorbing) OnFinishAbsorbing(this);
}

void TBossMonster::AdvanceAttempt() {
    FPhaseTime += FrameMs;
    switch (FPhase) {
        case atPreparing:
            if (FPhaseTime >= PreparingTime) {
                FPhase = atAbsorbing;
                FPhaseTime = 0;
                FViewState = bvAbsorbing;
                PlaySoundEffect("MonsterAbsorbing");
                if (OnStartAbsorbing) OnStartAbsorbing(this);
            }
            break;
        case atAbsorbing:
            if (FPhaseTime >= AbsorbingTime) {
                FPhase = atFinishing;
                FPhaseTime = 0;
                FViewState = bvFacing;
                if (OnFinishAbsorbing) OnFinishAbsorbing(this);
            }
            break;
        case atFinishing:
            if (FPhaseTime >= FinishingTime) WalkAgain();
            break;
        case atNone: break;
    }
}

void TBossMonster::WalkAgain() {
    FPhase = atNone;
    FPhaseTime = 0;
    FViewState = bvWalking;
    if (FDirection == bdLeft && FX < MaxLeftPos + NewDirTolerance) {
        FDirection = bdRight;
    } else if (FDirection == bdRight && FX > MaxRightPos - NewDirTolerance) {
        FDirection = bdLeft;
    }
}

void TBossMonster::StepLimbs() {
    FBob.Update();
    FTwitchCounter = (FTwitchCounter + 1) % 3;
    FTilt = std::max(0.0f, FTilt - HitAngleRecoverStep);
    FJolt = std::max(0, FJolt - 1);
}

void TBossMonster::Walk() {
    FX += FDirection == bdLeft ? -1.0 : 1.0;
    if (FX <= MaxLeftPos) {
        FX = MaxLeftPos;
        FDirection = bdRight;
    } else if (FX >= MaxRightPos) {
        FX = MaxRightPos;
        FDirection = bdLeft;
    }
}

void TBossMonster::FallKnockedOut() {
    if (!FSinking) {
        if (!FGroundedSent) {
            FY += DeadMoveStep;
            if (FY >= FrontDeadGroundPos) {
                FY = FrontDeadGroundPos;
                FGroundedSent = true;
                if (OnDeadGrounded) OnDeadGrounded(this);
            }
        }
    } else if (FY < DisappearVertPos) {
        FY = std::min<double>(FY + DisappearMoveStep, DisappearVertPos);
    }
    if (FKOFrames < KODriftFrames) ++FKOFrames;
}

void TBossMonster::UpdateAndDraw() {
    if (!Visible) return;
    if (FAttemptsAllowed && FViewState == bvWalking) {
        FSinceAttempt += FrameMs;
        if (FSinceAttempt >= FNextAttemptTime) {
            FSinceAttempt = 0;
            FNextAttemptTime = RandomlyIncreased(RefTimeForAbsorbAttempt);
            if (FPhase == atNone || FPhase == atFinishing) BeginAttempt();
        }
    }
    FHitSoundTime += FrameMs;
    switch (FViewState) {
        case bvWalking: {
            StepLimbs();
            Walk();
            const int32_t AtX = Round(FX) + (FDirection == bdRight ? RightDirViewAdjX : 0);
            DrawSide(AtX, Round(FY + FBob.Value + FJolt));
            break;
        }
        case bvFacing:
        case bvAbsorbing: {
            AdvanceAttempt();
            StepLimbs();
            if (FViewState == bvAbsorbing) FShake.Update();
            if (FFamily.HasSwing) FSwing.Update();
            if (FViewState == bvWalking) {
                DrawSide(Round(FX) + (FDirection == bdRight ? RightDirViewAdjX : 0), Round(FY + FBob.Value + FJolt));
            } else {
                DrawFront(Round(FX) + FrontViewAdjX, Round(FY + FBob.Value + FrontViewAdjY + FJolt));
            }
            break;
        }
        case bvKnockedOut:
            FallKnockedOut();
            DrawFront(Round(FX) + FrontViewAdjX, Round(FY) + FrontViewAdjY);
            break;
    }
    FRounded = TPoint{Round(FX), Round(FY)};
    DrawEnergyBar();
}

int32_t TBossMonster::EnergyFillWidth() const {
    if (Energy <= 0) return 0;
    return std::clamp(Round(static_cast<double>(FEnergyLeft) / Energy * BarWidth), 0, BarWidth);
}

float TBossMonster::AngleOf(const TBossAngle& A) const {
    const bool Knocked = FViewState == bvKnockedOut;
    const float Bob = Knocked ? -4.0f : FBob.Value;
    const float Twitch = (!Knocked && FTwitchCounter == 0) ? TwitchAngle : 0.0f;
    const float Shake = FViewState == bvAbsorbing ? FShake.Value : 0.0f;
    const float Tilt = Knocked ? 0.0f : FTilt;
    const float Swing = (FFamily.HasSwing && !Knocked) ? FSwing.Value : 0.0f;
    return A.Const + A.Bob * (Bob + 4.0f) + A.Tilt * Tilt + A.Twitch * Twitch + A.Shake * Shake + A.Swing * Swing;
}

void TBossMonster::DrawShadow(int32_t X, int32_t Y) {
    TImageListItem* Shadow = OmgImgList->Find(ShadowImage);
    if (!Shadow) return;
    const float ScaleX = FViewState == bvWalking && FDirection == bdRight ? -0.85f : 0.85f;
    Shadow->DrawEx(X, Y, 0.0f, 0.5f, 0.5f, ScaleX, 1.0f, 255, 255, 255, ShadowAlpha, 0, 0);
}

void TBossMonster::DrawSide(int32_t AtX, int32_t AtY) {
    if (!OmgImgList) return;
    const bool Right = FDirection == bdRight;
    TOmegaScreen* Screen = OmgImgList->OmegaScreen;
    for (const TBossSidePart& Part : FFamily.SideParts) {
        const int32_t X = AtX + (Right ? Part.RightX : Part.LeftX);
        const int32_t Y = AtY + (Right ? Part.RightY : Part.LeftY) + Round(Part.YBob * FBob.Value);
        if (IsShadow(Part.Image)) {
            DrawShadow(X, Y);
            continue;
        }
        TImageListItem* Image = OmgImgList->Find(Part.Image);
        if (!Image) continue;
        const float Angle = AngleOf(Part.Angle);
        if (Screen) Screen->SetFiltering(true);
        Image->DrawEx(X, Y, Right ? -Angle : Angle, Right ? Part.RightJointX : Part.LeftJointX,
                      Right ? Part.RightJointY : Part.LeftJointY, 1.0f, 1.0f, 255, 255, 255, 255, Right ? 1 : 0, 0);
        if (Screen) Screen->SetFiltering(false);
    }
}

void TBossMonster::DrawFront(int32_t AtX, int32_t AtY) {
    if (!OmgImgList) return;
    const bool Knocked = FViewState == bvKnockedOut;
    const uint8_t View = Knocked ? siKnockedOut : (FViewState == bvAbsorbing ? siAbsorbing : siFacing);
    const float Drift = static_cast<float>(FKOFrames) / KODriftFrames;
    TOmegaScreen* Screen = OmgImgList->OmegaScreen;
    for (const TBossFrontPart& Part : FFamily.FrontParts) {
        if ((Part.Shown & View) == 0) continue;
        if (IsShadow(Part.Image)) {
            DrawShadow(AtX + Part.X, AtY + Part.Y);
            continue;
        }
        TImageListItem* Image = OmgImgList->Find(Part.Image);
        if (!Image) continue;
        int32_t X = AtX + Part.X;
        int32_t Y = AtY + Part.Y;
        float Angle = AngleOf(Part.Angle);
        if (Knocked) {
            X += Round(Part.KODX * Drift);
            Y += Round(Part.KODY * Drift);
            Angle = Part.KOAngle * Drift;
        }
        if (Screen) Screen->SetFiltering(true);
        Image->DrawEx(X, Y, Angle, Part.JointX, Part.JointY, 1.0f, 1.0f, 255, 255, 255, 255, 0, 0);
        if (Screen) Screen->SetFiltering(false);
    }
}

void TBossMonster::DrawEnergyBar() {
    if (!OmgImgList) return;
    TImageListItem* Bar = OmgImgList->Find("MonsterEnergy");
    if (!Bar) return;
    const TPoint At = EnergyBarPos();
    Bar->DrawRect(TRect{0, 10, BarWidth, 20}, At.X, At.Y, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 255, 255, 255, 255, false,
                  false, 0, 0);
    // An empty fill has nothing to draw (an empty source rectangle is not a pattern).
    const int32_t Fill = EnergyFillWidth();
    if (Fill > 0)
        Bar->DrawRect(TRect{0, 0, Fill, 10}, At.X, At.Y, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 255, 255, 255, 255, false,
                      false, 0, 0);
}
