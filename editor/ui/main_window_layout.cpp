// The two screens and the pixel geometry of the main window on every size notification.
// bw, bh: size of button 1003 ("変更"); sh: status bar height; cw, ch: client size. The list
// area spans x 0 .. cw - bw - 10 and y bh + 5 .. ch - sh - 2.
#include "main_window.h"

#include "resource_ids.h"

namespace {

SIZE WindowSize(HWND window) {
    RECT rect = {};
    GetWindowRect(window, &rect);
    return SIZE{rect.right - rect.left, rect.bottom - rect.top};
}

// The control's rectangle in its parent's client coordinates.
RECT ChildRect(HWND parent, HWND child) {
    RECT rect = {};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

} // namespace

void MainWindow::MoveLists(bool importScreen) {
    RECT client = {};
    GetClientRect(window, &client);
    const SIZE button = WindowSize(GetDlgItem(window, IDC_CHANGE));
    const int statusHeight = WindowSize(statusBar).cy;
    const int top = button.cy + 5;
    const int width = client.right - button.cx - 10;
    const int height = client.bottom - statusHeight - 2 - top;
    if (!importScreen) {
        MoveWindow(mainList.window, 0, top, width, height, TRUE);
        return;
    }
    const int half = width / 2; // the main list takes the odd pixel
    MoveWindow(importList.window, 0, top, half, height, TRUE);
    MoveWindow(mainList.window, half, top, width - half, height, TRUE);
}

void MainWindow::LayoutEditScreen() {
    screenMode = 0;
    ShowWindow(importList.window, SW_HIDE);
    MoveLists(false);
    ShowWindow(mainList.window, SW_SHOW);
}

void MainWindow::LayoutImportScreen() {
    screenMode = 1;
    ShowWindow(importList.window, SW_SHOW);
    ShowWindow(mainList.window, SW_SHOW);
    MoveLists(true);
}

void MainWindow::PlaceButtons(int clientWidth, int clientHeight) {
    for (int id : {IDC_CHANGE, IDC_ADD, IDC_DELETE}) {
        HWND button = GetDlgItem(window, id);
        RECT rect = ChildRect(window, button);
        int width = rect.right - rect.left;
        MoveWindow(button, clientWidth - 5 - width, rect.top, width, rect.bottom - rect.top, TRUE);
    }
    HWND exitButton = GetDlgItem(window, IDC_EXIT);
    const SIZE size = WindowSize(exitButton);
    const int statusHeight = WindowSize(statusBar).cy;
    MoveWindow(exitButton, clientWidth - 5 - size.cx, clientHeight - statusHeight - size.cy, size.cx, size.cy,
               TRUE);
}

void MainWindow::OnSize(UINT type, int clientWidth, int clientHeight) {
    // A minimised window has no client area to lay out; restoring lays it out again.
    if (type != SIZE_MINIMIZED) {
        if (resizeArmed) {
            if (screenMode == 0) {
                LayoutEditScreen();
            } else {
                LayoutImportScreen();
            }
            for (int id : {IDC_CHANGE, IDC_ADD, IDC_DELETE, IDC_EXIT})
                ShowWindow(GetDlgItem(window, id), SW_SHOW);
            PlaceButtons(clientWidth, clientHeight);
        }
        if (IsWindowVisible(window)) PlaceStatusBar();
    }
    resizeArmed = true;
}

void MainWindow::OnSizing(WPARAM, RECT& proposed) {
    // Whatever border is dragged, the right and bottom edges give way.
    if (proposed.right - proposed.left < minWidth) proposed.right = proposed.left + minWidth;
    if (proposed.bottom - proposed.top < minHeight) proposed.bottom = proposed.top + minHeight;
}
