#include "sub_class.h"

#include "dispatch.h"
#include "map_automation_win.h"
#include "cp932_text.h"
#include "window_text.h"

namespace {

WNDPROC g_previous = nullptr;
BridgeState* g_state = nullptr;
BridgeHost* g_host = nullptr;

LRESULT OnCartolink(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // wParam carries a registered number (32 bits); lParam a sign-extended character code.
    if (dispatchCartolink(g_state, *g_host, static_cast<uint32_t>(wParam), static_cast<intptr_t>(lParam)) ==
        0)
        return 0;
    return CallWindowProcW(g_previous, window, message, wParam, lParam);
}

} // namespace

uintptr_t Win32BridgeHost::FindWindowByTitle(const char* title) {
    return reinterpret_cast<uintptr_t>(FindWindowW(nullptr, cp932ToWide(title).c_str()));
}

int Win32BridgeHost::PostToWindow(uintptr_t window, uint32_t message, uint32_t wParam, intptr_t lParam) {
    BOOL posted = PostMessageW(reinterpret_cast<HWND>(window), message, wParam, lParam);
    return posted ? 0 : -1;
}

void Win32BridgeHost::ShowBox(const char* text, const char* title, UINT icon) {
    ++boxes_;
    MessageBoxW(form_, cp932ToWide(text).c_str(), cp932ToWide(title).c_str(), MB_OK | icon);
    --boxes_;
}

void Win32BridgeHost::ShowInformation(const char* text, const char* title) {
    ShowBox(text, title, MB_ICONINFORMATION);
}

void Win32BridgeHost::ShowWarning(const char* text, const char* title) {
    ShowBox(text, title, MB_ICONEXCLAMATION);
}

void Win32BridgeHost::ShowIdentifier(const char* identifier) {
    if (text1_ != nullptr) SetWindowTextW(text1_, cp932ToWide(identifier).c_str());
}

std::unique_ptr<MapAutomation> Win32BridgeHost::GetMapObject(const char* identifier) {
    return CreateDispatchMap(identifier, CLSCTX_SERVER);
}

std::unique_ptr<MapAutomation> Win32BridgeHost::CreateMapObject(const char* identifier) {
    // A server that was still starting up gets a second chance, out of process.
    return CreateDispatchMap(identifier, CLSCTX_LOCAL_SERVER);
}

int SubClass_Register(BridgeState* state) {
    return registerMapLinkMessagesWithSystem(&state->messages);
}

int SubClass_Install(HWND window, BridgeState* state, BridgeHost* host) {
    if (window == nullptr || state == nullptr || host == nullptr) return -1;
    g_state = state;
    g_host = host;
    g_previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
    if (g_previous == nullptr) return -1;
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubClass_WindowProc));
    return 0;
}

void SubClass_Restore(HWND window) {
    if (g_previous == nullptr) return;
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_previous));
}

WNDPROC SubClass_PreviousProcedure() {
    return g_previous;
}

LRESULT CALLBACK SubClass_WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // The protocol's number is registered at run time, so it cannot be a case label.
    if (g_state != nullptr && message != 0 && message == g_state->messages.WM_CARTOLINK)
        return OnCartolink(window, message, wParam, lParam);
    return CallWindowProcW(g_previous, window, message, wParam, lParam);
}
