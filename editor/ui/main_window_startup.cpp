// Building the main window from the command line, the path-acceptance step, the load at
// start-up, and where the bridge program is looked for.
#include "main_window.h"

#include "editor_texts.h"
#include "message_notifier.h"
#include "qpf_format.h"
#include "resource_ids.h"
#include "text_bytes.h"
#include "win_text.h"

#include <cstring>

MainWindow::MainWindow(HWND parentWindow, const char* commandLine) : parent(parentWindow) {
    bridgeRunning = 0;
    screenMode = 0;
    currentFilePath[0] = '\0';
    saveTargetPath[0] = '\0';
    // The first token names the file; one too long to hold is refused, and said so.
    if (PathFromCommandLine(commandLine != nullptr ? commandLine : "", currentFilePath,
                            sizeof currentFilePath) < 0)
        showMessage(MSG_UNUSABLE_FILE_NAME);
    AcceptPath(currentFilePath);
    std::memcpy(importFolder, fileFolder, sizeof importFolder);
    windowIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_MAIN));
    mapLink = CreateMapLinkHooks(*this);
}

void MainWindow::AcceptPath(const char* path) {
    char folder[kPathBytes];
    FolderOfPath(path, folder, sizeof folder);
    if (folder[0] == '\0') {
        wchar_t current[MAX_PATH] = {};
        GetCurrentDirectoryW(MAX_PATH, current);
        WideToCp932(current, folder);
    }
    bool qpf = hasQpfExtension(path);
    // `path` may be one of this window's own buffers.
    if (qpf) {
        char copy[kPathBytes];
        copyInto(copy, path);
        copyInto(saveTargetPath, copy);
    } else {
        saveTargetPath[0] = '\0';
    }
    copyInto(fileFolder, folder);
}

// A file that could not be read must not become the target of a later Save: the old points
// would be written over it.
void MainWindow::LoadCurrentFile() {
    if (document.loadFile(currentFilePath) != 0) saveTargetPath[0] = '\0';
}

void MainWindow::FindBridgeProgram() {
    if (editorFolder[0] == '\0') {
        wchar_t module[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, module, MAX_PATH);
        char modulePath[256];
        WideToCp932(module, modulePath);
        FolderWithOneBackslash(modulePath, editorFolder, sizeof editorFolder);
    }
    char path[kPathBytes * 2];
    std::strcpy(path, editorFolder);
    std::strcat(path, TEXT_BRIDGE_PROGRAM);
    copyInto(bridgePath, path);
    DWORD attributes = GetFileAttributesW(Cp932ToWide(bridgePath).c_str());
    bridgePresent =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 ? 1 : 0;
}

void MainWindow::CenterOnScreen() {
    RECT outer = {};
    GetWindowRect(window, &outer);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& area = monitor.rcWork;
    int width = outer.right - outer.left;
    int height = outer.bottom - outer.top;
    int x = area.left + (area.right - area.left - width) / 2;
    int y = area.top + (area.bottom - area.top - height) / 2;
    SetWindowPos(window, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
