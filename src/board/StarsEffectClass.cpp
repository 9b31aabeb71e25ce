#include "StarsEffectClass.h"

#include <algorithm>

#include "BoardEffectDrawClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"
#include "RandomClass.h"

namespace {
constexpr int32_t MinAlpha = 60;
}  // namespace

void TStarsEffect::Clear() {
    for (TStar& Star : FStars) Star.Active = false;
}

int32_t TStarsEffect::ActiveStars() const {
    int32_t Count = 0;
    for (const TStar& Star : FStars) Count += Star.Active ? 1 : 0;
    return Count;
}

void TStarsEffect::Burst(TPoint P) { BurstAtPoint(EffectCellCorner(Left, Top, P.X, P.Y)); }

void TStarsEffect::BurstAtPoint(TPoint Cell) {
    TStar* Stars = &FStars[FNextBurst * StarsPerBurst];
    FNextBurst = (FNextBurst + 1) % BurstCount;
    for (int32_t I = 0; I < StarsPerBurst; ++I) {
        TStar& Star = Stars[I];
        Star.Active = true;
        Star.X = Cell.X + 8 * CosmeticRandomInt(5);
        Star.Y = Cell.Y + 6 + 4 * CosmeticRandomInt(4);
        Star.Rise = 1 + CosmeticRandomInt(2);
        Star.Alpha = 120 - 5 * CosmeticRandomInt(3);
        Star.Life = 200 + 150 * CosmeticRandomInt(8);
        Star.Pattern = CosmeticRandomInt(3) == 0 ? 0 : 1;
    }
}

void TStarsEffect::UpdateAndDraw() {
    if (!Visible) return;
    TImageListItem* Image = EffectImage(OmgImgList, "LittleStars");
    for (TStar& Star : FStars) {
        if (!Star.Active) continue;
        Star.Life -= FrameStep;
        if (Star.Life <= 0) {
            Star.Active = false;
            continue;
        }
        Star.Y -= Star.Rise;
        Star.Alpha = std::max(Star.Alpha - AlphaStep, MinAlpha);
        if (Image) Image->DrawEx(Star.X, Star.Y, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 255, 255, 255, Star.Alpha, Star.Pattern, 0);
    }
}
