// The main list as a view of the point list: row i shows the point at position i.
#include "main_window.h"

#include "editor_texts.h"
#include "resource_ids.h"
#include "cp932_text.h"
#include "window_text.h"

#include <cstdio>

void MainWindow::RefillMainList() {
    SendMessageW(mainList_.window, LVM_DELETEALLITEMS, 0, 0);
    for (int i = 0; i < kMaxPoints; ++i) {
        if (!document_.isUsed(i)) continue;
        InsertDocumentRow(i);
    }
    UpdateStatusLine();
    UpdateWindow(mainList_.window);
}

void MainWindow::InsertPointRow(int row, const RowTexts& texts) {
    InsertListRow(mainList_.window, row, texts);
}

void MainWindow::InsertDocumentRow(int row) {
    ReadRowTexts(document_, row, scratchRow_);
    InsertPointRow(row, scratchRow_);
}

void MainWindow::SelectRow(int row) {
    SetListRowState(mainList_.window, row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void MainWindow::CheckAllRows(bool checked) {
    for (int row = 0; row < document_.count(); ++row)
        SetListRowState(mainList_.window, row, INDEXTOSTATEIMAGEMASK(checked ? 2 : 1), LVIS_STATEIMAGEMASK);
}

void MainWindow::OnMainListClick() {
    int row = NextSelectedRow(mainList_.window, -1);
    if (row < 0) return;
    EnableWindow(GetDlgItem(window_, IDC_SHOW_ON_MAP), TRUE);
    SelectRow(row);
    char text[32];
    std::snprintf(text, sizeof text, TEXT_ROW_NUMBER_FORMAT, row + 1);
    SendMessageW(statusBar_, SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(cp932ToWide(text).c_str()));
}

RECT MainWindow::MainListScreenRect() const {
    RECT rect = {};
    GetWindowRect(mainList_.window, &rect);
    return rect;
}
