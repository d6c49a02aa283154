// The map window: draws the map and lets a person move the mark, pan and change layers.
#pragma once

#include <windows.h>

#include "map_geometry.h"
#include "map_model.h"

namespace mapview {

class MapWindow {
  public:
    explicit MapWindow(MapModel& model) : model_(model) {}
    MapWindow(const MapWindow&) = delete;
    MapWindow& operator=(const MapWindow&) = delete;

    // Creates and shows the window; -1 on failure.
    int create(const wchar_t* title, int showCommand);
    HWND window() const { return window_; }

    // Redraws after the model changed from outside (automation calls).
    void refresh();
    // Shows or hides the window as the model's visibility says.
    void applyVisibility();

    // Called when a person closes the window, before it is destroyed.
    void setCloseHandler(void (*handler)(void*), void* context) {
        closeHandler_ = handler;
        closeContext_ = context;
    }

  private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    LRESULT OnPaint();
    LRESULT OnLButtonDown(int x, int y);
    LRESULT OnRButtonDown(int x, int y);
    LRESULT OnKeyDown(WPARAM key);
    LRESULT OnMouseWheel(int delta);
    LRESULT OnClose();
    LRESULT OnDestroy();

    Viewport viewport() const;
    void markMoved(const char* how);
    void changeLayerBy(int delta);
    void viewChanged(const char* how);

    MapModel& model_;
    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    void (*closeHandler_)(void*) = nullptr;
    void* closeContext_ = nullptr;
};

} // namespace mapview
