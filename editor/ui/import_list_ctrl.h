// The import list's control: it shows the points of an imported file (at most its display
// limit), takes files dropped on it, and lets selected rows be dragged into the main list.
#pragma once

#include "path_text.h"
#include "point_document.h"

#include <windows.h>

#include <shellapi.h>

#include <functional>

class MainWindow;

class ImportListCtrl {
  public:
    ImportListCtrl() = default;
    ~ImportListCtrl();
    ImportListCtrl(const ImportListCtrl&) = delete;
    ImportListCtrl& operator=(const ImportListCtrl&) = delete;

    void Attach(HWND list, MainWindow& owner);
    void Detach();

    // The list's begin-drag notification.
    void OnBeginDrag();

    // Rebuilds the rows from the import document: at most `displayLimit` of them.
    void Refill();

    HWND window = nullptr;
    PointDocument document;
    int displayLimit = 0;
    bool dragging = false;
    char importPath[kPathBytes] = {};
    // Receives the main list's row under a release (-1 when over no row); the main window
    // hands it to TransferImportedPoints.
    std::function<void(int targetRow)> transferTo;

  private:
    static LRESULT CALLBACK SubclassProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self);
    LRESULT OnMouseMove(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnLButtonUp(UINT message, WPARAM wParam, LPARAM lParam);
    void OnDropFiles(HDROP drop);
    void SetDragCursor() const;

    MainWindow* owner_ = nullptr;
};
