// The main list's control: rows are reordered by dragging one row with the left button;
// the point list moves with its row, so row i always shows the point at position i.
#pragma once

#include <windows.h>

#include <commctrl.h>

#include <functional>

class PointDocument;

class ReorderListCtrl {
  public:
    ReorderListCtrl() = default;
    virtual ~ReorderListCtrl();
    ReorderListCtrl(const ReorderListCtrl&) = delete;
    ReorderListCtrl& operator=(const ReorderListCtrl&) = delete;

    // Takes over the list's mouse handling; the document is the one the rows show.
    void Attach(HWND list, PointDocument& document);
    void Detach();

    // The list's begin-drag notification: `row` is the row under the pointer, `where` the
    // point in the list's client coordinates.
    void OnBeginDrag(int row, POINT where);

    // Moves the row (and its point) at `from` so that it stands just before the row that is
    // at `to` now (at the end when `to` is the row count).
    virtual void MoveRow(int from, int to);

    // Told after a drag has ended in a move (the window keeps its undo history by it).
    std::function<void()> moved;

    HWND window = nullptr;
    bool dragging = false;
    HIMAGELIST dragImage = nullptr;
    int dragSource = -1;
    int dropTarget = -1;

  private:
    static LRESULT CALLBACK SubclassProc(HWND list, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR id,
                                         DWORD_PTR self);
    LRESULT OnMouseMove(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnLButtonUp(UINT message, WPARAM wParam, LPARAM lParam);
    void OnCaptureChanged();
    void EndDragImage();
    int HitRow(POINT where) const;

    PointDocument* document_ = nullptr;
};
