#include "cp932_text.h"

#include <windows.h>

namespace {

constexpr UINT kCp932 = 932;

std::wstring toWide(UINT codePage, const char* text, size_t length) {
    if (text == nullptr || length == 0) return std::wstring();
    int n = MultiByteToWideChar(codePage, 0, text, static_cast<int>(length), nullptr, 0);
    if (n <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(codePage, 0, text, static_cast<int>(length), &wide[0], n);
    return wide;
}

// Exact: no best-fit mapping, so a character cp932 lacks is refused, not turned into another.
bool narrowExact(const wchar_t* text, size_t length, std::string& out) {
    out.clear();
    if (length == 0) return true;
    BOOL lossy = FALSE;
    int n = WideCharToMultiByte(kCp932, WC_NO_BEST_FIT_CHARS, text, static_cast<int>(length), nullptr, 0,
                                nullptr, &lossy);
    if (n <= 0 || lossy) return false;
    out.assign(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(kCp932, WC_NO_BEST_FIT_CHARS, text, static_cast<int>(length), &out[0], n, nullptr,
                        &lossy);
    if (!lossy) return true;
    out.clear();
    return false;
}

} // namespace

std::wstring cp932ToWide(const char* text, size_t length) {
    if (text == nullptr || length == 0) return std::wstring();
    int n = MultiByteToWideChar(kCp932, MB_ERR_INVALID_CHARS, text, static_cast<int>(length), nullptr, 0);
    if (n > 0) return toWide(kCp932, text, length);
    // Windows maps a byte that is no character to a real one ("・"); like the POSIX side,
    // each such byte becomes U+FFFD, and the byte after it is read afresh.
    std::wstring wide;
    for (size_t i = 0; i < length;) {
        size_t width = isCp932LeadByte(static_cast<unsigned char>(text[i])) && i + 1 < length ? 2 : 1;
        wchar_t unit[2];
        int got = MultiByteToWideChar(kCp932, MB_ERR_INVALID_CHARS, text + i, static_cast<int>(width), unit, 2);
        if (got > 0) {
            wide.append(unit, static_cast<size_t>(got));
            i += width;
        } else {
            wide += L'\xFFFD';
            ++i;
        }
    }
    return wide;
}

std::wstring cp932ToWide(const char* text) {
    return text == nullptr ? std::wstring() : cp932ToWide(text, strlen(text));
}

bool wideToCp932(const wchar_t* text, size_t length, std::string& out, Cp932Fit fit, size_t* replaced) {
    if (replaced != nullptr) *replaced = 0;
    if (narrowExact(text, length, out)) return true;
    if (fit == Cp932Fit::Exact) return false;
    // Character by character, a surrogate pair counting one, so each character that cannot
    // be spelt becomes one "?" as it does on every system.
    std::string piece;
    for (size_t i = 0; i < length;) {
        size_t width = (text[i] >= 0xD800 && text[i] <= 0xDBFF && i + 1 < length && text[i + 1] >= 0xDC00 &&
                        text[i + 1] <= 0xDFFF)
                           ? 2
                           : 1;
        if (narrowExact(text + i, width, piece)) {
            out += piece;
        } else {
            out += '?';
            if (replaced != nullptr) ++*replaced;
        }
        i += width;
    }
    return true;
}

std::string wideToCp932Lossy(const wchar_t* text, size_t length) {
    std::string out;
    wideToCp932(text, length, out, Cp932Fit::Lossy);
    return out;
}

std::string wideToCp932Lossy(const wchar_t* text) {
    return text == nullptr ? std::string() : wideToCp932Lossy(text, wcslen(text));
}

size_t wideToCp932Cut(const wchar_t* text, char* out, size_t size) {
    if (size == 0) return 0;
    return copyTruncated(out, wideToCp932Lossy(text).c_str(), size - 1);
}

int wideToCp932Exact(const wchar_t* text, char* out, size_t size) {
    std::string narrow;
    bool spelt = text != nullptr && wideToCp932(text, wcslen(text), narrow);
    if (!spelt || narrow.size() + 1 > size || narrow.find('\0') != std::string::npos) {
        if (size > 0) out[0] = '\0';
        return -1;
    }
    memcpy(out, narrow.c_str(), narrow.size() + 1);
    return static_cast<int>(narrow.size());
}

std::string wideToUtf8(const wchar_t* text, size_t length) {
    if (text == nullptr || length == 0) return std::string();
    int n = WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), nullptr, 0, nullptr, nullptr);
    if (n <= 0) return std::string();
    std::string out(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(CP_UTF8, 0, text, static_cast<int>(length), &out[0], n, nullptr, nullptr);
    return out;
}

std::wstring utf8ToWide(const std::string& text) {
    return toWide(CP_UTF8, text.data(), text.size());
}

std::string cp932ToUtf8(const std::string& text) {
    std::wstring wide = cp932ToWide(text);
    return wideToUtf8(wide.data(), wide.size());
}

bool utf8ToCp932(const std::string& text, std::string& out, Cp932Fit fit, size_t* replaced) {
    out.clear();
    if (replaced != nullptr) *replaced = 0;
    if (text.empty()) return true;
    int n = MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()),
                                nullptr, 0);
    if (n <= 0 && fit == Cp932Fit::Exact) return false;
    // Ill-formed UTF-8 decodes to U+FFFD, which cp932 lacks: one "?" in the lossy fit.
    std::wstring wide = utf8ToWide(text);
    return wideToCp932(wide.data(), wide.size(), out, fit, replaced);
}
