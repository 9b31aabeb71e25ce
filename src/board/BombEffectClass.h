// A fruit bomb going off: a burst of twenty sparks and smoke puffs flying out
// from the tile, spinning, growing and fading. Decoration only (cosmetic stream).
#pragma once

#include <cstdint>

#include "GameTypesClass.h"

class TOmegaImageList;

class TBombEffect : public TObject {
public:
    static constexpr int32_t ParticlesPerBurst = 20;
    // Room for three bursts at once (bombs matched together go off on one frame).
    static constexpr int32_t SlotCount = 3 * ParticlesPerBurst;

    TOmegaImageList* OmgImgList = nullptr;
    bool Visible = true;

    // A burst centred on (X, Y).
    void Start(int32_t X, int32_t Y);
    void Clear();
    void UpdateAndDraw();
    int32_t ActiveCount() const;

private:
    struct TParticle {
        bool Active = false;
        double X = 0.0;
        double Y = 0.0;
        double SpeedX = 0.0;
        double SpeedY = 0.0;
        float Angle = 0.0f;
        float Spin = 0.0f;
        float Scale = 0.5f;
        int32_t Alpha = 255;
        int32_t Pattern = 0;
    };
    TParticle FParticles[SlotCount];
    int32_t FNext = 0;
};
