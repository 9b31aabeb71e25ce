// Combos: a swap that matches four to seven fruits of one colour, or fruits of
// two colours at once, and a quick rain of falling fruits earn extra points and
// money. Each combo slides in beside the board (the fruit rain below it), stays
// a moment and slides out; the round pays it when it arrives. The random parts
// of a combo's show come from the gameplay stream: how long one stays decides
// whether a later one finds a free place, and so the score.
#pragma once

#include <cstdint>
#include <functional>

#include "BoardDataClass.h"
#include "GameTypesClass.h"

class TOmegaImageList;

enum TComboItemKind : uint8_t { ciMatchX, ciDoubleMatch, ciFruitRain };

using TOnAComboArriveEvent =
    std::function<void(TObject* Sender, TComboItemKind AComboKind, uint8_t AMatchXCount, TPoint APos)>;

// What an arrived combo pays: points to the score, money to the round's combo money.
struct TComboAward {
    int32_t Points = 0;
    int32_t Money = 0;
    friend bool operator==(const TComboAward&, const TComboAward&) = default;
};

class TCombos : public TObject {
public:
    // Slots 1-3 beside the board's left edge (rows top to bottom), 4-6 beside its
    // right edge, 7 the fruit rain's below it.
    static constexpr int32_t SlotCount = 7;
    static constexpr int32_t FruitRainSlot = 7;
    static constexpr TPoint SlotPositions[SlotCount] = {{175, 137}, {180, 264}, {177, 414}, {655, 129},
                                                       {647, 244}, {656, 382}, {388, 540}};

    TOmegaImageList* OmgImgList = nullptr;
    bool Visible = true;
    int32_t FruitRainFruitCount = 14;
    int32_t BetweenDropMaxTime = 300;  // ms without a falling fruit that ends a rain
    int32_t HidePosDistance = 120;     // how far outside its place a combo enters from
    int32_t MinShowingTime = 1200;
    uint8_t MinMoveStep = 10;
    int32_t TotalMoneyBonus = 0;   // this round's combo money, paid when the round is won
    int32_t MoneyPerFruitCombo = 10;  // set by island at level start
    int32_t DoubleMatchFruitWorth = 6;
    int32_t FruitRainFruitWorth = 20;
    uint8_t MinMatchXCount = 4;
    uint8_t MaxMatchXCount = 7;
    // A combo arrived at its place: AMatchXCount is the match's size for ciMatchX, else 0.
    TOnAComboArriveEvent OnAComboArrive;

    // No combo showing, no rain counted, no combo money.
    void Reset();
    // The check of a player's match: the grouped tiles of NewBoardData, and the
    // swapped tile, whose side and row say where the combo shows. One match can
    // start a double match and a match X together.
    void CheckCombos(const TBoardData& NewBoardData, const TSimpleObjectArray& GroupedFruits, TPoint SwappedTilePos);
    // A matched fruit of this colour fell off the board.
    void FruitFell(int32_t FruitColor);
    void UpdateAndDraw();

    // What a combo pays, and the round's arrival award: the money goes into
    // TotalMoneyBonus; once the round is over nothing is paid.
    TComboAward AwardOf(TComboItemKind Kind, int32_t MatchXCount) const;
    TComboAward Award(TComboItemKind Kind, int32_t MatchXCount, bool RoundOver);
    // Where the floating amount of an arrived combo shows.
    static TPoint MoneyEffectPos(TComboItemKind Kind, TPoint APos);

    // The slots, for the round's tests and the art.
    bool SlotActive(int32_t Slot) const { return FSlots[Slot - 1].Active; }
    TComboItemKind SlotKind(int32_t Slot) const { return FSlots[Slot - 1].Kind; }
    int32_t SlotCountOf(int32_t Slot) const { return FSlots[Slot - 1].Count; }
    int32_t SlotColor(int32_t Slot, int32_t Which) const {
        return Which == 1 ? FSlots[Slot - 1].Color1 : FSlots[Slot - 1].Color2;
    }
    TPoint SlotPos(int32_t Slot) const { return FSlots[Slot - 1].Pos; }
    int32_t SlotPhase(int32_t Slot) const { return FSlots[Slot - 1].Phase; }
    int32_t SlotAlpha(int32_t Slot) const { return FSlots[Slot - 1].Alpha; }
    int32_t SlotShowingTime(int32_t Slot) const { return FSlots[Slot - 1].ShowingTime; }
    int32_t FruitRainTotal() const { return FRainTotal; }
    int32_t TimeSinceLastFruit() const { return FTimeSinceLastFruit; }

private:
    struct TSlot {
        bool Active = false;
        TComboItemKind Kind = ciMatchX;
        int32_t Count = 0;
        int32_t Color1 = 1;
        int32_t Color2 = 1;
        int32_t Phase = 0;  // 1 entering, 2 showing, 3 leaving
        TPoint Pos;
        TPoint Place;
        TPoint Outside;
        int32_t Speed = 10;
        int32_t Alpha = 0;
        int32_t AlphaRise = 25;
        int32_t AlphaFall = 50;
        int32_t ShowingTime = 1200;
        int32_t Timer = 0;
    };
    static constexpr int32_t RainColorCount = 6;
    // The slot a side combo takes (preferring its row), or 0 when the side is full.
    int32_t FreeSideSlot(bool RightSide, int32_t Row) const;
    void StartCombo(int32_t Slot, TComboItemKind Kind, int32_t Count, int32_t Color1, int32_t Color2);
    void StartSideCombo(TPoint SwappedTilePos, TComboItemKind Kind, int32_t Count, int32_t Color1, int32_t Color2);
    void StartFruitRain();
    void ClearRain();
    void UpdateSlot(TSlot& Slot);
    void DrawSlot(const TSlot& Slot);

    TSlot FSlots[SlotCount];
    int32_t FRainTotal = 0;
    int32_t FRainCounts[RainColorCount] = {};
    int32_t FTimeSinceLastFruit = 0;
};
