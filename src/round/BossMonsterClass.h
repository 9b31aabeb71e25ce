// The island's boss monster in a beat-the-monster level. It walks to and fro
// below the board; falling fruits, hammered objects and the aerosol's spray hit
// it, and at zero energy it is knocked out and the round is won. From time to
// time it turns to the player, prepares and absorbs: then fruits are swallowed
// and the round's timer is drained. The five monsters share everything here;
// each kind only brings its numbers (zones, anchors) and its part tables.
// Everything but the drawing runs the same headless.
#pragma once

#include <cstdint>
#include <span>

#include "GameTypesClass.h"
#include "ValueUpDownClass.h"

class TOmegaImageList;

enum TBossViewState : uint8_t { bvWalking, bvFacing, bvAbsorbing, bvKnockedOut };
enum TBossAttemptPhase : uint8_t { atNone, atPreparing, atAbsorbing, atFinishing };
enum TBossDirection : uint8_t { bdLeft, bdRight };

// A part's angle in degrees (clockwise): Const + Bob x (bob + 4) + Tilt x tilt +
// Twitch x twitch + Shake x shake + Swing x swing, where bob is the bobbing value
// (-8..0), tilt the hit tilt, twitch the wing twitch (6 on every third frame),
// shake the absorbing shake (0 unless absorbing) and swing the kind's extra limb
// oscillator (0 for kinds without one).
struct TBossAngle {
    float Const = 0.0f;
    float Bob = 0.0f;
    float Tilt = 0.0f;
    float Twitch = 0.0f;
    float Shake = 0.0f;
    float Swing = 0.0f;
};

// A part of the side view. Offsets and joints for both directions (facing right
// uses pattern 1, the mirrored drawing); the angle is for facing left and is
// negated facing right. YBob moves the part down by that much of the raw bob.
struct TBossSidePart {
    const char* Image = "";
    int32_t LeftX = 0, LeftY = 0;
    float LeftJointX = 0.5f, LeftJointY = 0.5f;
    int32_t RightX = 0, RightY = 0;
    float RightJointX = 0.5f, RightJointY = 0.5f;
    TBossAngle Angle;
    float YBob = 0.0f;
};

// In which views a front part is drawn.
enum TBossShownIn : uint8_t { siFacing = 1, siAbsorbing = 2, siKnockedOut = 4, siFront = 3, siAll = 7 };

// A part of the front view (facing, absorbing, knocked out). Knocked out, it
// drifts from its offset and angle 0 toward offset + (KODX, KODY) and KOAngle.
struct TBossFrontPart {
    const char* Image = "";
    int32_t X = 0, Y = 0;
    float JointX = 0.5f, JointY = 0.5f;
    TBossAngle Angle;
    int32_t KODX = 0, KODY = 0;
    float KOAngle = 0.0f;
    uint8_t Shown = siAll;
};

// A range of x and the lowest y a falling object must reach (no lower bound).
struct TBossHitZone {
    int32_t FromX = 0, ToX = 0, MinY = 0;
};
// Where a spray rectangle's left edge must lie, how high its top may be and how
// low its bottom.
struct TBossSprayZone {
    int32_t FromX = 0, ToX = 0, MinTop = 0, MaxBottom = 0;
};

// What a kind brings beside its property defaults: zones (from the monster's
// rounded position; hit zones' FromX is further widened by FruitAvgSize), the
// anchors of its companions and its part tables.
struct TBossFamily {
    TMonsterKind Kind = mkKong;
    TBossHitZone FrontHit, WalkLeftHit, WalkRightHit;
    TBossSprayZone FrontSpray, WalkLeftSpray, WalkRightSpray;
    TPoint EnergyBar, AuraAnchor, KOStarsAnchor;
    // Where the energy particles fly to.
    TPoint EnergyTarget{180, -10};
    bool FairyAfterKnockOut = true;
    bool HasSwing = false;  // the kind's extra limb oscillator swings in the front view
    std::span<const TBossSidePart> SideParts;
    std::span<const TBossFrontPart> FrontParts;
};

class TBossMonster : public TObject {
public:
    static constexpr int32_t KODriftFrames = 25;

    // Properties (the kong's defaults; each kind sets its own in its constructor).
    TOmegaImageList* OmgImgList = nullptr;
    bool Visible = true;
    TMonsterKind MonsterKind = mkKong;
    int32_t Energy = 60;
    int32_t FruitAvgSize = 50;
    int32_t ShadowAlpha = 90;
    int32_t NewDirTolerance = 100;
    int32_t RefTimeForAbsorbAttempt = 10000;  // ms
    int32_t HitsToCancelAbsorbAttempt = 99999;
    int32_t OneAbsorbedTime = 60;  // s
    int32_t PreparingTime = 3000;  // ms
    int32_t AbsorbingTime = 7000;  // ms
    int32_t FinishingTime = 3500;  // ms
    int32_t HitSoundDelayTime = 1000;  // ms
    int32_t AerosolCanHitInterval = 5;
    int32_t TopPos = 420;
    int32_t MaxLeftPos = 160;
    int32_t MaxRightPos = 560;
    float OneHitAngle = 8.0f;
    float MaxHitAngle = 26.0f;
    float HitAngleRecoverStep = 1.2f;
    int32_t OneHitDownAdj = 5;
    int32_t MaxHitDownAdj = 20;
    int32_t FrontViewAdjX = 39;
    int32_t FrontViewAdjY = 94;
    int32_t RightDirViewAdjX = 32;
    int32_t SideDeadGroundPos = 450;
    int32_t FrontDeadGroundPos = 470;
    float DeadMoveStep = 2.0f;
    float DisappearMoveStep = 0.0f;
    int32_t DisappearVertPos = 600;

