#include "SwapEffectClass.h"

#include <algorithm>
#include <utility>

#include "OmegaImageListClass.h"
#include "OmegaScreenClass.h"
#include "SFXPlayerClass.h"

namespace {

constexpr int32_t SwapDistance = BoardTilePixels;
// The lifted tiles are drawn a little larger than the board's, with a shadow below them.
constexpr float LiftScale = 1.15f;
constexpr int32_t ShadowAlpha = 80;
constexpr int32_t ShadowShiftX = 2;
constexpr int32_t ShadowShiftY = 5;
// The motion flash of the first object trails behind it.
constexpr int32_t FlashTrail = 26;
// Fruit colours are content codes 1 to 100; the specials start at 101.
constexpr uint8_t LastFruitContent = 100;

const char* const ImageNames[] = {"Lockers",         "FruitsOutside", "SwapEatenFruits",   "FruitsFlashHorz",
                                  "FruitsFlashVert", "FruitBomb",     "WormBiting",        "SpecialLockerMark",
                                  "SmallToolIcons",  "FlowersInside"};

bool IsFruitContent(uint8_t Content) { return Content >= 1 && Content <= LastFruitContent; }

}  // namespace

void TSwapEffect::StartSwap(const TSwappedObjectsData& Data, bool MatchOccurs) {
    FLastSlot = (FLastSlot + 1) % SlotCount;
    TSlot& Slot = FSlots[FLastSlot];
    // Twenty swaps cannot all be under way from a player's clicks; should it ever
    // happen, the oldest one is finished at once rather than dropped, so its two
    // tiles are never left waiting for a swap that no longer runs.
    if (Slot.Active) {
        Slot.Travel = SwapDistance;
        if (!Slot.MatchOccurs && !Slot.Returning) {
            Slot.Returning = true;
            ExchangeObjects(Slot.Data);
        }
        Finish(Slot);
    }
    Slot = TSlot{};
    Slot.Data = Data;
    Slot.MatchOccurs = MatchOccurs;
    Slot.Step = Data.Object1Kind == okFruit && MatchOccurs ? QuickPosShiftStep : NormalPosShiftStep;
    // The pair lies along a row (horizontal) or a column (vertical); the slot keeps
    // the left or upper tile first, with its object first in the record.
    Slot.Vertical = Data.Object1Pos.Y != Data.Object2Pos.Y && Data.Object1Pos.X == Data.Object2Pos.X;
    const bool FirstIsSmaller =
        Slot.Vertical ? Data.Object1Pos.Y <= Data.Object2Pos.Y : Data.Object1Pos.X <= Data.Object2Pos.X;
    if (!FirstIsSmaller) ExchangeObjects(Slot.Data);
    Slot.FirstPos = Slot.Data.Object1Pos;
    Slot.SecondPos = Slot.Data.Object2Pos;
    Slot.Active = true;
    if (Data.Object1Kind == okLocker)
        PlaySoundEffect("LockerSwap");
    else if (Data.Object1Kind == okFruit)
        PlaySoundEffect("FruitSwap");
}

void TSwapEffect::Clear() {
    for (TSlot& Slot : FSlots) Slot.Active = false;
}

int32_t TSwapEffect::ActiveCount() const {
    int32_t Count = 0;
    for (const TSlot& Slot : FSlots) Count += Slot.Active ? 1 : 0;
    return Count;
}

void TSwapEffect::ExchangeObjects(TSwappedObjectsData& Data) {
    std::swap(Data.Object1Pos, Data.Object2Pos);
    std::swap(Data.Object1Kind, Data.Object2Kind);
    std::swap(Data.Object1Special, Data.Object2Special);
    std::swap(Data.Object1Content, Data.Object2Content);
    std::swap(Data.Object1Bomb, Data.Object2Bomb);
    std::swap(Data.Object1Worm, Data.Object2Worm);
}

void TSwapEffect::Frame() {
    if (!Visible) return;
    ResolveImages();
    for (TSlot& Slot : FSlots) {
        if (!Slot.Active) continue;
        const bool Arrived = Advance(Slot);
        // The last frame is drawn too: the board shows the pair again only from the next frame.
        DrawSlot(Slot);
        if (Arrived) Finish(Slot);
    }
    FWormAnim.Advance();
}

bool TSwapEffect::Advance(TSlot& Slot) {
    Slot.Travel += std::max(1, Slot.Step);
    if (Slot.Travel <= SwapDistance) return false;
    Slot.Travel = SwapDistance;
    if (Slot.MatchOccurs || Slot.Returning) return true;
    // No match: the pair turns back, each object now drawn returning to its own tile.
    Slot.Returning = true;
    Slot.Step = SwapBackPosShiftStep;
    Slot.Travel = 0;
    ExchangeObjects(Slot.Data);
    return false;
}

