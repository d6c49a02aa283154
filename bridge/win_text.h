// The one place where the bridge's cp932 texts meet the system's UTF-16 ones.
#pragma once

#include <windows.h>
#include <ole2.h>

#include <cstddef>
#include <string>

// cp932 bytes to UTF-16, always with code page 932 whatever the system's code page is.
std::wstring Cp932ToWide(const char* text);

// UTF-16 to cp932 into out (size bytes), cut without splitting a double-byte character.
// Returns the byte length, or -1 when the text cannot be converted.
int WideToCp932(const wchar_t* text, char* out, size_t size);

// A new BSTR holding the cp932 text; null when out of memory.
BSTR Cp932ToBstr(const char* text);
