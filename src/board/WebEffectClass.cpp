#include "WebEffectClass.h"

#include "BoardEffectDrawClass.h"
#include "OmegaImageListClass.h"

namespace {

// The tearing pictures of "Web", one digit per frame (pattern = digit - 1).
constexpr char TearingSeq[] = "112233445566";
static_assert(sizeof(TearingSeq) - 1 == TWebEffect::TearingFrames);
constexpr double GrowthPerFrame = 0.8;

}  // namespace

int32_t TWebEffect::PatternAt(int32_t Counter) { return TearingSeq[Counter - 1] - '1'; }

void TWebEffect::Start(TPoint TilePos) {
    TSlot& Slot = FSlots[FNext];
    FNext = (FNext + 1) % SlotCount;
    const TPoint Corner = EffectCellCorner(Left, Top, TilePos.X, TilePos.Y);
    Slot.Active = true;
    Slot.X = Corner.X;
    Slot.Y = Corner.Y;
    Slot.Counter = 0;
    Slot.Size = OrigWebWidth;
}

void TWebEffect::Clear() {
    for (TSlot& Slot : FSlots) Slot = TSlot{};
    FNext = 0;
}

int32_t TWebEffect::ActiveCount() const {
    int32_t Count = 0;
    for (const TSlot& Slot : FSlots) Count += Slot.Active ? 1 : 0;
    return Count;
}

void TWebEffect::Frame() {
    if (!Visible) return;
    TImageListItem* Web = EffectImage(OmgImgList, "Web");
    if (Web) SetEffectFiltering(OmgImgList, true);
    for (TSlot& Slot : FSlots) {
        if (!Slot.Active) continue;
        ++Slot.Counter;
        if (Slot.Counter >= TearingFrames) {
            // The last picture is drawn, then the tearing is over.
            Slot.Counter = TearingFrames;
            Slot.Active = false;
        }
        Slot.Size += GrowthPerFrame;
        if (!Web || OrigWebWidth <= 0 || OrigWebHeight <= 0) continue;
        // Across by the height and down by the width, as the web has always been scaled
        // (the same for its square pictures).
        const float ScaleX = static_cast<float>(Slot.Size / OrigWebHeight);
        const float ScaleY = static_cast<float>(Slot.Size / OrigWebWidth);
        Web->DrawEx(Slot.X, Slot.Y, 0.0f, 0.5f, 0.5f, ScaleX, ScaleY, 255, 255, 255, 255, PatternAt(Slot.Counter), 0);
    }
    if (Web) SetEffectFiltering(OmgImgList, false);
}
