// Helpers for the editor window tests under Wine: QPF files in a scratch folder, the main
// window created for real, reading its controls back as cp932, dropped-file data, and a
// watcher thread that finds modal boxes, reads them and presses their buttons.
#pragma once

#include "main_window.h"
#include "message_pump.h"
#include "map_link.h"

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace editor_test {


// A fresh folder under the temporary folder, removed with everything in it.
class TempDir {
  public:
    explicit TempDir(const char* nameCp932 = "tenmark");
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; } // cp932, no trailing backslash
    std::string file(const char* nameCp932) const { return path_ + "\\" + nameCp932; }

  private:
    std::string path_;
};

// Changes the current folder for the life of the object.
class ScopedCurrentDirectory {
  public:
    explicit ScopedCurrentDirectory(const std::string& folderCp932);
    ~ScopedCurrentDirectory();

  private:
    std::wstring previous_;
};

std::string CurrentDirectory(); // cp932

struct PointSpec {
    const char* name;
    const char* markNumber;
    const char* longitude = "139/46/00.0";
    const char* latitude = "035/40/50.5";
    const char* voiceWord = "";
    const char* phone = "";
};

// Writes a QPF file through the point core; returns its path.
std::string WriteQpf(const std::string& path, const std::vector<PointSpec>& points);
// n points named P0, P1, ... with marks 1, 2, ...
std::string WriteNumberedQpf(const std::string& path, int n);
void WriteBytes(const std::string& path, const char* bytes);

// The editor's main window, created modelessly for real from its IDD_MAIN template.
struct Editor {
    std::unique_ptr<MainWindow> main;
    HWND window() const { return main->window(); }
    HWND control(int id) const { return GetDlgItem(main->window(), id); }
};
// `prepare` runs between construction and creation (e.g. to choose the bridge folder).
Editor OpenEditor(const char* commandLine, const std::function<void(MainWindow&)>& prepare = nullptr);

// Readers, all cp932.
std::string WindowText(HWND window);
std::string StatusPane(HWND statusBar, int pane);
std::string ListCell(HWND list, int row, int column);
int RowCount(HWND list);
int RowImage(HWND list, int row); // the row's image index
std::vector<std::string> RowNames(HWND list);
std::vector<std::string> DocumentNames(const PointDocument& document);
std::vector<std::string> MenuItems(HMENU menu); // "text" per item, "-" for a separator
std::vector<UINT> MenuIds(HMENU menu);
RECT ChildRect(HWND parent, HWND child); // in the parent's client coordinates
POINT RowCentre(HWND list, int row);     // client coordinates of the list
UINT RowState(HWND list, int row, UINT mask);
bool RowChecked(HWND list, int row);
void SetRowState(HWND list, int row, UINT state, UINT mask);

// Dropped-file data as the shell hands it over (freed by DragFinish).
HDROP MakeDrop(const std::vector<std::string>& pathsCp932);
HDROP MakeDrop(const std::vector<std::wstring>& paths);

// The notifications a list view sends its parent.
void SendListNotify(HWND parent, HWND list, UINT code, int row, POINT where);

// Watches, on its own thread, for dialog boxes of this process with the given caption; for
// each one it reads every child window's text and then presses `button`. `onFound`, when
// given, runs on the watcher thread instead of pressing the button.
class DialogWatcher {
  public:
    DialogWatcher(const char* captionCp932, int button, std::function<void(HWND)> onFound = nullptr);
    ~DialogWatcher();
    DialogWatcher(const DialogWatcher&) = delete;
    DialogWatcher& operator=(const DialogWatcher&) = delete;

    int seen() const { return seen_.load(); }
    // The texts of the boxes seen so far, one string per box: its children's texts joined by "|".
    std::vector<std::string> texts() const;

  private:
    void Run();

    std::wstring caption_;
    int button_;
    std::function<void(HWND)> onFound_;
    std::atomic<bool> stop_{false};
    std::atomic<bool> finished_{false};
    std::atomic<int> seen_{0};
    mutable std::mutex mutex_;
    std::vector<std::string> texts_;
    std::vector<HWND> handled_;
    std::thread thread_;
};

// The folder of the running test program, where the build puts the programs and mark icons.
std::string BinFolder();

// The items of the popup the window shows for a context-menu request from `from` (closed
// again at once); `shown` receives how many popups opened.
std::vector<std::string> ContextMenuOf(HWND window, HWND from, int* shown);

// Pictures drawn on a white 32 x 32 bitmap, as pixels.
std::vector<uint32_t> Drawn(const std::function<void(HDC)>& draw);
std::vector<uint32_t> DrawnEntry(HIMAGELIST list, int index);
std::vector<uint32_t> DrawnIcon(HICON icon);
// An icon as an image list like the window's shows it.
std::vector<uint32_t> DrawnViaList(HICON icon);
// An icon of the given size from a file, or from this program's resources when no file.
HICON LoadIconOfSize(const wchar_t* fileOrNull, int resource, int size);

// The caption of the editor's message boxes in this process (the executable's name).
const char* MessageBoxCaption();

// The map link the window was built with.
inline MapLink& LinkOf(MainWindow& window) {
    return *dynamic_cast<MapLink*>(window.mapLink());
}

} // namespace editor_test
