#include "editor_e2e_driver.h"
#include "cp932_text.h"

#include "bridge_e2e_driver.h"
#include "maplink_protocol.h"

#include <commctrl.h>

#include <shlobj.h>

#include <cstring>

namespace {

// A block of memory inside another process, freed at the end.
class RemoteBlock {
  public:
    RemoteBlock(HANDLE process, size_t size) : process_(process) {
        address_ = VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    }
    ~RemoteBlock() {
        if (address_ != nullptr) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
    }
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;

    void* at(size_t offset) const { return static_cast<char*>(address_) + offset; }
    bool Write(size_t offset, const void* data, size_t size) const {
        return address_ != nullptr && WriteProcessMemory(process_, at(offset), data, size, nullptr);
    }
    bool Read(size_t offset, void* data, size_t size) const {
        return address_ != nullptr && ReadProcessMemory(process_, at(offset), data, size, nullptr);
    }

  private:
    HANDLE process_;
    void* address_ = nullptr;
};

LRESULT SendTimed(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    DWORD_PTR result = 0;
    SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, 10000, &result);
    return static_cast<LRESULT>(result);
}

std::string ToCp932(const wchar_t* text) {
    return wideToCp932Lossy(text);
}

struct WindowSearch {
    DWORD pid;
    std::wstring title;
    HWND found;
    std::vector<HWND> all;
};

BOOL CALLBACK CollectWindows(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<WindowSearch*>(context);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner != search->pid || !IsWindowVisible(window)) return TRUE;
    search->all.push_back(window);
    wchar_t title[256] = {};
    GetWindowTextW(window, title, 256);
    if (search->found == nullptr && !search->title.empty() && search->title == title) search->found = window;
    return TRUE;
}

} // namespace

EditorProcess::~EditorProcess() {
    if (process_ == nullptr) return;
    if (Running()) {
        // A failed test may leave the editor asking something: end it the hard way.
        TerminateProcess(process_, 1);
        WaitForSingleObject(process_, 10000);
    }
    CloseHandle(process_);
}

bool EditorProcess::Start(const std::wstring& program, const std::wstring& arguments,
                          const std::wstring& folder) {
    std::wstring commandLine = L"\"" + program + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &info))
        return false;
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    pid_ = info.dwProcessId;
    WaitForInputIdle(process_, 15000);
    WaitUntil(
        [&] {
            WindowSearch search{pid_, L"Markwerk", nullptr, {}};
            EnumWindows(CollectWindows, reinterpret_cast<LPARAM>(&search));
            window_ = search.found;
            return window_ != nullptr;
        },
        15000);
    return window_ != nullptr;
}

