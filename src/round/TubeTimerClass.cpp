#include "TubeTimerClass.h"

#include <algorithm>

#include "BoardEffectDrawClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"

void TTubeTimer::InitImages() {
    if (const TImageListItem* Energy = EffectImage(OmgImgList, "TubeTimerEnergy")) {
        EnergyWidth = Energy->EffectiveTileWidth();
        EnergyHeight = Energy->EffectiveTileHeight();
    }
}

void TTubeTimer::Reset() {
    FPhase = tpHidden;
    FX = HideLeft;
    FRunning = false;
    FAlmostTimeUpRaised = false;
    FAbsorbing = false;
    FAbsorbTarget = 0;
    Paused = true;
    Measure();
}

void TTubeTimer::Prepare() {
    FElapsedSecs = Time;
    FElapsedMs = TimeLimitMs();
    FPhase = tpSlidingIn;
    Measure();
}

void TTubeTimer::Hide() { FPhase = tpSlidingOut; }

void TTubeTimer::Absorb(int32_t Seconds) {
    if (RelaxedMode == rmYes) return;
    FAbsorbing = true;
    FAbsorbTarget = std::min(FElapsedMs + Seconds * 1000, TimeLimitMs());
}

void TTubeTimer::UpdateAndDraw() {
    switch (FPhase) {
        case tpSlidingIn:
            FX = std::max(FX - MoveStep, Left);
            if (FX == Left) {
                FFillUpStep = TimeLimitMs() / FillingUpStepFactor;
                FPhase = tpFillingUp;
            }
            break;
        case tpFillingUp:
            FElapsedMs -= FFillUpStep;
            if (FElapsedMs <= 0) {
                FElapsedMs = 0;
                FElapsedSecs = 0;
                FRunning = true;
                FPhase = tpRunning;
            }
            break;
        case tpRunning:
            if (FRunning && !Paused) Run();
            break;
        case tpSlidingOut:
            FX = std::min(FX + MoveStep, HideLeft);
            if (FX == HideLeft) FPhase = tpHidden;
            break;
        case tpHidden: break;
    }
    Measure();
    if (FPhase != tpHidden && RelaxedMode != rmYes) Draw();
}

// One frame of the running clock. It stops at the time limit in every mode, so a
// relaxed round played past the limit shows the limit (and earns bronze).
void TTubeTimer::Run() {
    const int32_t Limit = TimeLimitMs();
    FElapsedMs = std::min(FElapsedMs + FrameStep, Limit);
    if (FAbsorbing) {
        // Swallowed time lands exactly on its target (never past it, never back before this frame's time).
        const int32_t Swallowed = FElapsedMs + AbsorbedMiliSecsPerUpdate;
        if (Swallowed >= FAbsorbTarget) {
            FElapsedMs = std::max(FElapsedMs, FAbsorbTarget);
            FAbsorbing = false;
        } else {
            FElapsedMs = Swallowed;
        }
    }
    FElapsedSecs = FElapsedMs / 1000;
    if (RelaxedMode == rmYes) return;
    if (!FAlmostTimeUpRaised && Time - FElapsedSecs <= AlmostTimeUpTimeLeft) {
        FAlmostTimeUpRaised = true;
        if (OnAlmostTimeUp) OnAlmostTimeUp(this);
    }
    if (FElapsedSecs >= Time) {
        FRunning = false;
        FElapsedSecs = Time;
        if (OnTimeUp) OnTimeUp(this);
    }
}

void TTubeTimer::Measure() {
    const double Fraction = Time > 0 ? static_cast<double>(FElapsedMs) / TimeLimitMs() : 1.0;
    FDrainedPixels = std::clamp(Round(Fraction * MaxPixelProgress), 0, MaxPixelProgress);
    FEnergyLeftPercent = std::clamp(100 - Round(Fraction * 100.0), 0, 100);
}

// The tube, and the energy column cut from row p down: it shrinks from the top.
void TTubeTimer::Draw() const {
    if (TImageListItem* Tube = EffectImage(OmgImgList, "TubeTimer")) Tube->Draw(FX, Top, 0);
    if (FDrainedPixels >= MaxPixelProgress) return;
    if (TImageListItem* Energy = EffectImage(OmgImgList, "TubeTimerEnergy")) {
        Energy->DrawRect(Rect(0, FDrainedPixels, EnergyWidth, EnergyHeight), FX + EnergyAdjustX,
                         Top + EnergyAdjustY + FDrainedPixels, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 255, 255, 255, 255,
                         false, false, 0, 0);
    }
}
