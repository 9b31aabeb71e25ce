// The menu screens the round reaches through its in-game menu: the options and
// the help. They come with the menu screens; until then the buttons do nothing,
// so the round is never left in a scene it cannot come back from.
#include "FormMainClass.h"

void TFormMain::OpenInGameOptions() {}
void TFormMain::OpenInGameHelp() {}
