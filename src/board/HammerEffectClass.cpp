#include "HammerEffectClass.h"

#include <algorithm>

#include "BoardEffectDrawClass.h"
#include "OmegaImageListClass.h"
#include "SFXPlayerClass.h"

void THammerEffect::Start(TPoint P) {
    FTile = P;
    FAnim.Restart();
    FAlpha = 255;
    FScale = 0.2f;
    FHit = false;
    FActive = true;
}

void THammerEffect::UpdateAndDraw() {
    if (!Visible || !FActive) return;
    FAnim.Advance();
    FScale = std::min(FScale + 0.1f, 1.0f);
    if (TImageListItem* Image = EffectImage(OmgImgList, "HammerHitting")) {
        const TPoint Cell = EffectCellCorner(Left, Top, FTile.X, FTile.Y);
        const int32_t X = Cell.X + PointerAdjustX;
        const int32_t Y = Cell.Y + PointerAdjustY;
        const int32_t Pattern = FAnim.CurrentPattern();
        SetEffectFiltering(OmgImgList, true);
        Image->DrawEx(X + ShadowAdjustX, Y + ShadowAdjustY, 0.0f, 0.5f, 0.5f, FScale, FScale, 0, 0, 0,
                      std::min(ShadowAlpha, FAlpha), Pattern, 0);
        Image->DrawEx(X, Y, 0.0f, 0.5f, 0.5f, FScale, FScale, 255, 255, 255, FAlpha, Pattern, 0);
        SetEffectFiltering(OmgImgList, false);
    }
    if (!FHit && FAnim.Position() >= HitAnimPos) {
        FHit = true;
        PlaySoundEffect("Hammer");
        if (OnHit) OnHit(this, FTile);
    }
    if (FAnim.AtEnd()) {
        FAlpha -= AlphaStep;
        if (FAlpha <= MinHammerAlpha) FActive = false;
    }
}
