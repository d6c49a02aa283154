// Helpers for the map link tests under Wine: a scratch registry key standing in for the
// editor's key, and a stand-in for the bridge (a window titled "Cartolink" in the test
// process) that rebuilds the frames the editor posts to it.
#pragma once

#include "map_object_store.h"
#include "maplink_protocol.h"

#include <windows.h>

#include <string>
#include <vector>

namespace maplink_test {

// HKEY_CURRENT_USER\Software\Vorn\TenmarkTest, emptied at construction and removed at the end.
class ScratchKey {
  public:
    ScratchKey();
    ~ScratchKey();
    ScratchKey(const ScratchKey&) = delete;
    ScratchKey& operator=(const ScratchKey&) = delete;

    MapObjectStore Store() const;
    // The raw registry, read and written without the store (names and texts cp932).
    void SetString(const char* name, const char* text) const;
    void SetNumber(const char* name, DWORD value) const;
    // "<absent>" when there is no such value, "<type N>" when it is no string.
    std::string String(const char* name) const;
    // -1 when absent or not a 32-bit number.
    long long Number(const char* name) const;
    bool Has(const char* name) const;
    // "MapObject00".."MapObject14" that exist, in order.
    std::vector<std::string> StoredNames() const;
};

// A window titled "Cartolink" that keeps every frame it receives.
class BridgeStandIn {
  public:
    struct Frame {
        int terminator;   // SubCode
        std::string text; // cp932
        int steps;        // messages the frame took, the terminator included
    };

    BridgeStandIn();
    ~BridgeStandIn();
    BridgeStandIn(const BridgeStandIn&) = delete;
    BridgeStandIn& operator=(const BridgeStandIn&) = delete;

    HWND window() const { return window_; }
    const std::vector<Frame>& frames() const { return frames_; }
    int closeRequests() const { return closeRequests_; }
    void Clear() {
        frames_.clear();
        closeRequests_ = 0;
    }
    // "SUB_NAME:text" per frame.
    std::vector<std::string> Describe() const;

  private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND window_ = nullptr;
    MapLinkMessages messages_;
    std::string text_;
    int steps_ = 0;
    std::vector<Frame> frames_;
    int closeRequests_ = 0;
};

} // namespace maplink_test
