// The round's special objects: uni fruits, hammers, bombs, blasters and the
// flower row. Each step sits at its place in the round; their objects come with
// the special objects.
#include "FormMainClass.h"

// Level start: tools back on the wall, their flights and the specials' effects cleared.
void TFormMain::ResetSpecialsForRound() {}
// Level start: the tools on offer and the flower row of a find-flowers level.
void TFormMain::ConfigureSpecialsForLevel() {}
void TFormMain::FrameFlowerRow() {}
void TFormMain::FrameHammeredObjects() {}
// The hammer's, the locker frames' and the fairy's shines.
void TFormMain::FrameSpecialShines() {}
void TFormMain::FrameHammerBlasterBomb() {}
void TFormMain::FrameUniBubble() {}
void TFormMain::FrameNewFlowerAndStars() {}
void TFormMain::ApplyPauseToSpecials(bool /*Visible*/) {}
void TFormMain::ShineAtTile(TPoint /*TilePos*/) {}
// A hammer, hammered objects or a blaster are at work: the board takes no press.
bool TFormMain::SpecialEffectRunning() const { return false; }
