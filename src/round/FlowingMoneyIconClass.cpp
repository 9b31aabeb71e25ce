#include "FlowingMoneyIconClass.h"

#include "BoardEffectDrawClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"

void TFlowingMoneyIcon::Reset() {
    FFlying = false;
    FAmount = 0;
}

void TFlowingMoneyIcon::Start(int32_t X, int32_t Y, int32_t Amount) {
    // The bag under way is not lost: it arrives now.
    if (FFlying) {
        FFlying = false;
        if (OnArrive) OnArrive(this, FAmount);
    }
    FPos = FloatPoint(X, Y);
    FSpeeds = AxisSpeeds(TPoint{X, Y}, TPoint{TargetPosX, TargetPosY}, FlightSpeed);
    FAmount = Amount;
    FFlying = true;
}

void TFlowingMoneyIcon::UpdateAndDraw() {
    if (!FFlying) return;
    MoveTowards(FPos.X, FPos.Y, FSpeeds.X, FSpeeds.Y, TargetPosX, TargetPosY);
    const TPoint At{Round(FPos.X), Round(FPos.Y)};
    if (TImageListItem* Bag = EffectImage(OmgImgList, "BonusAnimalBonus"))
        Bag->Draw(At.X + PosAdjustX, At.Y + PosAdjustY, 0);
    if (OnPosUpdate) OnPosUpdate(this, At);
    if (FPos.X == TargetPosX && FPos.Y == TargetPosY) {
        FFlying = false;
        if (OnArrive) OnArrive(this, FAmount);
    }
}
