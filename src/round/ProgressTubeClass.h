// The fruit-count tube of a target-fruits level: a horizontal tube at the top
// of the screen that fills as matched fruits land. The fill follows the count
// at a gentle pace, so the level is won when the tube shows full, a moment
// after the last fruit has landed.
#pragma once

#include <cstdint>

#include "GameTypesClass.h"

class TOmegaImageList;

class TProgressTube : public TObject {
public:
    TOmegaImageList* OmgImgList = nullptr;
    int32_t Left = 263;
    int32_t Top = 0;
    int32_t HidingPosY = -80;
    int32_t MoveStep = 1;
    int32_t EnergyWidth = 337;
    int32_t EnergyHeight = 25;
    int32_t FullEnergyPixel = 337;
    int32_t EnergyAdjustX = 18;
    int32_t EnergyAdjustY = 11;
    int32_t TubeGlassAdjX = 21;
    int32_t TubeGlassAdjY = 14;
    int32_t TubeGlassWidth = 326;  // the glass and cover sizes come from their images (InitImages)
    int32_t TubeGlassHeight = 21;
    int32_t LeftCoverAdjX = 17;
    int32_t LeftCoverAdjY = 8;
    int32_t RightCoverAdjX = 341;
    int32_t RightCoverAdjY = 8;
    int32_t EdgeCoverWidth = 15;
    int32_t EdgeCoverHeight = 29;
    int32_t FruitCountTarget = 50;
    double EnergyUpdStep = 0.2;  // fruits the shown fill gains per frame
    bool Visible = true;
    bool Paused = false;  // the fill stops catching up while the round is paused
    TNotifyEvent OnFull;  // once, when the fill shows the target

    TProgressTube() = default;
    void InitImages();
    // Empty, not full, not sliding.
    void Reset();
    // Slides down into place from the hidden row.
    void Show();
    void Hide();
    // A matched fruit landed: one more, up to the target.
    void CountFruit();
    void UpdateAndDraw();

    int32_t Counted() const { return FCounted; }
    double Shown() const { return FShown; }
    bool Full() const { return FFull; }
    TPoint Position() const { return TPoint{FX, FY}; }
    // The width of the fill as the last frame drew it.
    int32_t EnergyPixels() const { return FEnergyPixels; }

private:
    enum TSlide : uint8_t { slIdle, slShowing, slHiding };
    void Draw() const;

    TSlide FSlide = slIdle;
    int32_t FX = 263;
    int32_t FY = -80;
    int32_t FCounted = 0;
    double FShown = 0.0;
    bool FFull = false;
    int32_t FEnergyPixels = 0;
};
