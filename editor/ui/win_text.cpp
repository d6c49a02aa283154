#include "win_text.h"

#include "text_bytes.h"

std::wstring Cp932ToWide(const char* text) {
    if (text == nullptr || text[0] == '\0') return std::wstring();
    int n = MultiByteToWideChar(932, 0, text, -1, nullptr, 0);
    if (n <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(932, 0, text, -1, &wide[0], n);
    wide.resize(static_cast<size_t>(n - 1));
    return wide;
}

std::string WideToCp932(const wchar_t* text) {
    if (text == nullptr || text[0] == L'\0') return std::string();
    int n = WideCharToMultiByte(932, 0, text, -1, nullptr, 0, nullptr, nullptr);
    if (n <= 0) return std::string();
    std::string bytes(static_cast<size_t>(n), '\0');
    WideCharToMultiByte(932, 0, text, -1, &bytes[0], n, nullptr, nullptr);
    bytes.resize(static_cast<size_t>(n - 1));
    return bytes;
}

size_t WideToCp932(const wchar_t* text, char* out, size_t size) {
    if (size == 0) return 0;
    return copyTruncated(out, WideToCp932(text).c_str(), size - 1);
}

int WideToCp932Exact(const wchar_t* text, char* out, size_t size) {
    BOOL lossy = FALSE;
    int n = WideCharToMultiByte(932, WC_NO_BEST_FIT_CHARS, text, -1, out, static_cast<int>(size), nullptr,
                                &lossy);
    if (n <= 0 || lossy) {
        if (size > 0) out[0] = '\0';
        return -1;
    }
    return n - 1;
}

void SetWindowTextCp932(HWND window, const char* text) {
    SetWindowTextW(window, Cp932ToWide(text).c_str());
}

size_t GetWindowTextCp932(HWND window, char* out, size_t size) {
    int length = GetWindowTextLengthW(window);
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(window, &wide[0], length + 1);
    return WideToCp932(wide.c_str(), out, size);
}
