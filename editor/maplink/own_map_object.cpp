#include "own_map_object.h"

#include "cp932_text.h"
#include "editor_texts.h"

#include <windows.h>
#include <objbase.h>

#include <string>

namespace {

constexpr DWORD kRegisterWaitMs = 15000;

bool Registered() {
    CLSID clsid;
    return SUCCEEDED(CLSIDFromProgID(cp932ToWide(TEXT_OWN_MAP_OBJECT).c_str(), &clsid));
}

std::wstring BesideEditor(const wchar_t* file) {
    wchar_t path[MAX_PATH * 2];
    const DWORD n = GetModuleFileNameW(nullptr, path, ARRAYSIZE(path));
    if (n == 0 || n >= ARRAYSIZE(path)) return file;
    std::wstring p(path, n);
    return p.substr(0, p.find_last_of(L"\\/") + 1) + file;
}

void RegisterMapView() {
    const std::wstring program = BesideEditor(TEXT_OWN_MAP_PROGRAM);
    if (GetFileAttributesW(program.c_str()) == INVALID_FILE_ATTRIBUTES) return;
    std::wstring command = L"\"" + program + L"\" /RegServer";
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                        &si, &pi)) {
        return;
    }
    WaitForSingleObject(pi.hProcess, kRegisterWaitMs);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
}

} // namespace

const char* OwnMapObject() {
    if (!Registered()) RegisterMapView();
    return TEXT_OWN_MAP_OBJECT;
}
