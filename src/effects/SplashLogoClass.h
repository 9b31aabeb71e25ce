// The title logo on the splash screen: its blurred copy rises into place and
// the sharp logo comes into focus out of it. The end of that entrance releases
// the loading bar's last step.
#pragma once

#include <cstdint>

#include "GameTypesClass.h"

class TOmegaImageList;

class TSplashLogo : public TObject {
public:
    TOmegaImageList* OmgImgList = nullptr;
    int32_t Left = 20;
    int32_t Top = 20;

    // Frames of the entrance: the blur rises, then the sharp logo focuses.
    static constexpr int32_t RiseFrames = 30;
    static constexpr int32_t FocusStartFrame = 18;
    static constexpr int32_t FocusFrames = 30;
    static constexpr int32_t RiseDistance = 36;

    void Reset();
    bool Started() const { return FFrame >= 0; }
    bool EntranceComplete() const { return FFrame >= FocusStartFrame + FocusFrames; }
    // One frame: starts the entrance on its first call, then advances and draws.
    void UpdateAndDraw();

    // Exposed for tests: the offsets and alphas of the frame just drawn.
    int32_t BlurAlpha() const { return FBlurAlpha; }
    int32_t SharpAlpha() const { return FSharpAlpha; }
    double RiseOffset() const { return FRiseOffset; }

private:
    int32_t FFrame = -1;
    int32_t FBlurAlpha = 0;
    int32_t FSharpAlpha = 0;
    double FRiseOffset = RiseDistance;
};
