// The hammer swinging down on the tile it was clicked on: it grows into view,
// strikes at frame 17 (the board then smashes the neighbours) and fades away.
// The blow comes at the same frame whether the hammer is drawn or not.
#pragma once

#include <cstdint>
#include <functional>

#include "AnimDataClass.h"
#include "GameTypesClass.h"

class TOmegaImageList;

using THammerHitEvent = std::function<void(TObject* Sender, TPoint HitTilePos)>;

class THammerEffect : public TObject {
public:
    TOmegaImageList* OmgImgList = nullptr;
    int32_t Left = 0;  // the board's top-left tile corner
    int32_t Top = 0;
    bool Visible = true;
    int32_t PointerAdjustX = -44;
    int32_t PointerAdjustY = -40;
    int32_t HitAnimPos = 17;
    int32_t AlphaStep = 30;
    int32_t MinHammerAlpha = 60;
    int32_t ShadowAlpha = 60;
    int32_t ShadowAdjustX = 3;
    int32_t ShadowAdjustY = 6;
    THammerHitEvent OnHit;

    // A hammer swings at tile P; one still swinging is replaced.
    void Start(TPoint P);
    void Clear() { FActive = false; }
    void UpdateAndDraw();
    bool Active() const { return FActive; }
    int32_t AnimPosition() const { return FAnim.Position(); }
    int32_t Alpha() const { return FAlpha; }
    float Scale() const { return FScale; }

private:
    TAnimData FAnim{"1122334455667788999999999", false};
    TPoint FTile;
    int32_t FAlpha = 255;
    float FScale = 0.2f;
    bool FHit = false;
    bool FActive = false;
};
