#include "BirdBossClass.h"

namespace {
// Side view facing left and right (the shadow first); angles are for facing left.
constexpr TBossSidePart SideParts[] = {
    {"MonsterShadow", -5, 113, 0.5f, 0.5f, 11, 113, 0.5f, 0.5f, {0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"BirdRightLeg_Side", 38, 82, 0.667f, 0.115f, 82, 82, 0.333f, 0.115f, {0.0f, -3.0f, 0.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"BirdRightThigh_Side", 47, 78, 0.469f, 0.231f, 77, 78, 0.531f, 0.231f, {0.0f, -2.0f, 0.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"BirdTail2_Side", 94, 40, -0.174f, 1.095f, -76, 40, 1.174f, 1.095f, {0.0f, 1.2f, 1.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"BirdTail1_Side", 95, -3, -0.179f, 1.271f, -79, -3, 1.179f, 1.271f, {0.0f, -0.2f, 1.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"BirdBody_Side", -5, -7, 0.636f, 0.93f, 43, -7, 0.364f, 0.93f, {0.0f, 0.6f, 1.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"BirdLeftLeg_Side", 54, 84, 0.65f, 0.115f, 62, 84, 0.35f, 0.115f, {0.0f, 3.0f, 0.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"BirdLeftThigh_Side", 64, 77, 0.47f, 0.233f, 58, 77, 0.53f, 0.233f, {0.0f, 2.0f, 0.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"BirdLeftWing_Side", 58, 31, 0.194f, 1.058f, 36, 31, 0.806f, 1.058f, {0.0f, 0.6f, 1.0f, -1.0f, 0.0f, 0.0f}, 0.0f},
};

// Front view in drawing order; the faces swap with the view.
constexpr TBossFrontPart FrontParts[] = {
    {"MonsterShadow", 3, 117, 0.5f, 0.5f, {0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f}, 0, 0, 0.0f, siAll},
    {"BirdTail_Front", 74, 74, 0.031f, 0.281f, {0.0f, 1.2f, 0.0f, 0.0f, 3.0f, 0.0f}, 6, 4, 10.0f, siAll},
    {"BirdLeftLeg_Front", 40, 79, 0.75f, 0.083f, {0.0f, -0.8f, 0.0f, 0.0f, 0.0f, 0.0f}, -4, -14, 80.0f, siAll},
    {"BirdRightLeg_Front", 84, 79, 0.25f, 0.083f, {0.0f, 0.8f, 0.0f, 0.0f, 0.0f, 0.0f}, 4, -14, -80.0f, siAll},
    {"BirdLeftWing_Front", -50, 13, 0.925f, 0.61f, {0.0f, 2.0f, 0.0f, 1.0f, 4.0f, 0.0f}, 8, 14, -35.0f, siAll},
    {"BirdRightWing_Front", 100, 13, 0.075f, 0.61f, {0.0f, -2.0f, 0.0f, -1.0f, -4.0f, 0.0f}, 12, 18, 30.0f, siAll},
    {"BirdBody_Front", 34, -5, 0.5f, 0.882f, {0.0f, 0.0f, 0.5f, 0.0f, 2.0f, 0.0f}, 10, 10, 14.0f, siAll},
    {"BirdFace_Front", 42, 24, 0.5f, 1.172f, {0.0f, 0.0f, 0.5f, 0.0f, 2.0f, 0.0f}, 10, 10, 14.0f, siFacing},
    {"BirdFaceInhale_Front", 42, 24, 0.5f, 1.172f, {0.0f, 0.0f, 0.5f, 0.0f, 2.0f, 0.0f}, 10, 10, 14.0f, siAbsorbing},
    {"BirdFaceKO_Front", 42, 24, 0.5f, 1.172f, {0.0f, 0.0f, 0.5f, 0.0f, 2.0f, 0.0f}, 10, 10, 14.0f, siKnockedOut},
};

constexpr TBossFamily BirdFamily{
    .Kind = mkBird,
    .FrontHit = {3, 257, 30},
    .WalkLeftHit = {-2, 229, 26},
    .WalkRightHit = {26, 262, 26},
    .FrontSpray = {57, 208, 0, 135},
    .WalkLeftSpray = {0, 182, 0, 134},
    .WalkRightSpray = {85, 259, 0, 134},
    .EnergyBar = {30, 140},
    .AuraAnchor = {72, 15},
    .KOStarsAnchor = {138, -25},
    .FairyAfterKnockOut = false,
    .HasSwing = false,
    .SideParts = SideParts,
    .FrontParts = FrontParts,
};
}  // namespace

TBirdBoss::TBirdBoss() : TBossMonster(BirdFamily) {
    ShadowAlpha = 90;
    TopPos = 440;
    MaxLeftPos = 160;
    MaxRightPos = 495;
    OneHitAngle = 8.0f;
    OneHitDownAdj = 5;
    MaxHitDownAdj = 20;
    FrontViewAdjX = 52;
    FrontViewAdjY = -3;
    RightDirViewAdjX = 102;
    FrontDeadGroundPos = 480;
    DeadMoveStep = 2.2f;
    DisappearVertPos = 700;
    ResetBoss();
}
