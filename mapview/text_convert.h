// Text at the Win32 boundary: cp932 inside MapView, UTF-16 for Windows and automation,
// UTF-8 for the call record. Code page 932 always, never the process's ANSI page.
#pragma once

#include <string>

namespace mapview {

std::wstring WideFromCp932(const std::string& text);
std::string Cp932FromWide(const wchar_t* text, size_t length);
std::string Utf8FromWide(const wchar_t* text, size_t length);
std::string Utf8FromCp932(const std::string& text);
std::wstring WideFromUtf8(const std::string& text);

} // namespace mapview
