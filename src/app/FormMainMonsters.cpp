// The island's boss monster in a beat-the-monster round. Each step sits at its
// place in the round; the monsters come with the boss monsters.
#include "FormMainClass.h"

void TFormMain::ResetMonstersForRound() {}
// Level start: the island's monster takes the level's monster block and is made ready.
void TFormMain::PrepareMonsterForLevel() {}
// The monsters (only the visible one draws), the aura and the knock-out stars.
void TFormMain::FrameMonsters() {}
// The light streaming from the timer into an absorbing monster.
void TFormMain::FrameAbsorbedEnergy() {}
void TFormMain::ApplyPauseToMonsters(bool /*Visible*/) {}
// The start signal has waved: the monster may begin to absorb.
void TFormMain::MonsterRoundBegun() {}
// Time is up: the monster stops.
void TFormMain::MonsterRoundEnded() {}
