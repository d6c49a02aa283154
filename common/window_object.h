// How a window finds the object behind it, the same for every window and dialog of the three
// programs: the object is handed over at creation (a window's creation parameter, a dialog's
// init parameter) and kept in the window's own slot, and its window-handle member (named
// `window_`, passed as `&T::window_` from the class's own procedure) holds the handle. From
// WM_NCDESTROY on the window has no object; the procedure clears `window_` after handling it.
#pragma once

#include <windows.h>

namespace window_object {

template <typename T> T* Take(HWND hwnd, UINT message, int slot, T* given, HWND T::*member) {
    if (given != nullptr) {
        SetWindowLongPtrW(hwnd, slot, reinterpret_cast<LONG_PTR>(given));
        given->*member = hwnd;
        return given;
    }
    T* self = reinterpret_cast<T*>(GetWindowLongPtrW(hwnd, slot));
    if (self != nullptr && message == WM_NCDESTROY) SetWindowLongPtrW(hwnd, slot, 0);
    return self;
}

} // namespace window_object

// For a window procedure: the object given to CreateWindowEx (nullptr before WM_NCCREATE).
template <typename T> T* WindowObject(HWND hwnd, UINT message, LPARAM lParam, HWND T::*member) {
    T* given = message == WM_NCCREATE ? static_cast<T*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams)
                                      : nullptr;
    return window_object::Take(hwnd, message, GWLP_USERDATA, given, member);
}

// A whole window procedure: forwards each message to the object's handler, or to the default
// procedure while the window has no object, and clears `window_` after WM_NCDESTROY.
template <typename T>
LRESULT ForwardToWindowObject(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam, HWND T::*member,
                              LRESULT (T::*handler)(UINT, WPARAM, LPARAM)) {
    T* self = WindowObject(hwnd, message, lParam, member);
    if (self == nullptr) return DefWindowProcW(hwnd, message, wParam, lParam);
    LRESULT result = (self->*handler)(message, wParam, lParam);
    if (message == WM_NCDESTROY) self->*member = nullptr;
    return result;
}

// For a dialog procedure: the object given to DialogBoxParam or CreateDialogParam (nullptr
// before WM_INITDIALOG, unless `creating` names the object whose dialog is being made, for the
// messages a dialog receives before WM_INITDIALOG).
template <typename T>
T* DialogObject(HWND dialog, UINT message, LPARAM lParam, HWND T::*member, T* creating = nullptr) {
    T* given = message == WM_INITDIALOG ? reinterpret_cast<T*>(lParam) : nullptr;
    if (given == nullptr && creating != nullptr && GetWindowLongPtrW(dialog, DWLP_USER) == 0) given = creating;
    return window_object::Take(dialog, message, DWLP_USER, given, member);
}
