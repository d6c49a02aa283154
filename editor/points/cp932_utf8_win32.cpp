#include "cp932_utf8.h"

#include <windows.h>

namespace {

std::wstring widen(UINT codePage, DWORD flags, const std::string& text, bool& ok) {
    ok = true;
    if (text.empty()) return std::wstring();
    int n = MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (n <= 0) {
        ok = false;
        return std::wstring();
    }
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(codePage, flags, text.data(), static_cast<int>(text.size()), &wide[0], n);
    return wide;
}

} // namespace

std::string cp932ToUtf8(const std::string& text) {
    bool ok = false;
    std::wstring wide = widen(932, 0, text, ok);
    if (wide.empty()) return std::string();
    int n = WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr,
                                nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide.data(), static_cast<int>(wide.size()), &out[0], n, nullptr, nullptr);
    return out;
}

bool utf8ToCp932(const std::string& text, std::string& out) {
    out.clear();
    bool ok = false;
    std::wstring wide = widen(CP_UTF8, MB_ERR_INVALID_CHARS, text, ok);
    if (!ok) return false;
    if (wide.empty()) return true;
    BOOL lossy = FALSE;
    // No best-fit mapping: a character cp932 lacks is refused, not turned into another.
    int n = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), nullptr, 0,
                                nullptr, &lossy);
    if (n <= 0 || lossy) return false;
    out.assign(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, wide.data(), static_cast<int>(wide.size()), &out[0], n, nullptr,
                        nullptr);
    return true;
}
