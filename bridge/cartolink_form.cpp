#include "cartolink_form.h"

#include "bridge_texts.h"
#include "cp932_text.h"
#include "dispatch.h"
#include "window_object.h"

#include <cstring>

namespace {

const wchar_t kFormClass[] = L"CartolinkForm";

int RegisterFormClass(HINSTANCE instance, WNDPROC procedure) {
    WNDCLASSEXW windowClass = {};
    if (GetClassInfoExW(instance, kFormClass, &windowClass)) return 0;
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    windowClass.lpszClassName = kFormClass;
    return RegisterClassExW(&windowClass) ? 0 : -1;
}

HWND CreateControl(HWND form, const wchar_t* className, const wchar_t* text, DWORD style, int x, int y,
                   int width, int height, int id, HINSTANCE instance) {
    HWND control =
        CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, form,
                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
    if (control != nullptr)
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), 0);
    return control;
}

} // namespace

HWND CartolinkForm::Create(HINSTANCE instance) {
    if (RegisterFormClass(instance, FormProc) < 0) return nullptr;
    RECT frame = {0, 0, 280, 76};
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    AdjustWindowRect(&frame, style, FALSE);
    HWND form = CreateWindowExW(0, kFormClass, cp932ToWide(kBridgeWindowTitle).c_str(), style, CW_USEDEFAULT,
                                CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                nullptr, instance, this);
    if (form == nullptr) return nullptr;
    CreateControl(form, L"EDIT", L"", WS_BORDER | ES_AUTOHSCROLL, 12, 12, 256, 22, kText1Id, instance);
    CreateControl(form, L"BUTTON", cp932ToWide(kCommand1Caption).c_str(), BS_PUSHBUTTON | WS_TABSTOP, 188, 42,
                  80, 26, kCommand1Id, instance);
    return form;
}

CartolinkForm* CartolinkForm::OfWindow(HWND window) {
    // Only windows of the form's class hold a form in their slot.
    wchar_t className[32] = {};
    GetClassNameW(window, className, 32);
    if (wcscmp(className, kFormClass) != 0) return nullptr;
    return reinterpret_cast<CartolinkForm*>(GetWindowLongPtrW(window, GWLP_USERDATA));
}

int CartolinkForm::Form_Load() {
    if (SubClass_Register(&state_) < 0) return -1;
    initBridgeState(&state_);
    previous_ = SubClass_Install(window_);
    if (previous_ == nullptr) return -1;
    host_.Attach(window_, GetDlgItem(window_, kText1Id));
    host_.ShowIdentifier(state_.identifier);
    SetTimer(window_, kTimer1Id, kTimer1Interval, nullptr);
    return 0;
}

void CartolinkForm::Timer1_Timer() {
    if (state_.closePending && !state_.busy) {
        state_.closePending = false;
        PostMessageW(window_, WM_CLOSE, 0, 0);
        return;
    }
    pollBridge(&state_, host_);
}

void CartolinkForm::Form_Unload() {
    releaseMapple(&state_.map);
    SubClass_Restore(window_, previous_);
}

void CartolinkForm::ReleaseMapObjects() {
    state_.map.open = false;
    state_.map.proAtlas.reset();
    state_.map.mapple.reset();
}

LRESULT CartolinkForm::SubClassMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    // The protocol's number is registered at run time, so it cannot be a case label.
    // wParam carries a registered number (32 bits); lParam a sign-extended character code.
    if (message != 0 && message == state_.messages.WM_CARTOLINK &&
        dispatchCartolink(&state_, host_, static_cast<uint32_t>(wParam), static_cast<intptr_t>(lParam)) == 0)
        return 0;
    return CallWindowProcW(previous_, window_, message, wParam, lParam);
}

LRESULT CALLBACK CartolinkForm::FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return ForwardToWindowObject(window, message, wParam, lParam, &CartolinkForm::window_,
                                 &CartolinkForm::HandleMessage);
}

// The form's own procedure: the "previous" procedure once the bridge has subclassed it.
LRESULT CartolinkForm::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        if (wParam == kTimer1Id) Timer1_Timer();
        return 0;
    case WM_COMMAND:
        return 0; // Command1 does nothing when pressed.
    case WM_CLOSE:
        return OnClose();
    case WM_DESTROY:
        return OnDestroy();
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}

LRESULT CartolinkForm::OnClose() {
    // Closing inside an automation call would release the map under it: such a close waits
    // for the command's end. A message box holds no map object, so a close that comes while
    // one is up (the editor is waiting for the bridge to end) is carried out at once.
    if (state_.busy && !host_.ShowingBox()) {
        state_.closePending = true;
        return 0;
    }
    Form_Unload();
    DestroyWindow(window_);
    return 0;
}

LRESULT CartolinkForm::OnDestroy() {
    PostQuitMessage(0);
    return 0;
}
