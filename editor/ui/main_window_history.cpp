// Undo and redo of the main points: every command's change is one step of the history, kept
// as whole records. Undo and redo rebuild the list from the document and select the points
// the step put back; the items sit in the window's own 編集 popup, not in the context menu.
#include "main_window.h"

#include "cp932_text.h"
#include "editor_texts.h"
#include "resource_ids.h"

namespace {

constexpr int kEditPopup = 1;

} // namespace

void MainWindow::InsertEditMenuItems() {
    HMENU menu = GetMenu(window_);
    HMENU edit = menu != nullptr ? GetSubMenu(menu, kEditPopup) : nullptr;
    if (edit == nullptr) return;
    struct Item {
        UINT id;
        const char* text;
    } items[] = {{IDM_EDIT_UNDO, TEXT_MENU_UNDO}, {IDM_EDIT_REDO, TEXT_MENU_REDO},           {0, nullptr},
                 {IDM_EDIT_FIND, TEXT_MENU_FIND}, {IDM_EDIT_FIND_NEXT, TEXT_MENU_FIND_NEXT}, {0, nullptr}};
    UINT at = 0;
    for (const Item& item : items) {
        if (item.text == nullptr) {
            InsertMenuW(edit, at++, MF_BYPOSITION | MF_SEPARATOR, 0, nullptr);
        } else {
            InsertMenuW(edit, at++, MF_BYPOSITION | MF_STRING, item.id, cp932ToWide(item.text).c_str());
        }
    }
    UpdateHistoryMenu();
}

void MainWindow::UpdateHistoryMenu() {
    HMENU menu = window_ != nullptr ? GetMenu(window_) : nullptr;
    if (menu == nullptr) return;
    EnableMenuItem(menu, IDM_EDIT_UNDO, MF_BYCOMMAND | (history_.canUndo() ? MF_ENABLED : MF_GRAYED));
    EnableMenuItem(menu, IDM_EDIT_REDO, MF_BYCOMMAND | (history_.canRedo() ? MF_ENABLED : MF_GRAYED));
}

void MainWindow::OnInitMenuPopup() {
    // The items are right even after a change that reached the points outside a command.
    RecordChange();
}

void MainWindow::StartHistory() {
    history_.reset(document_);
    sortDirection_.reset();
    UpdateHistoryMenu();
}

void MainWindow::RecordChange() {
    history_.record(document_);
    UpdateHistoryMenu();
}

void MainWindow::Undo() {
    HistoryRange range;
    if (history_.undo(document_, &range)) ShowHistoryStep(range);
    UpdateHistoryMenu();
}

void MainWindow::Redo() {
    HistoryRange range;
    if (history_.redo(document_, &range)) ShowHistoryStep(range);
    UpdateHistoryMenu();
}

void MainWindow::ShowHistoryStep(const HistoryRange& range) {
    RefillMainList();
    int count = document_.count();
    if (range.first >= count) {
        // Points taken away at the end: the row before them, if any, shows where.
        if (count > 0) ShowFoundRow(count - 1);
        return;
    }
    ShowFoundRow(range.first);
    for (int row = range.first + 1; row < range.first + range.count && row < count; ++row)
        SetListRowState(mainList_.window, row, LVIS_SELECTED, LVIS_SELECTED);
}
