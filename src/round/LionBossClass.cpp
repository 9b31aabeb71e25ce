#include "LionBossClass.h"

namespace {
// Side view facing left and right (the shadow first); angles are for facing left.
constexpr TBossSidePart SideParts[] = {
    {"MonsterShadow", 30, 141, 0.5f, 0.5f, -24, 141, 0.5f, 0.5f, {0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"LionRightLeg_Side", 108, 116, 0.588f, 0.045f, 14, 116, 0.412f, 0.045f, {0.0f, 2.0f, 0.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"LionRightThigh_Side", 106, 84, 0.5f, 0.5f, 10, 84, 0.5f, 0.5f, {0.0f, 2.0f, 0.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"LionRightLowArm_Side", 70, 106, 0.647f, 0.037f, 52, 106, 0.353f, 0.037f, {0.0f, -2.0f, 0.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"LionTail_Side", 150, 60, -1.429f, 1.524f, -22, 60, 2.429f, 1.524f, {0.0f, -1.7f, 1.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"LionTailTip_Side", 159, 35, -1.75f, 2.342f, -31, 35, 2.75f, 2.342f, {0.0f, -1.7f, 1.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"LionBody_Side", -2, 10, 0.659f, 0.95f, -12, 10, 0.341f, 0.95f, {0.0f, 0.3f, 1.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"LionLeftLeg_Side", 124, 120, 0.611f, 0.098f, -4, 120, 0.389f, 0.098f, {0.0f, -2.0f, 0.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"LionLeftThigh_Side", 124, 84, 0.5f, 0.5f, -12, 84, 0.5f, 0.5f, {0.0f, -2.0f, 0.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"LionLeftLowArm_Side", 48, 122, 0.611f, 0.103f, 72, 122, 0.389f, 0.103f, {0.0f, 2.0f, 0.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"LionLeftUpArm_Side", 54, 84, 0.47f, 0.167f, 68, 84, 0.53f, 0.167f, {0.0f, 2.0f, 0.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
};

// Front view in drawing order; the faces swap with the view.
constexpr TBossFrontPart FrontParts[] = {
    {"MonsterShadow", 8, 150, 0.5f, 0.5f, {0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f}, 0, 0, 0.0f, siAll},
    {"LionTail_Front", 110, 94, 0.129f, 0.848f, {0.0f, 2.0f, 0.0f, 0.0f, 4.0f, 0.0f}, 0, 8, 30.0f, siAll},
    {"LionLeftLeg_Front", 34, 136, 0.481f, 0.125f, {0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f}, -6, 4, -20.0f, siAll},
    {"LionRightLeg_Front", 78, 136, 0.519f, 0.125f, {0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f}, 0, 6, 20.0f, siAll},
    {"LionBody_Front", 28, -3, 0.5f, 0.982f, {0.0f, 0.0f, 0.5f, 0.0f, 2.0f, 0.0f}, 0, 10, -12.0f, siAll},
    {"LionFace_Front", 50, 36, 0.5f, 2.25f, {0.0f, 0.0f, 0.5f, 0.0f, 2.0f, 0.0f}, 0, 10, -12.0f, siFacing},
    {"LionFaceInhale_Front", 50, 36, 0.5f, 2.25f, {0.0f, 0.0f, 0.5f, 0.0f, 2.0f, 0.0f}, 0, 10, -12.0f, siAbsorbing},
    {"LionFaceKO_Front", 50, 36, 0.5f, 2.25f, {0.0f, 0.0f, 0.5f, 0.0f, 2.0f, 0.0f}, 0, 10, -12.0f, siKnockedOut},
    {"LionLeftArm_Front", 0, 40, 0.848f, 0.853f, {0.0f, 1.5f, 0.0f, 1.0f, 4.0f, 0.0f}, -13, 17, -80.0f, siAll},
    {"LionRightArm_Front", 100, 40, 0.152f, 0.853f, {0.0f, -1.5f, 0.0f, -1.0f, -4.0f, 0.0f}, -14, 6, 80.0f, siAll},
};

constexpr TBossFamily LionFamily{
    .Kind = mkLion,
    .FrontHit = {3, 169, 21},
    .WalkLeftHit = {-2, 182, 40},
    .WalkRightHit = {7, 190, 40},
    .FrontSpray = {0, 159, 0, 170},
    .WalkLeftSpray = {0, 158, 0, 159},
    .WalkRightSpray = {28, 180, 0, 159},
    .EnergyBar = {20, 160},
    .AuraAnchor = {20, 33},
    .KOStarsAnchor = {54, -15},
    .FairyAfterKnockOut = true,
    .HasSwing = false,
    .SideParts = SideParts,
    .FrontParts = FrontParts,
};
}  // namespace

TLionBoss::TLionBoss() : TBossMonster(LionFamily) {
    ShadowAlpha = 120;
    TopPos = 420;
    MaxLeftPos = 160;
    MaxRightPos = 560;
    OneHitAngle = 10.0f;
    OneHitDownAdj = 0;
    MaxHitDownAdj = 0;
    FrontViewAdjX = 3;
    FrontViewAdjY = 3;
    RightDirViewAdjX = 32;
    FrontDeadGroundPos = 430;
    DeadMoveStep = 0.7f;
    DisappearVertPos = 700;
    ResetBoss();
}
