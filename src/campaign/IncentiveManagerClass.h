// The incentives of island 1: before each of its first eight levels a window
// presents what the level brings new (a special fruit, an enemy or a tool),
// at every start until the level is won once. Winning the levels that bring
// the tools unlocks them for the whole game, the broom first, then the magic
// key, then the aerosol; replaying an earlier level never takes one away.
#pragma once

#include <cstdint>

#include "GameTypesClass.h"
#include "ProgressRecordClass.h"

class TIncentiveManager : public TObject {
public:
    static constexpr int32_t IncentiveCount = 9;
    // The incentives that bring a tool.
    static constexpr int32_t MagicKeyIncentive = 7;
    static constexpr int32_t BroomIncentive = 8;
    static constexpr int32_t AerosolIncentive = 9;

    TToolKind MaxUnlockedToolKind = toNone;

    // 1 to 9, or 0 for a level without one (every level but island 1's first eight).
    static int32_t IncentiveOf(int32_t Island, int32_t Level);
    // The level has an incentive the player has not yet seen through to a win.
    bool IsDue(int32_t Island, int32_t Level) const;
    void MarkShown(int32_t Island, int32_t Level);
    void ClearShown();
    // A won level that brings a tool unlocks it, unless a later tool is already unlocked.
    void UnlockTools(int32_t Island, int32_t Level);

    void LoadSaved(const TProgressRecord& Record);
    void StoreSaved(TProgressRecord& Record) const;

private:
    static bool InRange(int32_t Island, int32_t Level);

    bool FShown[ProgressIslandCount][ProgressLevelsPerIsland] = {};
};
