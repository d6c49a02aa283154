#include "cartolink_form.h"

#include "bridge_texts.h"
#include "dispatch.h"
#include "sub_class.h"
#include "cp932_text.h"
#include "window_text.h"

#include <cstring>

namespace {

const wchar_t kFormClass[] = L"CartolinkForm";

BridgeState g_state;
Win32BridgeHost g_host;
HWND g_form = nullptr;

LRESULT OnTimer(HWND, WPARAM timerId) {
    if (timerId == kTimer1Id) Timer1_Timer();
    return 0;
}

// Command1 does nothing when pressed.
LRESULT OnCommand(HWND, WPARAM, LPARAM) {
    return 0;
}

LRESULT OnClose(HWND form) {
    // Closing inside an automation call would release the map under it: such a close waits
    // for the command's end. A message box holds no map object, so a close that comes while
    // one is up (the editor is waiting for the bridge to end) is carried out at once.
    if (g_state.busy && !g_host.ShowingBox()) {
        g_state.closePending = true;
        return 0;
    }
    Form_Unload(form);
    DestroyWindow(form);
    return 0;
}

LRESULT OnDestroy(HWND form) {
    if (form == g_form) g_form = nullptr;
    PostQuitMessage(0);
    return 0;
}

// The form's own procedure: the "previous" procedure once the bridge has subclassed it.
LRESULT CALLBACK FormProc(HWND form, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_TIMER:
        return OnTimer(form, wParam);
    case WM_COMMAND:
        return OnCommand(form, wParam, lParam);
    case WM_CLOSE:
        return OnClose(form);
    case WM_DESTROY:
        return OnDestroy(form);
    default:
        return DefWindowProcW(form, message, wParam, lParam);
    }
}

int RegisterFormClass(HINSTANCE instance) {
    WNDCLASSEXW windowClass = {};
    if (GetClassInfoExW(instance, kFormClass, &windowClass)) return 0;
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = FormProc;
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

HWND CreateCartolinkForm(HINSTANCE instance) {
    if (RegisterFormClass(instance) < 0) return nullptr;
    RECT frame = {0, 0, 280, 76};
    DWORD style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
    AdjustWindowRect(&frame, style, FALSE);
    HWND form = CreateWindowExW(0, kFormClass, cp932ToWide(kBridgeWindowTitle).c_str(), style, CW_USEDEFAULT,
                                CW_USEDEFAULT, frame.right - frame.left, frame.bottom - frame.top, nullptr,
                                nullptr, instance, nullptr);
    if (form == nullptr) return nullptr;
    CreateControl(form, L"EDIT", L"", WS_BORDER | ES_AUTOHSCROLL, 12, 12, 256, 22, kText1Id, instance);
    CreateControl(form, L"BUTTON", cp932ToWide(kCommand1Caption).c_str(), BS_PUSHBUTTON | WS_TABSTOP, 188, 42,
                  80, 26, kCommand1Id, instance);
    return form;
}

int Form_Load(HWND form) {
    if (SubClass_Register(&g_state) < 0) return -1;
    initBridgeState(&g_state);
    if (SubClass_Install(form, &g_state, &g_host) < 0) return -1;
    g_form = form;
    g_host.Attach(form, GetDlgItem(form, kText1Id));
    strcpy(g_state.identifier, kDefaultIdentifier);
    g_host.ShowIdentifier(g_state.identifier);
    SetTimer(form, kTimer1Id, kTimer1Interval, nullptr);
    return 0;
}

void Timer1_Timer() {
    if (g_state.closePending && !g_state.busy) {
        g_state.closePending = false;
        PostMessageW(g_form, WM_CLOSE, 0, 0);
        return;
    }
    pollBridge(&g_state, g_host);
}

void Form_Unload(HWND form) {
    releaseMapple(&g_state.map);
    SubClass_Restore(form);
}

void ReleaseMapObjects() {
    g_state.map.open = false;
    g_state.map.proAtlas.reset();
    g_state.map.mapple.reset();
}

BridgeState* CartolinkState() {
    return &g_state;
}
