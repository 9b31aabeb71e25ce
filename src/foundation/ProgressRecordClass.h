// The player's progress record: everything one player has achieved, as it is
// kept in the player's ".sav" file (1360 bytes). Each block belongs to the game
// object that uses it (map, level dots, tools, trophies, shop, garden, story,
// tutorial, round timer); this module fixes where each block lives in the file
// and what a new player starts with. Flags and enumerations are kept as the
// raw bytes of the file, so a record read and written again comes back byte
// for byte, whatever a block's owner makes of it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "GameTypesClass.h"

constexpr int ProgressIslandCount = 5;      // the five level islands
constexpr int ProgressLevelsPerIsland = 30;
constexpr size_t ProgressRecordSize = 1360;

using TProgressRecordBytes = std::array<uint8_t, ProgressRecordSize>;

struct TProgressRecord {
    // Best time per level in seconds, 0 = not completed; [island - 1][level - 1].
    int32_t BestTimes[ProgressIslandCount][ProgressLevelsPerIsland]{};
    int32_t ScoreTotal = 0;
    int32_t MoneyTotal = 0;
    // Placed flag of garden object definitions 1 to 50.
    uint8_t GardenObjects[50]{};
    // Story scene 1 (the introduction) to 6 has been shown.
    uint8_t StoryScenesSeen[6]{};
    // Trophies 1 to 20 in the order of TTrophyKind.
    uint8_t TrophiesEarned[TrophyCount]{};
    // Flowers found, locker frames cleared, fruits matched, spiders caught, worms removed.
    int32_t TrophyCounters[5]{};
    uint8_t IslandsEntered[5]{};
    uint8_t IslandsOpen[6]{};  // islands 1 to 5 and the garden island
    uint8_t IslandOpeningShown[5]{};
    int32_t LastIsland = 0;  // the island last shown on the map
    int32_t LastSelectedLevels[ProgressIslandCount]{};
    int32_t MagicKeys = 0;
    int32_t Brooms = 0;
    int32_t Aerosols = 0;
    // One flag per island and level: [island - 1][level - 1].
    uint8_t BonusStagesPlayed[ProgressIslandCount][ProgressLevelsPerIsland]{};
    uint8_t IncentivesShown[ProgressIslandCount][ProgressLevelsPerIsland]{};
    uint8_t PlantsAnnounced[ProgressIslandCount][ProgressLevelsPerIsland]{};
    uint8_t UnlockedToolLevel = 0;  // TToolKind ordinal
    // Shop pages 1 to 4, slots 1 to 16: two bytes each (unlocked, bought).
    uint8_t ShopBlock[128]{};
    uint8_t ShopPage = 0;  // the shop page to show first
    uint8_t TutorialStepsShown[19]{};
    uint8_t TutorialEnabled = 0;
    uint8_t GardenTipShown = 0;
    uint8_t ShopTipShown = 0;
    uint8_t RelaxedMode = 0;  // TRelaxedMode ordinal
    uint8_t Padding = 0;

    friend bool operator==(const TProgressRecord&, const TProgressRecord&) = default;
};

// The values a new player starts with, as each block's owner sets them when it
// is created: no best times, zero totals, islands 1 and 6 open, level 1
// selected on every island, three of each tool, no tool unlocked, the shop on
// its first page, the tutorial switched on, the relaxed mode not yet asked.
TProgressRecord InitialProgressRecord();

// Field by field at the file's offsets, little-endian.
TProgressRecordBytes EncodeProgressRecord(const TProgressRecord& Record);
// Decodes the first record of Bytes; false (Record unchanged) when Bytes is
// shorter than a record.
bool DecodeProgressRecord(std::span<const uint8_t> Bytes, TProgressRecord& Record);

// The enumerations of the record as their owners may use them: a byte outside
// the enumeration counts as its first value.
TRelaxedMode RelaxedModeOf(const TProgressRecord& Record);
TToolKind UnlockedToolKindOf(const TProgressRecord& Record);
