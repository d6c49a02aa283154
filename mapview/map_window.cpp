#include "map_window.h"

#include <windowsx.h>

#include <cstdio>
#include <string>
#include <vector>

#include "call_log.h"
#include "cp932_text.h"
#include "map_layers.h"
#include "map_window_ids.h"
#include "mapview_texts.h"
#include "window_object.h"

namespace mapview {

namespace {

// The disk cache's index is written now and then, and when the window closes.
constexpr UINT kFlushEveryMs = 15000;

std::string CoordText(int32_t value) {
    char buf[32];
    formatMapCoord(value, buf, sizeof buf, MapCoordDialect::MapView);
    return buf;
}

} // namespace

MapWindow::~MapWindow() {
    loader_.flushCache();
}

Viewport MapWindow::viewport() const {
    RECT rc;
    GetClientRect(window_, &rc);
    return ViewportAtZoom(model_.centre(), model_.zoom(), settings_.datum, rc.right - rc.left,
                          rc.bottom - rc.top - kStatusBandHeight);
}

int MapWindow::create(const wchar_t* title, int showCommand) {
    settings_ = ReadMapSettings();
    baseMapMissing_ = baseMap_.load(BaseMapPath()) != 0;

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

    buildMenu();
    window_ = CreateWindowExW(0, className.c_str(), title, WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN,
                              CW_USEDEFAULT, CW_USEDEFAULT, 720, 560, nullptr, menu_, wc.hInstance, this);
    if (window_ == nullptr) {
        // Nothing owns the menu and the font yet.
        DestroyMenu(menu_);
        DeleteObject(font_);
        menu_ = nullptr;
        font_ = nullptr;
        return -1;
    }
    searchBox_.create(window_, font_, kIdSearchEdit, kIdSearchList, kMsgSearchEnter);
    search_.start(window_, kMsgSearchDone);
    startTiles();
    updateMenu();
    RECT rc;
    GetClientRect(window_, &rc);
    searchBox_.layout(rc.right);
    SetTimer(window_, kTimerFlush, kFlushEveryMs, nullptr);
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
    case WM_SIZE:
        return OnSize(LOWORD(lParam));
    case WM_LBUTTONDOWN:
        return OnLButtonDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    case WM_MOUSEMOVE:
        return OnMouseMove(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam), (wParam & MK_LBUTTON) != 0);
    case WM_LBUTTONUP:
        return OnLButtonUp(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    case WM_LBUTTONDBLCLK:
        return OnLButtonDblClk(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    case WM_CAPTURECHANGED:
        return OnCaptureChanged();
    case WM_RBUTTONDOWN:
        return OnRButtonDown(GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    case WM_KEYDOWN:
        return OnKeyDown(wParam);
    case WM_MOUSEWHEEL:
        return OnMouseWheel(GET_WHEEL_DELTA_WPARAM(wParam), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam), HIWORD(wParam));
    case WM_TIMER:
        return OnTimer(wParam);
    case kMsgTilesReady:
        return OnTilesReady();
    case kMsgSearchDone:
        return OnSearchDone();
    case kMsgSearchEnter:
        OnSearchEnter();
        return 0;
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
    const Viewport view = viewport();
    MapBackdrop backdrop;
    backdrop.baseMap = &baseMap_;
    backdrop.tiles = &tiles_;
    backdrop.skipTile = [this](const TileKey& key) { return loader_.failed(key); };
    backdrop.tileCredit = tileCredit_;
    backdrop.datumLabel = settings_.datum == Datum::Tokyo ? kDatumLabelTokyo : kDatumLabelWgs84;
    backdrop.message = statusMessage();
    PaintMap(dc, rc, view, kStatusBandHeight, model_, font_, &backdrop);
    EndPaint(window_, &ps);
    // What the view lacks is asked for after drawing, nearest the centre first.
    loader_.want(backdrop.tileResult.missing);
    tiles_.trim();
    return 0;
}

LRESULT MapWindow::OnSize(int width) {
    searchBox_.layout(width);
    return 0;
}

LRESULT MapWindow::OnTimer(UINT_PTR id) {
    if (id == kTimerFlush) loader_.flushCache();
    return 0;
}

LRESULT MapWindow::OnClose() {
    if (closeHandler_ != nullptr) closeHandler_(closeContext_);
    DestroyWindow(window_);
    return 0;
}

LRESULT MapWindow::OnDestroy() {
    KillTimer(window_, kTimerFlush);
    loader_.flushCache();
    if (font_ != nullptr) DeleteObject(font_);
    font_ = nullptr;
    PostQuitMessage(0);
    return 0;
}

void MapWindow::viewChanged(const char* how) {
    CallLogWrite(model_.family(), how,
                 {std::to_string(model_.layer()), CoordText(model_.centre().lat),
                  CoordText(model_.centre().lon), "zoom:" + std::to_string(model_.zoom())});
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
