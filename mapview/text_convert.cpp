#include "text_convert.h"

#include <windows.h>

namespace mapview {

namespace {

constexpr UINT kCp932 = 932;

std::wstring ToWide(UINT codePage, const std::string& text) {
    if (text.empty()) return std::wstring();
    const int n = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (n <= 0) return std::wstring();
    std::wstring out(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), &out[0], n);
    return out;
}

std::string FromWide(UINT codePage, const wchar_t* text, size_t length) {
    if (text == nullptr || length == 0) return std::string();
    const int n =
        WideCharToMultiByte(codePage, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
    if (n <= 0) return std::string();
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(codePage, 0, text, static_cast<int>(length), &out[0], n, nullptr, nullptr);
    return out;
}

} // namespace

std::wstring WideFromCp932(const std::string& text) {
    return ToWide(kCp932, text);
}
std::string Cp932FromWide(const wchar_t* text, size_t length) {
    return FromWide(kCp932, text, length);
}
std::string Utf8FromWide(const wchar_t* text, size_t length) {
    return FromWide(CP_UTF8, text, length);
}
std::wstring WideFromUtf8(const std::string& text) {
    return ToWide(CP_UTF8, text);
}

std::string Utf8FromCp932(const std::string& text) {
    const std::wstring wide = WideFromCp932(text);
    return Utf8FromWide(wide.data(), wide.size());
}

} // namespace mapview
