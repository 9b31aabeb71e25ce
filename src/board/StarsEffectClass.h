// Little gold stars twinkling up from a tile: where the blaster's wave finds a
// fruit of its colour, over a flower revealed in a locker, and round a found
// flower. Decoration only (cosmetic stream).
#pragma once

#include <cstdint>

#include "GameTypesClass.h"

class TOmegaImageList;

class TStarsEffect : public TObject {
public:
    static constexpr int32_t BurstCount = 50;
    static constexpr int32_t StarsPerBurst = 4;

    TOmegaImageList* OmgImgList = nullptr;
    int32_t Left = 0;  // the board's top-left tile corner
    int32_t Top = 0;
    bool Visible = true;
    int32_t AlphaStep = 4;

    // Four stars rise from tile P; the oldest burst makes room when all are in use.
    void Burst(TPoint P);
    // The same burst from a screen point, as from a tile corner there (a fruit hitting the monster).
    void BurstAtPoint(TPoint ScreenPoint);
    void Clear();
    void UpdateAndDraw();
    int32_t ActiveStars() const;

private:
    struct TStar {
        bool Active = false;
        int32_t X = 0;
        int32_t Y = 0;
        int32_t Rise = 1;
        int32_t Alpha = 120;
        int32_t Life = 0;  // milliseconds left
        int32_t Pattern = 1;
    };
    TStar FStars[BurstCount * StarsPerBurst];
    int32_t FNextBurst = 0;
};
