// The main list as a view of the point list: row i shows the point at position i.
#include "main_window.h"

#include "editor_texts.h"
#include "resource_ids.h"
#include "win_text.h"

#include <cstdio>

void MainWindow::RefillMainList() {
    SendMessageW(mainList.window, LVM_DELETEALLITEMS, 0, 0);
    for (int i = 0; i < kMaxPoints; ++i) {
        if (!document.isUsed(i)) continue;
        ReadRowTexts(document, i, scratchRow);
        InsertPointRow(i, scratchRow);
    }
    UpdateStatusLine();
    UpdateWindow(mainList.window);
}

void MainWindow::InsertPointRow(int row, const RowTexts& texts) {
    InsertListRow(mainList.window, row, texts);
}

void MainWindow::SelectRow(int row) {
    LVITEMW item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(mainList.window, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                 reinterpret_cast<LPARAM>(&item));
}

void MainWindow::CheckAllRows(bool checked) {
    LVITEMW item = {};
    item.stateMask = LVIS_STATEIMAGEMASK;
    item.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
    for (int row = 0; row < document.count(); ++row) {
        SendMessageW(mainList.window, LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                     reinterpret_cast<LPARAM>(&item));
    }
}

void MainWindow::OnMainListClick() {
    int row = static_cast<int>(
        SendMessageW(mainList.window, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
    if (row < 0) return;
    EnableWindow(GetDlgItem(window, IDC_SHOW_ON_MAP), TRUE);
    SelectRow(row);
    char text[32];
    std::snprintf(text, sizeof text, TEXT_ROW_NUMBER_FORMAT, row + 1);
    SendMessageW(statusBar, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(Cp932ToWide(text).c_str()));
}
