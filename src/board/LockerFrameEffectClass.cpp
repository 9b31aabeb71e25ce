#include "LockerFrameEffectClass.h"

#include "BoardEffectDrawClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"
#include "RandomClass.h"

namespace {
constexpr int32_t FrameAdjustX = -3;  // where a locker frame sits on its tile
constexpr int32_t FrameAdjustY = -6;
constexpr double GoneBelowY = 600.0;
}  // namespace

void TLockerFrameEffect::Clear() {
    for (TSlot& Slot : FSlots) Slot.Active = false;
}

int32_t TLockerFrameEffect::ActiveCount() const {
    int32_t Count = 0;
    for (const TSlot& Slot : FSlots) Count += Slot.Active ? 1 : 0;
    return Count;
}

void TLockerFrameEffect::Start(TPoint P) {
    TSlot& Slot = FSlots[FNext];
    FNext = (FNext + 1) % SlotCount;
    const TPoint Cell = EffectCellCorner(Left, Top, P.X, P.Y);
    Slot = TSlot{};
    Slot.Active = true;
    Slot.X = Cell.X + FrameAdjustX;
    Slot.Y = Cell.Y + FrameAdjustY;
    const int32_t Sideways = RotateAdjustX > 0 ? 1 + CosmeticRandomInt(RotateAdjustX) : 0;
    Slot.SpeedX = (CosmeticRandomInt(2) == 0 ? Sideways : -Sideways) * 0.5;
    Slot.SpeedY = -RotateAdjustY / 4.0;
}

void TLockerFrameEffect::UpdateAndDraw() {
    if (!Visible) return;
    TImageListItem* Image = EffectImage(OmgImgList, "LockerFrame");
    if (Image) SetEffectFiltering(OmgImgList, true);
    for (TSlot& Slot : FSlots) {
        if (!Slot.Active) continue;
        Slot.SpeedY += GravityAccel;
        Slot.X += Slot.SpeedX;
        Slot.Y += Slot.SpeedY;
        Slot.Angle += static_cast<float>(Slot.SpeedX >= 0.0 ? AngleStep : -AngleStep);
        Slot.Scale += static_cast<float>(SizeScaleAdd);
        if (Slot.Y > GoneBelowY) {
            Slot.Active = false;
            continue;
        }
        if (!Image) continue;
        const int32_t X = Round(Slot.X);
        const int32_t Y = Round(Slot.Y);
        const float CentreX = static_cast<float>(RollAngleX);
        const float CentreY = static_cast<float>(RollAngleY);
        Image->DrawEx(X + ShadowAdjustX, Y + ShadowAdjustY, Slot.Angle, CentreX, CentreY, Slot.Scale, Slot.Scale, 0, 0,
                      0, ShadowAlpha, RollImgIdx, -1);
        Image->DrawEx(X, Y, Slot.Angle, CentreX, CentreY, Slot.Scale, Slot.Scale, 255, 255, 255, 255, RollImgIdx, -1);
    }
    if (Image) SetEffectFiltering(OmgImgList, false);
}
