#include "CombosClass.h"

#include <algorithm>

#include "BoardEffectDrawClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"
#include "RandomClass.h"
#include "SFXPlayerClass.h"

namespace {
// A combo's show is about 84 by 70 pixels with its top-left corner at its place:
// the shine behind, one or two fruits, the caption under them.
constexpr TPoint OneFruitOffset{22, 4};
constexpr TPoint FirstFruitOffset{4, 4};
constexpr TPoint SecondFruitOffset{40, 4};
constexpr TPoint CaptionOffset{0, 46};
constexpr TPoint RainCaptionOffset{84, 4};
constexpr int32_t AdditiveBlend = 2;
// "ComboText" patterns: "Match 4!" to "Match 7!", then "Double match!".
constexpr int32_t DoubleMatchCaption = 4;
constexpr int32_t PointsPerFruit = 3;
}  // namespace

void TCombos::Reset() {
    for (TSlot& Slot : FSlots) Slot = TSlot{};
    ClearRain();
    FTimeSinceLastFruit = 0;
    TotalMoneyBonus = 0;
}

void TCombos::ClearRain() {
    FRainTotal = 0;
    for (int32_t& Count : FRainCounts) Count = 0;
}

void TCombos::CheckCombos(const TBoardData& NewBoardData, const TSimpleObjectArray& GroupedFruits,
                          TPoint SwappedTilePos) {
    const int32_t Colors = std::clamp(FruitColorCount, 0, RainColorCount);
    int32_t Counts[RainColorCount] = {};
    for (int32_t X = 1; X <= BoardSize; ++X) {
        for (int32_t Y = 1; Y <= BoardSize; ++Y) {
            if (!GroupedFruits.At(X, Y)) continue;
            const TBoardTile& Tile = NewBoardData.At(X, Y);
            if (Tile.Kind == okFruit && Tile.Content >= 1 && Tile.Content <= Colors) ++Counts[Tile.Content - 1];
        }
    }
    // Two colours matched in one move: the two lowest colour numbers show.
    int32_t Lowest = 0;
    int32_t Second = 0;
    for (int32_t C = 1; C <= Colors; ++C) {
        if (Counts[C - 1] == 0) continue;
        if (Lowest == 0) {
            Lowest = C;
        } else if (Second == 0) {
            Second = C;
        }
    }
    if (Second != 0) StartSideCombo(SwappedTilePos, ciDoubleMatch, 0, Lowest, Second);
    // The largest group of one colour (the first colour on a tie).
    int32_t Best = 0;
    for (int32_t C = 1; C <= Colors; ++C)
        if (Counts[C - 1] > (Best == 0 ? 0 : Counts[Best - 1])) Best = C;
    if (Best != 0 && Counts[Best - 1] >= MinMatchXCount && Counts[Best - 1] <= MaxMatchXCount)
        StartSideCombo(SwappedTilePos, ciMatchX, Counts[Best - 1], Best, Best);
}

void TCombos::FruitFell(int32_t FruitColor) {
    FTimeSinceLastFruit = 0;
    ++FRainTotal;
    if (FruitColor >= 1 && FruitColor <= RainColorCount) ++FRainCounts[FruitColor - 1];
    if (FRainTotal >= FruitRainFruitCount) StartFruitRain();
}

// The rain shows its most frequent colour and the next one that fell strictly
// less often; with no such colour the first shows twice.
void TCombos::StartFruitRain() {
    int32_t First = 0;
    for (int32_t C = 1; C <= RainColorCount; ++C)
        if (FRainCounts[C - 1] > (First == 0 ? 0 : FRainCounts[First - 1])) First = C;
    int32_t Second = 0;
    if (First != 0) {
        const int32_t Most = FRainCounts[First - 1];
        for (int32_t C = 1; C <= RainColorCount; ++C) {
            const int32_t Count = FRainCounts[C - 1];
            if (Count > 0 && Count < Most && (Second == 0 || Count > FRainCounts[Second - 1])) Second = C;
        }
    }
    if (First == 0) First = 1;
    if (Second == 0) Second = First;
    ClearRain();
    StartCombo(FruitRainSlot, ciFruitRain, 0, First, Second);
}

int32_t TCombos::FreeSideSlot(bool RightSide, int32_t Row) const {
    const int32_t First = RightSide ? 4 : 1;
    if (!FSlots[First + Row - 2].Active) return First + Row - 1;
    for (int32_t Slot = First; Slot < First + 3; ++Slot)
        if (!FSlots[Slot - 1].Active) return Slot;
    return 0;
}

void TCombos::StartSideCombo(TPoint SwappedTilePos, TComboItemKind Kind, int32_t Count, int32_t Color1,
                             int32_t Color2) {
    const bool RightSide = SwappedTilePos.X > 5;
    const int32_t Row = SwappedTilePos.Y <= 3 ? 1 : SwappedTilePos.Y <= 6 ? 2 : 3;
    // With all three places of its side in use the combo is dropped, unpaid.
    if (const int32_t Slot = FreeSideSlot(RightSide, Row)) StartCombo(Slot, Kind, Count, Color1, Color2);
}

