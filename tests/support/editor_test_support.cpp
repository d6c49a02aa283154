#include "editor_test_support.h"

#include "list_rows.h"
#include "message_box_notifier.h"
#include "point_document.h"
#include "cp932_text.h"
#include "window_text.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <objbase.h>
#include <shlobj.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace editor_test {

namespace {

// Every test executable of the editor shows the core's messages as the editor does, and has
// the common controls ready.
class EditorEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_LISTVIEW_CLASSES | ICC_BAR_CLASSES |
                                                              ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
        InitCommonControlsEx(&controls);
        setMessageNotifier(&notifier_);
    }
    void TearDown() override { setMessageNotifier(nullptr); }

  private:
    MessageBoxNotifier notifier_;
};

[[maybe_unused]] ::testing::Environment* const g_environment =
    ::testing::AddGlobalTestEnvironment(new EditorEnvironment);

void RemoveTree(const std::wstring& path) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring child = path + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(child.c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(path.c_str());
}

// Records the items of the popup the window shows, then closes it again.
std::vector<std::string> g_popupItems;
int g_popupsShown = 0;
LRESULT CALLBACK PopupRecorder(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR, DWORD_PTR) {
    if (message == WM_INITMENUPOPUP) {
        ++g_popupsShown;
        g_popupItems = MenuItems(reinterpret_cast<HMENU>(wParam));
        PostMessageW(window, WM_CANCELMODE, 0, 0);
    }
    return DefSubclassProc(window, message, wParam, lParam);
}

} // namespace


TempDir::TempDir(const char* nameCp932) {
    wchar_t base[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, base);
    static int counter = 0;
    wchar_t unique[64];
    swprintf(unique, 64, L"_%lu_%d", GetCurrentProcessId(), ++counter);
    std::wstring folder = std::wstring(base) + cp932ToWide(nameCp932) + unique;
    CreateDirectoryW(folder.c_str(), nullptr);
    path_ = wideToCp932Lossy(folder.c_str());
}

TempDir::~TempDir() {
    RemoveTree(cp932ToWide(path_.c_str()));
}

std::string CurrentDirectory() {
    wchar_t current[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, current);
    return wideToCp932Lossy(current);
}

ScopedCurrentDirectory::ScopedCurrentDirectory(const std::string& folderCp932) {
    wchar_t current[MAX_PATH] = {};
    GetCurrentDirectoryW(MAX_PATH, current);
    previous_ = current;
    SetCurrentDirectoryW(cp932ToWide(folderCp932.c_str()).c_str());
}

ScopedCurrentDirectory::~ScopedCurrentDirectory() {
    SetCurrentDirectoryW(previous_.c_str());
}

std::string WriteQpf(const std::string& path, const std::vector<PointSpec>& points) {
    PointDocument document;
    for (size_t i = 0; i < points.size(); ++i) {
        int at = static_cast<int>(i);
        document.insertBlank(at);
        document.setName(at, points[i].name);
        document.setMarkNumber(at, points[i].markNumber);
        document.setLongitude(at, points[i].longitude);
        document.setLatitude(at, points[i].latitude);
        document.setVoiceWord(at, points[i].voiceWord);
        document.setPhone(at, points[i].phone);
    }
    EXPECT_EQ(0, document.saveFile(path.c_str())) << path;
    return path;
}

std::string WriteNumberedQpf(const std::string& path, int n) {
    std::vector<std::string> names, marks;
    for (int i = 0; i < n; ++i) {
        names.push_back("P" + std::to_string(i));
        char mark[8];
        std::snprintf(mark, sizeof mark, "%02d", i % 55 + 1);
        marks.push_back(mark);
    }
    std::vector<PointSpec> points;
    for (int i = 0; i < n; ++i)
        points.push_back(PointSpec{names[i].c_str(), marks[i].c_str()});
    return WriteQpf(path, points);
}

void WriteBytes(const std::string& path, const char* bytes) {
    HANDLE file = CreateFileW(cp932ToWide(path.c_str()).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes, static_cast<DWORD>(std::strlen(bytes)), &written, nullptr);
    CloseHandle(file);
}

Editor OpenEditor(const char* commandLine, const std::function<void(MainWindow&)>& prepare) {
    Editor editor;
    editor.main = std::make_unique<MainWindow>(nullptr, commandLine);
    if (prepare) prepare(*editor.main);
    HWND created = editor.main->CreateModeless();
    EXPECT_NE(nullptr, created);
    Pump();
    return editor;
}

std::string WindowText(HWND window) {
    char text[1024];
    GetWindowTextCp932(window, text, sizeof text);
    return text;
}

