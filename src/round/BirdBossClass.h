// Island 1's boss: a plump coral-red bird on long thin legs, wings spread when it faces the player.
// Its numbers and part tables are in BirdBossClass.cpp; the behaviour is the
// shared monster's.
#pragma once

#include "BossMonsterClass.h"

class TBirdBoss : public TBossMonster {
public:
    TBirdBoss();
};
