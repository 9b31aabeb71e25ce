// Island 2's boss: a low, chubby teal lizard with a rainbow frill and a spiral tail, its tongue curled out while it absorbs.
// Its numbers and part tables are in LizardBossClass.cpp; the behaviour is the
// shared monster's.
#pragma once

#include "BossMonsterClass.h"

class TLizardBoss : public TBossMonster {
public:
    TLizardBoss();
};
