// Level dots over made-up islands: each island has the given number of level
// files, every level the same time limit unless a test says otherwise, so the
// rules of progress can be tried without the game's data.
#pragma once

#include <cstdint>
#include <initializer_list>

#include "LevelDotsClass.h"
#include "LevelFileClass.h"

struct TFakeIslands {
    int32_t Levels[TLevelDots::IslandCount] = {15, 0, 0, 0, 0};
    int32_t Time = 100;  // silver within 65 s, gold within 40 s
    TGameObjective Objective = goTargetFruits;

    TLevelSummary operator()(int32_t Island, int32_t Level) const {
        TLevelSummary Summary;
        if (Level > Levels[Island - 1]) return Summary;
        Summary.Exists = true;
        Summary.Playable = true;
        Summary.Objective = Objective;
        Summary.Time = Time;
        Summary.SilverReqTime = SilverReqTimeFor(Time);
        Summary.GoldReqTime = GoldReqTimeFor(Time);
        return Summary;
    }
};

// Dots over Islands with the given levels of Island completed (each in Seconds).
inline void CompleteLevels(TLevelDots& Dots, int32_t Island, std::initializer_list<int32_t> Levels,
                           int32_t Seconds = 50) {
    TProgressRecord Record = InitialProgressRecord();
    Dots.StoreSaved(Record);
    for (int32_t Level : Levels) Record.BestTimes[Island - 1][Level - 1] = Seconds;
    Dots.LoadSaved(Record);
}
