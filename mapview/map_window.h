// The map window: draws the map (the offline base map, the tiles, and what clients placed)
// and lets a person move the mark, drag and zoom the map, search a place and choose the
// tile source and the datum. Tiles and searches come in from worker threads; the window's
// thread, which is also the automation server's, never waits for the network.
#pragma once

#include <windows.h>

#include <string>

#include "basemap_layer.h"
#include "map_geometry.h"
#include "map_model.h"
#include "map_painter.h"
#include "map_settings.h"
#include "search_box.h"
#include "search_client.h"
#include "tile_layer.h"
#include "tile_loader.h"

namespace mapview {

class MapWindow {
  public:
    explicit MapWindow(MapModel& model) : model_(model) {}
    ~MapWindow();
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

    // map_window.cpp
    LRESULT OnPaint();
    LRESULT OnSize(int width);
    LRESULT OnTimer(UINT_PTR id);
    LRESULT OnClose();
    LRESULT OnDestroy();
    Viewport viewport() const;
    void markMoved(const char* how);
    void viewChanged(const char* how);

    // map_window_input.cpp
    LRESULT OnLButtonDown(int x, int y);
    LRESULT OnMouseMove(int x, int y, bool buttonDown);
    LRESULT OnLButtonUp(int x, int y);
    LRESULT OnLButtonDblClk(int x, int y);
    LRESULT OnCaptureChanged();
    LRESULT OnRButtonDown(int x, int y);
    LRESULT OnKeyDown(WPARAM key);
    LRESULT OnMouseWheel(int delta, int screenX, int screenY);
    void zoomAt(int steps, int x, int y, const char* how);
    void endDrag(bool keep);

    // map_window_menu.cpp
    void buildMenu();
    void updateMenu();
    LRESULT OnCommand(WORD id, WORD code);
    void chooseSource(TileSourceId source);
    void chooseTilesOff();
    void chooseDatum(Datum datum);
    void fitAll();
    void OnSearchEnter();
    LRESULT OnSearchDone();
    void goToPlace(const FoundPlace& place);

    // map_window_tiles.cpp
    void startTiles();
    void applySource();
    LRESULT OnTilesReady();
    std::string statusMessage() const;

    MapModel& model_;
    HWND window_ = nullptr;
    HFONT font_ = nullptr;
    HMENU menu_ = nullptr;
    void (*closeHandler_)(void*) = nullptr;
    void* closeContext_ = nullptr;

    MapSettings settings_;
    BaseMapLayer baseMap_;
    bool baseMapMissing_ = false;
    TileMemory tiles_;
    TileLoader loader_;
    std::string tileCredit_;
    bool badTileUrl_ = false;
    TileProblem lastProblem_ = TileProblem::None;
    SearchClient search_;
    SearchBox searchBox_;
    std::string searchMessage_; // cp932
    std::string searchQuery_;   // cp932: what the running search asked for

    // A press of the left button: a click until it leaves the drag rectangle, then a drag.
    bool pressed_ = false;
    bool dragging_ = false;
    POINT pressAt_ = {0, 0};
    GeoPoint markBeforePress_;
    bool markPreviewed_ = false;
    Viewport dragStart_;
    int wheelRest_ = 0;
};

} // namespace mapview
