// The bridge program Cartolink2 as the editor runs it: started on demand, waited for until it
// is idle, closed with a bounded wait. The one owner of its process handles and its window.
#pragma once

#include <windows.h>

class BridgeProcess {
  public:
    BridgeProcess() = default;
    ~BridgeProcess();
    BridgeProcess(const BridgeProcess&) = delete;
    BridgeProcess& operator=(const BridgeProcess&) = delete;

    // Starts `commandLine` (cp932) and waits up to `idleTimeout` ms until it is idle. Handles of
    // an earlier bridge not closed through here are let go first. Returns false when the
    // program could not be started.
    bool Start(const char* commandLine, DWORD idleTimeout);
    // Posts WM_CLOSE to the known bridge window and waits up to closeTimeout ms for its
    // process to end; a bridge that does not end is left to end by itself.
    void Close();
    // Takes over a bridge that is already running (its window and a handle to wait on).
    void Adopt(HWND window, HANDLE process);

    // The window titled "Cartolink" once the bridge shows it.
    HWND window() const { return window_; }
    void setWindow(HWND window) { window_ = window; }
    const PROCESS_INFORMATION& process() const { return process_; }
    // Whether a start was made (successful or not) since the editor started.
    bool running() const { return running_; }

    DWORD closeTimeout = 10000;

  private:
    void ReleaseHandles();

    PROCESS_INFORMATION process_ = {};
    HWND window_ = nullptr;
    bool running_ = false;
};
