// Exits 0 when this Wine session can make a top-level window. The test run asks it first:
// a Wine desktop started while the display was not yet answering leaves every later window
// creation failing, and one clear message beats a failure in every window test.
#include <windows.h>

int wmain() {
    HWND window = CreateWindowExW(0, L"STATIC", L"window probe", WS_OVERLAPPED, 0, 0, 40, 20, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    if (window == nullptr) return 1;
    DestroyWindow(window);
    return 0;
}
