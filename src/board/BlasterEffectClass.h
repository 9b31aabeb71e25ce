// A clicked fruit blaster spinning up over its tile: the blurred blaster grows
// in, spins, then swells and fades while rays of light wheel round it. The
// shuffle shows the same over the board's middle. Decoration only: the board's
// wave takes the colour on its own clock.
#pragma once

#include <cstdint>

#include "GameTypesClass.h"

class TOmegaImageList;

class TBlasterEffect : public TObject {
public:
    static constexpr int32_t RayCount = 20;

    TOmegaImageList* OmgImgList = nullptr;
    int32_t Left = 0;  // the board's top-left tile corner
    int32_t Top = 0;
    bool Visible = true;
    int32_t SpinningTime = 1050;  // milliseconds of full spin

    // The blaster of colour Colour (1 to 6) at tile P.
    void Start(TPoint P, int32_t Colour);
    // The same with the blaster's picture placed at (X, Y).
    void StartAt(int32_t X, int32_t Y, int32_t Colour);
    void Clear() { FActive = false; }
    void UpdateAndDraw();
    bool Active() const { return FActive; }
    TPoint Position() const { return {FX, FY}; }
    float Scale() const { return FScale; }

private:
    enum TPhase : uint8_t { bpGrowing, bpSpinning, bpFading };
    int32_t FX = 0;
    int32_t FY = 0;
    int32_t FColour = 1;
    TPhase FPhase = bpGrowing;
    float FScale = 0.5f;
    float FAngle = 0.0f;
    int32_t FAlpha = 255;
    int32_t FTimer = 0;
    float FRayAngle = 0.0f;
    int32_t FRayAlpha = 0;
    bool FActive = false;
};
