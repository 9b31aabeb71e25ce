#include "AbsorbedEnergyClass.h"

#include <cmath>

#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"
#include "RandomClass.h"

namespace {
constexpr int32_t AdditiveBlend = 2;
constexpr int32_t ParticleSpeed = 6;  // pixels a frame along the longer axis
constexpr double StartSize = 0.4;
// A flight this long fades a particle by 1 alpha and grows it by 0.029 a frame;
// shorter and longer flights scale both so the stream looks alike at any length.
constexpr double ReferenceDistance = 433.0;
constexpr double ReferenceSizeGrowth = 0.029;
constexpr double TurnStep = 7.0;
constexpr double DeadAlpha = 5.0;
constexpr int32_t VariantsPerColor = 5;
}  // namespace

void TAbsorbedEnergy::StartEmitting() {
    FEmitting = true;
    FEmitTime = 0;
}

void TAbsorbedEnergy::ResetEnergy() {
    for (TEnergyParticle& P : FParticles) P.Alive = false;
    FEmitting = false;
    FEmitTime = 0;
    FLastBorn = -1;
}

int32_t TAbsorbedEnergy::AliveCount() const {
    int32_t Count = 0;
    for (const TEnergyParticle& P : FParticles) Count += P.Alive ? 1 : 0;
    return Count;
}

int32_t TAbsorbedEnergy::PatternOf(int32_t Variant) const {
    switch (EnergyColor) {
        case ecYellow:
            return Variant - 1 + VariantsPerColor;
        case ecRed:
            return Variant - 1 + 2 * VariantsPerColor;
        case ecGreen:
        default:
            return Variant - 1;
    }
}

void TAbsorbedEnergy::Emit() {
    FLastBorn = (FLastBorn + 1) % ParticleCount;
    TEnergyParticle& P = FParticles[FLastBorn];
    P.Pos = FloatPoint(FSource.X, FSource.Y);
    P.Target = FloatPoint(FTarget.X, FTarget.Y);
    P.Variant = 1 + CosmeticRandomInt(VariantsPerColor);
    P.Angle = 30.0 * CosmeticRandomInt(12);
    P.Alpha = 60.0 + 7.0 * CosmeticRandomInt(7);
    P.Size = StartSize;
    const double Distance =
        std::hypot(static_cast<double>(FTarget.X - FSource.X), static_cast<double>(FTarget.Y - FSource.Y));
    // With nowhere to go a particle has arrived the moment it is born.
    if (Distance <= 0.0) {
        P.Alive = false;
        P.Speed = FloatPoint(0.0, 0.0);
        P.AlphaLoss = 0.0;
        P.SizeGrowth = 0.0;
        return;
    }
    const double D = Distance / ReferenceDistance;
    P.AlphaLoss = 1.0 / D;
    P.SizeGrowth = ReferenceSizeGrowth / D;
    P.Speed = AxisSpeeds(FSource, FTarget, ParticleSpeed);
    P.Alive = true;
}

void TAbsorbedEnergy::Step(TEnergyParticle& P) const {
    MoveTowards(P.Pos.X, P.Pos.Y, P.Speed.X, P.Speed.Y, P.Target.X, P.Target.Y);
    P.Angle += TurnStep;
    if (P.Angle >= 360.0) P.Angle -= 360.0;
    P.Size += P.SizeGrowth;
    P.Alpha -= P.AlphaLoss;
    if (P.Alpha < DeadAlpha || SameFloatPoint(P.Pos, P.Target)) P.Alive = false;
}

void TAbsorbedEnergy::UpdateAndDraw() {
    if (!Visible) return;
    if (FEmitting) {
        if (FEmitTime < AbsorbInterval) {
            Emit();
            FEmitTime += FrameStep;
        }
        if (FEmitTime >= AbsorbInterval) FEmitting = false;
    }
    TImageListItem* Image = OmgImgList ? OmgImgList->Find("AbsorbedEnergy") : nullptr;
    for (TEnergyParticle& P : FParticles) {
        if (!P.Alive) continue;
        Step(P);
        if (!P.Alive || !Image) continue;
        const float Scale = static_cast<float>(P.Size);
        Image->DrawEx(Round(P.Pos.X), Round(P.Pos.Y), static_cast<float>(P.Angle), 0.5f, 0.5f, Scale, Scale, 255, 255,
                      255, Round(P.Alpha), PatternOf(P.Variant), AdditiveBlend);
    }
}