    TNotifyEvent OnDead;
    TNotifyEvent OnDeadGrounded;
    TNotifyEvent OnStartAbsorbing;
    TNotifyEvent OnFinishAbsorbing;

    explicit TBossMonster(const TBossFamily& Family);
    ~TBossMonster() override = default;

    // Level start: walking left from the right limit with full energy, nothing
    // counted; absorb attempts stay off until the round allows them.
    void ResetBoss();
    // On: the next attempt comes at RandomlyIncreased(RefTimeForAbsorbAttempt).
    void SetAbsorbAttempts(bool Allowed);
    // Mode 0: a falling object at (X, Y); mode 1: a hit without a place (the
    // aerosol). True when the object touched the monster (an absorbing monster
    // swallows it without harm).
    bool Hit(int32_t X, int32_t Y, int32_t Mode);
    // The aerosol's spray rectangle of this frame.
    void SprayAt(const TRect& Rect);
    bool IsAbsorbing() const { return FViewState == bvAbsorbing; }
    bool IsDead() const { return FViewState == bvKnockedOut; }
    void StartSinking();
    void UpdateAndDraw();

    // State, for the round, the companions and tests.
    const TBossFamily& Family() const { return FFamily; }
    TBossViewState ViewState() const { return FViewState; }
    TBossAttemptPhase AttemptPhase() const { return FPhase; }
    TBossDirection Direction() const { return FDirection; }
    int32_t EnergyLeft() const { return FEnergyLeft; }
    double X() const { return FX; }
    double Y() const { return FY; }
    // The position rounded to whole pixels as the last frame stored it.
    TPoint RoundedPos() const { return FRounded; }
    float Tilt() const { return FTilt; }
    int32_t Jolt() const { return FJolt; }
    // The bobbing value (-8..0) the last frame drew with.
    float Bobbing() const { return FBob.Value; }
    bool AbsorbAttemptsAllowed() const { return FAttemptsAllowed; }
    int32_t NextAttemptTime() const { return FNextAttemptTime; }
    int32_t TimeSinceAttempt() const { return FSinceAttempt; }
    int32_t PreparationHits() const { return FPreparationHits; }
    int32_t SprayCount() const { return FSprayCount; }
    bool Sinking() const { return FSinking; }
    // Anchors of the companions at the rounded position.
    TPoint AuraCentre() const { return Offset(FFamily.AuraAnchor); }
    TPoint KOStarsPos() const { return Offset(FFamily.KOStarsAnchor); }
    TPoint EnergyBarPos() const { return Offset(FFamily.EnergyBar); }
    TPoint EnergyTargetPos() const { return Offset(FFamily.EnergyTarget); }
    // Width of the energy bar's fill, 0..50 pixels.
    int32_t EnergyFillWidth() const;
    // The zones of the current view (for tests and the dev tool).
    bool InHitZone(int32_t X, int32_t Y) const;
    bool InSprayZone(const TRect& Rect) const;

protected:
    const TBossFamily& FFamily;

private:
    TPoint Offset(TPoint P) const { return TPoint{FRounded.X + P.X, FRounded.Y + P.Y}; }
    void BeginAttempt();
    void AdvanceAttempt();
    void WalkAgain();
    void StepLimbs();
    void Walk();
    void FallKnockedOut();
    void PlayHitSound();
    float AngleOf(const TBossAngle& A) const;
    void DrawSide(int32_t AtX, int32_t AtY);
    void DrawFront(int32_t AtX, int32_t AtY);
    void DrawShadow(int32_t X, int32_t Y);
    void DrawEnergyBar();

    TBossViewState FViewState = bvWalking;
    TBossDirection FDirection = bdLeft;
    TBossAttemptPhase FPhase = atNone;
    int32_t FPhaseTime = 0;
    int32_t FPreparationHits = 0;
    int32_t FEnergyLeft = 60;
    double FX = 0.0, FY = 0.0;
    TPoint FRounded;
    float FTilt = 0.0f;
    int32_t FJolt = 0;
    int32_t FHitSoundTime = 0;
    bool FAttemptsAllowed = false;
    int32_t FSinceAttempt = 0;
    int32_t FNextAttemptTime = 0;
    int32_t FSprayCount = 0;
    bool FSinking = false;
    bool FGroundedSent = false;
    int32_t FKOFrames = 0;
    int32_t FTwitchCounter = 0;
    TValueUpDown FBob;
    TValueUpDown FShake;
    TValueUpDown FSwing;
};
