#include "BonusStageManagerClass.h"

namespace {
// The levels after which a bonus stage is offered, island by island (0 ends a row).
constexpr int32_t BonusLevels[TBonusStageManager::IslandCount][5] = {
    {5, 11, 0, 0, 0},
    {4, 10, 15, 0, 0},
    {2, 9, 16, 0, 0},
    {5, 13, 21, 0, 0},
    {4, 10, 15, 21, 0},
};
}  // namespace

bool TBonusStageManager::ValidLevel(int32_t Island, int32_t Level) {
    return Island >= 1 && Island <= IslandCount && Level >= 1 && Level <= LevelsPerIsland;
}

bool TBonusStageManager::IsBonusLevel(int32_t Island, int32_t Level) {
    if (!ValidLevel(Island, Level)) return false;
    for (int32_t L : BonusLevels[Island - 1]) {
        if (L == 0) break;
        if (L == Level) return true;
    }
    return false;
}

bool TBonusStageManager::HasBonusStage(int32_t Island, int32_t Level) const {
    return IsBonusLevel(Island, Level) && !FPlayed[Island - 1][Level - 1];
}

void TBonusStageManager::MarkBonusPlayed(int32_t Island, int32_t Level) {
    if (ValidLevel(Island, Level)) FPlayed[Island - 1][Level - 1] = true;
}

bool TBonusStageManager::BonusPlayed(int32_t Island, int32_t Level) const {
    return ValidLevel(Island, Level) && FPlayed[Island - 1][Level - 1];
}

void TBonusStageManager::ClearPlayed() {
    for (auto& Island : FPlayed) {
        for (bool& Played : Island) Played = false;
    }
}

void TBonusStageManager::LoadSaved(const TProgressRecord& Record) {
    for (int32_t I = 0; I < IslandCount; ++I) {
        for (int32_t L = 0; L < LevelsPerIsland; ++L) FPlayed[I][L] = Record.BonusStagesPlayed[I][L] != 0;
    }
}

void TBonusStageManager::StoreSaved(TProgressRecord& Record) const {
    for (int32_t I = 0; I < IslandCount; ++I) {
        for (int32_t L = 0; L < LevelsPerIsland; ++L) Record.BonusStagesPlayed[I][L] = FPlayed[I][L] ? 1 : 0;
    }
}