void TSwapEffect::Finish(TSlot& Slot) {
    Slot.Active = false;
    const TTileObjectKind Kind = Slot.Data.Object1Kind;
    if (Slot.MatchOccurs) {
        if (OnEffectComplete) OnEffectComplete(this, Kind, Slot.SecondPos, Slot.FirstPos);
    } else {
        if (OnSwapBackComplete) OnSwapBackComplete(this, Kind, Slot.SecondPos, Slot.FirstPos);
    }
}

void TSwapEffect::ResolveImages() {
    for (int32_t I = 0; I < imCount; ++I) FImages[I] = OmgImgList ? OmgImgList->Find(ImageNames[I]) : nullptr;
}

void TSwapEffect::SetSmooth(bool On) {
    if (OmgImgList && OmgImgList->OmegaScreen) OmgImgList->OmegaScreen->SetFiltering(On);
}

void TSwapEffect::DrawScaled(TImageListItem* Image, int32_t Pattern, int32_t X, int32_t Y, bool Shadow) {
    if (!Image) return;
    SetSmooth(true);
    if (Shadow)
        Image->DrawEx(X + ShadowShiftX, Y + ShadowShiftY, 0.0f, 0.5f, 0.5f, LiftScale, LiftScale, 0, 0, 0,
                      ShadowAlpha, Pattern, 0);
    else
        Image->DrawEx(X, Y, 0.0f, 0.5f, 0.5f, LiftScale, LiftScale, 255, 255, 255, 255, Pattern, 0);
    SetSmooth(false);
}

void TSwapEffect::DrawSlot(const TSlot& Slot) {
    DrawObject(Slot, true);
    DrawObject(Slot, false);
}

void TSwapEffect::DrawObject(const TSlot& Slot, bool First) {
    const TSwappedObjectsData& D = Slot.Data;
    const TTileObjectKind Kind = First ? D.Object1Kind : D.Object2Kind;
    const uint8_t Content = First ? D.Object1Content : D.Object2Content;
    const bool Bomb = First ? D.Object1Bomb : D.Object2Bomb;
    const uint8_t Worm = First ? D.Object1Worm : D.Object2Worm;
    const bool Special = First ? D.Object1Special : D.Object2Special;
    const TPoint Pos = First ? Slot.FirstPos : Slot.SecondPos;

    const int32_t Shift = First ? Slot.Travel : -Slot.Travel;
    const int32_t X = Left + (Pos.X - 1) * BoardTilePixels + (Slot.Vertical ? 0 : Shift);
    const int32_t Y = Top + (Pos.Y - 1) * BoardTilePixels + (Slot.Vertical ? Shift : 0);

    TImageListItem* Image = nullptr;
    int32_t Pattern = Content - 1;
    int32_t DX = 0;
    int32_t DY = 0;
    if (Kind == okLocker) {
        Image = FImages[imLockers];
        DX = -6;
        DY = -2;
    } else if (IsFruitContent(Content)) {
        Image = FImages[Worm == WormStateEaten ? imSwapEatenFruits : imFruitsOutside];
    } else if (Content >= ccMagicKey && Content <= ccAerosol) {
        // A tool or flower just revealed is swapped before the next check collects it: it keeps its look.
        Image = FImages[imSmallToolIcons];
        Pattern = Content - ccMagicKey;
    } else if (Content == ccFlower) {
        Image = FImages[imFlowersInside];
        Pattern = 0;
    }
    DrawScaled(Image, Pattern, X + DX, Y + DY, true);
    if (Kind == okFruit && Slot.MatchOccurs && Worm != WormStateEaten && IsFruitContent(Content)) {
        const int32_t Trail = First ? -FlashTrail : 0;
        DrawScaled(FImages[Slot.Vertical ? imFlashVert : imFlashHorz], Content - 1, X + (Slot.Vertical ? 0 : Trail),
                   Y + (Slot.Vertical ? Trail : 0), false);
    }
    DrawScaled(Image, Pattern, X + DX, Y + DY, false);
    if (Bomb && FImages[imFruitBomb]) FImages[imFruitBomb]->Draw(X + 3, Y + 7, BombFrame);
    if (Worm == WormStateEating && FImages[imWormBiting])
        FImages[imWormBiting]->Draw(X + BitingWormPosAdjustX, Y + BitingWormPosAdjustY, FWormAnim.CurrentPattern());
    if (Kind == okLocker && Special && FImages[imSpecialLockerMark]) FImages[imSpecialLockerMark]->Draw(X, Y, 0);
}
