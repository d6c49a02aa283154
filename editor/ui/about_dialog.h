// The version dialog ("ﾊﾞｰｼﾞｮﾝ情報"): the product name and its version, as the version
// resource of the running program gives them. It does nothing but close.
#pragma once

#include <windows.h>

#include <cstddef>

// Runs the dialog modally over `owner`.
void RunAboutDialog(HWND owner);

// The dialog's procedure (template IDD_ABOUT).
INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

// "Tenmark Version 1.0.0" from the running program's version resource (cp932); empty when
// the program has none.
void AboutProductLine(char* out, size_t size);
