#include "MatchedCyanEffectClass.h"

#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"
#include "OmegaScreenClass.h"
#include "RandomClass.h"

namespace {

constexpr int32_t AdditiveBlend = 2;
constexpr int32_t VariantCount = 5;
constexpr double FadePerFrame = 20.0;
constexpr double GrowthPerFrame = 0.6;

}  // namespace

void TMatchedCyanEffect::Start(const TSimpleObjectArray& Tiles) {
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            if (!Tiles.At(X, Y)) continue;
            const double CentreX = Left + (X - 1) * BoardTilePixels + BoardTilePixels / 2.0;
            const double CentreY = Top + (Y - 1) * BoardTilePixels + BoardTilePixels / 2.0;
            for (int32_t I = 0; I < ParticlesPerTile; ++I) {
                FCursor = (FCursor + 1) % SlotCount;
                TParticle& P = FParticles[FCursor];
                P.Active = true;
                P.X = CentreX + CosmeticRandomInt(21) - 10;
                P.Y = CentreY + CosmeticRandomInt(21) - 10;
                P.SpeedX = (CosmeticRandomInt(9) - 4) * 0.25;
                P.SpeedY = -1.0 - CosmeticRandomInt(5) * 0.3;
                P.Size = 14.0 + CosmeticRandomInt(4) * 4.0;
                P.Alpha = 200.0 + CosmeticRandomInt(5) * 10.0;
                P.Variant = CosmeticRandomInt(VariantCount);
            }
        }
    }
}

void TMatchedCyanEffect::Clear() {
    for (TParticle& P : FParticles) P.Active = false;
}

int32_t TMatchedCyanEffect::ActiveCount() const {
    int32_t Count = 0;
    for (const TParticle& P : FParticles) Count += P.Active ? 1 : 0;
    return Count;
}

void TMatchedCyanEffect::Frame() {
    if (!Visible) return;
    TImageListItem* Image = OmgImgList ? OmgImgList->Find("CyanParticle") : nullptr;
    TOmegaScreen* Screen = OmgImgList ? OmgImgList->OmegaScreen : nullptr;
    if (Image) {
        OrigParticleWidth = Image->EffectiveTileWidth();
        OrigParticleHeight = Image->EffectiveTileHeight();
    }
    if (Screen) Screen->SetFiltering(true);
    for (TParticle& P : FParticles) {
        if (!P.Active) continue;
        P.X += P.SpeedX;
        P.Y += P.SpeedY;
        P.Size += GrowthPerFrame;
        P.Alpha -= FadePerFrame;
        if (P.Alpha <= 0) {
            P.Active = false;
            continue;
        }
        if (!Image || OrigParticleWidth <= 0 || OrigParticleHeight <= 0) continue;
        // Scaled about the pattern's centre, so (X, Y) stays the glint's centre.
        Image->DrawEx(Round(P.X - OrigParticleWidth / 2.0), Round(P.Y - OrigParticleHeight / 2.0), 0.0f, 0.5f, 0.5f,
                      static_cast<float>(P.Size / OrigParticleWidth), static_cast<float>(P.Size / OrigParticleHeight),
                      255, 255, 255, Round(P.Alpha), P.Variant, AdditiveBlend);
    }
    if (Screen) Screen->SetFiltering(false);
}
