#include "FruitGatherClass.h"

#include <algorithm>

#include "BoardEffectDrawClass.h"
#include "GeneralRoutinesClass.h"
#include "LevelFileClass.h"
#include "OmegaImageListClass.h"
#include "SFXPlayerClass.h"

namespace {
// Where a slot's pieces sit in its frame.
constexpr TPoint FruitOffset{21, 13};
constexpr TPoint PulseOffset{11, 6};
constexpr TPoint LeftLabelOffset{77, 23};
constexpr TPoint DoneLabelOffset{56, 23};
constexpr TPoint CountOffset{55, 23};
// Dutch words are longer: the label moves left and the count right.
constexpr int32_t DutchLabelShift = -24;
constexpr int32_t DutchCountShift = 29;
constexpr int32_t DoneFruitAlpha = 80;
constexpr int32_t DoneLabelAlpha = 130;
// "FruitPanel" patterns.
constexpr int32_t FirstPanel = 0;
constexpr int32_t MiddlePanel = 1;
constexpr int32_t LastPanel = 2;
constexpr int32_t OnlyPanel = 3;
}  // namespace

TFruitGather::TFruitGather() {
    for (TSlotState& State : FSlots) {
        State.Display.Kind = jkDefault;
        State.Display.Increment = 1;
        State.Display.Digits = 2;
        State.Display.DigitImg = "FruitGatherNumber";
        State.Display.DigitBlurImg = "FruitGatherNumberBlur";
        State.Display.ShowLeadingZeros = false;
        State.Display.AutoCentered = true;
    }
    FSlots[Index(gtBananas)].Target = 1;
    FSlots[Index(gtStrawberries)].Target = 1;
    Layout();
}

int32_t TFruitGather::Index(int32_t Slot) { return std::clamp(Slot, 1, SlotCount) - 1; }

void TFruitGather::InitImages() {
    if (const TImageListItem* Pulse = EffectImage(OmgImgList, "PulsingFruits")) {
        OrigPulsingFruitWidth = Pulse->EffectiveTileWidth();
        OrigPulsingFruitHeight = Pulse->EffectiveTileHeight();
    }
    for (TSlotState& State : FSlots) {
        State.Display.OmgImgList = OmgImgList;
        State.Display.InitImages();
    }
}

void TFruitGather::SetTarget(int32_t Slot, int32_t Value) {
    if (Slot < 1 || Slot > SlotCount) return;
    FSlots[Index(Slot)].Target = Value;
    Layout();
}

int32_t TFruitGather::Target(int32_t Slot) const {
    return Slot >= 1 && Slot <= SlotCount ? FSlots[Index(Slot)].Target : 0;
}

void TFruitGather::SetFileTargets(int32_t Bananas, int32_t Strawberries, int32_t Apples, int32_t Plums,
                                  int32_t Grapes, int32_t Oranges, int32_t Spiders) {
    FSlots[Index(gtBananas)].Target = Bananas;
    FSlots[Index(gtStrawberries)].Target = Strawberries;
    FSlots[Index(gtApples)].Target = Apples;
    FSlots[Index(gtGrapes)].Target = Grapes;
    FSlots[Index(gtOranges)].Target = Oranges;
    FSlots[Index(gtPlums)].Target = Plums;
    FSlots[Index(gtSpiders)].Target = Spiders;
    Layout();
}

void TFruitGather::SetTargets(const TLevelRecord& Values) {
    SetFileTargets(Values.TargetBananas, Values.TargetStrawberries, Values.TargetApples, Values.TargetPlums,
                   Values.TargetGrapes, Values.TargetOranges, Values.TargetSpidersToHunt);
}

// The active slots, where each one's frame starts, and every count loaded with its target.
void TFruitGather::Layout() {
    FActiveCount = 0;
    for (const TSlotState& State : FSlots) FActiveCount += State.Target > 0 ? 1 : 0;
    int32_t Width = 0;
    for (int32_t I = 0; I < FActiveCount; ++I)
        Width += (I == 0 || I == FActiveCount - 1) ? LeftSlotWidth : MiddleSlotWidth;
    FPanelLeft = CenterPos - Width / 2;
    int32_t X = FPanelLeft;
    int32_t Placed = 0;
    for (TSlotState& State : FSlots) {
        State.Display.Set(std::max(State.Target, 0));
        State.Left = 0;
        if (State.Target <= 0) continue;
        State.Left = X;
        X += Placed == 0 ? LeftSlotWidth : MiddleSlotWidth;
        ++Placed;
    }
}

void TFruitGather::Reset() {
    FComplete = false;
    FSlide = slIdle;
    for (TSlotState& State : FSlots) {
        State.Display.Reset();
        State.Display.Set(std::max(State.Target, 0));
        State.Pulsing = false;
        State.Growing = false;
        State.Size = MinPulsingSize;
        State.FullSizeTime = 0;
        State.IdleTime = 0;
        State.PendingReminders = 0;
    }
}

void TFruitGather::Show() {
    FY = HidingPosY;
    FSlide = slShowing;
}

void TFruitGather::Hide() { FSlide = slHiding; }

void TFruitGather::StartPulse(TSlotState& State) {
    State.Pulsing = true;
    State.Growing = true;
    State.Size = MinPulsingSize;
    State.FullSizeTime = 0;
}

void TFruitGather::Count(int32_t Slot) {
    if (Slot < 1 || Slot > SlotCount) return;
    TSlotState& State = FSlots[Index(Slot)];
    State.IdleTime = 0;
    State.PendingReminders = 0;
    // A slot already done stays at 0 without a second ting, but still answers with a pulse.
    if (State.Display.Value() > 0) {
        State.Display.Add(-1);
        if (State.Display.Value() == 0) PlaySoundEffect("FruitSlotTing");
    }
    StartPulse(State);
    if (FComplete) return;
    for (const TSlotState& Each : FSlots)
        if (Each.Display.Value() > 0) return;
    FComplete = true;
    if (OnComplete) OnComplete(this);
}