std::string StatusPane(HWND statusBar, int pane) {
    wchar_t text[1024] = {};
    LRESULT length = SendMessageW(statusBar, SB_GETTEXTLENGTHW, static_cast<WPARAM>(pane), 0);
    if (LOWORD(length) >= 1024) return "<too long>";
    SendMessageW(statusBar, SB_GETTEXTW, static_cast<WPARAM>(pane), reinterpret_cast<LPARAM>(text));
    return wideToCp932Lossy(text);
}

std::string ListCell(HWND list, int row, int column) {
    char text[512];
    GetListText(list, row, column, text, sizeof text);
    return text;
}

int RowCount(HWND list) {
    return static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
}

int RowImage(HWND list, int row) {
    LVITEMW item = {};
    item.mask = LVIF_IMAGE;
    item.iItem = row;
    SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&item));
    return item.iImage;
}

std::vector<std::string> RowNames(HWND list) {
    std::vector<std::string> names;
    for (int row = 0; row < RowCount(list); ++row)
        names.push_back(ListCell(list, row, 0));
    return names;
}

std::vector<std::string> DocumentNames(const PointDocument& document) {
    std::vector<std::string> names;
    for (int i = 0; i < document.count(); ++i)
        names.push_back(document.getName(i));
    return names;
}

std::vector<std::string> MenuItems(HMENU menu) {
    std::vector<std::string> items;
    for (int i = 0; i < GetMenuItemCount(menu); ++i) {
        MENUITEMINFOW info = {};
        info.cbSize = sizeof info;
        info.fMask = MIIM_FTYPE;
        GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info);
        if (info.fType & MFT_SEPARATOR) {
            items.push_back("-");
            continue;
        }
        wchar_t text[256] = {};
        GetMenuStringW(menu, static_cast<UINT>(i), text, 256, MF_BYPOSITION);
        items.push_back(wideToCp932Lossy(text));
    }
    return items;
}

std::vector<UINT> MenuIds(HMENU menu) {
    std::vector<UINT> ids;
    for (int i = 0; i < GetMenuItemCount(menu); ++i)
        ids.push_back(GetMenuItemID(menu, i));
    return ids;
}

RECT ChildRect(HWND parent, HWND child) {
    RECT rect = {};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

POINT RowCentre(HWND list, int row) {
    RECT rect = {};
    rect.left = LVIR_BOUNDS;
    SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&rect));
    // Within the first column, where every row has text.
    return POINT{rect.left + 40, (rect.top + rect.bottom) / 2};
}

UINT RowState(HWND list, int row, UINT mask) {
    return static_cast<UINT>(SendMessageW(list, LVM_GETITEMSTATE, static_cast<WPARAM>(row), mask));
}

bool RowChecked(HWND list, int row) {
    return ((RowState(list, row, LVIS_STATEIMAGEMASK) >> 12) - 1) == 1;
}

void SetRowState(HWND list, int row, UINT state, UINT mask) {
    LVITEMW item = {};
    item.state = state;
    item.stateMask = mask;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&item));
}

HDROP MakeDrop(const std::vector<std::string>& pathsCp932) {
    std::vector<std::wstring> paths;
    for (const std::string& path : pathsCp932)
        paths.push_back(cp932ToWide(path.c_str()));
    return MakeDrop(paths);
}

HDROP MakeDrop(const std::vector<std::wstring>& paths) {
    std::wstring names;
    for (const std::wstring& path : paths) {
        names += path;
        names.push_back(L'\0');
    }
    names.push_back(L'\0');
    size_t bytes = sizeof(DROPFILES) + names.size() * sizeof(wchar_t);
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, bytes);
    auto* drop = static_cast<DROPFILES*>(GlobalLock(memory));
    drop->pFiles = sizeof(DROPFILES);
    drop->fWide = TRUE;
    std::memcpy(reinterpret_cast<char*>(drop) + sizeof(DROPFILES), names.data(),
                names.size() * sizeof(wchar_t));
    GlobalUnlock(memory);
    return static_cast<HDROP>(memory);
}

void SendListNotify(HWND parent, HWND list, UINT code, int row, POINT where) {
    NMITEMACTIVATE info = {};
    info.hdr.hwndFrom = list;
    info.hdr.idFrom = static_cast<UINT_PTR>(GetDlgCtrlID(list));
    info.hdr.code = code;
    info.iItem = row;
    info.ptAction = where;
    SendMessageW(parent, WM_NOTIFY, info.hdr.idFrom, reinterpret_cast<LPARAM>(&info));
}

DialogWatcher::DialogWatcher(const char* captionCp932, int button, std::function<void(HWND)> onFound)
    : caption_(cp932ToWide(captionCp932)), button_(button), onFound_(std::move(onFound)) {
    thread_ = std::thread([this] { Run(); });
}

DialogWatcher::~DialogWatcher() {
    stop_ = true;
    // The watcher may be waiting for this thread to answer a message.
    while (!finished_)
        Pump(10);
    thread_.join();
}

