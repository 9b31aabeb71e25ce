// The money bag a hit bonus animal drops: it flies in a straight line to the
// money counter and, on arrival, hands its amount to the round. A new bag
// started while one is still flying lands the first one at once.
#pragma once

#include <cstdint>
#include <functional>

#include "GameTypesClass.h"

class TOmegaImageList;

using TFlowingMoneyArriveEvent = std::function<void(TObject* Sender, int32_t ABonusAmount)>;
using TFlowingMoneyPosUpdateEvent = std::function<void(TObject* Sender, TPoint APos)>;

class TFlowingMoneyIcon : public TObject {
public:
    static constexpr int32_t FlightSpeed = 40;  // pixels a frame on the longer axis

    TOmegaImageList* OmgImgList = nullptr;
    int32_t TargetPosX = 48;
    int32_t TargetPosY = 186;
    int32_t PosAdjustX = 0;  // drawing offset of the icon from its flight position
    int32_t PosAdjustY = 0;
    TFlowingMoneyArriveEvent OnArrive;
    TFlowingMoneyPosUpdateEvent OnPosUpdate;

    void Reset();
    void Start(int32_t X, int32_t Y, int32_t Amount);
    void UpdateAndDraw();

    bool Flying() const { return FFlying; }
    TFloatPoint Position() const { return FPos; }
    TFloatPoint Speeds() const { return FSpeeds; }
    int32_t Amount() const { return FAmount; }

private:
    bool FFlying = false;
    TFloatPoint FPos;
    TFloatPoint FSpeeds;
    int32_t FAmount = 0;
};
