// The find dialog (IDD_FIND, "検索"): asks for the text to look for.
#pragma once

#include <windows.h>

#include <cstddef>

// Room for the text looked for, as cp932 bytes with the terminator.
constexpr size_t kFindTextBytes = 64;

// Runs the dialog modally over `owner`, showing `text` (cp932) selected; on 次を検索 the box's
// text goes back into `text` and the result is true.
bool AskFindText(HWND owner, char (&text)[kFindTextBytes]);
