// A bridge that never ends when asked: a window titled "Cartolink" that ignores WM_CLOSE.
// It ends by itself after 30 seconds so that no test run leaves it behind.
#include <windows.h>

namespace {

LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CLOSE) return 0;
    if (message == WM_TIMER) PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
}

} // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSW type = {};
    type.lpfnWndProc = Proc;
    type.hInstance = instance;
    type.lpszClassName = L"MapLinkStuckBridge";
    RegisterClassW(&type);
    HWND window = CreateWindowExW(0, type.lpszClassName, L"Cartolink", WS_OVERLAPPED, 0, 0, 100, 100, nullptr,
                                  nullptr, instance, nullptr);
    SetTimer(window, 1, 30000, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}
