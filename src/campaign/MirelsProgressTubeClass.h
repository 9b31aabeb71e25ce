// The garden gauge under the garden: a tube that fills with the share of the
// shop's garden points bought, its edge and its status picture telling how far
// the garden has come (eight stages). When a purchase takes the garden to a new
// level the status picture pops a moment later with a soft chime.
#pragma once

#include <cstdint>

#include "GameTypesClass.h"
#include "SpritePopperClass.h"

class TOmegaImageList;

class TMirelsProgressTube : public TObject {
public:
    static constexpr double ShownStep = 0.33;
    static constexpr int32_t PopDelayMs = 3000;
    static constexpr int32_t StageCount = 8;

    TMirelsProgressTube();

    TOmegaImageList* OmgImgList = nullptr;
    int32_t Left = 262;
    int32_t Top = 567;
    int32_t FillWidth = 251;
    int32_t FillHeight = 19;

    // The fill's size from "MirelsProgressTubeFill" once it is loaded.
    void InitImages();

    // The garden percentage, 0 to 100 (others are held to the range). The shown
    // value follows it; a new garden level above the first pops the status picture.
    void SetPosition(int32_t Value);
    // Entering the garden: the gauge shows the value at once, without a pop.
    void SetPositionNow(int32_t Value);
    int32_t Position() const { return FPosition; }
    double Shown() const { return FShown; }

    // The stage (0 to 7) of a percentage: 0 below 9, 1 from 9, 2 from 19, 3 from 29,
    // 4 from 41, 5 from 56, 6 from 76, 7 at 100.
    static int32_t StageOf(double Percent);
    // The garden level of a position: its stage + 1, and 0 for an empty garden.
    static int32_t GardenLevelOf(int32_t Position);
    // The fill edge's pattern: 0 below 17, then 1 from 17, 2 from 34, 3 from 51, 4 from 68, 5 from 84.
    static int32_t EdgePatternOf(double Percent);
    int32_t Stage() const { return FStage; }
    int32_t FillPixels() const;
    const TSpritePopper& Popper() const { return FPopper; }

    // Back to an empty gauge with no pop waiting.
    void Reset();
    // Once a frame: the shown value moves, the pop goes on, the gauge is drawn.
    void UpdateAndDraw();

private:
    void Draw() const;

    int32_t FPosition = 0;
    double FShown = 0.0;
    int32_t FStage = 0;
    TSpritePopper FPopper;
};
