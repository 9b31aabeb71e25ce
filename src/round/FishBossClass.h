// Island 4's boss: a round aqua fish upright on stubby frog legs, with golden fins, whiskers and a violet quiff; it puffs up round while it absorbs.
// Its numbers and part tables are in FishBossClass.cpp; the behaviour is the
// shared monster's.
#pragma once

#include "BossMonsterClass.h"

class TFishBoss : public TBossMonster {
public:
    TFishBoss();
};
