// The hand that guides the very first moves of the game: on island 1's first
// level it points at one tile after another, four swaps of two neighbouring
// tiles on the level's prepared board, waiting a moment before each new spot
// and pulsing gently while it waits for the press.
#pragma once

#include <cstdint>
#include <functional>

#include "GameTypesClass.h"
#include "ValueUpDownClass.h"

class TOmegaImageList;

using TPointSpotIdxChangeEvent = std::function<void(TObject* Sender, uint8_t APointSpotIdx)>;

class TTutorialClickHere : public TObject {
public:
    static constexpr int32_t SpotCount = 8;
    static constexpr int32_t TilePixels = 46;

    struct TSpot {
        TPoint Tile;    // board column and row
        int32_t Pattern;
        TPoint Offset;  // from the tile's top-left pixel
    };
    static const TSpot& Spot(int32_t Idx);

    TTutorialClickHere();

    TOmegaImageList* OmgImgList = nullptr;
    bool Visible = true;
    int32_t WaitingTime = 250;  // ms before a new spot is shown
    int32_t StartingArrowAlpha = 40;
    int32_t MaxArrowAlpha = 225;
    int32_t ArrowAlphaStep = 10;
    // The board's top-left pixel, where tile (1, 1) begins.
    int32_t BoardLeft = 0;
    int32_t BoardTop = 0;
    // Raised with the new spot, 1 to 8, and 9 once the last has been pressed.
    TPointSpotIdxChangeEvent OnPointSpotIdxChange;

    void StartPointer();
    void NextSpot();
    void StopPointer();
    void MouseMoveAt(int32_t X, int32_t Y);
    // The pointer is over the pointed tile.
    bool IsOverSpot() const { return FMouseOver; }
    bool IsActive() const { return FActive; }
    int32_t CurrentSpot() const { return FSpot; }
    int32_t ArrowAlpha() const { return FArrowAlpha; }
    int32_t WaitingTimer() const { return FWaitingTimer; }
    void UpdateAndDraw();

private:
    bool FActive = false;
    int32_t FSpot = 1;
    int32_t FArrowAlpha = 0;
    int32_t FWaitingTimer = 0;
    bool FMouseOver = false;
    TValueUpDown FPulse;
};
