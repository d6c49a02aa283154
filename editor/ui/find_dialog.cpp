#include "find_dialog.h"

#include "cp932_text.h"
#include "resource_ids.h"
#include "window_object.h"
#include "window_text.h"

namespace {

class FindDialog {
  public:
    explicit FindDialog(char (&text)[kFindTextBytes]) : text_(text) {}

    bool Run(HWND owner) {
        return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_FIND), owner, DialogProc,
                               reinterpret_cast<LPARAM>(this)) == IDOK;
    }

    HWND window_ = nullptr;

  private:
    static INT_PTR CALLBACK DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
        FindDialog* self = DialogObject(dialog, message, lParam, &FindDialog::window_);
        return self != nullptr ? self->HandleMessage(message, wParam) : FALSE;
    }

    INT_PTR HandleMessage(UINT message, WPARAM wParam) {
        switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog();
        case WM_COMMAND:
            if (HIWORD(wParam) == BN_CLICKED || HIWORD(wParam) == 0) OnCommand(LOWORD(wParam));
            return TRUE;
        default:
            return FALSE;
        }
    }

    BOOL OnInitDialog() {
        HWND box = GetDlgItem(window_, IDC_FIND_TEXT);
        SendMessageW(box, EM_LIMITTEXT, kFindTextBytes / 2 - 1, 0);
        SetWindowTextCp932(box, text_);
        SendMessageW(box, EM_SETSEL, 0, -1);
        SetFocus(box);
        return FALSE; // the focus is set
    }

    void OnCommand(int id) {
        if (id == IDOK) {
            // Only looked for, never stored: what cp932 cannot spell matches nothing anyway.
            GetWindowTextCp932(GetDlgItem(window_, IDC_FIND_TEXT), text_, kFindTextBytes);
            EndDialog(window_, IDOK);
        } else if (id == IDCANCEL) {
            EndDialog(window_, IDCANCEL);
        }
    }

    char (&text_)[kFindTextBytes];
};

} // namespace

bool AskFindText(HWND owner, char (&text)[kFindTextBytes]) {
    FindDialog dialog(text);
    return dialog.Run(owner);
}
