// Building the main window from the command line, the path-acceptance step, the load at
// start-up, and where the bridge program is looked for.
#include "main_window.h"
#include "map_link.h"

#include "editor_texts.h"
#include "message_notifier.h"
#include "qpf_format.h"
#include "resource_ids.h"
#include "text_bytes.h"
#include "cp932_text.h"
#include "window_text.h"

#include <cstring>

MainWindow::MainWindow(HWND parentWindow, const char* commandLine) : parent_(parentWindow) {
    currentFilePath_[0] = '\0';
    saveTargetPath_[0] = '\0';
    // The first token names the file; one too long to hold is refused, and said so.
    if (PathFromCommandLine(commandLine != nullptr ? commandLine : "", currentFilePath_,
                            sizeof currentFilePath_) < 0)
        showMessage(MSG_UNUSABLE_FILE_NAME);
    AcceptPath(currentFilePath_);
    std::memcpy(importFolder_, fileFolder_, sizeof importFolder_);
    windowIcon_ = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDI_MAIN));
    mapLink_ = std::make_unique<MapLink>(*this);
}

void MainWindow::AcceptPath(const char* path) {
    char folder[kPathBytes];
    FolderOfPath(path, folder, sizeof folder);
    if (folder[0] == '\0') {
        wchar_t current[MAX_PATH] = {};
        GetCurrentDirectoryW(MAX_PATH, current);
        wideToCp932Cut(current, folder);
    }
    bool qpf = hasQpfExtension(path);
    // `path` may be one of this window's own buffers.
    if (qpf) {
        char copy[kPathBytes];
        copyInto(copy, path);
        copyInto(saveTargetPath_, copy);
    } else {
        saveTargetPath_[0] = '\0';
    }
    copyInto(fileFolder_, folder);
}

// A file that could not be read must not become the target of a later Save: the old points
// would be written over it.
void MainWindow::LoadCurrentFile() {
    if (document_.loadFile(currentFilePath_) != 0) saveTargetPath_[0] = '\0';
}

void MainWindow::FindBridgeProgram() {
    if (editorFolder_[0] == '\0') {
        wchar_t module[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, module, MAX_PATH);
        char modulePath[256];
        wideToCp932Cut(module, modulePath);
        FolderWithOneBackslash(modulePath, editorFolder_, sizeof editorFolder_);
    }
    char path[kPathBytes * 2];
    std::strcpy(path, editorFolder_);
    std::strcat(path, TEXT_BRIDGE_PROGRAM);
    copyInto(bridgePath_, path);
    DWORD attributes = GetFileAttributesW(cp932ToWide(bridgePath_).c_str());
    bridgePresent_ =
        attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 ? 1 : 0;
}

void MainWindow::CenterOnScreen() {
    RECT outer = {};
    GetWindowRect(window_, &outer);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(window_, MONITOR_DEFAULTTOPRIMARY), &monitor);
    const RECT& area = monitor.rcWork;
    int width = outer.right - outer.left;
    int height = outer.bottom - outer.top;
    int x = area.left + (area.right - area.left - width) / 2;
    int y = area.top + (area.bottom - area.top - height) / 2;
    SetWindowPos(window_, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
