// The flower row of a find-flowers level: a bed of soil at the top of the
// screen with one place per flower the level asks for, where each found flower
// is planted. It slides in when the level starts and tells the round once when
// every place holds its flower.
#pragma once

#include <cstdint>

#include "GameTypesClass.h"

class TOmegaImageList;

class TFlowerCollection : public TObject {
public:
    static constexpr int32_t MaxSlots = 6;

    TOmegaImageList* OmgImgList = nullptr;
    bool Visible = true;
    int32_t CenterPos = 445;
    int32_t Top = 0;
    int32_t HidingPosY = -100;
    int32_t MoveStep = 1;
    int32_t LeftSlotWidth = 77;
    int32_t MiddleSlotWidth = 71;
    TNotifyEvent OnFull;

    // How many flowers the level needs, 1 to 6 (values outside are taken as 1 or 6).
    void SetFlowerSlots(int32_t Slots);
    int32_t FlowerSlots() const { return FFlowerSlots; }
    // No flower planted, the row hidden above the screen.
    void Reset();
    void Show();  // slides in to Top
    void Hide();  // slides out to HidingPosY
    void UpdateAndDraw();

    // Flower N (1 to 6) is planted; when it completes the row, OnFull is raised (once).
    void MarkObtained(int32_t N);
    bool Obtained(int32_t N) const { return N >= 1 && N <= MaxSlots && FObtained[N - 1]; }
    bool IsFull() const;
    // The flowers 1 to FlowerSlots not planted yet.
    TFlowerIdxSet Unobtained() const;
    // The row's left edge: CenterPos less half the width of all its places.
    int32_t RowLeft() const;
    int32_t RowY() const { return FY; }
    // Where flower N stands in the row once it is in place (its picture's top-left).
    TPoint FlowerPlace(int32_t N) const;

private:
    int32_t FFlowerSlots = 3;
    bool FObtained[MaxSlots] = {};
    bool FFullRaised = false;
    int32_t FY = -100;
    uint8_t FSlide = 0;  // 0 still, 1 sliding in, 3 sliding out
};
