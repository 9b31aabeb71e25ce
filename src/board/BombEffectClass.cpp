#include "BombEffectClass.h"

#include "BoardEffectDrawClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"
#include "RandomClass.h"

namespace {
constexpr int32_t ParticleHalf = 32;  // "BombParticle" patterns are 64 by 64
constexpr int32_t ParticlePatterns = 10;
constexpr int32_t FadeStep = 12;
constexpr float GrowStep = 0.03f;
constexpr double Drag = 0.93;
}  // namespace

void TBombEffect::Clear() {
    for (TParticle& P : FParticles) P.Active = false;
}

int32_t TBombEffect::ActiveCount() const {
    int32_t Count = 0;
    for (const TParticle& P : FParticles) Count += P.Active ? 1 : 0;
    return Count;
}

void TBombEffect::Start(int32_t X, int32_t Y) {
    for (int32_t I = 0; I < ParticlesPerBurst; ++I) {
        TParticle& P = FParticles[FNext];
        FNext = (FNext + 1) % SlotCount;
        P = TParticle{};
        P.Active = true;
        P.X = X - ParticleHalf;
        P.Y = Y - ParticleHalf;
        P.SpeedX = (CosmeticRandomInt(81) - 40) / 10.0;
        P.SpeedY = (CosmeticRandomInt(81) - 40) / 10.0;
        P.Angle = static_cast<float>(CosmeticRandomInt(360));
        P.Spin = static_cast<float>(CosmeticRandomInt(21) - 10);
        P.Scale = 0.4f + CosmeticRandomInt(4) * 0.1f;
        P.Alpha = 230 + CosmeticRandomInt(26);
        P.Pattern = CosmeticRandomInt(ParticlePatterns);
    }
}

void TBombEffect::UpdateAndDraw() {
    if (!Visible) return;
    TImageListItem* Image = EffectImage(OmgImgList, "BombParticle");
    if (Image) SetEffectFiltering(OmgImgList, true);
    for (TParticle& P : FParticles) {
        if (!P.Active) continue;
        P.X += P.SpeedX;
        P.Y += P.SpeedY;
        P.SpeedX *= Drag;
        P.SpeedY *= Drag;
        P.Angle += P.Spin;
        P.Scale += GrowStep;
        P.Alpha -= FadeStep;
        if (P.Alpha <= 0) {
            P.Active = false;
            continue;
        }
        if (Image)
            Image->DrawEx(Round(P.X), Round(P.Y), P.Angle, 0.5f, 0.5f, P.Scale, P.Scale, 255, 255, 255, P.Alpha,
                          P.Pattern, 0);
    }
    if (Image) SetEffectFiltering(OmgImgList, false);
}