std::vector<std::string> DialogWatcher::texts() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return texts_;
}

void DialogWatcher::Run() {
    struct Search {
        DialogWatcher* self;
        HWND found;
    };
    while (!stop_) {
        Search search = {this, nullptr};
        EnumWindows(
            [](HWND window, LPARAM context) -> BOOL {
                auto* s = reinterpret_cast<Search*>(context);
                DWORD process = 0;
                GetWindowThreadProcessId(window, &process);
                if (process != GetCurrentProcessId() || !IsWindowVisible(window)) return TRUE;
                wchar_t className[64] = {};
                GetClassNameW(window, className, 64);
                if (std::wcscmp(className, L"#32770") != 0) return TRUE;
                // No message: the window's thread may be waiting for this one.
                wchar_t caption[256] = {};
                InternalGetWindowText(window, caption, 256);
                if (s->self->caption_ != caption) return TRUE;
                std::lock_guard<std::mutex> lock(s->self->mutex_);
                auto& handled = s->self->handled_;
                if (std::find(handled.begin(), handled.end(), window) != handled.end()) return TRUE;
                s->found = window;
                return FALSE;
            },
            reinterpret_cast<LPARAM>(&search));
        if (search.found == nullptr) {
            Sleep(20);
            continue;
        }
        std::string joined;
        for (HWND child = GetWindow(search.found, GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            if (!joined.empty()) joined += "|";
            wchar_t text[1024] = {};
            DWORD_PTR ignored = 0;
            SendMessageTimeoutW(child, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text), SMTO_BLOCK, 2000,
                                &ignored);
            joined += wideToCp932Lossy(text);
        }
        {
            std::lock_guard<std::mutex> lock(mutex_);
            texts_.push_back(joined);
            handled_.push_back(search.found);
        }
        ++seen_;
        if (onFound_) {
            onFound_(search.found);
        } else {
            PostMessageW(search.found, WM_COMMAND, MAKEWPARAM(button_, BN_CLICKED),
                         reinterpret_cast<LPARAM>(GetDlgItem(search.found, button_)));
        }
    }
    finished_ = true;
}

const char* MessageBoxCaption() {
    return ApplicationTitle();
}

// Pixels of a drawing on a white 32 x 32 bitmap.
std::vector<uint32_t> Drawn(const std::function<void(HDC)>& draw) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 32;
    info.bmiHeader.biHeight = -32;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    HBITMAP bitmap = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(dc, bitmap);
    RECT all = {0, 0, 32, 32};
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    draw(dc);
    GdiFlush();
    std::vector<uint32_t> pixels(static_cast<uint32_t*>(bits), static_cast<uint32_t*>(bits) + 32 * 32);
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return pixels;
}

std::vector<uint32_t> DrawnEntry(HIMAGELIST list, int index) {
    return Drawn([&](HDC dc) { ImageList_Draw(list, index, dc, 0, 0, ILD_NORMAL); });
}

std::vector<uint32_t> DrawnIcon(HICON icon) {
    return Drawn([&](HDC dc) { DrawIconEx(dc, 0, 0, icon, 32, 32, 0, nullptr, DI_NORMAL); });
}

// An icon as an image list like the window's shows it.
std::vector<uint32_t> DrawnViaList(HICON icon) {
    HIMAGELIST list = ImageList_Create(32, 32, ILC_COLOR32 | ILC_MASK, 1, 1);
    ImageList_ReplaceIcon(list, -1, icon);
    std::vector<uint32_t> pixels = DrawnEntry(list, 0);
    ImageList_Destroy(list);
    return pixels;
}

HICON LoadIconOfSize(const wchar_t* fileOrNull, int resource, int size) {
    if (fileOrNull != nullptr) {
        return static_cast<HICON>(LoadImageW(nullptr, fileOrNull, IMAGE_ICON, size, size, LR_LOADFROMFILE));
    }
    return static_cast<HICON>(
        LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(resource), IMAGE_ICON, size, size, 0));
}

std::string BinFolder() {
    wchar_t module[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    std::string path = wideToCp932Lossy(module);
    return path.substr(0, path.find_last_of('\\'));
}

std::vector<std::string> ContextMenuOf(HWND window, HWND from, int* shown) {
    g_popupItems.clear();
    g_popupsShown = 0;
    SetWindowSubclass(window, PopupRecorder, 7, 0);
    RECT rect = {};
    GetWindowRect(from, &rect);
    SendMessageW(window, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(from),
                 MAKELPARAM(rect.left + 20, rect.top + 40));
    RemoveWindowSubclass(window, PopupRecorder, 7);
    if (shown != nullptr) *shown = g_popupsShown;
    return g_popupItems;
}

} // namespace editor_test
