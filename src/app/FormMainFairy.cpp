// The fairy in the round: she hovers by the board, perches on it, shuffles,
// hints and mends eaten fruit. Each step sits at its place in the round; she
// comes with the fairy assistant.
#include "FormMainClass.h"
#include "TutorialEventsClass.h"

void TFormMain::ResetFairyForRound() {}
// Level start: visible except in the monster levels of islands 1 to 4.
void TFormMain::ShowFairyForLevel() {}
// Her dust and her back part while she is behind the board.
void TFormMain::FrameFairyBehind() {}
void TFormMain::FrameFairyInFront() {}
void TFormMain::ApplyPauseToFairy(bool /*Visible*/) {}
// On island 1 level 1 she arrives as the objective is announced.
void TFormMain::FairyIntroducesHerself() {}
// The clear comment has waved: she leaves at the top right.
void TFormMain::FairyLeavesRound() {}
// The board has no move left: she gets off it before the shuffle.
void TFormMain::FairyLeavesBoard() {}
bool TFormMain::FairyVisible() const { return false; }
// The round has no fairy of its own yet, so she is never busy; with her, her own TFairy is asked.
bool TFormMain::FairyIsFree() const { return FairyFreeForTutorial(nullptr); }
bool TFormMain::FairyMouseDown(TMouseButton /*Button*/, int32_t /*X*/, int32_t /*Y*/) { return false; }
// A full shuffle button while she is visible: she waves the shuffle in.
void TFormMain::FairyOrderShuffle() {}
