// The round's ties to the trophies and the incentives of island 1. They come
// with the trophies and incentives.
#include "FormMainClass.h"

void TFormMain::ResetTrophiesForRound() {}
// A trophy window is showing: an objective met now waits until it has gone.
bool TFormMain::TrophyAnnouncing() const { return false; }
void TFormMain::HoldWinForTrophy() {}
// Time is up: a win waiting for a trophy window is dropped.
void TFormMain::DropPendingWin() {}
bool TFormMain::ShowIncentiveForLevel() { return false; }
// Round won: the level's incentive is shown for good and may unlock a tool.
void TFormMain::MarkIncentiveAndUnlockTools() {}
bool TFormMain::TestLevelTrophies() { return false; }
// The round starts running: trophies waiting for a chance are announced.
void TFormMain::AnnounceWaitingTrophies() {}
// Test mode: the medal and all-levels trophies earned, without their windows.
void TFormMain::ApplyTestModeTrophies() {}
// The trophies' counts: fruits matched, locker frames cleared.
void TFormMain::CountLandedFruitForTrophies() {}
void TFormMain::CountLockerFrameForTrophies() {}
void TFormMain::EnterTrophyCabinet() {}
