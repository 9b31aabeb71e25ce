// The decorations: dust, small fairies, shines, bubbles, butterflies, screen
// dust and confetti, each at its place in the round's frame, and the splash
// screen's and the menus' own. They come with the decorative effects and change
// nothing of the game.
#include "FormMainClass.h"

void TFormMain::ResetDecorationsForRound() {}
// Level start: the board's shine is prepared, butterflies and small fairies are chosen.
void TFormMain::PrepareDecorationsForLevel() {}
void TFormMain::FrameDecorationsBack() {}
void TFormMain::FrameDecorationsMiddle() {}
void TFormMain::FrameDecorationsFront() {}
void TFormMain::FrameGlobalShine() {}
// The start signal has waved: the board's shine begins its sweeps.
void TFormMain::StartGlobalShine() {}
void TFormMain::FrameBounceDust() {}
void TFormMain::BounceDustAt(int32_t /*X*/, int32_t /*Y*/, int32_t /*Kind*/) {}
void TFormMain::FrameFlowerButterflies() {}
void TFormMain::FrameGardenButterflies() {}
void TFormMain::FrameTubeBubbles() {}
void TFormMain::FrameShuffleBubbles() {}
void TFormMain::FrameShuffleShine() {}
// The shuffle button has filled: its shine flashes.
void TFormMain::ShuffleButtonFull() {}
void TFormMain::FrameScreenDust() {}
void TFormMain::FrameConfetti() {}
void TFormMain::StartConfettiFireworks(TPoint /*From*/) {}
void TFormMain::StartTrophyWindowShine(TPoint /*Centre*/) {}
void TFormMain::FrameTrophyWindowShine() {}
void TFormMain::FrameStoryBounceDust() {}
void TFormMain::ShowStorySmallFairies(int32_t /*Count*/) {}
void TFormMain::FrameStorySmallFairies() {}
// The cabinet's shine starts again on entry; it asks CabinetShinePlace where to go.
void TFormMain::ResetCabinetShine() {}
void TFormMain::FrameCabinetShine() {}
void TFormMain::StartMedalShine(TMedalKind /*Medal*/) {}
void TFormMain::StopMedalShine() {}
void TFormMain::FrameMedalShine() {}
void TFormMain::FrameScoringDust() {}
void TFormMain::ScoringDustAt(int32_t /*X*/, int32_t /*Y*/) {}
void TFormMain::ResetScoringDust() {}
// Nothing of the last scene's confetti or dust follows into the garden.
void TFormMain::ResetConfetti() {}
void TFormMain::ApplyPauseToDecorations(bool /*Visible*/) {}
// The map's sun rays and drifting clouds, the level selection's clouds.
void TFormMain::FrameSunShine() {}
void TFormMain::FrameMapClouds() {}
void TFormMain::FrameGardenClouds() {}
// The shine round the right-hand corner button of the map and the level selection.
void TFormMain::PlaceGeneralShine(int32_t /*X*/, int32_t /*Y*/) {}
void TFormMain::FrameGeneralShine() {}
// The level panel's medal shine: started at 0.7 of its size, kept on the swinging medal.
void TFormMain::StartLevelMedalShine(TMedalKind /*Medal*/) {}
void TFormMain::PlaceMedalShine(int32_t /*X*/, int32_t /*Y*/) {}
// The splash screen: clouds, sea and glints over its picture, and the florist
// flying in once the loading is nearly done.
void TFormMain::FrameSplashClouds() {}
void TFormMain::FrameSplashWave() {}
void TFormMain::FrameSplashWaterBlinks() {}
void TFormMain::StartSplashFlorist() {}
bool TFormMain::SplashFloristDustPoint(TPoint& /*Point*/) const { return false; }
void TFormMain::FrameSplashFlorist() {}
// The menu's play button shines; the garden's small fairies fly with their dust.
void TFormMain::FramePlayShine() {}
void TFormMain::FrameGardenBounceDust() {}
void TFormMain::FrameGardenSmallFairies() {}
