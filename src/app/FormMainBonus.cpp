// The bonus stage offered after chosen levels. Each step sits at its place in
// the round; the stage comes with the bonus stage.
#include "FormMainClass.h"

void TFormMain::ResetBonusForRound() {}
void TFormMain::ApplyPauseToBonus(bool /*Visible*/) {}
bool TFormMain::OfferBonusStage() { return false; }
// The bonus stage's announcement has hidden: the stage starts playing.
void TFormMain::BonusStageHidingComplete() {}
// The stage's closing comment has waved: its result follows.
void TFormMain::BonusStageCommentFinished() {}
// The bonus stage's captions and figures on the result window.
void TFormMain::DrawBonusResult() {}
