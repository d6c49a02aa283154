// MapLink: the editor's side of the map link, carried out on the main window. It starts the
// bridge Cartolink2 on demand, sends it the selected points, takes the map's mark position
// from its replies into the 緯度 and 経度 boxes, turns that position into a new point, and
// restarts the bridge when another map application is chosen.
#pragma once

#include "bridge_process.h"
#include "map_link_hooks.h"
#include "map_link_host.h"
#include "map_object_dialog.h"
#include "maplink_protocol.h"

#include <windows.h>

#include <commctrl.h>

class MapLink : public MapLinkHooks {
  public:
    explicit MapLink(MapLinkHost& host);

    void ReadSettings() override;
    void RegisterMessages() override;
    void ShowOnMap() override;
    void CapturePosition() override;
    void SelectMap() override;
    void OnMapEvent(WPARAM wParam, LPARAM lParam) override;
    void OnMapReply(WPARAM wParam, LPARAM lParam) override;
    void Shutdown() override;

    // Starts the bridge, waits until it is idle and opens the chosen map application.
    void StartBridge();
    // One text frame to the window titled "Cartolink", looked up afresh. Returns 0, or -1
    // when there is no such window (the frame is lost, silently).
    int SendFrame(SubCode terminator, const char* text = "");

    MapObjectDialog& dialog() { return dialog_; }
    BridgeProcess& bridge() { return bridge_; }
    const MapLinkMessages& messages() const { return messages_; }
    const char* storedMapObject() const { return storedMapObject_; }

    // The last mark position received, D.MM.SS.sss; empty while there is none.
    char capturedLatitude[32] = {};
    char capturedLongitude[32] = {};

    // The bridge's command line (cp932) and the wait until it is idle.
    char bridgeCommandLine[MAX_PATH] = {};
    DWORD bridgeIdleTimeout = 10000;

  private:
    void TakeCapturedCoord(SubCode which);

    MapLinkHost& host_;
    MapObjectDialog dialog_;
    BridgeProcess bridge_;
    MapLinkMessages messages_;
    char storedMapObject_[256] = {};
    // The reply frame being received: only digits and "/".
    char replyText_[kMaxFrameTextBytes + 1] = {};
    size_t replyLength_ = 0;
};
