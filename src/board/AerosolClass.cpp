#include "AerosolClass.h"

#include <algorithm>

#include "BoardEffectDrawClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"
#include "SFXPlayerClass.h"

namespace {
constexpr int32_t FirstSpraySize = 10;
constexpr int32_t SprayGrowth = 10;  // pixels a frame
constexpr int32_t SprayAlpha = 80;
}  // namespace

TAerosol::TAerosol() {
    FWallIndex = 2;
    FImageName = "Aerosol";
    HangingPosX = 26;
    HangingPosY = 278;
    CountPosX = 85;
    CountPosY = 308;
    CountWidth = 15;
    PointerAdjustX = -16;
    PointerAdjustY = -8;
    IdleReturnTime = 400;
    // (27, 285)-(85, 322) and (39, 305)-(79, 341) with the aerosol on its hook at (26, 278).
    FIconAreas[0] = {1, 7, 59, 44};
    FIconAreas[1] = {13, 27, 53, 63};
    FIconAreaCount = 2;
    Reset();
}

TRect TAerosol::SprayReach(int32_t X, int32_t Y, int32_t Size) const {
    const int32_t Half = Size / 2;
    return TRect{X - Half + SprayRangeReduce, Y - Half + SprayRangeReduce, X + Half - SprayRangeReduce,
                 Y + Half - SprayRangeReduce};
}

void TAerosol::HeldLeftPress(int32_t X, int32_t Y) {
    if (PointInRect(X, Y, ReturnRect) || FCount <= 0) {
        StartReturn(false);
        return;
    }
    SetCount(FCount - 1);
    FState = thUsing;
    FPhase = apLift;
    FSpraySize = 0;
    FHissed = false;
    FLiftAnim.Restart();
    FSprayAnim.Restart();
    FLowerAnim.Restart();
}

void TAerosol::UsingFrame() {
    const TPoint At = PointerDrawPos();
    switch (FPhase) {
        case apLift:
            DrawToolAt(At.X, At.Y, FLiftAnim.CurrentPattern());
            if (!FLiftAnim.AtEnd()) {
                FLiftAnim.Advance();
            } else {
                FPhase = apSpray;
                FSpraySize = FirstSpraySize;
            }
            return;
        case apSpray: {
            const int32_t Pattern = FSprayAnim.CurrentPattern();
            if (!FHissed && FSprayAnim.Position() >= SprayOutAnimSeqPos) {
                FHissed = true;
                PlaySoundEffect("Aerosol");
            }
            DrawToolAt(At.X, At.Y, Pattern);
            DrawSpray(FSpraySize);
            // Once the round has ended the spray reaches nothing any more.
            if (Enabled && OnSpraySizeChange) OnSpraySizeChange(this, SprayReach(FMouse.X, FMouse.Y, FSpraySize));
            if (!FSprayAnim.AtEnd()) FSprayAnim.Advance();
            if (FSpraySize >= MaxSpraySize)
                FPhase = apLower;
            else
                FSpraySize += SprayGrowth;
            return;
        }
        case apLower:
            DrawToolAt(At.X, At.Y, FLowerAnim.CurrentPattern());
            if (!FLowerAnim.AtEnd())
                FLowerAnim.Advance();
            else
                FinishSpray();
            return;
        case apNone: FinishSpray(); return;
    }
}

void TAerosol::FinishSpray() {
    FPhase = apNone;
    FSpraySize = 0;
    bool EnemiesExist = false;
    if (Enabled && OnEnemiesExistQuestion) OnEnemiesExistQuestion(this, EnemiesExist);
    if (Enabled && FCount > 0 && EnemiesExist)
        HoldAgain();
    else
        StartReturn(true);
}

void TAerosol::DrawSpray(int32_t Size) {
    if (!Visible) return;
    TImageListItem* Mist = EffectImage(OmgImgList, "AerosolSpray");
    if (!Mist || OrigSprayWidth <= 0 || OrigSprayHeight <= 0) return;
    const int32_t Alpha =
        Size < VanishingSpraySize ? SprayAlpha : std::max(0, SprayAlpha - (Size - VanishingSpraySize));
    const float ScaleX = static_cast<float>(Size) / static_cast<float>(OrigSprayWidth);
    const float ScaleY = static_cast<float>(Size) / static_cast<float>(OrigSprayHeight);
    // Scaled about its middle, the mist's square is centred on the pointer.
    Mist->DrawEx(FMouse.X - OrigSprayWidth / 2, FMouse.Y - OrigSprayHeight / 2, 0.0f, 0.5f, 0.5f, ScaleX, ScaleY, 255,
                 255, 255, Alpha, 0, 0);
}
