// Where the map link plugs into the main window: the buttons 地図表示 and 位置取込, the menu
// item 地図 > 選択, the two private messages, the reading of the stored map choice while the
// window initialises, and the bridge's shut-down when the window goes.
#pragma once

#include <windows.h>

class MapLinkHooks {
  public:
    virtual ~MapLinkHooks() = default;
    // While the window initialises: the stored map object name, then the protocol messages.
    virtual void ReadSettings() = 0;
    virtual void RegisterMessages() = 0;
    virtual void ShowOnMap() = 0;                              // 地図表示
    virtual void CapturePosition() = 0;                        // 位置取込
    virtual void SelectMap() = 0;                              // 地図 > 選択
    virtual void OnMapEvent(WPARAM wParam, LPARAM lParam) = 0; // UMSG_MAP_EVENT
    virtual void OnMapReply(WPARAM wParam, LPARAM lParam) = 0; // UMSG_MAP_REPLY
    // The window is going: close the bridge and wait, bounded, for it to end.
    virtual void Shutdown() = 0;
};
