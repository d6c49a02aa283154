// The 編集 popup's map items (only when the bridge program is present) and the main list's
// context menu.
#include "main_window.h"

#include "editor_texts.h"
#include "resource_ids.h"
#include "cp932_text.h"
#include "window_text.h"

namespace {

constexpr int kEditPopup = 1;

} // namespace

void MainWindow::AppendMapMenuItems() {
    HMENU menu = GetMenu(window_);
    if (menu == nullptr || bridgePresent_ != 1) return;
    HMENU edit = GetSubMenu(menu, kEditPopup);
    if (edit == nullptr) return;
    AppendMenuW(edit, MF_SEPARATOR, IDM_EDIT_MAP_SEPARATOR, nullptr);
    AppendMenuW(edit, MF_STRING, IDM_EDIT_SHOW_ON_MAP, cp932ToWide(TEXT_MENU_SHOW_ON_MAP).c_str());
    AppendMenuW(edit, MF_STRING, IDM_EDIT_CAPTURE, cp932ToWide(TEXT_MENU_CAPTURE).c_str());
}

void MainWindow::OnContextMenu(HWND from, int x, int y) {
    if (from != mainList_.window) return;
    // From the keyboard the request carries no position: the menu opens at the first
    // selected row, or at the list's corner.
    if (x == -1 && y == -1) {
        POINT at = {0, 0};
        int row = NextSelectedRow(mainList_.window, -1);
        RECT rect = {};
        rect.left = LVIR_BOUNDS;
        if (row >= 0 && SendMessageW(mainList_.window, LVM_GETITEMRECT, static_cast<WPARAM>(row),
                                     reinterpret_cast<LPARAM>(&rect))) {
            at = POINT{rect.left, rect.bottom};
        }
        ClientToScreen(mainList_.window, &at);
        x = at.x;
        y = at.y;
    }
    // A fresh copy of the menu: the items appended to the window's own menu never show here.
    HMENU menu = LoadMenuW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAIN_MENU));
    if (menu == nullptr) return;
    HMENU edit = GetSubMenu(menu, kEditPopup);
    if (edit != nullptr) TrackPopupMenu(edit, TPM_LEFTALIGN | TPM_RIGHTBUTTON, x, y, 0, window_, nullptr);
    DestroyMenu(menu);
}
