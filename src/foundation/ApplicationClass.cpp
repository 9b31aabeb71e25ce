#include "ApplicationClass.h"

namespace {
bool TerminateRequested = false;
}

void RequestApplicationTerminate() { TerminateRequested = true; }
bool ApplicationTerminateRequested() { return TerminateRequested; }
void ResetApplicationTerminate() { TerminateRequested = false; }
