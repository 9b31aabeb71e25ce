#include "LizardBossClass.h"

namespace {
// Side view facing left and right (the shadow first); angles are for facing left.
constexpr TBossSidePart SideParts[] = {
    {"MonsterShadow", -5, 107, 0.5f, 0.5f, -68, 107, 0.5f, 0.5f, {0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"LizardRightLeg_Side", 76, 86, 0.69f, 0.1f, -31, 86, 0.31f, 0.1f, {0.0f, 2.5f, 0.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"LizardRightLowArm_Side", 16, 86, 0.706f, 0.1f, 27, 86, 0.294f, 0.1f, {0.0f, -2.5f, 0.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"LizardBottom_Side", 98, 62, -0.31f, 0.75f, -79, 62, 1.31f, 0.75f, {0.0f, -1.1f, 1.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"LizardBody_Side", 26, 33, 0.5f, 0.91f, -57, 33, 0.5f, 0.91f, {0.0f, 0.4f, 1.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"LizardHead_Side", -4, 4, 0.933f, 1.087f, -9, 4, 0.067f, 1.087f, {0.0f, 1.0f, 1.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"LizardLeftLeg_Side", 90, 92, 0.647f, 0.118f, -47, 92, 0.353f, 0.118f, {0.0f, -2.5f, 0.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"LizardLeftThigh_Side", 92, 72, 0.5f, 0.474f, -55, 72, 0.5f, 0.474f, {0.0f, -2.5f, 0.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"LizardLeftLowArm_Side", 30, 94, 0.706f, 0.125f, 13, 94, 0.294f, 0.125f, {0.0f, 2.5f, 0.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"LizardLeftUpArm_Side", 40, 72, 0.47f, 0.5f, 3, 72, 0.53f, 0.5f, {0.0f, 2.5f, 0.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
};

// Front view in drawing order; the faces swap with the view.
constexpr TBossFrontPart FrontParts[] = {
    {"MonsterShadow", -24, 103, 0.5f, 0.5f, {0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f}, 0, 0, 0.0f, siAll},
    {"LizardFrill_Front", -4, -4, 0.509f, 1.658f, {0.0f, 0.0f, 0.5f, 0.0f, 5.0f, 0.0f}, -4, 8, -10.0f, siAll},
    {"LizardTail_Front", 72, 62, 0.129f, 0.793f, {0.0f, 2.0f, 0.0f, 0.0f, 4.0f, 0.0f}, 0, 6, 20.0f, siAll},
    {"LizardLeftLeg_Front", -18, 100, 0.808f, 0.286f, {0.0f, -1.0f, 0.0f, 0.0f, 0.0f, 0.0f}, 0, -2, 15.0f, siAll},
    {"LizardRightLeg_Front", 68, 100, 0.192f, 0.286f, {0.0f, 1.0f, 0.0f, 0.0f, 0.0f, 0.0f}, 0, -2, -15.0f, siAll},
    {"LizardLeftArm_Front", -32, 74, 0.857f, 0.263f, {0.0f, 1.5f, 0.0f, 0.0f, 0.0f, 0.0f}, 4, 6, -15.0f, siAll},
    {"LizardRightArm_Front", 78, 74, 0.143f, 0.263f, {0.0f, -1.5f, 0.0f, 0.0f, 0.0f, 0.0f}, -4, 6, 15.0f, siAll},
    {"LizardBody_Front", 4, 0, 0.5f, 0.968f, {0.0f, 0.0f, 0.5f, 0.0f, 2.0f, 0.0f}, -4, 8, -10.0f, siAll},
    {"LizardFace_Front", 12, 6, 0.5f, 1.415f, {0.0f, 0.0f, 0.5f, 0.0f, 2.0f, 0.0f}, -4, 8, -10.0f, siFacing},
    {"LizardFaceInhale_Front", 12, 6, 0.5f, 1.415f, {0.0f, 0.0f, 0.5f, 0.0f, 2.0f, 0.0f}, -4, 8, -10.0f, siAbsorbing},
    {"LizardFaceKO_Front", 12, 6, 0.5f, 1.415f, {0.0f, 0.0f, 0.5f, 0.0f, 2.0f, 0.0f}, -4, 8, -10.0f, siKnockedOut},
};

constexpr TBossFamily LizardFamily{
    .Kind = mkLizard,
    .FrontHit = {-6, 153, 28},
    .WalkLeftHit = {-2, 153, 32},
    .WalkRightHit = {0, 153, 32},
    .FrontSpray = {0, 142, 0, 124},
    .WalkLeftSpray = {0, 148, 0, 123},
    .WalkRightSpray = {0, 142, 0, 123},
    .EnergyBar = {20, 130},
    .AuraAnchor = {12, 23},
    .KOStarsAnchor = {58, -9},
    .FairyAfterKnockOut = true,
    .HasSwing = false,
    .SideParts = SideParts,
    .FrontParts = FrontParts,
};
}  // namespace

TLizardBoss::TLizardBoss() : TBossMonster(LizardFamily) {
    ShadowAlpha = 120;
    TopPos = 460;
    MaxLeftPos = 170;
    MaxRightPos = 585;
    OneHitAngle = 10.0f;
    OneHitDownAdj = 0;
    MaxHitDownAdj = 0;
    FrontViewAdjX = 22;
    FrontViewAdjY = -2;
    RightDirViewAdjX = 76;
    FrontDeadGroundPos = 460;
    DeadMoveStep = 0.7f;
    DisappearVertPos = 700;
    ResetBoss();
}
