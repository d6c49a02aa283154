// Drives the real Tenmark.exe from a test process: starts it, finds its window and controls,
// presses buttons and menu commands by posted messages, and reads and sets rows of its main
// list through memory allocated inside the editor's process (list-view messages carry
// pointers, which no window message carries across processes).
#pragma once

#include <windows.h>

#include <string>
#include <vector>

class EditorProcess {
  public:
    EditorProcess() = default;
    ~EditorProcess();
    EditorProcess(const EditorProcess&) = delete;
    EditorProcess& operator=(const EditorProcess&) = delete;

    // Starts `program` (a full path) with `arguments` (UTF-16) in `folder`, waits until it is
    // idle and its window "Markwerk" is there.
    bool Start(const std::wstring& program, const std::wstring& arguments, const std::wstring& folder);
    DWORD pid() const { return pid_; }
    HWND window() const { return window_; }
    HWND Control(int id) const { return GetDlgItem(window_, id); }
    bool Running() const;
    // Waits for the process to end; false when it still runs after the time.
    bool WaitForEnd(DWORD timeoutMilliseconds);

    // Drops a file on the window: the dropped-file data is built inside the editor's process
    // (a handle of this process would mean nothing there) and WM_DROPFILES is posted. The data
    // is fixed memory, which is what the editor's DragQueryFile and DragFinish take it for.
    // Returns false when the data could not be placed.
    bool DropFile(const std::wstring& path);

    void Click(int buttonId) const;    // BM_CLICK posted to the button
    void Command(int commandId) const; // WM_COMMAND posted to the window
    // A control's text as cp932 (asked from the editor's process).
    std::string Text(int id) const;
    // Whether the editor still answers within the time.
    bool Responsive(DWORD timeoutMilliseconds = 5000) const;

    // A pane of the status bar, cp932.
    std::string StatusText(int pane) const;

    int RowCount() const;
    std::string Cell(int row, int column) const; // cp932
    void SelectRows(const std::vector<int>& rows) const;

    // A dialog box of the editor's process with this caption (cp932), or null.
    HWND FindDialog(const char* captionCp932) const;
    // Every visible top-level window of the editor's process other than the main window.
    std::vector<HWND> OtherWindows() const;

  private:
    HANDLE process_ = nullptr;
    DWORD pid_ = 0;
    HWND window_ = nullptr;
};

// The pid of the process that owns the window titled "Cartolink", 0 when there is none.
DWORD BridgePid();
