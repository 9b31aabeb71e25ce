// The seconds a boss monster drains, shown as a stream of glowing particles
// that flow from the round timer's energy column to the monster, coloured by
// how much time is left. Decoration only: particles come from a fixed ring and
// take their looks from the cosmetic stream.
#pragma once

#include <cstdint>

#include "GameTypesClass.h"

class TOmegaImageList;

// The colour of the drained energy: one row of "AbsorbedEnergy" each.
enum TEnergyColor : uint8_t { ecGreen, ecYellow, ecRed };

class TAbsorbedEnergy : public TObject {
public:
    static constexpr int32_t ParticleCount = 100;

    struct TEnergyParticle {
        bool Alive = false;
        TFloatPoint Pos;
        TFloatPoint Target;
        TFloatPoint Speed;  // pixels a frame on each axis
        int32_t Variant = 1;  // 1 to 5
        double Angle = 0.0;
        double Alpha = 0.0;
        double Size = 0.4;
        double SizeGrowth = 0.0;  // a frame
        double AlphaLoss = 0.0;   // a frame
    };

    TOmegaImageList* OmgImgList = nullptr;
    // False: nothing is born, moved or drawn.
    bool Visible = true;
    TEnergyColor EnergyColor = ecGreen;
    // Milliseconds of game time over which one emission gives birth to particles.
    int32_t AbsorbInterval = 1750;

    void SetSource(TPoint P) { FSource = P; }
    void SetTarget(TPoint P) { FTarget = P; }
    // A new emission: one particle a frame for AbsorbInterval.
    void StartEmitting();
    // Every particle gone, no emission.
    void ResetEnergy();
    // Once a frame.
    void UpdateAndDraw();

    TPoint Source() const { return FSource; }
    TPoint Target() const { return FTarget; }
    bool Emitting() const { return FEmitting; }
    int32_t EmitTime() const { return FEmitTime; }
    int32_t AliveCount() const;
    const TEnergyParticle& Particle(int32_t Index) const { return FParticles[Index]; }
    // Slot of the particle born last (-1 before the first).
    int32_t LastBorn() const { return FLastBorn; }
    // Pattern of "AbsorbedEnergy" a particle of this variant is drawn with in the current colour.
    int32_t PatternOf(int32_t Variant) const;

private:
    void Emit();
    void Step(TEnergyParticle& P) const;

    bool FEmitting = false;
    int32_t FEmitTime = 0;
    TPoint FSource{600, 200};
    TPoint FTarget{200, 450};
    TEnergyParticle FParticles[ParticleCount];
    int32_t FLastBorn = -1;
};
