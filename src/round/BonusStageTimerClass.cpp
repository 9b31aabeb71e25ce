#include "BonusStageTimerClass.h"

#include <cstdio>
#include <cstring>

#include "BoardEffectDrawClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"

namespace {
// The watch turns about the dial's centre, which is also the hand's pivot.
constexpr float ClockCenterX = 0.48314607f;
constexpr float ClockCenterY = 0.27272728f;
constexpr float ArrowCenterX = 0.44444445f;
constexpr float ArrowCenterY = 0.7741935f;
// The digits turn about a point this many digit heights above them: the dial's centre.
constexpr float DigitCenterY = -2.63f;
// The hand's pace toward its next second, in degrees a frame.
constexpr double ArrowTurnStep = 2.0;
}  // namespace

TBonusStageTimer::TBonusStageTimer() {
    FSwing.Setup(0.22f, 0.22f, 2.5f, -2.5f);
    FRemaining = Time * 1000;
}

void TBonusStageTimer::ResetClock() {
    FPaused = true;
    FRemaining = Time * 1000;
    FTimeUpRaised = false;
    FFade = fdNone;
    FAlpha = 0;
    std::strcpy(FText, "00");
    std::strcpy(FShownText, "00");
    FTargetAngle = 0.0;
    FCurrentAngle = 0.0;
}

void TBonusStageTimer::StartClock() {
    FPaused = false;
    FFade = fdIn;
}

void TBonusStageTimer::TakeDigitWidth() {
    if (const TImageListItem* Digits = EffectImage(OmgImgList, "BonusStageDigit")) {
        DigitWidth = Digits->EffectiveTileWidth();
    }
}

void TBonusStageTimer::UpdateAndDraw() {
    if (FFade == fdIn) {
        FAlpha += AlphaStep;
        if (FAlpha > 254) {
            FAlpha = 255;
            FFade = fdNone;
        }
    } else if (FFade == fdOut) {
        FAlpha -= AlphaStep;
        if (FAlpha <= 0) {
            FAlpha = 0;
            FFade = fdNone;
        }
    }
    FSwing.Update();

    if (!FPaused) {
        FRemaining -= FrameStep;
        if (FRemaining < 0) FRemaining = 0;
        if (FRemaining == 0 && !FTimeUpRaised) {
            FTimeUpRaised = true;
            if (OnTimeUp) OnTimeUp(this);
        }
    }
    std::snprintf(FText, sizeof FText, "%2.2d", FRemaining / 1000);

    // The hand's target is set only when a new second shows, so it jumps once a second.
    if (std::strcmp(FText, FShownText) != 0 || FRemaining == 0) {
        std::strcpy(FShownText, FText);
        const double Total = Time * 1000.0;
        FTargetAngle = Total > 0.0 ? (Total - FRemaining) / Total * 360.0 : 360.0;
    }
    MoveTowards(FCurrentAngle, ArrowTurnStep, FTargetAngle);
    Draw();
}

void TBonusStageTimer::Draw() {
    const float SwingAngle = FSwing.Value;
    if (TImageListItem* Clock = EffectImage(OmgImgList, "BonusStageClock")) {
        Clock->DrawEx(Left, Top, SwingAngle, ClockCenterX, ClockCenterY, 1.0f, 1.0f, 255, 255, 255, FAlpha, 0, 0);
    }
    if (TImageListItem* Arrow = EffectImage(OmgImgList, "BonusStageClockArrow")) {
        Arrow->DrawEx(Left + ArrowAdjustX, Top + ArrowAdjustY, static_cast<float>(FCurrentAngle) + SwingAngle,
                      ArrowCenterX, ArrowCenterY, 1.0f, 1.0f, 255, 255, 255, FAlpha, 0, 0);
    }
    TImageListItem* Digits = EffectImage(OmgImgList, "BonusStageDigit");
    if (!Digits) return;
    for (int32_t I = 1; FShownText[I - 1] != '\0'; ++I) {
        const char Ch = FShownText[I - 1];
        if (Ch < '0' || Ch > '9') continue;
        Digits->DrawEx(Left + DigitAdjustX + (I - 1) * (DigitWidth + 1), Top + DigitAdjustY, SwingAngle,
                       1.0f - 0.33f * static_cast<float>(I), DigitCenterY, 1.0f, 1.0f, 255, 255, 255, FAlpha,
                       Ch - '0', 0);
    }
}
