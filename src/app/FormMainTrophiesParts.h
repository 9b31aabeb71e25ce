// The main form's trophies and incentives: the rules of both, the windows that
// announce a new trophy and an island-1 incentive, and the trophy cabinet's
// panel, trophies, tool tip and back button. The main form owns one of each
// for the whole run.
#pragma once

#include "GameButtonClass.h"
#include "IncentiveAnnouncerClass.h"
#include "IncentiveManagerClass.h"
#include "PanelMoverClass.h"
#include "TrophiesClass.h"
#include "TrophyAnnouncerClass.h"
#include "TrophyManagerClass.h"
#include "TrophyToolTipClass.h"

struct TTrophyParts {
    TTrophyManager Manager;
    TIncentiveManager Incentives;
    TTrophyAnnouncer Announcer;
    TIncentiveAnnouncer IncentiveAnnouncer;
    // The cabinet scene.
    TPanelMover CabinetPanel;
    TTrophies Cabinet;
    TTrophyToolTip ToolTip;
    TGameButton BackButton;
    // The incentive the window shows once the round's scene is on screen.
    int32_t PendingIncentive = 0;
    // The round's result waits for the windows of the trophies it earned.
    bool ResultFlowWaiting = false;
};
