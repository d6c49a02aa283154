// One MapView process: its map, its window, and its life as an automation server.
// Started by COM (-Embedding) it serves one client (each client gets a fresh process, as a
// fresh map application) and ends when the last reference is gone; started by hand it is a
// plain map that ends when its window is closed.
#pragma once

#include <windows.h>
#include <unknwn.h>

#include <vector>

#include "map_model.h"
#include "map_window.h"

namespace mapview {

class MapServer {
  public:
    MapServer(MapFamily family, bool embedding);
    MapServer(const MapServer&) = delete;
    MapServer& operator=(const MapServer&) = delete;

    // Runs until the window is closed; returns the process exit code.
    int run();

    MapModel& model() { return model_; }
    MapWindow& window() { return window_; }

    // Server references: objects and IClassFactory::LockServer.
    void lock();
    void unlock();

    // Live objects, so a person closing the window can cut their clients off.
    void objectCreated(IUnknown* object);
    void objectDestroyed(IUnknown* object);

    // After a call changed the map: redraw and record the new state.
    void changed();

  private:
    static void OnUserClose(void* context);
    static void CALLBACK OnStartTimeout(HWND, UINT, UINT_PTR, DWORD);
    void closeWindow();

    MapModel model_;
    MapWindow window_;
    bool embedding_;
    LONG locks_ = 0;
    bool everUsed_ = false;
    bool closing_ = false;
    std::vector<IUnknown*> objects_;
};

} // namespace mapview
