#include "sub_class.h"

#include "cartolink_form.h"
#include "map_automation_win.h"
#include "cp932_text.h"
#include "window_text.h"

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
    if (text1_ != nullptr) SetWindowTextCp932(text1_, identifier);
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

WNDPROC SubClass_Install(HWND window) {
    if (window == nullptr) return nullptr;
    auto previous = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC));
    if (previous == nullptr) return nullptr;
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SubClass_WindowProc));
    return previous;
}

void SubClass_Restore(HWND window, WNDPROC previous) {
    if (window == nullptr || previous == nullptr) return;
    SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(previous));
}

LRESULT CALLBACK SubClass_WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CartolinkForm* form = CartolinkForm::OfWindow(window);
    if (form == nullptr) return DefWindowProcW(window, message, wParam, lParam);
    return form->SubClassMessage(message, wParam, lParam);
}
