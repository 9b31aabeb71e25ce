// A cleared locker frame falling off the board: it hops from its tile, then
// drops away tumbling and growing, with its shadow below it. Decorative.
#pragma once

#include <cstdint>

#include "GameTypesClass.h"

class TOmegaImageList;

class TLockerFrameEffect : public TObject {
public:
    static constexpr int32_t SlotCount = 20;

    TOmegaImageList* OmgImgList = nullptr;
    int32_t Left = 0;  // the board's top-left tile corner
    int32_t Top = 0;
    bool Visible = true;
    int32_t GravityAccel = 3;        // pixels per frame added to the falling speed
    int32_t AngleStep = 20;          // degrees of tumble per frame
    double SizeScaleAdd = 0.015;     // growth per frame
    int32_t OrigFrameWidth = 53;
    int32_t OrigFrameHeight = 53;
    double RollAngleX = 0.5;         // the point the frame tumbles about, as a fraction of its size
    double RollAngleY = 0.5;
    int32_t RotateAdjustX = 10;      // its hop: up to this many pixels a frame sideways,
    int32_t RotateAdjustY = 40;      // and a quarter of this upward
    int32_t ShadowAlpha = 40;
    int32_t ShadowAdjustX = 5;
    int32_t ShadowAdjustY = 7;
    int32_t RollImgIdx = 0;          // the pattern of "LockerFrame" that falls

    // A frame leaves tile P.
    void Start(TPoint P);
    void Clear();
    void UpdateAndDraw();
    int32_t ActiveCount() const;

private:
    struct TSlot {
        bool Active = false;
        double X = 0.0, Y = 0.0;
        double SpeedX = 0.0, SpeedY = 0.0;
        float Angle = 0.0f;
        float Scale = 1.0f;
    };
    TSlot FSlots[SlotCount];
    int32_t FNext = 0;
};
