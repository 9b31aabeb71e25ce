// A flower found in a locker: it rises from its tile to the middle of the board,
// swells to full size in a ring of turning light while its name is shown, then
// flies up to its place in the flower row and shrinks into it, where its light
// fades out. It tells the round at each stage; the stages keep their timing
// whether the flower is drawn or not.
#pragma once

#include <cstdint>

#include "GameTypesClass.h"

class TOmegaImageList;

class TNewFlowerEffect : public TObject {
public:
    static constexpr int32_t ShineRayCount = 5;
    enum TPhase : uint8_t { nfIdle, nfToCentre, nfStretching, nfToRoot, nfRooted };

    TOmegaImageList* OmgImgList = nullptr;
    int32_t Left = 0;  // the board's top-left tile corner
    int32_t Top = 0;
    bool Visible = true;
    int32_t StretchingTime = 1800;
    int32_t AcquiredFlowerIdx = 1;
    int32_t OrigBigFlowerWidth = 120;
    int32_t OrigBigFlowerHeight = 120;
    int32_t OrigFlowerShineWidth = 202;
    int32_t OrigFlowerShineHeight = 202;
    int32_t RootedFlowerSize = 80;
    int32_t MaxResizeCount = 120;
    int32_t ResizeAddition = 8;
    int32_t MinShineAlpha = 45;
    int32_t MaxShineAlpha = 135;
    int32_t ShadowAlpha = 90;
    int32_t RootedTime = 4000;
    TNotifyEvent OnArrivedToCenter;
    TNotifyEvent OnStretchingStarsEffectRequest;
    TNotifyEvent OnStretchingFinished;
    TNotifyEvent OnFlowerArrivedOnRoot;

    // Flower Index found at tile P flies out; RootPoint is its place in the row.
    void Start(TPoint P, int32_t Index, TPoint RootPoint);
    void Clear() { FPhase = nfIdle; }
    void UpdateAndDraw();

    TPhase Phase() const { return FPhase; }
    int32_t Size() const { return FSize; }
    TFloatPoint Position() const { return {FX, FY}; }
    // Flying out, swelling or flying to the row: the row cannot take another flower yet.
    bool Busy() const { return FPhase == nfToCentre || FPhase == nfStretching || FPhase == nfToRoot; }

private:
    void FlyTo(double X, double Y, int32_t Speed);
    bool Fly();
    void Draw();

    TPhase FPhase = nfIdle;
    double FX = 0.0;
    double FY = 0.0;
    double FTargetX = 0.0;
    double FTargetY = 0.0;
    double FSpeedX = 0.0;
    double FSpeedY = 0.0;
    TPoint FRoot;
    int32_t FSize = 46;
    bool FStarsRaised = false;
    int32_t FTimer = 0;
    int32_t FSwingTimer = 0;
    float FRayAngle[ShineRayCount] = {};
    float FRaySpeed[ShineRayCount] = {};
    int32_t FRayAlpha[ShineRayCount] = {};
    int32_t FRayAlphaStep[ShineRayCount] = {};
};