bool EditorProcess::Running() const {
    return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool EditorProcess::WaitForEnd(DWORD timeoutMilliseconds) {
    return WaitUntil([&] { return !Running(); }, timeoutMilliseconds);
}

bool EditorProcess::DropFile(const std::wstring& path) {
    DROPFILES header = {};
    header.pFiles = sizeof header;
    header.pt = POINT{40, 120};
    header.fWide = TRUE;
    std::vector<char> data(sizeof header + (path.size() + 2) * sizeof(wchar_t), 0);
    std::memcpy(data.data(), &header, sizeof header);
    std::memcpy(data.data() + sizeof header, path.c_str(), path.size() * sizeof(wchar_t));
    // Left to the editor: DragFinish releases it (or, under Wine, refuses memory that is not of
    // its heap, which then stays until the editor ends).
    void* remote = VirtualAllocEx(process_, nullptr, data.size(), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
    if (remote == nullptr || !WriteProcessMemory(process_, remote, data.data(), data.size(), nullptr))
        return false;
    return PostMessageW(window_, WM_DROPFILES, reinterpret_cast<WPARAM>(remote), 0) != FALSE;
}

void EditorProcess::Click(int buttonId) const {
    PostMessageW(Control(buttonId), BM_CLICK, 0, 0);
}

void EditorProcess::Command(int commandId) const {
    PostMessageW(window_, WM_COMMAND, MAKEWPARAM(commandId, 0), 0);
}

std::string EditorProcess::Text(int id) const {
    wchar_t text[1024] = {};
    SendTimed(Control(id), WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text));
    return ToCp932(text);
}

bool EditorProcess::Responsive(DWORD timeoutMilliseconds) const {
    DWORD_PTR result = 0;
    return SendMessageTimeoutW(window_, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, timeoutMilliseconds, &result) != 0;
}

std::string EditorProcess::StatusText(int pane) const {
    HWND bar = FindWindowExW(window_, nullptr, STATUSCLASSNAMEW, nullptr);
    const size_t textChars = 512;
    RemoteBlock block(process_, textChars * sizeof(wchar_t));
    wchar_t text[textChars] = {};
    if (bar == nullptr || !block.Write(0, text, sizeof text)) return "<no status bar>";
    LRESULT length = SendTimed(bar, SB_GETTEXTLENGTHW, static_cast<WPARAM>(pane), 0);
    if (LOWORD(length) >= textChars) return "<too long>";
    SendTimed(bar, SB_GETTEXTW, static_cast<WPARAM>(pane), reinterpret_cast<LPARAM>(block.at(0)));
    block.Read(0, text, sizeof text - sizeof(wchar_t));
    return ToCp932(text);
}

int EditorProcess::RowCount() const {
    return static_cast<int>(SendTimed(Control(1000), LVM_GETITEMCOUNT, 0, 0));
}

std::string EditorProcess::Cell(int row, int column) const {
    const size_t textChars = 512;
    RemoteBlock block(process_, sizeof(LVITEMW) + textChars * sizeof(wchar_t));
    LVITEMW item = {};
    item.iSubItem = column;
    item.pszText = static_cast<wchar_t*>(block.at(sizeof(LVITEMW)));
    item.cchTextMax = textChars;
    wchar_t empty = 0;
    if (!block.Write(0, &item, sizeof item) || !block.Write(sizeof item, &empty, sizeof empty))
        return "<no memory>";
    SendTimed(Control(1000), LVM_GETITEMTEXTW, static_cast<WPARAM>(row),
              reinterpret_cast<LPARAM>(block.at(0)));
    wchar_t text[textChars] = {};
    block.Read(sizeof item, text, sizeof text - sizeof(wchar_t));
    return ToCp932(text);
}

void EditorProcess::SelectRows(const std::vector<int>& rows) const {
    RemoteBlock block(process_, sizeof(LVITEMW));
    LVITEMW item = {};
    item.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    item.state = 0;
    block.Write(0, &item, sizeof item);
    SendTimed(Control(1000), LVM_SETITEMSTATE, static_cast<WPARAM>(-1),
              reinterpret_cast<LPARAM>(block.at(0)));
    item.stateMask = LVIS_SELECTED;
    item.state = LVIS_SELECTED;
    block.Write(0, &item, sizeof item);
    for (int row : rows)
        SendTimed(Control(1000), LVM_SETITEMSTATE, static_cast<WPARAM>(row),
                  reinterpret_cast<LPARAM>(block.at(0)));
}

HWND EditorProcess::FindDialog(const char* captionCp932) const {
    std::wstring caption = cp932ToWide(captionCp932);
    WindowSearch search{pid_, caption.c_str(), nullptr, {}};
    EnumWindows(CollectWindows, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

std::vector<HWND> EditorProcess::OtherWindows() const {
    WindowSearch search{pid_, L"", nullptr, {}};
    EnumWindows(CollectWindows, reinterpret_cast<LPARAM>(&search));
    std::vector<HWND> others;
    for (HWND window : search.all)
        if (window != window_) others.push_back(window);
    return others;
}

DWORD BridgePid() {
    HWND bridge = FindWindowW(nullptr, L"Cartolink");
    if (bridge == nullptr) return 0;
    DWORD pid = 0;
    GetWindowThreadProcessId(bridge, &pid);
    return pid;
}
