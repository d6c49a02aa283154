// The window's destruction closes the bridge program it started, and waits for it to end.
#include "main_window.h"

void MainWindow::CloseBridge() {
    if (bridgeWindow == nullptr) return;
    PostMessageW(bridgeWindow, WM_CLOSE, 0, 0);
    bridgeWindow = nullptr;
    if (bridgeProcess.hProcess == nullptr) return;
    // Bounded: a bridge that hangs must not keep the editor from ending. It is left to end
    // by itself.
    WaitForSingleObject(bridgeProcess.hProcess, bridgeCloseTimeout);
    CloseHandle(bridgeProcess.hProcess);
    if (bridgeProcess.hThread != nullptr) CloseHandle(bridgeProcess.hThread);
    bridgeProcess = PROCESS_INFORMATION{};
}
