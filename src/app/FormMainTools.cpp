// The round's tools: the magic key, broom and aerosol on the left panel's wall,
// in hand and flying back. Each step sits at its place in the round; their
// objects come with the tools.
#include "FormMainClass.h"

// The tools hanging on the left panel, then their counts.
void TFormMain::FrameToolIcons() {}
// The tools in hand, then the tools flying to the wall.
void TFormMain::FrameToolsInHand() {}
// The round is over: a tool in hand goes back to the wall and no tool can be taken.
void TFormMain::WithdrawTools() {}
bool TFormMain::ToolInHand() const { return false; }
bool TFormMain::ToolsMouseDown(TMouseButton /*Button*/, int32_t /*X*/, int32_t /*Y*/) { return false; }
void TFormMain::ToolsMouseMove(int32_t /*X*/, int32_t /*Y*/) {}
