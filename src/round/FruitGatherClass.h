// The fruit panel of collect-fruits and spider-hunt levels: one slot for each
// kind the level asks for, side by side at the top of the screen, each with the
// number still to gather. A counted fruit (or spider) pulses its slot and takes
// one off; a slot the player ignores for a while pulses as a reminder. The level
// is won when every slot stands at 0.
#pragma once

#include <cstdint>

#include "GameTypesClass.h"
#include "JackpotScoreClass.h"

class TOmegaImageList;
class TOmegaFont;
struct TLevelRecord;

class TFruitGather : public TObject {
public:
    // The slots in panel order; a fruit's slot is its colour number on the board.
    enum TGatherSlot : uint8_t {
        gtBananas = 1, gtStrawberries = 2, gtApples = 3, gtGrapes = 4, gtOranges = 5, gtPlums = 6, gtSpiders = 7
    };
    static constexpr int32_t SlotCount = 7;

    TOmegaImageList* OmgImgList = nullptr;
    TOmegaFont* OmgFont = nullptr;  // the remaining counts are written in it
    int32_t CenterPos = 445;
    int32_t Top = 0;
    int32_t HidingPosY = -80;
    int32_t MoveStep = 1;
    bool Visible = true;
    int32_t LeftSlotWidth = 124;    // the first and the last slot
    int32_t MiddleSlotWidth = 121;  // the others (their frames overlap by 3 pixels)
    int32_t OrigPulsingFruitWidth = 50;  // from "PulsingFruits" (InitImages)
    int32_t OrigPulsingFruitHeight = 50;
    int32_t MinPulsingSize = 30;
    int32_t MaxPulsingSize = 45;
    double PulsingStepUp = 9.0;
    double PulsingStepDown = 6.0;
    int32_t BlownTime = 450;            // ms a pulse stays at full size
    int32_t IdleSlotNotifyTime = 45000;  // ms without a count before a reminder
    uint8_t SlotNotifyCount = 3;         // pulses of one reminder
    TNotifyEvent OnComplete;             // once, when every slot stands at 0

    TFruitGather();
    void InitImages();

    // Targets by slot (1..7). Setting one re-derives the active slots (target above 0),
    // the panel's layout, and reloads every slot's count with its target.
    void SetTarget(int32_t Slot, int32_t Value);
    int32_t Target(int32_t Slot) const;
    void SetTargetBananas(int32_t V) { SetTarget(gtBananas, V); }
    void SetTargetStrawberries(int32_t V) { SetTarget(gtStrawberries, V); }
    void SetTargetApples(int32_t V) { SetTarget(gtApples, V); }
    void SetTargetGrapes(int32_t V) { SetTarget(gtGrapes, V); }
    void SetTargetOranges(int32_t V) { SetTarget(gtOranges, V); }
    void SetTargetPlums(int32_t V) { SetTarget(gtPlums, V); }
    void SetTargetSpidersToHunt(int32_t V) { SetTarget(gtSpiders, V); }
    // The targets as a level file lists them: bananas, strawberries, apples, plums,
    // grapes, oranges, then spiders. The file's order is not the panel's (grapes,
    // oranges, plums): this puts each where it belongs.
    void SetFileTargets(int32_t Bananas, int32_t Strawberries, int32_t Apples, int32_t Plums, int32_t Grapes,
                        int32_t Oranges, int32_t Spiders);
    // The same from the level's values (as the round takes them: a hunt's fruit targets are 0).
    void SetTargets(const TLevelRecord& Values);

    // Not complete; every slot back at its target; no pulse, no reminder.
    void Reset();
    // Slides down into place from the hidden row, and back up.
    void Show();
    void Hide();
    // One fruit of colour 1..6, or a spider (slot 7), was gathered.
    void Count(int32_t Slot);
    void CountFruit(int32_t FruitColor) { Count(FruitColor); }
    void CountSpider() { Count(gtSpiders); }
    void UpdateAndDraw();

    bool Active(int32_t Slot) const;
    int32_t ActiveCount() const { return FActiveCount; }
    int32_t Remaining(int32_t Slot) const;
    bool Complete() const { return FComplete; }
    bool Pulsing(int32_t Slot) const;
    double PulseSize(int32_t Slot) const;
    int32_t PendingReminders(int32_t Slot) const;
    // The panel's left edge and the x of an active slot's frame (0 for an inactive one).
    int32_t PanelLeft() const { return FPanelLeft; }
    int32_t SlotLeft(int32_t Slot) const;
    TPoint Position() const { return TPoint{FPanelLeft, FY}; }
    // The remaining count of a slot, as it rolls.
    TJackpotScore& Display(int32_t Slot) { return FSlots[Index(Slot)].Display; }

private:
    struct TSlotState {
        int32_t Target = 0;
        TJackpotScore Display;
        bool Pulsing = false;
        bool Growing = false;
        double Size = 30.0;
        int32_t FullSizeTime = 0;
        int32_t IdleTime = 0;
        int32_t PendingReminders = 0;
        int32_t Left = 0;
    };
    enum TSlide : uint8_t { slIdle, slShowing, slHiding };
    static int32_t Index(int32_t Slot);
    void Layout();
    void StartPulse(TSlotState& State);
    void UpdatePulse(TSlotState& State);
    void UpdateReminders(TSlotState& State);
    void DrawSlot(int32_t Slot, TSlotState& State, int32_t Pattern);

    TSlotState FSlots[SlotCount];
    int32_t FActiveCount = 0;
    int32_t FPanelLeft = 445;
    int32_t FY = -80;
    TSlide FSlide = slIdle;
    bool FComplete = false;
};
