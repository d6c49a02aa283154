// Names of files dropped on a window, as cp932.
#pragma once

#include <windows.h>

#include <shellapi.h>

#include <cstddef>

// Longest dropped name taken, in bytes.
constexpr size_t kDroppedNameBytes = 255;

// The last of the dropped names that fits 255 bytes, in the order the system lists them.
// A longer name is passed over: cut short it would name another file. Returns false (out
// empty) when no name was taken. The drop data is not released.
bool LastDroppedName(HDROP drop, char* out, size_t size);
