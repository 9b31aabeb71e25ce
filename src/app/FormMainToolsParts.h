// The main form's tools: the magic key, the broom and the aerosol on the left
// panel's wall, the three tools flying to the wall when won, and what the round
// knows of them. The main form owns one of each for the whole run.
#pragma once

#include <memory>

#include "AerosolClass.h"
#include "BroomClass.h"
#include "FlowingToolClass.h"
#include "MagicKeyClass.h"

// One flying tool per kind: 0 the magic key, 1 the broom, 2 the aerosol.
constexpr int32_t FlowingToolCount = 3;

struct TRoundTools {
    std::unique_ptr<TMagicKey> MagicKey;
    std::unique_ptr<TBroom> Broom;
    std::unique_ptr<TAerosol> Aerosol;
    std::unique_ptr<TFlowingTool> Flying[FlowingToolCount];
    // The round is over: the tools went back to the wall and take nothing until the next level.
    bool Withdrawn = false;
    // The round is paused: the tools neither move nor take a press.
    bool Paused = false;
};
