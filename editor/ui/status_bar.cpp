// The status bar: pane 0 the current file path (stretching, no border), pane 1 the clicked
// row's number, pane 2 the number of points.
#include "main_window.h"

#include "editor_texts.h"
#include "cp932_text.h"
#include "window_text.h"

#include <cstdio>

namespace {

constexpr COLORREF kStatusBackground = RGB(164, 174, 192);
constexpr int kPaneWidth = 100;
// The height rule below needs at least this much to show a line of text.
constexpr int kLeastStatusHeight = 12;


} // namespace

void MainWindow::CreateStatusBar() {
    // Placed by the window, not by the control itself: its height follows the rule below.
    statusBar_ = CreateWindowExW(0, STATUSCLASSNAMEW, L"",
                                WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP | CCS_NORESIZE | CCS_NOPARENTALIGN, 0,
                                0, 0, 0, window_, nullptr, GetModuleHandleW(nullptr), nullptr);
    SendMessageW(statusBar_, SB_SETBKCOLOR, 0, kStatusBackground);
    // The height of everything above the client area (sizing border, caption, menu bar,
    // client edge) less 20: measured from the window's own top, which is the screen's top
    // while the window still stands at 0,0 before it is centred.
    RECT outer = {};
    GetWindowRect(window_, &outer);
    POINT clientTop = {0, 0};
    ClientToScreen(window_, &clientTop);
    int height = clientTop.y - outer.top - 20;
    if (height < kLeastStatusHeight) height = kLeastStatusHeight;
    RECT client = {};
    GetClientRect(window_, &client);
    MoveWindow(statusBar_, 0, client.bottom - height, client.right, height, TRUE);
    SetStatusPanes();
    for (int pane = 0; pane < 3; ++pane)
        SetStatusPane(pane, "");
}

void MainWindow::SetStatusPanes() const {
    RECT rect = {};
    GetClientRect(statusBar_, &rect);
    int edges[3] = {rect.right - 2 * kPaneWidth, rect.right - kPaneWidth, -1};
    SendMessageW(statusBar_, SB_SETPARTS, 3, reinterpret_cast<LPARAM>(edges));
}

void MainWindow::PlaceStatusBar() {
    RECT client = {};
    GetClientRect(window_, &client);
    RECT bar = {};
    GetWindowRect(statusBar_, &bar);
    int height = bar.bottom - bar.top;
    MoveWindow(statusBar_, 0, client.bottom - height, client.right, height, TRUE);
    SetStatusPanes();
}

void MainWindow::UpdateStatusLine() {
    SetStatusPane(0, currentFilePath_);
    SetStatusPane(1, "");
    char count[64];
    std::snprintf(count, sizeof count, TEXT_POINT_COUNT_FORMAT, document_.count());
    SetStatusPane(2, count);
}

void MainWindow::SetStatusPane(int pane, const char* text) const {
    std::wstring wide = cp932ToWide(text);
    WPARAM flags = pane == 0 ? SBT_NOBORDERS : 0;
    SendMessageW(statusBar_, SB_SETTEXTW, static_cast<WPARAM>(pane) | flags,
                 reinterpret_cast<LPARAM>(wide.c_str()));
}
