// The one place where the editor's cp932 texts meet the system's UTF-16 ones. Code page 932
// is named explicitly, so the editor shows Japanese on a Windows of any language.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

// cp932 bytes to UTF-16.
std::wstring Cp932ToWide(const char* text);

// UTF-16 to cp932, whole. Characters cp932 lacks become "?".
std::string WideToCp932(const wchar_t* text);

// UTF-16 to cp932 into out (size bytes, size >= 1), cut without splitting a double-byte
// character. Characters cp932 lacks become "?". Returns the byte length.
size_t WideToCp932(const wchar_t* text, char* out, size_t size);

template <size_t N> size_t WideToCp932(const wchar_t* text, char (&out)[N]) {
    return WideToCp932(text, out, N);
}

// UTF-16 to cp932 into out (size bytes), only when cp932 spells every character as it is
// (no "?", no look-alike) and the whole text fits: a path changed either way names another
// file. Returns the byte length, or -1 with out empty.
int WideToCp932Exact(const wchar_t* text, char* out, size_t size);

// Window texts as cp932.
void SetWindowTextCp932(HWND window, const char* text);
size_t GetWindowTextCp932(HWND window, char* out, size_t size);
