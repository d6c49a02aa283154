// Names of files dropped on a window, as cp932.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <cstddef>

// Longest dropped name taken, in bytes.
constexpr size_t kDroppedNameBytes = 255;

// The last of the dropped names, in the order the system lists them, and the drop data
// released. Only the last one counts. It is refused, with a message, when it is longer than
// 255 bytes or cp932 cannot spell it: cut short or approximated it would name another file.
// Returns false (out empty) when nothing was dropped or the name was refused.
bool TakeLastDroppedName(HDROP drop, char (&out)[kDroppedNameBytes + 1]);
