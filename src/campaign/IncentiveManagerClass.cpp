#include "IncentiveManagerClass.h"

#include "LevelStartClass.h"

namespace {

// Island 1, levels 1 to 8.
constexpr int32_t IslandOneIncentives[8] = {3, 2, 5, 8, 7, 6, 9, 4};

}  // namespace

bool TIncentiveManager::InRange(int32_t Island, int32_t Level) {
    return Island >= 1 && Island <= ProgressIslandCount && Level >= 1 && Level <= ProgressLevelsPerIsland;
}

int32_t TIncentiveManager::IncentiveOf(int32_t Island, int32_t Level) {
    if (Island != 1 || Level < 1 || Level > 8) return 0;
    return IslandOneIncentives[Level - 1];
}

bool TIncentiveManager::IsDue(int32_t Island, int32_t Level) const {
    return IncentiveOf(Island, Level) != 0 && !FShown[Island - 1][Level - 1];
}

void TIncentiveManager::MarkShown(int32_t Island, int32_t Level) {
    if (InRange(Island, Level)) FShown[Island - 1][Level - 1] = true;
}

void TIncentiveManager::ClearShown() {
    for (auto& Island : FShown)
        for (bool& Shown : Island) Shown = false;
}

void TIncentiveManager::UnlockTools(int32_t Island, int32_t Level) {
    TToolKind Offered = toNone;
    switch (IncentiveOf(Island, Level)) {
        case MagicKeyIncentive: Offered = toMagicKey; break;
        case BroomIncentive: Offered = toBroom; break;
        case AerosolIncentive: Offered = toAerosol; break;
        default: return;
    }
    MaxUnlockedToolKind = RaisedToolLevel(MaxUnlockedToolKind, Offered);
}

void TIncentiveManager::LoadSaved(const TProgressRecord& Record) {
    for (int32_t I = 0; I < ProgressIslandCount; ++I)
        for (int32_t L = 0; L < ProgressLevelsPerIsland; ++L) FShown[I][L] = Record.IncentivesShown[I][L] != 0;
    MaxUnlockedToolKind = UnlockedToolKindOf(Record);
}

void TIncentiveManager::StoreSaved(TProgressRecord& Record) const {
    for (int32_t I = 0; I < ProgressIslandCount; ++I)
        for (int32_t L = 0; L < ProgressLevelsPerIsland; ++L) Record.IncentivesShown[I][L] = FShown[I][L] ? 1 : 0;
    Record.UnlockedToolLevel = static_cast<uint8_t>(MaxUnlockedToolKind);
}
