// Which won levels are followed by a bonus stage, and whether the player has
// already played it: each bonus stage is offered once per player, and its
// played flags are part of the player's progress. It also keeps where the
// current bonus stage stands (announced, playing, scoring).
#pragma once

#include <cstdint>

#include "GameTypesClass.h"
#include "ProgressRecordClass.h"

enum TBonusStageScene : uint8_t { bsInitialInfo, bsPlaying, bsScoring };

class TBonusStageManager : public TObject {
public:
    static constexpr int32_t IslandCount = ProgressIslandCount;
    static constexpr int32_t LevelsPerIsland = ProgressLevelsPerIsland;

    TBonusStageScene Scene = bsInitialInfo;

    // Level (Island, Level) is one of the levels followed by a bonus stage.
    static bool IsBonusLevel(int32_t Island, int32_t Level);
    // A bonus stage follows this won level: it is a bonus level not yet played.
    bool HasBonusStage(int32_t Island, int32_t Level) const;
    // The stage counts as played from the moment it is offered. Nothing outside islands 1 to 5, levels 1 to 30.
    void MarkBonusPlayed(int32_t Island, int32_t Level);
    bool BonusPlayed(int32_t Island, int32_t Level) const;
    // Every flag clear, as for a new player.
    void ClearPlayed();

    // The played flags from a player's progress: any byte but 0 reads as played.
    void LoadSaved(const TProgressRecord& Record);
    // The played flags into a progress record, 1 for played and 0 otherwise.
    void StoreSaved(TProgressRecord& Record) const;

private:
    static bool ValidLevel(int32_t Island, int32_t Level);

    bool FPlayed[IslandCount][LevelsPerIsland]{};
};
