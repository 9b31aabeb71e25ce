// The round's fruit worms. Each step sits at its place in the round; the worms
// come with the fruit worms.
#include "FormMainClass.h"

void TFormMain::ResetWormsForRound() {}
void TFormMain::FrameWorms() {}
// A shuffle, a won round's ending or time up: every worm leaves the board.
void TFormMain::RemoveWorms() {}
void TFormMain::ApplyPauseToWorms(bool /*Visible*/) {}
// A landed fruit brings the next wave of worms closer.
void TFormMain::CountLandedFruitForWorms() {}
