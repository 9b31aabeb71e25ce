#include "BlasterEffectClass.h"

#include <algorithm>

#include "BoardEffectDrawClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"

namespace {
constexpr float GrowStep = 0.07f;
constexpr float EndScale = 4.0f;
constexpr float GrowTurn = 20.0f;
constexpr float SpinTurn = 38.0f;
constexpr float FadeTurn = 25.0f;
constexpr int32_t FadeStep = 15;
constexpr float RayTurn = 35.0f;
constexpr int32_t RayStartAlpha = 170;
constexpr int32_t RayFadeStep = 4;
constexpr int32_t AdditiveBlend = 2;
// "FruitBlasterBlur" is 86 by 88 and "FruitBlasterWave" 112 by 112: the rays centre on the blaster.
constexpr int32_t RayOffsetX = (86 - 112) / 2;
constexpr int32_t RayOffsetY = (88 - 112) / 2;
constexpr int32_t RayPatterns = 7;
}  // namespace

void TBlasterEffect::Start(TPoint P, int32_t Colour) {
    StartAt(Left + P.X * BoardTilePixels - 66, Top + P.Y * BoardTilePixels - 67, Colour);
}

void TBlasterEffect::StartAt(int32_t X, int32_t Y, int32_t Colour) {
    FX = X;
    FY = Y;
    FColour = Colour;
    FPhase = bpGrowing;
    FScale = 0.5f;
    FAngle = 0.0f;
    FAlpha = 255;
    FTimer = 0;
    FRayAngle = 0.0f;
    FRayAlpha = RayStartAlpha;
    FActive = true;
}

void TBlasterEffect::UpdateAndDraw() {
    if (!Visible || !FActive) return;
    switch (FPhase) {
        case bpGrowing:
            FAngle += GrowTurn;
            FScale = std::min(FScale + GrowStep, 1.0f);
            if (FScale >= 1.0f) FPhase = bpSpinning;
            break;
        case bpSpinning:
            FAngle += SpinTurn;
            FTimer += FrameStep;
            if (FTimer >= SpinningTime) FPhase = bpFading;
            break;
        case bpFading:
            FAngle += FadeTurn;
            FAlpha = std::max(FAlpha - FadeStep, 0);
            FScale += GrowStep;
            if (FScale >= EndScale) {
                FActive = false;
                return;
            }
            break;
    }
    while (FAngle >= 360.0f) FAngle -= 360.0f;
    FRayAngle += RayTurn;
    while (FRayAngle >= 360.0f) FRayAngle -= 360.0f;
    FRayAlpha = std::max(FRayAlpha - RayFadeStep, 0);

    if (TImageListItem* Rays = EffectImage(OmgImgList, "FruitBlasterWave"); Rays && FRayAlpha > 0) {
        SetEffectFiltering(OmgImgList, true);
        for (int32_t I = 0; I < RayCount; ++I) {
            const float Angle = FRayAngle + I * (360.0f / RayCount);
            Rays->DrawEx(FX + RayOffsetX, FY + RayOffsetY, Angle, 0.5f, 0.5f, FScale, FScale, 255, 255, 255,
                         FRayAlpha, I % RayPatterns, AdditiveBlend);
        }
        SetEffectFiltering(OmgImgList, false);
    }
    if (TImageListItem* Blur = EffectImage(OmgImgList, "FruitBlasterBlur")) {
        SetEffectFiltering(OmgImgList, true);
        Blur->DrawEx(FX, FY, FAngle, 0.5f, 0.5f, FScale, FScale, 255, 255, 255, FAlpha, FColour - 1, 0);
        SetEffectFiltering(OmgImgList, false);
    }
}
