// MapLink: the editor's side of the map link, carried out on the main window. It starts the
// bridge Cartolink2 on demand, sends it the selected points, takes the map's mark position
// from its replies into the 緯度 and 経度 boxes, turns that position into a new point, and
// restarts the bridge when another map application is chosen.
#pragma once

#include "map_link_hooks.h"
#include "map_object_dialog.h"
#include "maplink_protocol.h"

#include <windows.h>

class MainWindow;

class MapLink : public MapLinkHooks {
  public:
    explicit MapLink(MainWindow& window);

    void ReadSettings() override;
    void ShowOnMap() override;
    void CapturePosition() override;
    void SelectMap() override;
    void OnMapEvent(WPARAM wParam, LPARAM lParam) override;
    void OnMapReply(WPARAM wParam, LPARAM lParam) override;

    // Starts the bridge, waits until it is idle and opens the chosen map application.
    void StartBridge();
    // Posts WM_CLOSE to a known bridge window and waits, bounded, for its process to end.
    void CloseBridge();
    // One text frame to the window titled "Cartolink", looked up afresh. Returns 0, or -1
    // when there is no such window (the frame is lost, silently).
    int SendFrame(SubCode terminator, const char* text = "");

    MapObjectDialog& dialog() { return dialog_; }

    // The last mark position received, D.MM.SS.sss; empty while there is none.
    char capturedLatitude[32] = {};
    char capturedLongitude[32] = {};

    // The bridge's command line (cp932) and the wait until it is idle. The wait for it to end
    // is the main window's bridgeCloseTimeout.
    char bridgeCommandLine[MAX_PATH] = {};
    DWORD bridgeIdleTimeout = 10000;

  private:
    void TakeCapturedCoord(SubCode which);

    MainWindow& main_;
    MapObjectDialog dialog_;
    size_t replyLength_ = 0;
};
