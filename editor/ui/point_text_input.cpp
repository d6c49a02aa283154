#include "point_text_input.h"

#include "text_bytes.h"
#include "win_text.h"

#include <vector>

namespace {

constexpr UINT kCodePage = 932;

} // namespace

void SetItemCp932(HWND dialog, int id, const char* text) {
    SetDlgItemTextW(dialog, id, Cp932ToWide(text).c_str());
}

std::wstring GetItemWide(HWND dialog, int id) {
    HWND control = GetDlgItem(dialog, id);
    if (control == nullptr) return std::wstring();
    int length = GetWindowTextLengthW(control);
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    GetWindowTextW(control, buffer.data(), length + 1);
    return std::wstring(buffer.data());
}

int NarrowStrict(const std::wstring& text, char* out, size_t size) {
    if (size == 0) return -1;
    out[0] = '\0';
    if (text.empty()) return 1;
    int wideLength = static_cast<int>(text.size());
    BOOL usedDefault = FALSE;
    int length = WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, text.data(), wideLength, nullptr, 0,
                                     nullptr, &usedDefault);
    if (length <= 0 || usedDefault) return -1;
    std::vector<char> narrow(static_cast<size_t>(length) + 1, '\0');
    WideCharToMultiByte(kCodePage, WC_NO_BEST_FIT_CHARS, text.data(), wideLength, narrow.data(), length,
                        nullptr, &usedDefault);
    if (usedDefault) return -1;
    copyTruncated(out, narrow.data(), size - 1);
    return 1;
}
