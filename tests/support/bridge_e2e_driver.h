// Drives Cartolink2 from a test process the way the editor does: a window titled "Markwerk"
// that receives the bridge's messages, and frames posted to the window "Cartolink".
#pragma once

#include "maplink_protocol.h"

#include <windows.h>

#include "mapview_test_support.h"
#include "message_pump.h"

#include <functional>
#include <string>
#include <vector>


// Full path of a file beside the test executable.
std::wstring BesideTests(const wchar_t* file);

// Waits for a process to end; returns false when it is still running after the time.
bool WaitForProcessEnd(DWORD pid, DWORD timeoutMilliseconds);

// The texts of a window's children (a message box's message among them).
std::vector<std::wstring> ChildTexts(HWND window);

// The top-level window of the process with the class name, or null.
HWND FindProcessWindow(DWORD pid, const wchar_t* className);

// The editor's side of the wire: a hidden top-level window titled "Markwerk".
class EditorStandIn {
  public:
    struct Received {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
    };
    struct Reply {
        uint32_t terminator;
        std::string text;
    };

    EditorStandIn();
    ~EditorStandIn();
    EditorStandIn(const EditorStandIn&) = delete;
    EditorStandIn& operator=(const EditorStandIn&) = delete;

    HWND window() const { return window_; }
    const std::vector<Received>& received() const { return received_; }
    void Clear() { received_.clear(); }

    // UMSG_MAP_EVENT messages received so far.
    int EventCount() const;
    // Finished UMSG_MAP_REPLY frames, the text read as the editor reads it (low byte of lParam).
    std::vector<Reply> Replies(const MapLinkMessages& messages) const;

  private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND window_ = nullptr;
    std::vector<Received> received_;
};

// Cartolink2.exe started as the editor starts it.
class BridgeUnderTest {
  public:
    BridgeUnderTest() = default;
    ~BridgeUnderTest();
    BridgeUnderTest(const BridgeUnderTest&) = delete;
    BridgeUnderTest& operator=(const BridgeUnderTest&) = delete;

    // Starts the program, waits until it is idle and its window is there. Returns false on failure.
    bool Start();
    DWORD pid() const { return pid_; }
    HWND window() const { return window_; }
    bool Running() const;

    // Posts one text frame to the window titled "Cartolink", looked up afresh.
    bool Send(const MapLinkMessages& messages, SubCode terminator, const char* text = "");
    // Posts a single WM_CARTOLINK message.
    bool Post(const MapLinkMessages& messages, WPARAM wParam, LPARAM lParam);

    std::wstring Text1() const;

    // Posts WM_CLOSE and waits for the process to end. Returns its exit code, -1 on time-out
    // (the process is then ended).
    int Close(DWORD timeoutMilliseconds = 20000);
    // Waits (dispatching messages) for the process to end. Returns its exit code, -1 on time-out.
    int WaitForExit(DWORD timeoutMilliseconds);

  private:
    HANDLE process_ = nullptr;
    DWORD pid_ = 0;
    HWND window_ = nullptr;
};
