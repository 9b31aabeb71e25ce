// Island 3's boss: a bulky chestnut ape on its knuckles with comically small wings, drumming its chest when it faces the player.
// Its numbers and part tables are in KongBossClass.cpp; the behaviour is the
// shared monster's.
#pragma once

#include "BossMonsterClass.h"

class TKongBoss : public TBossMonster {
public:
    TKongBoss();
};
