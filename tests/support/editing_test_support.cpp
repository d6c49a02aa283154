#include "editing_test_support.h"

#include "editing_dialog_driver.h"

#include <commctrl.h>

#include <vector>

namespace editing_test {

COLORREF TestMarkIcons::ColourOf(int index) {
    return RGB(index * 4, 250 - index * 4, (index * 37) % 200);
}

HICON TestMarkIcons::Make(int index) {
    if (index < 0 || index >= kCount) return nullptr;
    constexpr int kSize = 32;
    HDC screen = GetDC(nullptr);
    HBITMAP colour = CreateCompatibleBitmap(screen, kSize, kSize);
    HDC dc = CreateCompatibleDC(screen);
    HGDIOBJ old = SelectObject(dc, colour);
    HBRUSH brush = CreateSolidBrush(ColourOf(index));
    RECT all{0, 0, kSize, kSize};
    FillRect(dc, &all, brush);
    DeleteObject(brush);
    SelectObject(dc, old);
    DeleteDC(dc);
    ReleaseDC(nullptr, screen);
    // An all-zero AND mask: every pixel opaque.
    std::vector<BYTE> maskBits(kSize * kSize / 8, 0);
    HBITMAP mask = CreateBitmap(kSize, kSize, 1, 1, maskBits.data());
    ICONINFO info{TRUE, 0, 0, mask, colour};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(colour);
    return icon;
}

int TestMarkIcons::IndexOf(HICON icon) {
    if (icon == nullptr) return -1;
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return -1;
    BITMAP bitmap{};
    GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, info.hbmColor);
    COLORREF centre = GetPixel(dc, bitmap.bmWidth / 2, bitmap.bmHeight / 2);
    SelectObject(dc, old);
    DeleteDC(dc);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    for (int k = 0; k < kCount; ++k) {
        if (ColourOf(k) == centre) return k;
    }
    return -1;
}

void BoxNotifier::showMessage(const char* text) {
    MessageBoxW(GetActiveWindow(), Wide(text).c_str(), ExeTitle().c_str(), MB_OK | MB_ICONEXCLAMATION);
}

void InitControls() {
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
}

} // namespace editing_test
