#include "mark_picker_dialog.h"
#include "window_object.h"

#include "edit_dialog_ids.h"

#include <algorithm>
#include <utility>

namespace {

// Grid buttons left to right, top to bottom: the k-th one shows mark k.
int MarkButtonId(int mark) {
    static const int kFirstRow[] = {IDC_PICK_R1C01, IDC_PICK_R1C02, IDC_PICK_R1C03, IDC_PICK_R1C04,
                                    IDC_PICK_R1C05, IDC_PICK_R1C06, IDC_PICK_R1C07, IDC_PICK_R1C08,
                                    IDC_PICK_R1C09, IDC_PICK_R1C10, IDC_PICK_R1C11};
    static const int kRowStarts[] = {IDC_PICK_R2C01, IDC_PICK_R3C01, IDC_PICK_R4C01, IDC_PICK_R5C01};
    constexpr int kColumns = 11;
    if (mark < 1 || mark > kPickerMarkCount) return 0;
    int row = (mark - 1) / kColumns;
    int column = (mark - 1) % kColumns;
    return row == 0 ? kFirstRow[column] : kRowStarts[row - 1] + column;
}

} // namespace

MarkPickerDialog::MarkPickerDialog(MarkIconSource icons, int selectableMax)
    : icons_(std::move(icons)), selectableMax_(selectableMax) {}

int MarkPickerDialog::ButtonIdOfMark(int mark) {
    return MarkButtonId(mark);
}

int MarkPickerDialog::Run(HWND owner, const POINT* anchor) {
    chosen_ = 0;
    hasAnchor_ = anchor != nullptr;
    if (hasAnchor_) anchor_ = *anchor;
    INT_PTR result = DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_MARK_PICKER), owner,
                                     &MarkPickerDialog::DialogProc, reinterpret_cast<LPARAM>(this));
    if (result == -1 || result == 0) return -1;
    return chosen_;
}

INT_PTR CALLBACK MarkPickerDialog::DialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    MarkPickerDialog* self = DialogObject(dialog, message, lParam, &MarkPickerDialog::window_);
    return self != nullptr ? self->HandleMessage(message, wParam, lParam) : FALSE;
}

INT_PTR MarkPickerDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND:
        OnCommand(LOWORD(wParam), HIWORD(wParam));
        return TRUE;
    case WM_DESTROY:
        OnDestroy();
        return FALSE;
    default:
        return FALSE;
    }
}

BOOL MarkPickerDialog::OnInitDialog() {
    PlaceAtAnchor();
    for (int mark = 1; mark <= kPickerMarkCount; ++mark) {
        HWND button = GetDlgItem(window_, MarkButtonId(mark));
        if (button == nullptr) continue;
        EnableWindow(button, mark <= selectableMax_);
        HICON icon = icons_ ? icons_(mark - 1) : nullptr;
        if (icon == nullptr) continue;
        // The grid buttons are smaller than the 32-pixel mark images: draw a copy that fits.
        int size = IconSizeFor(button);
        HICON fitted = static_cast<HICON>(CopyImage(icon, IMAGE_ICON, size, size, LR_COPYDELETEORG));
        if (fitted == nullptr) fitted = icon;
        buttonIcons_[mark - 1] = fitted;
        SendMessageW(button, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(fitted));
    }
    return TRUE;
}

// Opens where the user clicked, like a drop-down, kept on the screen.
void MarkPickerDialog::PlaceAtAnchor() const {
    if (!hasAnchor_) return;
    RECT mine{};
    GetWindowRect(window_, &mine);
    int width = mine.right - mine.left;
    int height = mine.bottom - mine.top;
    MONITORINFO monitor{};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromPoint(anchor_, MONITOR_DEFAULTTONEAREST), &monitor);
    const RECT& work = monitor.rcWork;
    int x = std::max(static_cast<int>(work.left),
                     std::min(static_cast<int>(anchor_.x), static_cast<int>(work.right) - width));
    int y = std::max(static_cast<int>(work.top),
                     std::min(static_cast<int>(anchor_.y), static_cast<int>(work.bottom) - height));
    SetWindowPos(window_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

int MarkPickerDialog::IconSizeFor(HWND button) const {
    RECT client{};
    GetClientRect(button, &client);
    // Room for the button's edges and its focus rectangle.
    int room = std::min(client.right - client.left, client.bottom - client.top) - 6;
    for (int size : {32, 24, 16}) {
        if (size <= room) return size;
    }
    return 16;
}

void MarkPickerDialog::OnCommand(int id, int code) {
    if (code != BN_CLICKED) return;
    switch (id) {
    case IDOK:
    case IDCANCEL:
        EndDialog(window_, id);
        return;
    default:
        break;
    }
    for (int mark = 1; mark <= kPickerMarkCount; ++mark) {
        if (MarkButtonId(mark) == id) {
            OnMarkClicked(mark);
            return;
        }
    }
}

void MarkPickerDialog::OnMarkClicked(int mark) {
    if (mark > selectableMax_) return;
    chosen_ = mark;
    EndDialog(window_, IDOK);
}

void MarkPickerDialog::OnDestroy() {
    for (int k = 0; k < kPickerMarkCount; ++k) {
        if (buttonIcons_[k] == nullptr) continue;
        DestroyIcon(buttonIcons_[k]);
        buttonIcons_[k] = nullptr;
    }
}
