#include "NewFlowerEffectClass.h"

#include <algorithm>
#include <cmath>

#include "BoardEffectDrawClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"
#include "RandomClass.h"

namespace {
constexpr int32_t StartSize = 46;
constexpr TFloatPoint CentrePoint{447, 234};
constexpr int32_t ToCentreSpeed = 20;
constexpr int32_t ToRootSpeed = 16;
constexpr int32_t RootAdjust = 46;
constexpr int32_t ShadowX = 8;
constexpr int32_t ShadowY = 10;
constexpr double SwingDegrees = 6.0;
constexpr double SwingPeriod = 1600.0;  // milliseconds of one swing
constexpr int32_t AdditiveBlend = 2;
}  // namespace

void TNewFlowerEffect::Start(TPoint P, int32_t Index, TPoint RootPoint) {
    AcquiredFlowerIdx = std::clamp(Index, 1, 6);
    const TPoint Cell = EffectCellCorner(Left, Top, P.X, P.Y);
    FX = Cell.X + 23;
    FY = Cell.Y + 23;
    FRoot = RootPoint;
    FSize = StartSize;
    FStarsRaised = false;
    FTimer = 0;
    FSwingTimer = 0;
    FlyTo(CentrePoint.X, CentrePoint.Y, ToCentreSpeed);
    FPhase = nfToCentre;
    // The rays only show: each turns its own way at its own pace.
    for (int32_t I = 0; I < ShineRayCount; ++I) {
        FRayAngle[I] = static_cast<float>(72 * I + CosmeticRandomInt(30));
        FRaySpeed[I] = (I % 2 == 0 ? 1.0f : -1.0f) * (0.6f + 0.3f * static_cast<float>(CosmeticRandomInt(4)));
        FRayAlpha[I] = MinShineAlpha + CosmeticRandomInt(std::max(MaxShineAlpha - MinShineAlpha, 1));
        FRayAlphaStep[I] = 1 + CosmeticRandomInt(3);
    }
}

void TNewFlowerEffect::FlyTo(double X, double Y, int32_t Speed) {
    FTargetX = X;
    FTargetY = Y;
    const TFloatPoint Speeds = AxisSpeeds(TFloatPoint{FX, FY}, TFloatPoint{X, Y}, Speed);
    FSpeedX = Speeds.X;
    FSpeedY = Speeds.Y;
}

bool TNewFlowerEffect::Fly() {
    MoveTowards(FX, FY, FSpeedX, FSpeedY, FTargetX, FTargetY);
    return FX == FTargetX && FY == FTargetY;
}

void TNewFlowerEffect::UpdateAndDraw() {
    if (!Visible || FPhase == nfIdle) return;
    FSwingTimer += FrameStep;
    if (FPhase == nfToCentre || FPhase == nfStretching) {
        FSize = std::min(FSize + ResizeAddition, MaxResizeCount);
        if (FSize >= MaxResizeCount && !FStarsRaised) {
            FStarsRaised = true;
            if (OnStretchingStarsEffectRequest) OnStretchingStarsEffectRequest(this);
        }
    }
    switch (FPhase) {
        case nfToCentre:
            if (Fly()) {
                FPhase = nfStretching;
                FTimer = 0;
                if (OnArrivedToCenter) OnArrivedToCenter(this);
            }
            break;
        case nfStretching:
            FTimer += FrameStep;
            if (FTimer >= StretchingTime) {
                FlyTo(FRoot.X + RootAdjust, FRoot.Y + RootAdjust, ToRootSpeed);
                FPhase = nfToRoot;
                if (OnStretchingFinished) OnStretchingFinished(this);
            }
            break;
        case nfToRoot:
            FSize = std::max(FSize - ResizeAddition, RootedFlowerSize);
            if (Fly()) {
                FPhase = nfRooted;
                FTimer = 0;
                if (OnFlowerArrivedOnRoot) OnFlowerArrivedOnRoot(this);
            }
            break;
        case nfRooted:
            FTimer += FrameStep;
            if (FTimer >= RootedTime) {
                FPhase = nfIdle;
                return;
            }
            break;
        case nfIdle: return;
    }
    Draw();
}

void TNewFlowerEffect::Draw() {
    if (!OmgImgList) return;
    // The rays pulse between their alphas and fade away once the flower is planted.
    const double Fade =
        FPhase == nfRooted && RootedTime > 0 ? 1.0 - static_cast<double>(FTimer) / RootedTime : 1.0;
    if (TImageListItem* Shine = EffectImage(OmgImgList, "FlowerShine")) {
        SetEffectFiltering(OmgImgList, true);
        const float Scale = static_cast<float>(FSize) / static_cast<float>(std::max(OrigBigFlowerWidth, 1));
        for (int32_t I = 0; I < ShineRayCount; ++I) {
            FRayAngle[I] += FRaySpeed[I];
            if (FRayAngle[I] >= 360.0f) FRayAngle[I] -= 360.0f;
            if (FRayAngle[I] < 0.0f) FRayAngle[I] += 360.0f;
            FRayAlpha[I] += FRayAlphaStep[I];
            if (FRayAlpha[I] >= MaxShineAlpha || FRayAlpha[I] <= MinShineAlpha) {
                FRayAlpha[I] = std::clamp(FRayAlpha[I], MinShineAlpha, MaxShineAlpha);
                FRayAlphaStep[I] = -FRayAlphaStep[I];
            }
            Shine->DrawEx(Round(FX) - OrigFlowerShineWidth / 2, Round(FY) - OrigFlowerShineHeight / 2, FRayAngle[I],
                          0.5f, 0.5f, Scale, Scale, 255, 255, 255, Round(FRayAlpha[I] * Fade), 0, AdditiveBlend);
        }
        SetEffectFiltering(OmgImgList, false);
    }
    if (FPhase == nfRooted) return;
    TImageListItem* Flower = EffectImage(OmgImgList, "FlowersBig");
    if (!Flower) return;
    const float Scale = static_cast<float>(FSize) / static_cast<float>(std::max(OrigBigFlowerWidth, 1));
    const float ScaleY = static_cast<float>(FSize) / static_cast<float>(std::max(OrigBigFlowerHeight, 1));
    const float Angle = static_cast<float>(SwingDegrees * std::sin(FSwingTimer * 2.0 * 3.14159265358979 / SwingPeriod));
    const int32_t X = Round(FX) - OrigBigFlowerWidth / 2;
    const int32_t Y = Round(FY) - OrigBigFlowerHeight / 2;
    const int32_t Pattern = AcquiredFlowerIdx - 1;
    SetEffectFiltering(OmgImgList, true);
    Flower->DrawEx(X + ShadowX, Y + ShadowY, Angle, 0.5f, 0.5f, Scale, ScaleY, 0, 0, 0, ShadowAlpha, Pattern, 0);
    Flower->DrawEx(X, Y, Angle, 0.5f, 0.5f, Scale, ScaleY, 255, 255, 255, 255, Pattern, 0);
    SetEffectFiltering(OmgImgList, false);
}
