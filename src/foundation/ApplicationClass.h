// The application's lifetime: a request to terminate is honoured the next time
// the message loop runs, so the current event finishes first.
#pragma once

void RequestApplicationTerminate();
bool ApplicationTerminateRequested();
// Clears the request (a new form in the same process, as tests make).
void ResetApplicationTerminate();
