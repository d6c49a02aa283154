#include "win_text.h"

#include "maplink_frame.h"

#include <cstring>
#include <vector>

namespace {
constexpr UINT kCodePage = 932;
}

std::wstring Cp932ToWide(const char* text) {
    if (text == nullptr || *text == '\0') return std::wstring();
    int length = MultiByteToWideChar(kCodePage, 0, text, -1, nullptr, 0);
    if (length <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(kCodePage, 0, text, -1, &wide[0], length);
    wide.resize(static_cast<size_t>(length - 1));
    return wide;
}

int WideToCp932(const wchar_t* text, char* out, size_t size) {
    if (out == nullptr || size == 0) return -1;
    out[0] = '\0';
    if (text == nullptr || *text == L'\0') return 0;
    int length = WideCharToMultiByte(kCodePage, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 0) return -1;
    std::vector<char> bytes(static_cast<size_t>(length));
    WideCharToMultiByte(kCodePage, 0, text, -1, bytes.data(), length, nullptr, nullptr);
    size_t used = 0;
    size_t total = static_cast<size_t>(length - 1);
    while (used < total) {
        size_t width = isCp932LeadByte(static_cast<unsigned char>(bytes[used])) ? 2 : 1;
        if (used + width > total || used + width + 1 > size) break;
        used += width;
    }
    memcpy(out, bytes.data(), used);
    out[used] = '\0';
    return static_cast<int>(used);
}

BSTR Cp932ToBstr(const char* text) {
    return SysAllocString(Cp932ToWide(text).c_str());
}
