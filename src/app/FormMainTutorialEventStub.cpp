// Stands in for the tutorial's event routine until the tools' branch brings it:
// the special objects call it, and nothing is put back yet.
#include "FormMainClass.h"

void TFormMain::TutorialEvent(int32_t /*Island*/, int32_t /*Level*/, int32_t /*Event*/) {}
