#pragma once
// cp932 texts in and out of the point dialogs' controls. Text the user types is narrowed
// strictly: a character that cp932 cannot hold is refused, never replaced by a look-alike.
#include <windows.h>

#include <cstddef>
#include <string>

// Puts cp932 `text` into control `id` of `dialog`.
void SetItemCp932(HWND dialog, int id, const char* text);

// The control's text as the control holds it (UTF-16).
std::wstring GetItemWide(HWND dialog, int id);

// Narrows UTF-16 text to cp932 into `out` (`size` bytes, cut without splitting a double-byte
// character). Returns 1, or -1 when the text holds a character cp932 cannot represent; `out`
// is then empty.
int NarrowStrict(const std::wstring& text, char* out, size_t size);
