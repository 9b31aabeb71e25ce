#include "FishBossClass.h"

namespace {
// Side view facing left and right (the shadow first); angles are for facing left.
constexpr TBossSidePart SideParts[] = {
    {"MonsterShadow", -5, 121, 0.5f, 0.5f, -28, 121, 0.5f, 0.5f, {0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"FishRightLeg_Side", 32, 108, 0.7f, 0.125f, 45, 108, 0.3f, 0.125f, {0.0f, 3.0f, 0.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"FishRightThigh_Side", 44, 88, 0.5f, 0.5f, 37, 88, 0.5f, 0.5f, {0.0f, 2.0f, 0.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"FishRightWhisker_Side", 6, 66, 2.067f, 0.826f, 81, 66, -1.067f, 0.826f, {0.0f, -0.6f, 1.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"FishTail_Side", 100, 24, -0.667f, 1.111f, -31, 24, 1.667f, 1.111f, {0.0f, -1.6f, 1.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"FishHair_Side", 43, -31, 0.439f, 2.368f, 17, -31, 0.561f, 2.368f, {0.0f, 1.9f, 1.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"FishBody_Side", 18, 10, 0.5f, 0.94f, -1, 10, 0.5f, 0.94f, {0.0f, 0.4f, 1.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"FishLeftWhisker_Side", -7, 65, 1.875f, 0.812f, 84, 65, -0.875f, 0.812f, {0.0f, -1.1f, 1.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"FishLeftWing_Side", 64, 52, 0.087f, 1.238f, 7, 52, 0.913f, 1.238f, {0.0f, 0.4f, 1.0f, -1.0f, 0.0f, 0.0f}, 0.0f},
    {"FishLeftLeg_Side", 58, 108, 0.714f, 0.125f, 17, 108, 0.286f, 0.125f, {0.0f, -3.0f, 0.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"FishLeftThigh_Side", 72, 86, 0.476f, 0.5f, 3, 86, 0.524f, 0.5f, {0.0f, -2.0f, 0.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
};

// Front view in drawing order; the faces swap with the view.
constexpr TBossFrontPart FrontParts[] = {
    {"MonsterShadow", -22, 124, 0.5f, 0.5f, {0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f}, 0, 0, 0.0f, siAll},
    {"FishLeftLeg_Front", -22, 96, 0.833f, 0.182f, {0.0f, -1.0f, 0.0f, 0.0f, 0.0f, 0.0f}, 0, -8, 30.0f, siAll},
    {"FishRightLeg_Front", 68, 96, 0.167f, 0.182f, {0.0f, 1.0f, 0.0f, 0.0f, 0.0f, 0.0f}, 0, -8, -30.0f, siAll},
    {"FishLeftFin_Front", -26, 42, 0.864f, 0.435f, {0.0f, 1.5f, 0.0f, 1.0f, 5.0f, 0.0f}, -17, 26, -30.0f, siAll},
    {"FishRightFin_Front", 88, 42, 0.136f, 0.435f, {0.0f, -1.5f, 0.0f, -1.0f, -5.0f, 0.0f}, -20, 5, 30.0f, siAll},
    {"FishHair_Front", 28, -25, 0.481f, 2.7f, {0.0f, 1.5f, 0.5f, 0.0f, 2.0f, 0.0f}, -6, 14, -15.0f, siAll},
    {"FishBody_Front", 2, 11, 0.5f, 0.971f, {0.0f, 0.0f, 0.5f, 0.0f, 2.0f, 0.0f}, -6, 14, -15.0f, siFacing | siKnockedOut},
    {"FishBodyPuffed_Front", -8, -7, 0.5f, 0.914f, {0.0f, 0.0f, 0.5f, 0.0f, 2.0f, 0.0f}, 0, 0, 0.0f, siAbsorbing},
    {"FishFace_Front", 6, 30, 0.5f, 0.93f, {0.0f, 0.0f, 0.5f, 0.0f, 2.0f, 0.0f}, -6, 14, -15.0f, siFacing},
    {"FishFaceInhale_Front", 6, 30, 0.5f, 0.93f, {0.0f, 0.0f, 0.5f, 0.0f, 2.0f, 0.0f}, -6, 14, -15.0f, siAbsorbing},
    {"FishFaceKO_Front", 6, 30, 0.5f, 0.93f, {0.0f, 0.0f, 0.5f, 0.0f, 2.0f, 0.0f}, -6, 14, -15.0f, siKnockedOut},
};

constexpr TBossFamily FishFamily{
    .Kind = mkFish,
    .FrontHit = {9, 170, 18},
    .WalkLeftHit = {-2, 145, 18},
    .WalkRightHit = {35, 180, 18},
    .FrontSpray = {0, 165, -22, 141},
    .WalkLeftSpray = {0, 123, -28, 138},
    .WalkRightSpray = {49, 179, -28, 138},
    .EnergyBar = {20, 130},
    .AuraAnchor = {26, 12},
    .KOStarsAnchor = {66, -40},
    .FairyAfterKnockOut = true,
    .HasSwing = false,
    .SideParts = SideParts,
    .FrontParts = FrontParts,
};
}  // namespace

TFishBoss::TFishBoss() : TBossMonster(FishFamily) {
    ShadowAlpha = 80;
    TopPos = 430;
    MaxLeftPos = 160;
    MaxRightPos = 570;
    OneHitAngle = 8.0f;
    OneHitDownAdj = 5;
    MaxHitDownAdj = 20;
    FrontViewAdjX = 33;
    FrontViewAdjY = 0;
    RightDirViewAdjX = 62;
    FrontDeadGroundPos = 485;
    DeadMoveStep = 3.2f;
    DisappearVertPos = 700;
    ResetBoss();
}
