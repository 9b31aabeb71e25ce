// The heroine on the splash picture: her hair stirs in the sea breeze, she
// breathes, and now and then she waves to the player.
#pragma once

#include <cstdint>

#include "GameTypesClass.h"

class TOmegaImageList;

class TSplashMirel : public TObject {
public:
    TOmegaImageList* OmgImgList = nullptr;
    // Every part of her is drawn at this one corner.
    int32_t Left = 548;
    int32_t Top = 160;

    // Frames of one round of waving and resting.
    static constexpr int32_t WaveFrames = 66;
    static constexpr int32_t RestFrames = 100;

    void Reset() { FFrame = 0; }
    void UpdateAndDraw();

    // What the frame just drawn showed, for tests.
    int32_t HairPattern() const { return FHairPattern; }
    bool WavingPose() const { return FWavingPose; }

private:
    int32_t FFrame = 0;
    int32_t FHairPattern = 0;
    bool FWavingPose = false;
};
