#include "bridge_process.h"

#include "cp932_text.h"

#include <string>

BridgeProcess::~BridgeProcess() {
    ReleaseHandles();
}

void BridgeProcess::ReleaseHandles() {
    if (process_.hProcess != nullptr) CloseHandle(process_.hProcess);
    if (process_.hThread != nullptr) CloseHandle(process_.hThread);
    process_ = PROCESS_INFORMATION{};
}

bool BridgeProcess::Start(const char* commandLine, DWORD idleTimeout) {
    ReleaseHandles();
    running_ = true;
    std::wstring line = cp932ToWide(commandLine);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    if (!CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process_)) {
        process_ = PROCESS_INFORMATION{};
        return false;
    }
    WaitForInputIdle(process_.hProcess, idleTimeout);
    return true;
}

void BridgeProcess::Close() {
    if (window_ == nullptr) return;
    PostMessageW(window_, WM_CLOSE, 0, 0);
    window_ = nullptr;
    if (process_.hProcess == nullptr) return;
    // Bounded: a bridge that hangs must not keep the editor from ending.
    WaitForSingleObject(process_.hProcess, closeTimeout);
    ReleaseHandles();
}

void BridgeProcess::Adopt(HWND window, HANDLE process) {
    ReleaseHandles();
    window_ = window;
    process_.hProcess = process;
}
