#include "KongBossClass.h"

namespace {
// Side view facing left and right (the shadow first); angles are for facing left.
constexpr TBossSidePart SideParts[] = {
    {"MonsterShadow", 14, 145, 0.5f, 0.5f, -6, 145, 0.5f, 0.5f, {0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"KongRightHand_Side", 52, 111, 0.5f, 0.1f, 64, 111, 0.5f, 0.1f, {0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"KongLeg_Side", 99, 96, 0.5f, 0.2f, 1, 96, 0.5f, 0.2f, {0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f}, -0.3f},
    {"KongTail_Side", 152, 99, 0.1f, 0.2f, -24, 99, 0.9f, 0.2f, {0.0f, -1.5f, 0.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"KongRightWing_Side", 89, 0, 0.2f, 0.85f, 33, 0, 0.8f, 0.85f, {0.0f, 0.0f, 0.0f, -1.0f, 0.0f, 0.0f}, 0.0f},
    {"KongBody_Side", 0, 0, 0.75f, 0.75f, -2, 0, 0.25f, 0.75f, {-4.0f, 1.0f, -1.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"KongLeg_Side", 113, 81, 0.5f, 0.2f, -13, 81, 0.5f, 0.2f, {0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"KongLeftWing_Side", 116, 6, 0.15f, 0.85f, 4, 6, 0.85f, 0.85f, {0.0f, 0.0f, 0.0f, 1.0f, 0.0f, 0.0f}, 0.0f},
    {"KongLeftArm_Side", 79, 58, 0.5f, 0.15f, 35, 58, 0.5f, 0.15f, {0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
    {"KongLeftHand_Side", 88, 113, 0.5f, 0.1f, 30, 113, 0.5f, 0.1f, {0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f}, 0.0f},
};

// Front view in drawing order; the faces swap with the view.
constexpr TBossFrontPart FrontParts[] = {
    {"MonsterShadow", -25, 56, 0.5f, 0.5f, {0.0f, 0.0f, 0.0f, 0.0f, 0.0f, 0.0f}, 0, 0, 0.0f, siAll},
    {"KongLeftWing_Front", -8, -84, 0.706f, 0.885f, {0.0f, 0.0f, 0.0f, -1.5f, -3.0f, 0.0f}, 27, 5, 4.0f, siAll},
    {"KongRightWing_Front", 74, -84, 0.294f, 0.885f, {0.0f, 0.0f, 0.0f, 1.5f, 3.0f, 0.0f}, 25, 21, 24.0f, siAll},
    {"KongLeftLeg_Front", -34, 16, 0.688f, 0.103f, {0.0f, 0.5f, 0.0f, 0.0f, 0.0f, 0.0f}, -4, -4, 25.0f, siAll},
    {"KongRightLeg_Front", 70, 16, 0.312f, 0.103f, {0.0f, -0.5f, 0.0f, 0.0f, 0.0f, 0.0f}, 6, -8, -15.0f, siAll},
    {"KongBody_Front", -14, -96, 0.5f, 0.976f, {0.0f, 0.0f, 0.5f, 0.0f, 2.0f, 0.0f}, 0, 10, 14.0f, siAll},
    {"KongFace_Front", 14, -84, 0.5f, 2.111f, {0.0f, 0.0f, 0.5f, 0.0f, 2.0f, 0.0f}, 0, 10, 14.0f, siFacing},
    {"KongFaceInhale_Front", 14, -84, 0.5f, 2.111f, {0.0f, 0.0f, 0.5f, 0.0f, 2.0f, 0.0f}, 0, 10, 14.0f, siAbsorbing},
    {"KongFaceKO_Front", 14, -84, 0.5f, 2.111f, {0.0f, 0.0f, 0.5f, 0.0f, 2.0f, 0.0f}, 0, 10, 14.0f, siKnockedOut},
    {"KongLeftArm_Front", -38, -36, 0.395f, 0.135f, {0.0f, 0.0f, 0.0f, 0.0f, 3.0f, 1.0f}, 24, 0, 30.0f, siAll},
    {"KongRightArm_Front", 52, -36, 0.605f, 0.135f, {0.0f, 0.0f, 0.0f, 0.0f, -3.0f, 1.0f}, 21, 26, -10.0f, siAll},
};

constexpr TBossFamily KongFamily{
    .Kind = mkKong,
    .FrontHit = {10, 172, 37},
    .WalkLeftHit = {-1, 180, 33},
    .WalkRightHit = {11, 190, 33},
    .FrontSpray = {0, 178, 0, 166},
    .WalkLeftSpray = {0, 165, 0, 173},
    .WalkRightSpray = {28, 178, 0, 173},
    .EnergyBar = {20, 160},
    .AuraAnchor = {33, 34},
    .KOStarsAnchor = {111, 6},
    .FairyAfterKnockOut = true,
    .HasSwing = true,
    .SideParts = SideParts,
    .FrontParts = FrontParts,
};
}  // namespace

TKongBoss::TKongBoss() : TBossMonster(KongFamily) {
    ResetBoss();
}
