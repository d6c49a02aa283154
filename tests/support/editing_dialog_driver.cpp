#include "editing_dialog_driver.h"
#include "message_pump.h"
#include "cp932_text.h"

#include <commctrl.h>

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace editing_test {

namespace {

struct FindArgs {
    const wchar_t* caption;
    HWND found;
};

BOOL CALLBACK FindDialog(HWND window, LPARAM lParam) {
    auto* args = reinterpret_cast<FindArgs*>(lParam);
    wchar_t className[64] = L"";
    GetClassNameW(window, className, 64);
    if (wcscmp(className, L"#32770") != 0 || !IsWindowVisible(window)) return TRUE;
    // No message: the window's thread may be busy.
    wchar_t caption[256] = L"";
    InternalGetWindowText(window, caption, 256);
    if (wcscmp(caption, args->caption) != 0) return TRUE;
    args->found = window;
    return FALSE;
}

BOOL CALLBACK CollectDialogs(HWND window, LPARAM lParam) {
    wchar_t className[64] = L"";
    GetClassNameW(window, className, 64);
    if (wcscmp(className, L"#32770") == 0 && IsWindowVisible(window)) {
        reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(window);
    }
    return TRUE;
}

} // namespace

Driver::Driver(DWORD uiThread) : uiThread_(uiThread) {
    EnumThreadWindows(uiThread_, &CollectDialogs, reinterpret_cast<LPARAM>(&before_));
}

HWND Driver::WaitForDialog(const wchar_t* caption, DWORD timeoutMs) const {
    DWORD start = GetTickCount();
    do {
        FindArgs args{caption, nullptr};
        EnumThreadWindows(uiThread_, &FindDialog, reinterpret_cast<LPARAM>(&args));
        if (args.found != nullptr) {
            // Let the dialog finish its initialisation before it is driven.
            SendMessageW(args.found, WM_NULL, 0, 0);
            return args.found;
        }
        Sleep(20);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

bool Driver::WaitGone(HWND window, DWORD timeoutMs) const {
    DWORD start = GetTickCount();
    while (IsWindow(window) && IsWindowVisible(window)) {
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(20);
    }
    return true;
}

void Driver::Click(HWND dialog, int id) const {
    SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void Driver::ClickAsync(HWND dialog, int id) const {
    PostMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void Driver::MouseClickAsync(HWND dialog, int id) const {
    HWND control = GetDlgItem(dialog, id);
    PostMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
}

void Driver::SetText(HWND dialog, int id, const std::wstring& text) const {
    SendMessageW(GetDlgItem(dialog, id), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void Driver::Type(HWND control, const std::wstring& text) const {
    SendMessageW(control, EM_SETSEL, 0, -1);
    for (wchar_t c : text)
        SendMessageW(control, WM_CHAR, c, 1);
}

std::wstring Driver::Text(HWND dialog, int id) const {
    HWND control = GetDlgItem(dialog, id);
    int length = static_cast<int>(SendMessageW(control, WM_GETTEXTLENGTH, 0, 0));
    std::vector<wchar_t> buffer(static_cast<size_t>(length) + 1, L'\0');
    SendMessageW(control, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(buffer.data()));
    return buffer.data();
}

std::string Driver::TextCp932(HWND dialog, int id) const {
    return Cp932(Text(dialog, id));
}

bool Driver::Enabled(HWND dialog, int id) const {
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

bool Driver::Checked(HWND dialog, int id) const {
    return SendMessageW(GetDlgItem(dialog, id), BM_GETCHECK, 0, 0) == BST_CHECKED;
}

void Driver::ChooseWithKeys(HWND dialog, int id, int k) const {
    HWND combo = GetDlgItem(dialog, id);
    for (int guard = 0; guard < 100; ++guard) {
        int current = Selection(dialog, id);
        if (current == k) return;
        WPARAM key = current < k ? VK_DOWN : VK_UP;
        SendMessageW(combo, WM_KEYDOWN, key, 0);
        SendMessageW(combo, WM_KEYUP, key, 0xC0000001);
    }
}

int Driver::Selection(HWND dialog, int id) const {
    return static_cast<int>(SendMessageW(GetDlgItem(dialog, id), CB_GETCURSEL, 0, 0));
}

HWND Driver::Focus() const {
    GUITHREADINFO info{};
    info.cbSize = sizeof info;
    if (!GetGUIThreadInfo(uiThread_, &info)) return nullptr;
    return info.hwndFocus;
}

bool Driver::WaitForFocus(HWND window, DWORD timeoutMs) const {
    DWORD start = GetTickCount();
    while (Focus() != window) {
        if (GetTickCount() - start >= timeoutMs) return false;
        Sleep(20);
    }
    return true;
}

void Driver::CancelAll() const {
    for (int round = 0; round < 5; ++round) {
        std::vector<HWND> dialogs;
        EnumThreadWindows(uiThread_, &CollectDialogs, reinterpret_cast<LPARAM>(&dialogs));
        bool posted = false;
        for (HWND dialog : dialogs) {
            if (std::find(before_.begin(), before_.end(), dialog) != before_.end()) continue;
            PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            posted = true;
        }
        if (!posted) return;
        Sleep(200);
    }
}

int RunDriven(const std::function<int()>& modal, const std::function<void(const Driver&)>& script) {
    Driver driver(GetCurrentThreadId());
    std::atomic<bool> done{false};
    std::thread thread([&] {
        script(driver);
        driver.CancelAll();
        done = true;
    });
    int result = modal();
    // The script may still be asking this thread's windows something: keep answering.
    WaitUntil([&] { return done.load(); }, INFINITE);
    thread.join();
    return result;
}

std::string AnswerMessageBox(const Driver& driver, const wchar_t* caption) {
    HWND box = driver.WaitForDialog(caption);
    if (box == nullptr) return "(no message box)";
    // The message text is the box's static with id 0xFFFF.
    std::string text = driver.TextCp932(box, 0xFFFF);
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    driver.WaitGone(box);
    return text;
}

std::wstring Wide(const char* cp932) {
    return cp932ToWide(cp932);
}

std::string Cp932(const std::wstring& text) {
    return wideToCp932Lossy(text.c_str());
}

std::wstring ExeTitle() {
    wchar_t path[MAX_PATH] = L"";
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring name = path;
    size_t slash = name.find_last_of(L"\\/");
    if (slash != std::wstring::npos) name = name.substr(slash + 1);
    size_t dot = name.rfind(L'.');
    if (dot != std::wstring::npos) name = name.substr(0, dot);
    return name;
}

} // namespace editing_test
