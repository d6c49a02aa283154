// Painting: the black dialog background, and the window icon while minimised.
#include "main_window.h"

HBRUSH MainWindow::OnCtlColorDialog(HDC dc) {
    SetBkColor(dc, dialogBackground_);
    return dialogBrush_;
}

void MainWindow::OnPaint() {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window_, &paint);
    SendMessageW(window_, WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    RECT client = {};
    GetClientRect(window_, &client);
    int x = (client.right - client.left - GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.bottom - client.top - GetSystemMetrics(SM_CYICON) + 1) / 2;
    DrawIcon(dc, x, y, windowIcon_);
    EndPaint(window_, &paint);
}
