#include "map_window.h"

#include <windowsx.h>

#include <cstdio>
#include <string>
#include <vector>

#include "call_log.h"
#include "map_layers.h"
#include "map_painter.h"
#include "mapview_texts.h"
#include "cp932_text.h"
#include "window_object.h"

namespace mapview {

namespace {

constexpr int kMarkStepPixels = 8;

std::string CoordText(int32_t value) {
    char buf[32];
    formatMapCoord(value, buf, sizeof buf, MapCoordDialect::MapView);
    return buf;
}

} // namespace

Viewport MapWindow::viewport() const {
    RECT rc;
    GetClientRect(window_, &rc);
    return ViewportForClient(model_.centre(), model_.layer(), rc.right - rc.left, rc.bottom - rc.top);
}

int MapWindow::create(const wchar_t* title, int showCommand) {
    const std::wstring className = cp932ToWide(kWindowClass);
    WNDCLASSEXW wc = {};
    wc.cbSize = sizeof wc;
    wc.style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
    wc.lpfnWndProc = WindowProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hIcon = LoadIconW(nullptr, reinterpret_cast<LPCWSTR>(IDI_APPLICATION));
    wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_CROSS));
    wc.hbrBackground = nullptr; // painted whole, off-screen
    wc.lpszClassName = className.c_str();
    if (RegisterClassExW(&wc) == 0 && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return -1;

    const std::wstring face = cp932ToWide(kFontFace);
    font_ = CreateFontW(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS,
                        CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face.c_str());

    window_ = CreateWindowExW(0, className.c_str(), title, WS_OVERLAPPEDWINDOW, CW_USEDEFAULT, CW_USEDEFAULT,
                            720, 560, nullptr, nullptr, wc.hInstance, this);
    if (window_ == nullptr) return -1;
    ShowWindow(window_, model_.visible() ? showCommand : SW_HIDE);
    UpdateWindow(window_);
    return 0;
}

void MapWindow::refresh() {
    if (window_ != nullptr) InvalidateRect(window_, nullptr, FALSE);
}

void MapWindow::applyVisibility() {
    if (window_ == nullptr) return;
    const bool shown = IsWindowVisible(window_) != FALSE;
    if (shown != model_.visible()) ShowWindow(window_, model_.visible() ? SW_SHOWNORMAL : SW_HIDE);
}

LRESULT CALLBACK MapWindow::WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    return ForwardToWindowObject(hwnd, message, wParam, lParam, &MapWindow::window_, &MapWindow::handle);
}

LRESULT MapWindow::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT:
        return OnPaint();
    case WM_ERASEBKGND:
        return 1;
    case WM_LBUTTONDOWN:
        return OnLButtonDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    case WM_RBUTTONDOWN:
        return OnRButtonDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    case WM_KEYDOWN:
        return OnKeyDown(wParam);
    case WM_MOUSEWHEEL:
        return OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam));
    case WM_CLOSE:
        return OnClose();
    case WM_DESTROY:
        return OnDestroy();
    default:
        return DefWindowProcW(window_, message, wParam, lParam);
    }
}

LRESULT MapWindow::OnPaint() {
    PAINTSTRUCT ps;
    HDC dc = BeginPaint(window_, &ps);
    RECT rc;
    GetClientRect(window_, &rc);
    PaintMap(dc, rc, viewport(), kStatusBandHeight, model_, font_);
    EndPaint(window_, &ps);
    return 0;
}

LRESULT MapWindow::OnLButtonDown(int x, int y) {
    SetFocus(window_);
    const GeoPoint p = ToGeo(viewport(), x, y);
    if (model_.placeMark(p) == 1) markMoved("click");
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
        changeLayerBy(1);
        return 0;
    case VK_SUBTRACT:
    case VK_OEM_MINUS:
    case VK_NEXT:
        changeLayerBy(-1);
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
        model_.panBy(static_cast<int32_t>(dy * view.height / 4 * static_cast<int64_t>(view.scale)),
                     static_cast<int32_t>(dx * view.width / 4 * view.scale / view.lonFactor));
        viewChanged("@Pan");
        return 0;
    }
    const int pixels = control ? 1 : kMarkStepPixels;
    const int32_t dLat = static_cast<int32_t>(dy * pixels * static_cast<int64_t>(view.scale));
    const int32_t dLon = static_cast<int32_t>(dx * pixels * view.scale / view.lonFactor);
    if (model_.moveMarkBy(dLat, dLon) == 1) markMoved("key");
    return 0;
}

LRESULT MapWindow::OnMouseWheel(int delta) {
    changeLayerBy(delta > 0 ? 1 : -1);
    return 0;
}

LRESULT MapWindow::OnClose() {
    if (closeHandler_ != nullptr) closeHandler_(closeContext_);
    DestroyWindow(window_);
    return 0;
}

LRESULT MapWindow::OnDestroy() {
    if (font_ != nullptr) DeleteObject(font_);
    font_ = nullptr;
    window_ = nullptr;
    PostQuitMessage(0);
    return 0;
}

void MapWindow::changeLayerBy(int delta) {
    if (model_.setLayer(model_.layer() + delta) != 0) return;
    viewChanged("@Layer");
}

void MapWindow::viewChanged(const char* how) {
    CallLogWrite(
        model_.family(), how,
        {std::to_string(model_.layer()), CoordText(model_.centre().lat), CoordText(model_.centre().lon)});
    CallLogState(model_);
    refresh();
}

void MapWindow::markMoved(const char* how) {
    const GeoPoint m = model_.mark();
    std::string posted = "posted:none";
    // Only the ProAtlas family reports moves; Mapple clients poll the centre instead.
    if (model_.family() == MapFamily::ProAtlas && model_.eventWindow() != 0) {
        HWND target = reinterpret_cast<HWND>(static_cast<ULONG_PTR>(model_.eventWindow()));
        if (IsWindow(target) && PostMessageW(target, model_.eventMessage(), static_cast<WPARAM>(m.lat),
                                             static_cast<LPARAM>(m.lon))) {
            posted = "posted:" + std::to_string(model_.eventMessage());
        } else {
            posted = "posted:failed";
        }
    }
    CallLogWrite(model_.family(), "@MarkMoved", {CoordText(m.lat), CoordText(m.lon), how, posted});
    CallLogState(model_);
    refresh();
}

} // namespace mapview
