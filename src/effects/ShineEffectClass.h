// A quick flash of light at a tile or a point: it swells to full size in three
// frames and shrinks away in four more while it fades. The round shows one where
// a hammer strikes, where a locker frame is cleared and where the fairy works;
// the bonus stage flashes one at each hit. Decoration only.
#pragma once

#include <cstdint>

#include "GameTypesClass.h"

class TOmegaImageList;

class TShineEffect : public TObject {
public:
    TOmegaImageList* OmgImgList = nullptr;
    int32_t StartingSize = 20;
    int32_t SizeIncrement = 60;
    int32_t SizeDecrement = 50;
    int32_t MaxSize = 200;
    int32_t OrigShineWidth = 180;
    int32_t OrigShineHeight = 180;
    int32_t InitialAlpha = 90;
    int32_t AlphaDecrement = 8;
    int32_t PosAdjustX = 18;
    int32_t PosAdjustY = 18;
    // False: the shine neither draws nor advances; shown again it goes on where it stopped.
    bool Visible = true;

    // A new flash at (X, Y); one already showing starts again from there.
    void Start(int32_t X, int32_t Y);
    // A flash at tile P's cell corner on a board whose first tile's corner is (Left, Top).
    void StartAtTile(int32_t Left, int32_t Top, TPoint P);
    void Stop() { FActive = false; }
    void UpdateAndDraw();

    bool Active() const { return FActive; }
    int32_t Size() const { return FSize; }
    int32_t Alpha() const { return FAlpha; }
    TPoint Position() const { return {FX, FY}; }

private:
    int32_t FX = 0;
    int32_t FY = 0;
    int32_t FSize = 20;
    int32_t FAlpha = 90;
    bool FGrowing = true;
    bool FActive = false;
};
