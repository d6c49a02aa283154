// The one message pump of the in-process and end-to-end tests: it dispatches what this
// thread's windows (and COM) have waiting, and sleeps only until the next message arrives.
#pragma once

#include <windows.h>

#include <functional>

// Dispatches this thread's messages for `milliseconds` (0: only what is waiting now).
void Pump(DWORD milliseconds = 0);

// Pumps until `done` holds (true) or the time is up (false); `done` is asked after every round.
bool WaitUntil(const std::function<bool()>& done, DWORD timeoutMilliseconds);
