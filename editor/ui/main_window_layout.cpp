// The two screens and the pixel geometry of the main window on every size notification.
// bw, bh: size of the 変更 button (IDC_CHANGE); sh: status bar height; cw, ch: client size. The list
// area spans x 0 .. cw - bw - 10 and y bh + 5 .. ch - sh - 2.
#include "main_window.h"

#include "resource_ids.h"

namespace {

SIZE WindowSize(HWND window_) {
    RECT rect = {};
    GetWindowRect(window_, &rect);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

// The control's rectangle in its parent's client coordinates.
RECT ChildRect(HWND parent_, HWND child) {
    RECT rect = {};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, parent_, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

} // namespace

void MainWindow::MoveLists(bool importScreen) {
    RECT client = {};
    GetClientRect(window_, &client);
    const SIZE button = WindowSize(GetDlgItem(window_, IDC_CHANGE));
    const int statusHeight = WindowSize(statusBar_).cy;
    const int top = button.cy + 5;
    const int width = client.right - button.cx - 10;
    const int height = client.bottom - statusHeight - 2 - top;
    if (!importScreen) {
        MoveWindow(mainList_.window, 0, top, width, height, TRUE);
        return;
    }
    const int half = width / 2; // the main list takes the odd pixel
    MoveWindow(importList_.window, 0, top, half, height, TRUE);
    MoveWindow(mainList_.window, half, top, width - half, height, TRUE);
}

void MainWindow::LayoutEditScreen() {
    screenMode_ = ScreenMode::Edit;
    ShowWindow(importList_.window, SW_HIDE);
    MoveLists(false);
    ShowWindow(mainList_.window, SW_SHOW);
}

void MainWindow::LayoutImportScreen() {
    screenMode_ = ScreenMode::Import;
    ShowWindow(importList_.window, SW_SHOW);
    ShowWindow(mainList_.window, SW_SHOW);
    MoveLists(true);
}

void MainWindow::PlaceButtons(int clientWidth, int clientHeight) {
    for (int id : {IDC_CHANGE, IDC_ADD, IDC_DELETE}) {
        HWND button = GetDlgItem(window_, id);
        RECT rect = ChildRect(window_, button);
        int width = rect.right - rect.left;
        MoveWindow(button, clientWidth - 5 - width, rect.top, width, rect.bottom - rect.top, TRUE);
    }
    HWND exitButton = GetDlgItem(window_, IDC_EXIT);
    const SIZE size = WindowSize(exitButton);
    const int statusHeight = WindowSize(statusBar_).cy;
    MoveWindow(exitButton, clientWidth - 5 - size.cx, clientHeight - statusHeight - size.cy, size.cx, size.cy,
               TRUE);
}

void MainWindow::OnSize(UINT type, int clientWidth, int clientHeight) {
    // A minimised window has no client area to lay out; restoring lays it out again.
    if (type != SIZE_MINIMIZED) {
        if (resizeArmed_) {
            if (screenMode_ == ScreenMode::Edit) {
                LayoutEditScreen();
            } else {
                LayoutImportScreen();
            }
            for (int id : {IDC_CHANGE, IDC_ADD, IDC_DELETE, IDC_EXIT})
                ShowWindow(GetDlgItem(window_, id), SW_SHOW);
            PlaceButtons(clientWidth, clientHeight);
        }
        if (IsWindowVisible(window_)) PlaceStatusBar();
    }
    resizeArmed_ = true;
}

void MainWindow::OnSizing(WPARAM, RECT& proposed) {
    // Whatever border is dragged, the right and bottom edges give way.
    if (proposed.right - proposed.left < minWidth_) proposed.right = proposed.left + minWidth_;
    if (proposed.bottom - proposed.top < minHeight_) proposed.bottom = proposed.top + minHeight_;
}
