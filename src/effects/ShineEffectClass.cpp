#include "ShineEffectClass.h"

#include "OmegaImageListClass.h"

namespace {
constexpr int32_t AdditiveBlend = 2;
constexpr int32_t TilePixels = 46;
}  // namespace

void TShineEffect::Start(int32_t X, int32_t Y) {
    FX = X;
    FY = Y;
    FSize = StartingSize;
    FGrowing = true;
    FAlpha = InitialAlpha;
    FActive = true;
}

void TShineEffect::StartAtTile(int32_t Left, int32_t Top, TPoint P) {
    Start(Left + (P.X - 1) * TilePixels, Top + (P.Y - 1) * TilePixels);
}

void TShineEffect::UpdateAndDraw() {
    if (!Visible || !FActive) return;
    if (FGrowing) {
        FSize += SizeIncrement;
        if (FSize >= MaxSize) {
            FSize = MaxSize;
            FGrowing = false;
        }
    } else {
        FSize -= SizeDecrement;
        // Back at its starting size the flash is over, and that frame shows nothing.
        if (FSize <= StartingSize) {
            FSize = StartingSize;
            FActive = false;
            return;
        }
    }
    if (!FGrowing) FAlpha -= AlphaDecrement;
    TImageListItem* Image = OmgImgList ? OmgImgList->Find("ShineEffect") : nullptr;
    if (!Image || OrigShineWidth <= 0 || OrigShineHeight <= 0) return;
    const float ScaleX = static_cast<float>(FSize) / static_cast<float>(OrigShineWidth);
    const float ScaleY = static_cast<float>(FSize) / static_cast<float>(OrigShineHeight);
    Image->DrawEx(FX + PosAdjustX - FSize / 2, FY + PosAdjustY - FSize / 2, 0.0f, 0.0f, 0.0f, ScaleX, ScaleY, 255,
                  255, 255, FAlpha < 0 ? 0 : FAlpha, 0, AdditiveBlend);
}
