#include "import_list_ctrl.h"

#include "drop_files.h"
#include "list_rows.h"
#include "main_window.h"
#include "resource_ids.h"

#include <windowsx.h>

namespace {

constexpr UINT_PTR kSubclassId = 2;

HCURSOR Cursor(int id) {
    return LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id));
}

} // namespace

ImportListCtrl::~ImportListCtrl() {
    Detach();
}

void ImportListCtrl::Attach(HWND list, MainWindow& owner) {
    window = list;
    owner_ = &owner;
    SetWindowSubclass(list, SubclassProc, kSubclassId, reinterpret_cast<DWORD_PTR>(this));
}

void ImportListCtrl::Detach() {
    if (window != nullptr && IsWindow(window)) RemoveWindowSubclass(window, SubclassProc, kSubclassId);
    window = nullptr;
}

LRESULT CALLBACK ImportListCtrl::SubclassProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                                              DWORD_PTR self) {
    auto* control = reinterpret_cast<ImportListCtrl*>(self);
    switch (message) {
    case WM_MOUSEMOVE:
        return control->OnMouseMove(message, wParam, lParam);
    case WM_LBUTTONUP:
        return control->OnLButtonUp(message, wParam, lParam);
    case WM_CAPTURECHANGED:
        // Capture taken away in mid-drag: the drag ends without a transfer.
        control->dragging = false;
        return DefSubclassProc(list, message, wParam, lParam);
    case WM_DROPFILES:
        control->OnDropFiles(reinterpret_cast<HDROP>(wParam));
        return 0;
    default:
        return DefSubclassProc(list, message, wParam, lParam);
    }
}

void ImportListCtrl::Refill() {
    SendMessageW(window, LVM_DELETEALLITEMS, 0, 0);
    int rows = document.count() < displayLimit ? document.count() : displayLimit;
    RowTexts texts;
    for (int i = 0; i < rows; ++i) {
        ReadRowTexts(document, i, texts);
        InsertListRow(window, i, texts);
    }
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
}

void ImportListCtrl::SetDragCursor() const {
    int selected = static_cast<int>(SendMessageW(window, LVM_GETSELECTEDCOUNT, 0, 0));
    SetCursor(Cursor(selected >= 2 ? IDCUR_DRAG_MANY : IDCUR_DRAG_ONE));
}

void ImportListCtrl::OnBeginDrag() {
    dragging = true;
    SetDragCursor();
    SetCapture(window);
}

LRESULT ImportListCtrl::OnMouseMove(UINT message, WPARAM wParam, LPARAM lParam) {
    if (dragging) {
        POINT where = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        RECT client = {};
        GetClientRect(window, &client);
        POINT onScreen = where;
        ClientToScreen(window, &onScreen);
        RECT mainList = owner_->MainListScreenRect();
        if (PtInRect(&client, where) || PtInRect(&mainList, onScreen)) {
            SetDragCursor();
        } else {
            SetCursor(Cursor(IDCUR_NO_DROP));
        }
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

LRESULT ImportListCtrl::OnLButtonUp(UINT message, WPARAM wParam, LPARAM lParam) {
    if (!dragging) {
        LRESULT result = DefSubclassProc(window, message, wParam, lParam);
        SetCursor(Cursor(IDCUR_ARROW));
        return result;
    }
    dragging = false;
    POINT onScreen = {GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    ClientToScreen(window, &onScreen);
    RECT mainList = owner_->MainListScreenRect();
    if (PtInRect(&mainList, onScreen)) {
        HWND target = owner_->mainList().window;
        LVHITTESTINFO hit = {};
        hit.pt = onScreen;
        ScreenToClient(target, &hit.pt);
        int row = static_cast<int>(SendMessageW(target, LVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
        if (transferTo) transferTo(row);
    }
    ReleaseCapture();
    SetCursor(Cursor(IDCUR_ARROW));
    return 0;
}

// Only the last of the dropped files is imported.
void ImportListCtrl::OnDropFiles(HDROP drop) {
    char name[kDroppedNameBytes + 1];
    if (TakeLastDroppedName(drop, name)) owner_->LoadImportList(name);
}

