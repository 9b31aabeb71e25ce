// The cyan sparkle over matched fruits: a few glints rise from every matched
// tile and fade while the fruits swell out of their boxes. Decoration only.
#pragma once

#include <cstdint>

#include "BoardDataClass.h"
#include "GameTypesClass.h"

class TOmegaImageList;

class TMatchedCyanEffect : public TObject {
public:
    static constexpr int32_t SlotCount = 200;
    static constexpr int32_t ParticlesPerTile = 3;

    TOmegaImageList* OmgImgList = nullptr;
    bool Visible = true;
    int32_t Left = BoardScreenLeft;  // the board's top-left tile corner
    int32_t Top = BoardScreenTop;
    int32_t OrigParticleWidth = 38;  // "CyanParticle" pattern size; the loaded image's once it is drawn
    int32_t OrigParticleHeight = 38;

    // Glints over every tile of the mask.
    void Start(const TSimpleObjectArray& Tiles);
    void Clear();
    // Once per frame while visible: moves, fades and draws the glints.
    void Frame();
    int32_t ActiveCount() const;

private:
    struct TParticle {
        bool Active = false;
        double X = 0, Y = 0;    // centre, pixels
        double SpeedX = 0, SpeedY = 0;
        double Size = 0;        // pixels across
        double Alpha = 0;
        int32_t Variant = 0;    // pattern 0 to 4
    };
    TParticle FParticles[SlotCount];
    int32_t FCursor = -1;
};
