#include "FlowingToolClass.h"

#include "BoardDataClass.h"
#include "BoardEffectDrawClass.h"
#include "GeneralRoutinesClass.h"
#include "OmegaImageListClass.h"

void TFlowingTool::Reset() { FActive = false; }

void TFlowingTool::Start(TPoint TilePos, int32_t ToolIdx) {
    const TPoint Corner = EffectCellCorner(BoardLeft, BoardTop, TilePos.X, TilePos.Y);
    StartAt(Corner.X, Corner.Y, ToolIdx);
}

void TFlowingTool::StartAt(int32_t X, int32_t Y, int32_t ToolIdx) {
    // The tool under way is not lost: it arrives now.
    if (FActive) {
        FActive = false;
        if (OnArrive) OnArrive(this);
    }
    FToolIdx = ToolIdx;
    FPos = FloatPoint(X, Y);
    FSpeeds = AxisSpeeds(TPoint{X, Y}, TPoint{TargetPosX, TargetPosY}, FlightSpeed);
    FActive = true;
}

void TFlowingTool::UpdateAndDraw() {
    if (!FActive || !Visible) return;
    MoveTowards(FPos.X, FPos.Y, FSpeeds.X, FSpeeds.Y, TargetPosX, TargetPosY);
    const TPoint At{Round(FPos.X), Round(FPos.Y)};
    if (TImageListItem* Icon = EffectImage(OmgImgList, "FlowingToolIcons"))
        Icon->Draw(At.X + PosAdjustX, At.Y + PosAdjustY, FToolIdx - 1);
    if (OnPosUpdate) OnPosUpdate(this, At);
    if (FPos.X == TargetPosX && FPos.Y == TargetPosY) {
        FActive = false;
        if (OnArrive) OnArrive(this);
    }
}
