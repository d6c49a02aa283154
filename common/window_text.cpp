#include "window_text.h"

#include "cp932_text.h"

void SetWindowTextCp932(HWND window, const char* text) {
    SetWindowTextW(window, cp932ToWide(text).c_str());
}

void SetItemCp932(HWND dialog, int id, const char* text) {
    SetDlgItemTextW(dialog, id, cp932ToWide(text).c_str());
}

std::wstring GetWindowWide(HWND window) {
    if (window == nullptr) return std::wstring();
    int length = GetWindowTextLengthW(window);
    std::wstring wide(static_cast<size_t>(length) + 1, L'\0');
    int got = GetWindowTextW(window, &wide[0], length + 1);
    wide.resize(static_cast<size_t>(got > 0 ? got : 0));
    return wide;
}

std::wstring GetItemWide(HWND dialog, int id) {
    return GetWindowWide(GetDlgItem(dialog, id));
}

size_t GetWindowTextCp932(HWND window, char* out, size_t size) {
    return wideToCp932Cut(GetWindowWide(window).c_str(), out, size);
}
