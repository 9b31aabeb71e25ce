// The sparkles that go with the fairy: a trail behind her while she flies, a
// sprinkle drifting down from her while she hovers, a twinkle about her while
// she sits, and the small fairy's trail on the map and the menus. Glints,
// sparkles and tiny stars drawn additively; decoration only (cosmetic stream).
#pragma once

#include <cstdint>

#include "GameTypesClass.h"

class TOmegaImageList;

// The kinds of dust, by what the fairy is doing.
enum TFairyDustKind : uint8_t { dkTrail, dkSprinkle, dkTwinkle, dkSmallFairyTrail };
constexpr int32_t FairyDustKindCount = 4;

class TFairyDust : public TObject {
public:
    static constexpr int32_t SlotCount = 256;

    TOmegaImageList* OmgImgList = nullptr;
    // False: nothing is emitted, moved or drawn; the dust waits where it is.
    bool Visible = true;
    // Pixels a frame the falling dust settles toward as it sinks.
    double Gravity = 0.69;
    // "FairyDust" pattern size; the loaded image's once it is drawn.
    int32_t OrigDustWidth = 16;
    int32_t OrigDustHeight = 16;

    // Dust of a kind. Kinds 0 to 2 take the fairy's position (as she reports
    // it) and place themselves about her figure; kind 3 comes at the point
    // itself. Once a frame per fairy; a full pool reuses its oldest slots.
    void Emit(int32_t X, int32_t Y, int32_t Kind);
    // Every slot free.
    void Reset();
    // Once a frame: moves, fades and draws the dust.
    void UpdateAndDraw();

    int32_t ActiveCount() const;
    int32_t ActiveCount(int32_t Kind) const;

private:
    struct TParticle {
        bool Active = false;
        uint8_t Kind = dkTrail;
        uint8_t Pattern = 0;
        bool Falls = false;
        bool Brightening = false;  // a twinkle lights up before it fades
        double X = 0.0, Y = 0.0;
        double SpeedX = 0.0, SpeedY = 0.0;
        double Alpha = 0.0;
        double AlphaStep = 0.0;
        double Size = 0.0;      // pixels across
        double SizeStep = 0.0;  // shrink a frame
        double Angle = 0.0;
        double Spin = 0.0;
    };
    TParticle& NextSlot();
    void Add(double X, double Y, int32_t Kind);
    void Step(TParticle& P);

    TParticle FParticles[SlotCount];
    int32_t FCursor = -1;
    int32_t FEmitCount = 0;  // thins out the sprinkle and the twinkle
};
