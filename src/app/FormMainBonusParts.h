// The main form's bonus stage: the levels that offer it and their played flags,
// the ladybugs, the stopwatch, the BONUS row with its flying letters, the comic
// words and the flash at each hit, and the figures of its result window. The
// main form owns one of each for the whole run.
#pragma once

#include <memory>

#include "AcquiredBonusLettersClass.h"
#include "BonusAnimalsClass.h"
#include "BonusResultStatsClass.h"
#include "BonusStageManagerClass.h"
#include "BonusStageTimerClass.h"
#include "FlowingBonusLettersClass.h"
#include "ShineEffectClass.h"
#include "SpriteTextEffectClass.h"

struct TRoundBonus {
    std::unique_ptr<TBonusStageManager> Manager;
    std::unique_ptr<TBonusAnimals> Animals;
    std::unique_ptr<TBonusStageTimer> Clock;
    std::unique_ptr<TAcquiredBonusLetters> Letters;
    std::unique_ptr<TFlowingBonusLetters> FlyingLetters;
    std::unique_ptr<TSpriteTextEffect> Words;
    std::unique_ptr<TShineEffect> Shine;
    std::unique_ptr<TBonusResultStats> Stats;
};
