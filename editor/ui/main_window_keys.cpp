// The editor's keys: Ctrl+Z, Ctrl+Y, Ctrl+F and F3 reach the main window's commands whatever
// control has the focus. The window runs as a modal dialog, whose loop translates no
// accelerators, so a message hook of the thread translates them for every main window.
#include "main_window.h"

#include "resource_ids.h"

namespace {

const wchar_t kKeysProperty[] = L"TenmarkKeys";

thread_local HHOOK t_hook = nullptr;
thread_local HACCEL t_keys = nullptr;
thread_local int t_windows = 0;

LRESULT CALLBACK KeyHook(int code, WPARAM removal, LPARAM lParam) {
    if (code == HC_ACTION && removal == PM_REMOVE) {
        MSG* message = reinterpret_cast<MSG*>(lParam);
        if ((message->message == WM_KEYDOWN || message->message == WM_SYSKEYDOWN) &&
            message->hwnd != nullptr) {
            // Only for a main window itself or its controls: a dialog over it has its own keys.
            HWND root = GetAncestor(message->hwnd, GA_ROOT);
            if (root != nullptr && GetPropW(root, kKeysProperty) != nullptr &&
                TranslateAcceleratorW(root, t_keys, message)) {
                message->message = WM_NULL;
            }
        }
    }
    return CallNextHookEx(t_hook, code, removal, lParam);
}

} // namespace

void MainWindow::InstallKeys() {
    if (t_windows++ == 0) {
        ACCEL keys[] = {
            {FVIRTKEY | FCONTROL, 'Z', IDM_EDIT_UNDO},
            {FVIRTKEY | FCONTROL, 'Y', IDM_EDIT_REDO},
            {FVIRTKEY | FCONTROL, 'F', IDM_EDIT_FIND},
            {FVIRTKEY, VK_F3, IDM_EDIT_FIND_NEXT},
        };
        t_keys = CreateAcceleratorTableW(keys, static_cast<int>(sizeof keys / sizeof keys[0]));
        t_hook = SetWindowsHookExW(WH_GETMESSAGE, KeyHook, nullptr, GetCurrentThreadId());
    }
    SetPropW(window_, kKeysProperty, reinterpret_cast<HANDLE>(1));
}

void MainWindow::RemoveKeys() {
    // A window whose initialisation never ran installed nothing.
    if (RemovePropW(window_, kKeysProperty) == nullptr) return;
    if (--t_windows > 0) return;
    if (t_hook != nullptr) UnhookWindowsHookEx(t_hook);
    if (t_keys != nullptr) DestroyAcceleratorTable(t_keys);
    t_hook = nullptr;
    t_keys = nullptr;
}