void TCombos::StartCombo(int32_t SlotIdx, TComboItemKind Kind, int32_t Count, int32_t Color1, int32_t Color2) {
    PlaySoundEffect("Combo");
    TSlot& Slot = FSlots[SlotIdx - 1];
    Slot = TSlot{};
    Slot.Active = true;
    Slot.Kind = Kind;
    Slot.Count = Count;
    Slot.Color1 = Color1;
    Slot.Color2 = Color2;
    Slot.Phase = 1;
    Slot.Alpha = 0;
    Slot.AlphaRise = 25 + Random(11);
    Slot.AlphaFall = 50 + 3 * Random(11);
    Slot.ShowingTime = MinShowingTime + 50 * Random(9);
    Slot.Speed = MinMoveStep + Random(4);
    Slot.Place = SlotPositions[SlotIdx - 1];
    Slot.Outside = Slot.Place;
    if (SlotIdx == FruitRainSlot) {
        Slot.Outside.Y += HidePosDistance;
    } else if (SlotIdx >= 4) {
        Slot.Outside.X += HidePosDistance;
    } else {
        Slot.Outside.X -= HidePosDistance;
    }
    Slot.Pos = Slot.Outside;
}

void TCombos::UpdateAndDraw() {
    if (!Visible) return;
    FTimeSinceLastFruit += FrameStep;
    if (FTimeSinceLastFruit >= BetweenDropMaxTime) ClearRain();
    for (TSlot& Slot : FSlots) {
        if (!Slot.Active) continue;
        UpdateSlot(Slot);
        if (Slot.Active) DrawSlot(Slot);
    }
}

void TCombos::UpdateSlot(TSlot& Slot) {
    switch (Slot.Phase) {
        case 1:
            MoveTowards(Slot.Pos.X, Slot.Speed, Slot.Place.X);
            MoveTowards(Slot.Pos.Y, Slot.Speed, Slot.Place.Y);
            Slot.Alpha = std::min(Slot.Alpha + Slot.AlphaRise, 255);
            if (Slot.Pos == Slot.Place) {
                Slot.Phase = 2;
                if (OnAComboArrive)
                    OnAComboArrive(this, Slot.Kind, static_cast<uint8_t>(Slot.Kind == ciMatchX ? Slot.Count : 0),
                                   Slot.Place);
            }
            break;
        case 2:
            Slot.Alpha = std::min(Slot.Alpha + Slot.AlphaRise, 255);
            Slot.Timer += FrameStep;
            if (Slot.Timer >= Slot.ShowingTime) Slot.Phase = 3;
            break;
        case 3:
            MoveTowards(Slot.Pos.X, Slot.Speed, Slot.Outside.X);
            MoveTowards(Slot.Pos.Y, Slot.Speed, Slot.Outside.Y);
            Slot.Alpha = std::max(Slot.Alpha - Slot.AlphaFall, 0);
            if (Slot.Pos == Slot.Outside) Slot.Active = false;
            break;
        default: Slot.Active = false; break;
    }
}

void TCombos::DrawSlot(const TSlot& Slot) {
    const int32_t X = Slot.Pos.X;
    const int32_t Y = Slot.Pos.Y;
    if (TImageListItem* Shine = EffectImage(OmgImgList, "ComboShine"))
        Shine->DrawEx(X, Y, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 255, 255, 255, Slot.Alpha, 0, AdditiveBlend);
    if (TImageListItem* Fruit = EffectImage(OmgImgList, "ComboFruit")) {
        if (Slot.Kind == ciMatchX) {
            Fruit->DrawEx(X + OneFruitOffset.X, Y + OneFruitOffset.Y, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 255, 255, 255,
                          Slot.Alpha, Slot.Color1 - 1, 0);
        } else {
            Fruit->DrawEx(X + FirstFruitOffset.X, Y + FirstFruitOffset.Y, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 255, 255,
                          255, Slot.Alpha, Slot.Color1 - 1, 0);
            Fruit->DrawEx(X + SecondFruitOffset.X, Y + SecondFruitOffset.Y, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 255, 255,
                          255, Slot.Alpha, Slot.Color2 - 1, 0);
        }
    }
    const bool Rain = Slot.Kind == ciFruitRain;
    if (TImageListItem* Caption = EffectImage(OmgImgList, Rain ? "ComboTextFruitRain" : "ComboText")) {
        const int32_t Pattern = Rain ? 0 : Slot.Kind == ciMatchX ? Slot.Count - 4 : DoubleMatchCaption;
        // The fruit rain shows at the bottom edge: its caption goes beside its fruits, not under them.
        const TPoint At = Rain ? RainCaptionOffset : CaptionOffset;
        Caption->DrawEx(X + At.X, Y + At.Y, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 255, 255, 255, Slot.Alpha, Pattern, 0);
    }
}

TComboAward TCombos::AwardOf(TComboItemKind Kind, int32_t MatchXCount) const {
    const int32_t Fruits = Kind == ciMatchX        ? MatchXCount
                           : Kind == ciDoubleMatch ? DoubleMatchFruitWorth
                                                   : FruitRainFruitWorth;
    return TComboAward{PointsPerFruit * Fruits, MoneyPerFruitCombo * Fruits};
}

TComboAward TCombos::Award(TComboItemKind Kind, int32_t MatchXCount, bool RoundOver) {
    if (RoundOver) return TComboAward{};
    const TComboAward Result = AwardOf(Kind, MatchXCount);
    TotalMoneyBonus += Result.Money;
    return Result;
}

TPoint TCombos::MoneyEffectPos(TComboItemKind Kind, TPoint APos) {
    return TPoint{APos.X + (Kind == ciFruitRain ? 45 : 4), APos.Y - 4};
}
