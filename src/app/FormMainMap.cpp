// The round's ties to the map: the best time a won level keeps, and where the
// game goes when a round is left.
#include "FormMainClass.h"

namespace {
bool InProgressRange(int32_t Island, int32_t Level) {
    return Island >= 1 && Island <= ProgressIslandCount && Level >= 1 && Level <= ProgressLevelsPerIsland;
}
}  // namespace

// A won level keeps its fastest time (0 means not completed yet).
void TFormMain::RecordLevelTime(int32_t Seconds) {
    if (!InProgressRange(CurrentIsland, CurrentLevel)) return;
    int32_t& Best = PlayerProgress->Record().BestTimes[CurrentIsland - 1][CurrentLevel - 1];
    if (Best <= 0 || Seconds < Best) Best = Seconds;
}

int32_t TFormMain::StoredBestTime() const {
    if (!InProgressRange(CurrentIsland, CurrentLevel)) return 0;
    const int32_t Best = PlayerProgress->Record().BestTimes[CurrentIsland - 1][CurrentLevel - 1];
    return Best > 0 ? Best : 0;
}

// Until the level dots choose the next level, the round goes back to the level selection.
void TFormMain::LeaveRoundByLevelDots() { StartTransition(gsLevelSel); }

// The map comes with the map and level selection; until then Play leads to the level selection.
void TFormMain::EnterMapFromMenu() {}
// Test mode: every level that has a file completed, every island open.
void TFormMain::ApplyTestModeLevels() {}
