// The level files: one 2276-byte level record per playable level, named by
// island and level ("1-07.qel"). The record holds the objective, the starting
// board and locker frames, the time limit and every tuning value of the round.
// This module reads and writes the record field by field, loads a level for its
// start (telling the player when the file is missing or broken) and scans the
// files for the map.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "BoardDataClass.h"
#include "GameTypesClass.h"

constexpr size_t LevelRecordBytes = 2276;

// Islands 1 to 5 hold levels; the map looks for levels 1 to 30 of each.
constexpr int32_t LevelIslandCount = 5;
constexpr int32_t MaxLevelsPerIsland = 30;
// How many levels island 1 to 5 has: one for each dot the map draws (15, 18, 20, 22, 25); 0 otherwise.
int32_t IslandLevelCount(int32_t Island);

// The level record. The defaults describe a quiet level: no specials, tools or
// enemies, and the safe values the gauges divide by.
struct TLevelRecord {
    TGameObjective Objective = goTargetFruits;
    TBoardData Tiles;                   // kinds, locker kinds and webs; contents are drawn at level start
    TSimpleObjectArray LockerFrames;    // tiles that start inside a locker frame
    int32_t FruitColorCount = 5;        // fruit colours in play
    int32_t Time = 120;                 // time limit in seconds; also gives the medal times
    int32_t FullRequiredFruits = 60;    // landed fruits that fill the shuffle button

    // Refill chances (1 in P for each new locker; 0 or less never) and the most on the board at once.
    int32_t OneUniFruitEveryProb = 0;
    int32_t OneMultiBubbleEveryProb = 0;
    int32_t OneFruitBombEveryProb = 0;
    int32_t OneHammerEveryProb = 0;
    uint8_t MaxUniFruitOnBoard = 1;
    uint8_t MaxMultiBubbleOnBoard = 1;
    uint8_t MaxFruitBombsOnBoard = 1;
    uint8_t MaxHammersOnBoard = 1;
    int32_t OneMagicKeyEveryProb = 0;
    int32_t OneBroomEveryProb = 0;
    int32_t OneAerosolEveryProb = 0;

    // Objective targets.
    int32_t FruitCountTarget = 50;
    int32_t TargetBananas = 0;          // fruit colour 1
    int32_t TargetStrawberries = 0;     // 2
    int32_t TargetApples = 0;           // 3
    int32_t TargetPlums = 0;            // 6
    int32_t TargetGrapes = 0;           // 4
    int32_t TargetOranges = 0;          // 5
    int32_t TargetSpidersToHunt = 0;

    // The island's monster.
    int32_t MonsterEnergy = 60;
    int32_t MonsterRefTimeForAbsorbAttempt = 10000;  // ms
    int32_t MonsterHitsToCancelAbsorbAttempt = 99999;
    int32_t MonsterOneAbsorbedTime = 60;              // seconds taken from the timer
    int32_t MonsterPreparingTime = 3000;              // ms
    int32_t MonsterFinishingTime = 3500;              // ms

    // Flowers, spiders, worms.
    int32_t FlowerSlots = 3;
    int32_t OneFlowerPerLockersMin = 6;
    int32_t OneFlowerPerLockersMax = 10;
    int32_t SpiderFruitsInterval = 0;   // 0 = no spider waves
    int32_t MaxSpidersOnBoard = 2;
    int32_t MaxWebs = 3;
    int32_t OneWebEveryProb = 15;
    int32_t WormFruitsInterval = 0;     // 0 = no worm waves
    int32_t MaxWormsOnBoard = 3;
    int32_t MaxEatenFruits = 3;
    int32_t OneEntryEveryProb = 8;

    TLevelKind LevelKind = lkNormal;

    friend bool operator==(const TLevelRecord&, const TLevelRecord&) = default;
};

// Byte form. Decoding keeps every value as stored (a byte that names no
// enumeration value included) and fails only when fewer than 2276 bytes are given;
// bytes after the first record are ignored. Encoding writes the bytes the game
// does not read as 0 (the monster's absorbing phase, never read, as 7000).
bool DecodeLevelRecord(const uint8_t* Bytes, size_t Size, TLevelRecord& Record);
void EncodeLevelRecord(const TLevelRecord& Record, uint8_t* Bytes);

// Why the game cannot play this record, or "" when it can: an objective, level
// kind, tile kind or worm state that names nothing, a locker kind outside 1 to 3
// on a tile of the board, a fruit colour count outside 1 to 6 (there are six
// fruits), a flower count outside 0 to 6, or a time limit, shuffle count, fruit
// target or monster energy below 1 (the gauges divide by them) or a time limit
// too large to count in milliseconds. Every other value is handed on as it is.
std::string LevelRecordDamage(const TLevelRecord& Record);

// Medal times of a level: Round(Time * 0.65) for silver and Round(Time * 0.4) for gold, halves to even.
int32_t SilverReqTimeFor(int32_t Time);
int32_t GoldReqTimeFor(int32_t Time);

enum class TLevelReadResult { Loaded, NotFound, Unreadable, TooShort, Damaged };

// Reads the level record of a file without telling anybody. Record changes only
// when the result is Loaded; Problem then stays empty, otherwise it holds the
// message the player should see.
TLevelReadResult ReadLevelFile(const std::string& FileName, TLevelRecord& Record, std::string& Problem);

// Level start: reads the file into Record. When the file is missing, cannot be
// read, is shorter than a record or holds values the game cannot play, the player
// is told in a message box ("Level file not found: " + file name, ...), false is
// returned and Record is left as it was.
bool LoadLevelFile(const std::string& FileName, TLevelRecord& Record);

// Writes one record to a file, replacing it whole (written aside, then renamed).
// Error receives the reason on failure.
bool WriteLevelFile(const std::string& FileName, const TLevelRecord& Record, std::string& Error);

// What the map shows of a level. A file that exists but cannot be played still
// shows (Playable false, safe values), so a broken file never hides the levels
// after it; starting it tells the player what is wrong.
struct TLevelSummary {
    bool Exists = false;
    bool Playable = false;
    TGameObjective Objective = goTargetFruits;
    TLevelKind LevelKind = lkNormal;
    int32_t Time = 0;
    int32_t SilverReqTime = 0;
    int32_t GoldReqTime = 0;
};

TLevelSummary ScanLevelFile(const std::string& FileName);
// The level file of island 1 to 5, level 1 to 30, in LevelsFolder.
TLevelSummary ScanLevel(int32_t Island, int32_t Level);
