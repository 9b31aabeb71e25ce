// The bubble of a clicked uni fruit bursting open, once, over the tile while the
// freed fruit shows the colour it took. Decoration only: the board counts the
// fruit's moment on its own.
#pragma once

#include <cstdint>

#include "AnimDataClass.h"
#include "GameTypesClass.h"

class TOmegaImageList;

class TUniBubbleEffect : public TObject {
public:
    TOmegaImageList* OmgImgList = nullptr;
    int32_t Left = 0;  // the board's top-left tile corner
    int32_t Top = 0;
    bool Visible = true;
    int32_t Width = 40;
    int32_t Height = 40;
    int32_t BubbleAdjustX = 3;
    int32_t BubbleAdjustY = 3;
    int32_t BubbleMaskIdxAdd = 7;  // kept for the level tools; nothing reads it

    // The bubble at tile P bursts; one still bursting elsewhere is replaced.
    void Start(TPoint P);
    void Clear() { FActive = false; }
    void UpdateAndDraw();
    bool Active() const { return FActive; }
    TPoint Position() const { return FPos; }

private:
    TAnimData FAnim{"11223344455566677777-", false};
    TPoint FPos;
    bool FActive = false;
};
