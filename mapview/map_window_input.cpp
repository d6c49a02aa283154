// The map window's mouse and keys: a click moves the mark (the Mapple family's mark is the
// centre, so there it moves the map), a drag pans, the wheel and a double click zoom about the
// pointer, the keys work as they always did.
#include <windowsx.h>

#include <cstdlib>

#include "map_layers.h"
#include "map_window.h"

namespace mapview {

namespace {

constexpr int kMarkStepPixels = 8;

bool OutsideDragRect(POINT from, int x, int y) {
    return std::abs(x - from.x) > GetSystemMetrics(SM_CXDRAG) / 2 ||
           std::abs(y - from.y) > GetSystemMetrics(SM_CYDRAG) / 2;
}

} // namespace

LRESULT MapWindow::OnLButtonDown(int x, int y) {
    SetFocus(window_);
    searchBox_.hidePlaces();
    SetCapture(window_);
    pressed_ = true;
    dragging_ = false;
    pressAt_ = POINT{x, y};
    dragStart_ = viewport();
    markBeforePress_ = model_.mark();
    // The ProAtlas family's mark goes under the pointer at once and is reported when the
    // button comes up where it went down; a drag puts it back.
    markPreviewed_ = model_.family() == MapFamily::ProAtlas && model_.placeMark(ToGeo(dragStart_, x, y)) == 1;
    if (markPreviewed_) refresh();
    return 0;
}

LRESULT MapWindow::OnMouseMove(int x, int y, bool buttonDown) {
    // Only a move with the button held drags: a move the system makes up (the pointer parked
    // elsewhere) must not turn a click into a drag.
    if (!pressed_ || !buttonDown) return 0;
    if (!dragging_) {
        if (!OutsideDragRect(pressAt_, x, y)) return 0;
        dragging_ = true;
        if (markPreviewed_) {
            model_.placeMark(markBeforePress_);
            markPreviewed_ = false;
        }
    }
    const double cx = dragStart_.originX + dragStart_.width / 2;
    const double cy = dragStart_.originY + dragStart_.height / 2;
    model_.setCentre(ToGeoAtWorld(dragStart_, cx - (x - pressAt_.x), cy - (y - pressAt_.y)));
    refresh();
    return 0;
}

LRESULT MapWindow::OnLButtonUp(int x, int y) {
    if (!pressed_) return 0;
    if (!dragging_ && OutsideDragRect(pressAt_, x, y)) OnMouseMove(x, y, true);
    const bool dragged = dragging_;
    const bool previewed = markPreviewed_;
    pressed_ = dragging_ = markPreviewed_ = false;
    if (GetCapture() == window_) ReleaseCapture();
    if (dragged) {
        if (model_.family() == MapFamily::Mapple && model_.mark() != markBeforePress_) {
            markMoved("drag");
        } else {
            viewChanged("@Pan");
        }
        return 0;
    }
    if (previewed) {
        markMoved("click");
    } else if (model_.family() == MapFamily::Mapple && model_.placeMark(ToGeo(dragStart_, x, y)) == 1) {
        markMoved("click");
    }
    return 0;
}

LRESULT MapWindow::OnCaptureChanged() {
    // Capture taken away mid-press (another window, a message box): nothing is decided.
    if (pressed_ && GetCapture() != window_) {
        if (markPreviewed_) model_.placeMark(markBeforePress_);
        pressed_ = dragging_ = markPreviewed_ = false;
        refresh();
    }
    return 0;
}

LRESULT MapWindow::OnLButtonDblClk(int x, int y) {
    zoomAt(1, x, y, "@Zoom");
    return 0;
}

LRESULT MapWindow::OnRButtonDown(int x, int y) {
    // The Mapple family's mark is the centre, so recentring moves it too.
    const GeoPoint before = model_.mark();
    model_.setCentre(ToGeo(viewport(), x, y));
    if (model_.mark() != before) {
        markMoved("centre");
    } else {
        viewChanged("@Centre");
    }
    return 0;
}

LRESULT MapWindow::OnMouseWheel(int delta, int screenX, int screenY) {
    POINT p = {screenX, screenY};
    ScreenToClient(window_, &p);
    const Viewport view = viewport();
    if (p.x < 0 || p.y < 0 || p.x >= view.width || p.y >= view.height)
        p = POINT{view.width / 2, view.height / 2};
    // One level per notch; a fine wheel's small steps add up to notches.
    wheelRest_ += delta;
    const int steps = wheelRest_ / WHEEL_DELTA;
    wheelRest_ -= steps * WHEEL_DELTA;
    if (steps != 0) zoomAt(steps, p.x, p.y, "@Zoom");
    return 0;
}

void MapWindow::zoomAt(int steps, int x, int y, const char* how) {
    const Viewport before = viewport();
    const GeoPoint under = ToGeo(before, x, y);
    const GeoPoint markBefore = model_.mark();
    if (model_.setZoom(model_.zoom() + steps) == 0) return;
    // The point under the pointer stays under it.
    const Viewport after =
        ViewportAtZoom(model_.centre(), model_.zoom(), before.datum, before.width, before.height);
    double ux = 0, uy = 0;
    ToWorld(after, under, &ux, &uy);
    model_.setCentre(ToGeoAtWorld(after, ux - x + after.width / 2, uy - y + after.height / 2));
    if (model_.mark() != markBefore) {
        markMoved("zoom");
    } else {
        viewChanged(how);
    }
}

LRESULT MapWindow::OnKeyDown(WPARAM key) {
    const Viewport view = viewport();
    const bool shift = GetKeyState(VK_SHIFT) < 0;
    const bool control = GetKeyState(VK_CONTROL) < 0;
    int dx = 0, dy = 0;
    switch (key) {
    case VK_LEFT:
        dx = -1;
        break;
    case VK_RIGHT:
        dx = 1;
        break;
    case VK_UP:
        dy = 1;
        break;
    case VK_DOWN:
        dy = -1;
        break;
    case VK_ADD:
    case VK_OEM_PLUS:
    case VK_PRIOR:
        zoomAt(1, view.width / 2, view.height / 2, "@Layer");
        return 0;
    case VK_SUBTRACT:
    case VK_OEM_MINUS:
    case VK_NEXT:
        zoomAt(-1, view.width / 2, view.height / 2, "@Layer");
        return 0;
    case VK_HOME:
        // Bring the mark back into view after panning or changing layers.
        model_.setCentre(model_.mark());
        viewChanged("@Centre");
        return 0;
    default:
        return DefWindowProcW(window_, WM_KEYDOWN, key, 0);
    }
    if (shift && model_.family() == MapFamily::ProAtlas) {
        // Pan by a quarter of the view; the mark stays where it is on the map.
        const double cx = view.originX + view.width / 2, cy = view.originY + view.height / 2;
        model_.setCentre(ToGeoAtWorld(view, cx + dx * view.width / 4.0, cy - dy * view.height / 4.0));
        viewChanged("@Pan");
        return 0;
    }
    // A fixed step per zoom (eight pixels at 36°N), so a key moves the mark the same everywhere.
    const int pixels = control ? 1 : kMarkStepPixels;
    const int32_t step = ScaleAtZoom(model_.zoom());
    const int32_t dLat = static_cast<int32_t>(dy * pixels * static_cast<int64_t>(step));
    const int32_t dLon = static_cast<int32_t>(dx * pixels * step / view.lonFactor);
    if (model_.moveMarkBy(dLat, dLon) == 1) markMoved("key");
    return 0;
}

} // namespace mapview
