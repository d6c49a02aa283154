// Names of files dropped on a window, as cp932.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <cstddef>

// Longest dropped name taken, in bytes.
constexpr size_t kDroppedNameBytes = 255;

// The last of the dropped names, in the order the system lists them, into out (size bytes).
// Only the last one counts. It is refused when it is longer than 255 bytes or cp932 cannot
// spell it: cut short or approximated it would name another file. Returns 1 when taken, 0
// when nothing was dropped, -1 when refused (out empty in both). The drop data is not
// released.
int LastDroppedName(HDROP drop, char* out, size_t size);
