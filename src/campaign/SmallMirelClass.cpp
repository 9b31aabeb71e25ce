#include "SmallMirelClass.h"

#include <algorithm>
#include <string>

#include "CampaignDrawClass.h"
#include "GeneralRoutinesClass.h"

namespace {
constexpr double ArmStep = 5.0;
// Once the arm is past this angle it swings out to the right as it rises.
constexpr double ArmShiftFrom = 60.0;
constexpr double ArmShiftDivisor = 2.5;
}  // namespace

TSmallMirel::TSmallMirel() {
    FBreathing.Setup(0.42f, 0.42f, 4.5f, -4.5f);
    // Her eyes stay open for three seconds, then close for two frames (a looped
    // sequence never shows its last character).
    FHead.SetSeq(std::string(99, '1') + "221");
    FHead.Looped = true;
}

void TSmallMirel::CheerAfterDelay(int32_t Delay) {
    FDelay = Delay;
    FDelayTimer = 0;
}

// A cheer waiting for its delay is called off too.
void TSmallMirel::StopCheering() {
    FCheering = false;
    FRaisePending = false;
    FArmAngle = 0.0;
    FArmTarget = 0.0;
    FDelay = 0;
    FDelayTimer = 0;
}

void TSmallMirel::UpdateAndDraw() {
    if (FDelay > 0) {
        FDelayTimer += FrameStep;
        if (FDelayTimer >= FDelay) {
            FDelay = 0;
            FDelayTimer = 0;
            FCheering = true;
            FRaisePending = true;
            FArmTarget = MaxCheerUpAngle;
        }
    }
    FBreathing.Update();
    FHead.Advance();
    MoveTowards(FArmAngle, ArmStep, FArmTarget);
    if (FRaisePending && FArmAngle == FArmTarget) {
        FRaisePending = false;
        FArmTarget = 0.0;
    }
    if (FCheering && !FRaisePending && FArmAngle == 0.0 && FArmTarget == 0.0) FCheering = false;
    Draw();
}

void TSmallMirel::Draw() {
    const float Breath = FBreathing.Value;
    const float Arm = static_cast<float>(FArmAngle);
    const float BackArmAngle = 0.75f * Breath + static_cast<float>(std::min(FArmAngle, CheerUpAngleLimit));
    DrawCampaignSmooth(OmgImgList, "SmallMirel", Left - 8, Top + 7, BackArmAngle, 0.51282054f, 0.06578948f, 1.0f,
                       1.0f, 255, 255, 255, 255, 1);
    DrawCampaignSmooth(OmgImgList, "SmallMirel", Left + 22, Top + 8, -0.75f * Breath, 0.025641026f, 0.039473683f,
                       1.0f, 1.0f, 255, 255, 255, 255, 2);
    DrawCampaignSmooth(OmgImgList, "SmallMirel", Left, Top, 0.0f, 0.5f, 0.5f, 1.0f, 1.0f, 255, 255, 255, 255, 0);
    DrawCampaignSmooth(OmgImgList, "SmallMirel", Left + 9, Top - 14, Breath, 0.20512821f, 0.2368421f, 1.0f, 1.0f,
                       255, 255, 255, 255, FHead.CurrentPattern() + 3);
    if (!FCheering) {
        DrawCampaignSmooth(OmgImgList, "SmallMirel", Left - 12, Top - 1, -0.42f * Breath, 0.25f, 1.0f, 1.0f, 1.0f,
                           255, 255, 255, 255, 5);
        return;
    }
    const int32_t Shift = FArmAngle > ArmShiftFrom ? Round((FArmAngle - ArmShiftFrom) / ArmShiftDivisor) : 0;
    DrawCampaignSmooth(OmgImgList, "SmallMirel", Left - 12 + Shift, Top - 1, Arm * 0.007f + Breath / 200.0f, 100.0f,
                       -20.0f, 1.0f, 1.0f, 255, 255, 255, 255, 5);
}
