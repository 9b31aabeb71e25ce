#include "MonsterAuraClass.h"

#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"
#include "RandomClass.h"

namespace {
constexpr int32_t NormalBlend = 0;
constexpr int32_t AdditiveBlend = 2;
constexpr double GrowStep = 0.1;
constexpr double FadingGrowStep = 0.075;
constexpr int32_t AlphaRise = 12;
constexpr int32_t AlphaFall = 10;
constexpr double TurnStep = 0.45;
constexpr double SparksFadeIn = 0.03;
constexpr double SparksFadeOut = 0.04;
// The size climbs in tenths; a hair of slack keeps the peak on its frame.
constexpr double SizeSlack = 1e-9;
}  // namespace

TMonsterAura::TMonsterAura() { FBreathing.Setup(0.003f, 0.003f, 0.05f, -0.05f); }

void TMonsterAura::StartAura() {
    FPhase = apGrowing;
    FTimeAtPeak = 0;
    FPeakDelaySent = false;
    FBubbleSize = MinBubbleSizeRatio;
    FBubbleAlpha = MinBubbleAlpha;
    FBubbleAngle = 0.0;
    // The sparks find their places about the new bubble on its first frame,
    // not where the last aura left them.
    for (TAuraSpark& Spark : FSparks) Spark.Step = SparkSteps - 1;
}

void TMonsterAura::StopAura() {
    if (FPhase == apOff) return;
    FPhase = apFading;
}

void TMonsterAura::ResetAura() {
    FPhase = apOff;
    FSparksFade = 0.0;
    for (TAuraSpark& Spark : FSparks) Spark.Step = SparkSteps - 1;
}

void TMonsterAura::StepBubble() {
    switch (FPhase) {
        case apGrowing:
            FBubbleAlpha = FBubbleAlpha + AlphaRise > MaxBubbleAlpha ? MaxBubbleAlpha : FBubbleAlpha + AlphaRise;
            FBubbleSize += GrowStep;
            if (FBubbleSize >= MaxBubbleSizeRatio - SizeSlack) {
                FBubbleSize = MaxBubbleSizeRatio;
                FPhase = apAtPeak;
                if (OnAuraPeak) OnAuraPeak(this);
            }
            break;
        case apAtPeak:
            FTimeAtPeak += FrameStep;
            if (!FPeakDelaySent && FTimeAtPeak >= AuraPeakDelayTime) {
                FPeakDelaySent = true;
                if (OnAuraPeakWithDelay) OnAuraPeakWithDelay(this);
            }
            break;
        case apFading:
            FBubbleSize += FadingGrowStep;
            FBubbleAlpha -= AlphaFall;
            if (FBubbleAlpha <= MinBubbleAlpha) {
                FBubbleAlpha = MinBubbleAlpha;
                FPhase = apOff;
            }
            break;
        case apOff:
            break;
    }
}

void TMonsterAura::PlaceSpark(TAuraSpark& Spark) const {
    Spark.X = Left + SparksAdjX + 10 * CosmeticRandomInt(20);
    Spark.Y = Top + SparksAdjY + 10 * CosmeticRandomInt(20);
    Spark.Angle = 30 + 30 * CosmeticRandomInt(12);
    Spark.BaseAlpha = 120 + 10 * CosmeticRandomInt(11);
    Spark.Size = 0.5 + 0.15 * CosmeticRandomInt(5);
}

void TMonsterAura::StepSpark(TAuraSpark& Spark) {
    if (++Spark.Step >= SparkSteps) {
        Spark.Step = 0;
        PlaceSpark(Spark);
    }
}

void TMonsterAura::UpdateAndDraw() {
    if (!Visible || FPhase == apOff) return;
    StepBubble();
    FBreathing.Update();
    FBubbleAngle += TurnStep;
    if (FBubbleAngle >= 360.0) FBubbleAngle -= 360.0;

    TImageListItem* Bubble = OmgImgList ? OmgImgList->Find("AuraBubble") : nullptr;
    if (Bubble) {
        const float Scale = static_cast<float>(FBubbleSize + FBreathing.Value);
        Bubble->DrawEx(Left, Top, static_cast<float>(FBubbleAngle), 0.5f, 0.5f, Scale, Scale, 255, 255, 255,
                       FBubbleAlpha, 0, NormalBlend);
    }

    // The sparks light up with the bubble and die down as it fades.
    if (FPhase == apGrowing || FPhase == apAtPeak)
        MoveTowards(FSparksFade, SparksFadeIn, 1.0);
    else
        MoveTowards(FSparksFade, SparksFadeOut, 0.0);

    TImageListItem* SparkImage = OmgImgList ? OmgImgList->Find("AuraSpark") : nullptr;
    for (TAuraSpark& Spark : FSparks) {
        StepSpark(Spark);
        if (!SparkImage) continue;
        SparkImage->DrawEx(Spark.X, Spark.Y, static_cast<float>(Spark.Angle), 0.5f, 0.5f,
                           static_cast<float>(Spark.Size), 1.0f, 255, 255, 255, Round(Spark.BaseAlpha * FSparksFade),
                           Spark.Pattern(), AdditiveBlend);
    }
}
