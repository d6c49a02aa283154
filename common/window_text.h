// Window and control texts as cp932, over the one boundary (cp932_text.h): what every window
// of the three programs uses to show and read its texts.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

void SetWindowTextCp932(HWND window, const char* text);
void SetItemCp932(HWND dialog, int id, const char* text);

// The text as the window holds it (UTF-16).
std::wstring GetWindowWide(HWND window);
std::wstring GetItemWide(HWND dialog, int id);

// The window's text into a cp932 buffer of `size` bytes, lossy and cut (for texts that are
// shown again, never for a path). Returns the byte length.
size_t GetWindowTextCp932(HWND window, char* out, size_t size);
