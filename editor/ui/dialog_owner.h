// The object behind a dialog: handed over as the creation parameter, kept in DWLP_USER, so a
// static dialog procedure can forward every message to its object.
#pragma once

#include <windows.h>

// Returns the object of `dialog` (nullptr before WM_INITDIALOG); at WM_INITDIALOG it takes
// the object from `lParam` and stores the dialog's handle in the object's `window` member.
template <typename T> T* DialogOwner(HWND dialog, UINT message, LPARAM lParam, HWND T::*window) {
    if (message == WM_INITDIALOG) {
        SetWindowLongPtrW(dialog, DWLP_USER, lParam);
        reinterpret_cast<T*>(lParam)->*window = dialog;
    }
    return reinterpret_cast<T*>(GetWindowLongPtrW(dialog, DWLP_USER));
}
