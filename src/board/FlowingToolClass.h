// A tool the player has won, flying to its hook on the tools wall: from the
// tile whose locker held it, or from a point (a bonus stage's animal). On
// arrival the round adds it to the player's tools. A new flight started while
// one is under way lands the first one at once, so no tool is ever lost.
#pragma once

#include <cstdint>
#include <functional>

#include "GameTypesClass.h"

class TOmegaImageList;

using TFlowingToolsPosUpdate = std::function<void(TObject* Sender, TPoint APos)>;

class TFlowingTool : public TObject {
public:
    static constexpr int32_t FlightSpeed = 40;  // pixels a frame on the longer axis

    TOmegaImageList* OmgImgList = nullptr;
    bool Visible = true;    // false: the flight waits, undrawn (the round is paused)
    int32_t BoardLeft = 0;  // the board's top-left tile corner, for flights from a tile
    int32_t BoardTop = 0;
    int32_t TargetPosX = 0; // the tool's hook on the wall
    int32_t TargetPosY = 0;
    int32_t PosAdjustX = -4;
    int32_t PosAdjustY = -8;
    TNotifyEvent OnArrive;
    TFlowingToolsPosUpdate OnPosUpdate;

    // Tool 1 key, 2 broom, 3 aerosol flies from tile TilePos's cell corner.
    void Start(TPoint TilePos, int32_t ToolIdx);
    // The same from a screen point.
    void StartAt(int32_t X, int32_t Y, int32_t ToolIdx);
    void UpdateAndDraw();
    // Nothing flies (a level starts); a flight under way is dropped.
    void Reset();

    bool Active() const { return FActive; }
    int32_t ToolIdx() const { return FToolIdx; }
    TFloatPoint Position() const { return FPos; }

private:
    bool FActive = false;
    int32_t FToolIdx = 1;
    TFloatPoint FPos;
    TFloatPoint FSpeeds;
};
