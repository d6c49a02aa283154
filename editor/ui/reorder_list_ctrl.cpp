#include "reorder_list_ctrl.h"

#include "list_rows.h"
#include "point_document.h"

#include <windowsx.h>

#include <string>

namespace {

constexpr UINT_PTR kSubclassId = 1;

void SetDropHighlight(HWND list, int row, bool on) {
    if (row < 0) return;
    LVITEMW item = {};
    item.stateMask = LVIS_DROPHILITED;
    item.state = on ? LVIS_DROPHILITED : 0;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

int ColumnCount(HWND list) {
    int count = 0;
    LVCOLUMNW column = {};
    column.mask = LVCF_WIDTH;
    while (SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(count), reinterpret_cast<LPARAM>(&column)))
        ++count;
    return count;
}

} // namespace

ReorderListCtrl::~ReorderListCtrl() {
    Detach();
}

void ReorderListCtrl::Attach(HWND list, PointDocument& document) {
    window = list;
    document_ = &document;
    SetWindowSubclass(list, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

void ReorderListCtrl::Detach() {
    if (window != nullptr && IsWindow(window)) RemoveWindowSubclass(window, SubclassProc, kSubclassId);
    if (dragImage != nullptr) {
        ImageList_Destroy(dragImage);
        dragImage = nullptr;
    }
    window = nullptr;
}

LRESULT CALLBACK ReorderListCtrl::SubclassProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam,
                                               UINT_PTR, DWORD_PTR self) {
    auto* control = reinterpret_cast<ReorderListCtrl*>(self);
    switch (message) {
    case WM_MOUSEMOVE:
        return control->OnMouseMove(message, wParam, lParam);
    case WM_LBUTTONUP:
        return control->OnLButtonUp(message, wParam, lParam);
    case WM_CAPTURECHANGED:
        control->OnCaptureChanged();
        return DefSubclassProc(list, message, wParam, lParam);
    default:
        return DefSubclassProc(list, message, wParam, lParam);
    }
}

int ReorderListCtrl::HitRow(POINT where) const {
    LVHITTESTINFO hit = {};
    hit.pt = where;
    return static_cast<int>(SendMessageW(window, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
}

void ReorderListCtrl::OnBeginDrag(int row, POINT where) {
    if (row < 0) return;
    dragging = true;
    dragSource = row;
    dropTarget = row;
    // Only the row under the pointer is dragged, whatever else is selected.
    POINT origin = {};
    dragImage = reinterpret_cast<HIMAGELIST>(SendMessageW(
        window, LVM_CREATEDRAGIMAGE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&origin)));
    if (dragImage != nullptr) {
        int width = 0, height = 0;
        ImageList_GetIconSize(dragImage, &width, &height);
        ImageList_BeginDrag(dragImage, 0, 0, height / 2);
        ImageList_DragEnter(window, where.x, where.y);
    }
    SetCapture(window);
}

LRESULT ReorderListCtrl::OnMouseMove(UINT message, WPARAM wParam, LPARAM lParam) {
    if (dragging) {
        POINT where = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        ImageList_DragMove(where.x, where.y);
        int row = HitRow(where);
        if (row >= 0 && row != dropTarget) {
            ImageList_DragLeave(window);
            ShowListRow(window, row);
            SetDropHighlight(window, dropTarget, false);
            SetDropHighlight(window, row, true);
            UpdateWindow(window);
            dropTarget = row;
            ImageList_DragEnter(window, where.x, where.y);
        }
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

void ReorderListCtrl::EndDragImage() {
    ImageList_DragLeave(window);
    ImageList_EndDrag();
    if (dragImage != nullptr) {
        ImageList_Destroy(dragImage);
        dragImage = nullptr;
    }
    SetDropHighlight(window, dropTarget, false);
}

LRESULT ReorderListCtrl::OnLButtonUp(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!dragging) return DefSubclassProc(window, message, wParam, lParam);
    dragging = false;
    EndDragImage();
    ReleaseCapture();
    POINT where = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    // Below the rows (or beside them, lower than the list's top) means after the last
    // highlighted row; above the list means the highlighted row itself.
    int destination = HitRow(where) < 0 && where.y > 0 ? dropTarget + 1 : dropTarget;
    MoveRow(dragSource, destination);
    if (moved) moved();
    int selected = NextSelectedRow(window, -1);
    if (selected >= 0) ShowListRow(window, selected);
    return 0;
}

// Capture taken away in mid-drag (another window, a system key): the drag ends, nothing moves.
void ReorderListCtrl::OnCaptureChanged() {
    if (!dragging) return;
    dragging = false;
    EndDragImage();
}

void ReorderListCtrl::MoveRow(int from, int to) {
    if (to == from || to == from + 1) return;
    document_->moveRecord(to, from);

    std::wstring name = ListCellText(window, from, 0);
    LVITEMW inserted = {};
    inserted.mask = LVIF_TEXT;
    inserted.iItem = to;
    inserted.pszText = &name[0];
    int newRow =
        static_cast<int>(SendMessageW(window, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&inserted)));
    if (from > to) ++from;

    // Image, every state bit (selection, focus, check mark, highlight), value and indent.
    LVITEMW source = {};
    source.mask = LVIF_IMAGE | LVIF_STATE | LVIF_PARAM | LVIF_INDENT;
    source.stateMask = static_cast<UINT>(-1);
    source.iItem = from;
    SendMessageW(window, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&source));
    source.iItem = newRow;
    source.stateMask = static_cast<UINT>(-1);
    SendMessageW(window, LVM_SETITEMW, 0, reinterpret_cast<LPARAM>(&source));

    const int columns = ColumnCount(window);
    for (int column = 0; column < columns; ++column) {
        std::wstring text = ListCellText(window, from, column);
        LVITEMW cell = {};
        cell.iSubItem = column;
        cell.pszText = &text[0];
        SendMessageW(window, LVM_SETITEMTEXTW, static_cast<WPARAM>(newRow), reinterpret_cast<LPARAM>(&cell));
    }
    SendMessageW(window, LVM_DELETEITEM, static_cast<WPARAM>(from), 0);
}