void TFruitGather::UpdatePulse(TSlotState& State) {
    if (!State.Pulsing) return;
    if (State.Growing) {
        State.Size = std::min(State.Size + PulsingStepUp, static_cast<double>(MaxPulsingSize));
        if (State.Size >= MaxPulsingSize) {
            State.FullSizeTime += FrameStep;
            if (State.FullSizeTime >= BlownTime) State.Growing = false;
        }
    } else {
        State.Size = std::max(State.Size - PulsingStepDown, static_cast<double>(MinPulsingSize));
        if (State.Size <= MinPulsingSize) State.Pulsing = false;
    }
}

// A slot left alone for IdleSlotNotifyTime pulses SlotNotifyCount times, one pulse after the other.
void TFruitGather::UpdateReminders(TSlotState& State) {
    if (State.PendingReminders > 0) {
        if (!State.Pulsing) {
            StartPulse(State);
            --State.PendingReminders;
        }
        return;
    }
    State.IdleTime += FrameStep;
    if (State.IdleTime >= IdleSlotNotifyTime) {
        State.IdleTime = 0;
        if (State.Display.Value() > 0) State.PendingReminders = SlotNotifyCount;
    }
}

void TFruitGather::UpdateAndDraw() {
    if (!Visible) return;
    if (FSlide == slShowing) {
        FY = std::min(FY + MoveStep, Top);
        if (FY == Top) FSlide = slIdle;
    } else if (FSlide == slHiding) {
        FY = std::max(FY - MoveStep, HidingPosY);
        if (FY == HidingPosY) FSlide = slIdle;
    }
    int32_t Drawn = 0;
    for (int32_t Slot = 1; Slot <= SlotCount; ++Slot) {
        TSlotState& State = FSlots[Index(Slot)];
        UpdatePulse(State);
        if (State.Target <= 0) continue;
        UpdateReminders(State);
        const int32_t Pattern = FActiveCount == 1          ? OnlyPanel
                                : Drawn == 0               ? FirstPanel
                                : Drawn == FActiveCount - 1 ? LastPanel
                                                            : MiddlePanel;
        DrawSlot(Slot, State, Pattern);
        ++Drawn;
    }
}

void TFruitGather::DrawSlot(int32_t Slot, TSlotState& State, int32_t Pattern) {
    const int32_t X = State.Left;
    const int32_t Y = FY;
    const bool Done = State.Display.Value() == 0;
    const bool Dutch = GameLanguage == laNL;
    if (TImageListItem* Panel = EffectImage(OmgImgList, "FruitPanel")) Panel->Draw(X, Y, Pattern);
    if (!State.Pulsing) {
        if (TImageListItem* Fruit = EffectImage(OmgImgList, "FruitGather")) {
            Fruit->DrawEx(X + FruitOffset.X, Y + FruitOffset.Y, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 255, 255, 255,
                          Done ? DoneFruitAlpha : 255, Slot - 1, 0);
        }
    }
    // The count rolls in the panel's font; the "done" stamp lies over its 0.
    State.Display.OmgFont = OmgFont;
    State.Display.Left = X + CountOffset.X + (Dutch ? DutchCountShift : 0);
    State.Display.Top = Y + CountOffset.Y;
    State.Display.UpdateAndDraw();
    if (TImageListItem* Label = EffectImage(OmgImgList, "FruitGatherLeftDone")) {
        const TPoint Offset = Done ? DoneLabelOffset : LeftLabelOffset;
        Label->DrawEx(X + Offset.X + (Dutch ? DutchLabelShift : 0), Y + Offset.Y, 0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 255,
                      255, 255, Done ? DoneLabelAlpha : 255, Done ? 1 : 0, 0);
    }
    if (State.Pulsing) {
        if (TImageListItem* Pulse = EffectImage(OmgImgList, "PulsingFruits")) {
            const float ScaleX = static_cast<float>(State.Size / std::max(OrigPulsingFruitWidth, 1));
            const float ScaleY = static_cast<float>(State.Size / std::max(OrigPulsingFruitHeight, 1));
            SetEffectFiltering(OmgImgList, true);
            Pulse->DrawEx(X + PulseOffset.X, Y + PulseOffset.Y, 0.0f, 0.5f, 0.5f, ScaleX, ScaleY, 255, 255, 255, 255,
                          Slot - 1, 0);
            SetEffectFiltering(OmgImgList, false);
        }
    }
}

bool TFruitGather::Active(int32_t Slot) const { return Target(Slot) > 0; }

int32_t TFruitGather::Remaining(int32_t Slot) const {
    return Slot >= 1 && Slot <= SlotCount ? FSlots[Index(Slot)].Display.Value() : 0;
}

bool TFruitGather::Pulsing(int32_t Slot) const {
    return Slot >= 1 && Slot <= SlotCount && FSlots[Index(Slot)].Pulsing;
}

double TFruitGather::PulseSize(int32_t Slot) const {
    return Slot >= 1 && Slot <= SlotCount ? FSlots[Index(Slot)].Size : 0.0;
}

int32_t TFruitGather::PendingReminders(int32_t Slot) const {
    return Slot >= 1 && Slot <= SlotCount ? FSlots[Index(Slot)].PendingReminders : 0;
}

int32_t TFruitGather::SlotLeft(int32_t Slot) const {
    return Slot >= 1 && Slot <= SlotCount ? FSlots[Index(Slot)].Left : 0;
}
