// A volume gauge of the options window: "VolumeBar" drawn over a fill of
// "VolumeFill" whose width follows Position (0..100), growing or shrinking
// 2 pixels a frame toward it. "VolumeFill" holds two rows: the upper one is
// drawn while the bar is disabled (its sound switched off), the lower one
// while enabled.
#pragma once

#include <cstdint>

#include "GameTypesClass.h"

class TOmegaImageList;

class TVolumeBar : public TObject {
public:
    TOmegaImageList* OmgImgList = nullptr;
    int32_t Left = 0;
    int32_t Top = 0;
    int32_t FillWidth = 123;
    int32_t FillHeight = 11;
    bool Enabled = true;

    // FillWidth and FillHeight from "VolumeFill" (half its height: one row).
    void InitImages();
    int32_t Position() const { return FPosition; }
    // Clamps to 0..100 and sets the fill width the bar moves toward.
    void SetPosition(int32_t Value);
    // The same, with the fill shown at its new width at once.
    void SetPositionSnap(int32_t Value);
    void UpdateAndDraw();

    int32_t TargetFillWidth() const { return FTargetFill; }
    int32_t ShownFillWidth() const { return FShownFill; }

private:
    void RefreshTarget();

    int32_t FPosition = 0;
    int32_t FTargetFill = 0;
    int32_t FShownFill = 0;
};
