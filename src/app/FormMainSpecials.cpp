// The round's special objects and tools: uni fruits, hammers, bombs, blasters,
// the flower row, and the magic key, broom and aerosol with their wall and their
// flights. Each step sits at its place in the round; their objects come with
// the special objects and tools.
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
// The tools hanging on the left panel, then their counts.
void TFormMain::FrameToolIcons() {}
// The tools in hand, then the tools flying to the wall.
void TFormMain::FrameToolsInHand() {}
void TFormMain::ApplyPauseToSpecials(bool /*Visible*/) {}
// The round is over: a tool in hand goes back to the wall and no tool can be taken.
void TFormMain::WithdrawTools() {}
bool TFormMain::ToolInHand() const { return false; }
void TFormMain::ShineAtTile(TPoint /*TilePos*/) {}
// A hammer, hammered objects or a blaster are at work: the board takes no press.
bool TFormMain::SpecialEffectRunning() const { return false; }
bool TFormMain::ToolsMouseDown(TMouseButton /*Button*/, int32_t /*X*/, int32_t /*Y*/) { return false; }
void TFormMain::ToolsMouseMove(int32_t /*X*/, int32_t /*Y*/) {}
