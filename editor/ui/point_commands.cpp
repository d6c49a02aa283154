// The point commands: change, add, delete, and the copies of imported points dragged into the
// main list. Each keeps the main list in step with the point list: row i shows point i.
#include "main_window.h"

#include "message_box_notifier.h"
#include "point_edit_dialog.h"
#include "point_messages.h"

#include <cstdio>

namespace {

void RepaintNow(HWND list) {
    InvalidateRect(list, nullptr, TRUE);
    UpdateWindow(list);
}

// The fields a copy takes from an imported point; date, time and the spare fields stay
// those of the new record.
void CopyImportedPoint(const PointDocument& source, int n, PointDocument& target, int i) {
    target.setName(i, source.getName(n));
    target.setLongitude(i, source.getLongitude(n));
    target.setLatitude(i, source.getLatitude(n));
    target.setMarkNumber(i, source.getMarkNumber(n));
    target.setVoiceWord(i, source.getVoiceWord(n));
    target.setPhone(i, source.getPhone(n));
    target.setSoundCode(i, source.getSoundCode(n));
    target.setDirectionCode(i, source.getDirectionCode(n));
    target.setDirectionEnabled(i, source.getDirectionEnabled(n));
}

} // namespace

void MainWindow::ChangePoint() {
    int row = NextSelectedRow(mainList_.window, -1);
    if (row < 0) return;
    MarkIconSource icons = [this](int index) { return GetMarkIcon(index); };
    // After Cancel the row is rewritten with the same values; only a row without a point
    // (which the list never shows) is left alone.
    if (EditPoint(window_, document_, icons, false, row) < 0) return;
    RefreshPointRow(row);
    RepaintNow(mainList_.window);
}

void MainWindow::AddPoint() {
    if (document_.count() >= kMaxPoints) {
        showTooManyPoints();
        return;
    }
    int first = NextSelectedRow(mainList_.window, -1);
    int i = first < 0 ? 0 : first;
    MarkIconSource icons = [this](int index) { return GetMarkIcon(index); };
    if (EditPoint(window_, document_, icons, true, i) == IDOK) {
        InsertDocumentRow(i);
        // Only the last selected row stays selected; with none selected, the new one is.
        int last = i;
        for (int row = NextSelectedRow(mainList_.window, -1); row >= 0;
             row = NextSelectedRow(mainList_.window, row)) {
            SetListRowState(mainList_.window, row, 0, LVIS_SELECTED | LVIS_FOCUSED);
            last = row;
        }
        SetListRowState(mainList_.window, last, LVIS_SELECTED, LVIS_SELECTED);
        ShowListRow(mainList_.window, last);
        UpdateStatusLine();
    }
    RepaintNow(mainList_.window);
}

void MainWindow::DeletePoints() {
    int noted[kMaxPoints];
    int count = 0;
    for (int row = NextSelectedRow(mainList_.window, -1); row >= 0 && count < kMaxPoints;
         row = NextSelectedRow(mainList_.window, row)) {
        noted[count++] = row;
    }
    for (int k = 0; k < count; ++k) {
        // Each removal moves the later noted rows up by one.
        int p = noted[k] - k;
        SendMessageW(mainList_.window, LVM_DELETEITEM, static_cast<WPARAM>(p), 0);
        document_.removeAt(p);
        UpdateStatusLine();
        SelectRow(p);
    }
}

void MainWindow::TransferImportedPoints(int targetRow) {
    int rows = static_cast<int>(SendMessageW(mainList_.window, LVM_GETITEMCOUNT, 0, 0));
    int target = targetRow < 0 || targetRow > rows ? rows : targetRow;
    const PointDocument& source = importList_.document;
    bool full = false;
    // Each copy goes in front of the one before: the last selected import row ends up first.
    for (int n = NextSelectedRow(importList_.window, -1); n >= 0; n = NextSelectedRow(importList_.window, n)) {
        if (!source.isUsed(n)) continue;
        if (document_.insertBlank(target) < 0) {
            full = true;
            break;
        }
        CopyImportedPoint(source, n, document_, target);
        // The row shows the copy as stored (its name cut to the editor's limit), so the row
        // and the point agree.
        InsertDocumentRow(target);
    }
    UpdateStatusLine();
    if (full) showTooManyPoints();
}

void MainWindow::RefreshPointRow(int row) {
    ReadRowTexts(document_, row, scratchRow_);
    SetListRow(mainList_.window, row, scratchRow_);
}
