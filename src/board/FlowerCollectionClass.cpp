#include "FlowerCollectionClass.h"

#include <algorithm>

#include "BoardEffectDrawClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"

namespace {
// Where each flower stands from the row's left edge.
constexpr TPoint FlowerOffsets[TFlowerCollection::MaxSlots] = {{-6, -6}, {76, -4}, {145, -5},
                                                               {216, -4}, {287, -4}, {358, 0}};
}  // namespace

void TFlowerCollection::SetFlowerSlots(int32_t Slots) { FFlowerSlots = std::clamp(Slots, 1, MaxSlots); }

void TFlowerCollection::Reset() {
    for (bool& Flower : FObtained) Flower = false;
    FFullRaised = false;
    FY = HidingPosY;
    FSlide = 0;
}

void TFlowerCollection::Show() { FSlide = 1; }

void TFlowerCollection::Hide() { FSlide = 3; }

int32_t TFlowerCollection::RowLeft() const {
    return CenterPos - (LeftSlotWidth + MiddleSlotWidth * (FFlowerSlots - 1)) / 2;
}

TPoint TFlowerCollection::FlowerPlace(int32_t N) const {
    const TPoint Offset = FlowerOffsets[std::clamp(N, 1, MaxSlots) - 1];
    return TPoint{RowLeft() + Offset.X, Top + Offset.Y};
}

bool TFlowerCollection::IsFull() const {
    for (int32_t N = 1; N <= FFlowerSlots; ++N)
        if (!FObtained[N - 1]) return false;
    return true;
}

TFlowerIdxSet TFlowerCollection::Unobtained() const {
    TFlowerIdxSet Set;
    for (int32_t N = 1; N <= FFlowerSlots; ++N)
        if (!FObtained[N - 1]) Set.Include(static_cast<uint8_t>(N));
    return Set;
}

void TFlowerCollection::MarkObtained(int32_t N) {
    if (N < 1 || N > MaxSlots) return;
    FObtained[N - 1] = true;
    if (!FFullRaised && IsFull()) {
        FFullRaised = true;
        if (OnFull) OnFull(this);
    }
}

void TFlowerCollection::UpdateAndDraw() {
    if (!Visible) return;
    if (FSlide == 1) {
        MoveTowards(FY, MoveStep, Top);
        if (FY == Top) FSlide = 0;
    } else if (FSlide == 3) {
        MoveTowards(FY, MoveStep, HidingPosY);
        if (FY == HidingPosY) FSlide = 0;
    }
    const int32_t Left = RowLeft();
    if (TImageListItem* Root = EffectImage(OmgImgList, "FlowerRoot")) {
        int32_t X = Left;
        for (int32_t Slot = 1; Slot <= FFlowerSlots; ++Slot) {
            const int32_t Pattern = Slot == 1 ? 0 : (Slot == FFlowerSlots ? 2 : 1);
            Root->Draw(X, FY, Pattern);
            X += Slot == 1 ? LeftSlotWidth : MiddleSlotWidth;
        }
    }
    if (TImageListItem* Flowers = EffectImage(OmgImgList, "FlowersRooted")) {
        for (int32_t N = 1; N <= MaxSlots; ++N) {
            if (!FObtained[N - 1]) continue;
            const TPoint Offset = FlowerOffsets[N - 1];
            Flowers->Draw(Left + Offset.X, FY + Offset.Y, N - 1);
        }
    }
}
