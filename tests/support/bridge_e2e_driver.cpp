#include "bridge_e2e_driver.h"

#include "maplink_frame.h"

namespace {

const wchar_t kStandInClass[] = L"BridgeTestEditorStandIn";
EditorStandIn* g_standIn = nullptr;

struct ProcessWindowSearch {
    DWORD pid;
    const wchar_t* className;
    HWND found;
};

BOOL CALLBACK MatchProcessWindow(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<ProcessWindowSearch*>(context);
    DWORD pid = 0;
    GetWindowThreadProcessId(window, &pid);
    if (pid != search->pid) return TRUE;
    wchar_t className[128] = {};
    GetClassNameW(window, className, 128);
    if (lstrcmpW(className, search->className) != 0) return TRUE;
    search->found = window;
    return FALSE;
}

BOOL CALLBACK CollectChildText(HWND child, LPARAM context) {
    wchar_t text[1024] = {};
    GetWindowTextW(child, text, 1024);
    reinterpret_cast<std::vector<std::wstring>*>(context)->push_back(text);
    return TRUE;
}

} // namespace


std::wstring BesideTests(const wchar_t* file) {
    return mapview_test::BinDir() + L"\\" + file;
}

bool WaitForProcessEnd(DWORD pid, DWORD timeoutMilliseconds) {
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, pid);
    if (process == nullptr) return true;
    bool ended =
        WaitUntil([&] { return WaitForSingleObject(process, 0) == WAIT_OBJECT_0; }, timeoutMilliseconds);
    CloseHandle(process);
    return ended;
}

std::vector<std::wstring> ChildTexts(HWND window) {
    std::vector<std::wstring> texts;
    EnumChildWindows(window, CollectChildText, reinterpret_cast<LPARAM>(&texts));
    return texts;
}

HWND FindProcessWindow(DWORD pid, const wchar_t* className) {
    ProcessWindowSearch search{pid, className, nullptr};
    EnumWindows(MatchProcessWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

EditorStandIn::EditorStandIn() {
    WNDCLASSW windowClass = {};
    windowClass.lpfnWndProc = Proc;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = kStandInClass;
    RegisterClassW(&windowClass);
    g_standIn = this;
    // Hidden: the bridge finds it by title all the same, and it goes away without delay.
    window_ = CreateWindowExW(0, kStandInClass, L"Markwerk", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
}

EditorStandIn::~EditorStandIn() {
    if (window_ != nullptr) DestroyWindow(window_);
    g_standIn = nullptr;
}

LRESULT CALLBACK EditorStandIn::Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if ((message == UMSG_MAP_EVENT || message == UMSG_MAP_REPLY) && g_standIn != nullptr) {
        g_standIn->received_.push_back({message, wParam, lParam});
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

int EditorStandIn::EventCount() const {
    int count = 0;
    for (const Received& r : received_)
        count += r.message == UMSG_MAP_EVENT;
    return count;
}

std::vector<EditorStandIn::Reply> EditorStandIn::Replies(const MapLinkMessages& messages) const {
    std::vector<Reply> replies;
    std::string text;
    for (const Received& r : received_) {
        if (r.message != UMSG_MAP_REPLY) continue;
        if (r.wParam == messages.sub[SUB_TEXT_START]) {
            text.clear();
        } else if (r.wParam == messages.sub[SUB_TEXT_CHAR]) {
            text += static_cast<char>(r.lParam & 0xFF);
        } else {
            replies.push_back({static_cast<uint32_t>(r.wParam), text});
        }
    }
    return replies;
}

BridgeUnderTest::~BridgeUnderTest() {
    if (Running()) Close();
    if (process_ != nullptr) CloseHandle(process_);
}

bool BridgeUnderTest::Start() {
    std::wstring program = BesideTests(L"Cartolink2.exe");
    std::wstring folder = BesideTests(L"");
    wchar_t commandLine[] = L"Cartolink2.exe";
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    if (!CreateProcessW(program.c_str(), commandLine, nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &info))
        return false;
    CloseHandle(info.hThread);
    process_ = info.hProcess;
    pid_ = info.dwProcessId;
    WaitForInputIdle(process_, 10000);
    WaitUntil([&] { return (window_ = FindWindowW(nullptr, L"Cartolink")) != nullptr; }, 10000);
    DWORD owner = 0;
    GetWindowThreadProcessId(window_, &owner);
    return window_ != nullptr && owner == pid_;
}

bool BridgeUnderTest::Running() const {
    return process_ != nullptr && WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
}

bool BridgeUnderTest::Send(const MapLinkMessages& messages, SubCode terminator, const char* text) {
    HWND bridge = FindWindowW(nullptr, L"Cartolink");
    return postTextFrame(reinterpret_cast<uintptr_t>(bridge), messages, text, terminator) == 0;
}

bool BridgeUnderTest::Post(const MapLinkMessages& messages, WPARAM wParam, LPARAM lParam) {
    return PostMessageW(window_, messages.WM_CARTOLINK, wParam, lParam) != FALSE;
}

std::wstring BridgeUnderTest::Text1() const {
    HWND text1 = FindWindowExW(window_, nullptr, L"Edit", nullptr);
    wchar_t text[2048] = {};
    DWORD_PTR copied = 0;
    // GetWindowText does not ask a control of another process; WM_GETTEXT does.
    if (text1 != nullptr)
        SendMessageTimeoutW(text1, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                            &copied);
    return text;
}

int BridgeUnderTest::Close(DWORD timeoutMilliseconds) {
    if (process_ == nullptr) return -1;
    PostMessageW(window_, WM_CLOSE, 0, 0);
    int code = WaitForExit(timeoutMilliseconds);
    if (code == -1) TerminateProcess(process_, 99);
    return code;
}

int BridgeUnderTest::WaitForExit(DWORD timeoutMilliseconds) {
    if (process_ == nullptr) return -1;
    if (!WaitUntil([&] { return WaitForSingleObject(process_, 0) == WAIT_OBJECT_0; }, timeoutMilliseconds))
        return -1;
    DWORD code = 0;
    GetExitCodeProcess(process_, &code);
    return static_cast<int>(code);
}
