// Find, sorting and duplicates on the main points.
#include "main_window.h"

#include "cp932_text.h"
#include "editor_texts.h"
#include "message_box_notifier.h"
#include "point_duplicates.h"
#include "point_find.h"
#include "resource_ids.h"

#include <cstdio>
#include <vector>

void MainWindow::ShowFoundRow(int row) {
    SetListRowState(mainList_.window, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    SelectRow(row);
    SendMessageW(mainList_.window, LVM_SETSELECTIONMARK, 0, row);
    ShowListRow(mainList_.window, row);
    EnableWindow(GetDlgItem(window_, IDC_SHOW_ON_MAP), TRUE);
    char text[32];
    std::snprintf(text, sizeof text, TEXT_ROW_NUMBER_FORMAT, row + 1);
    SetStatusPane(1, text);
}

void MainWindow::FindPoint() {
    if (!AskFindText(window_, findText_) || findText_[0] == '\0') return;
    FindNextPoint();
}

void MainWindow::FindNextPoint() {
    if (findText_[0] == '\0') {
        FindPoint();
        return;
    }
    // From the row the user is on: the focused one, else the first selected.
    int from = FocusedRow(mainList_.window);
    if (from < 0) from = NextSelectedRow(mainList_.window, -1);
    int found = findNextPoint(document_, findText_, from);
    if (found < 0) {
        char message[kFindTextBytes + 64];
        std::snprintf(message, sizeof message, MSG_NOT_FOUND_FORMAT, findText_);
        ShowEditorMessage(message, MB_OK | MB_ICONINFORMATION);
        return;
    }
    ShowFoundRow(found);
    SetFocus(mainList_.window);
}

void MainWindow::SortPoints(SortKey key) {
    // The rows' selection and check marks travel with their points.
    const UINT kept = LVIS_SELECTED | LVIS_FOCUSED | LVIS_STATEIMAGEMASK;
    std::vector<UINT> states;
    for (int row = 0; row < document_.count(); ++row) {
        states.push_back(static_cast<UINT>(
            SendMessageW(mainList_.window, LVM_GETITEMSTATE, static_cast<WPARAM>(row), kept)));
    }
    std::vector<int> previous;
    if (!sortPoints(document_, key, sortDirection_.next(key), &previous)) return;
    RefillMainList();
    for (int row = 0; row < static_cast<int>(previous.size()); ++row) {
        UINT state = states[static_cast<size_t>(previous[static_cast<size_t>(row)])];
        // A row without a check-box state keeps the list's own (an empty box).
        UINT mask = (state & LVIS_STATEIMAGEMASK) != 0 ? kept : (LVIS_SELECTED | LVIS_FOCUSED);
        SetListRowState(mainList_.window, row, state, mask);
    }
    int focused = FocusedRow(mainList_.window);
    if (focused >= 0) ShowListRow(mainList_.window, focused);
}

void MainWindow::SelectDuplicates() {
    std::vector<bool> marked;
    int found = findDuplicates(document_, marked);
    SetListRowState(mainList_.window, -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
    int first = -1;
    for (int row = 0; row < static_cast<int>(marked.size()); ++row) {
        if (!marked[static_cast<size_t>(row)]) continue;
        SetListRowState(mainList_.window, row, LVIS_SELECTED, LVIS_SELECTED);
        if (first < 0) first = row;
    }
    if (first >= 0) {
        SetListRowState(mainList_.window, first, LVIS_FOCUSED, LVIS_FOCUSED);
        ShowListRow(mainList_.window, first);
        SetFocus(mainList_.window);
    }
    char text[64];
    std::snprintf(text, sizeof text, TEXT_DUPLICATES_FORMAT, found);
    SetStatusPane(1, text);
}
