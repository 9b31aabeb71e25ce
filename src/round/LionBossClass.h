// Island 5's boss: a plush sand-gold lion with a star-gold to flame-orange mane and a crystal tail tuft, sitting up with its paws raised when it faces the player.
// Its numbers and part tables are in LionBossClass.cpp; the behaviour is the
// shared monster's.
#pragma once

#include "BossMonsterClass.h"

class TLionBoss : public TBossMonster {
public:
    TLionBoss();
};
