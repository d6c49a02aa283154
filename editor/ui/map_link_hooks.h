// Where the map link plugs into the main window: the buttons 1004 and 1005, the menu item
// 地図 > 選択, the two private messages, and the reading of the stored map choice while the
// window initialises. Without a map link the buttons do nothing.
#pragma once

#include <windows.h>

#include <memory>

class MainWindow;

class MapLinkHooks {
  public:
    virtual ~MapLinkHooks() = default;
    // Initialisation step 3: the stored map object name; step 4 follows in the main window.
    virtual void ReadSettings() = 0;
    virtual void ShowOnMap() = 0;                              // button 1004
    virtual void CapturePosition() = 0;                        // button 1005
    virtual void SelectMap() = 0;                              // menu 32791
    virtual void OnMapEvent(WPARAM wParam, LPARAM lParam) = 0; // UMSG_MAP_EVENT
    virtual void OnMapReply(WPARAM wParam, LPARAM lParam) = 0; // UMSG_MAP_REPLY
};

// Made by the map link for each main window, at its construction; nullptr while there is
// none (editor/ui/map_link_pending.cpp).
std::unique_ptr<MapLinkHooks> CreateMapLinkHooks(MainWindow& window);
