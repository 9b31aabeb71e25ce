// The round's crawling spiders and their webs. Each step sits at its place in
// the round; the spiders come with the spiders and webs.
#include "FormMainClass.h"

void TFormMain::ResetSpidersForRound() {}
// The web tearings, then the spiders.
void TFormMain::FrameWebsAndSpiders() {}
// A shuffle, a won round's ending or time up: every spider leaves the board.
void TFormMain::RemoveSpiders() {}
// The round is cleared: a spider hunt brings no more spiders.
void TFormMain::StopSpiderHunt() {}
// The shuffled board is in place: a spider hunt starts again on it.
void TFormMain::RestartSpiderHunt() {}
void TFormMain::ApplyPauseToSpiders(bool /*Visible*/) {}
// A landed fruit brings the next wave of spiders closer (not in a hunt).
void TFormMain::CountLandedFruitForSpiders() {}
