#include "about_dialog.h"

#include "editor_texts.h"
#include "main_window.h"
#include "resource_ids.h"
#include "cp932_text.h"
#include "window_text.h"

#include <cstdio>
#include <vector>

namespace {

// A value of the version resource's first string table, as cp932.
std::string VersionString(const std::vector<BYTE>& block, const wchar_t* name) {
    struct Translation {
        WORD language;
        WORD codePage;
    };
    Translation* translations = nullptr;
    UINT size = 0;
    if (!VerQueryValueW(block.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translations),
                        &size) ||
        size < sizeof(Translation)) {
        return std::string();
    }
    wchar_t path[128];
    swprintf(path, 128, L"\\StringFileInfo\\%04x%04x\\%ls", translations[0].language,
             translations[0].codePage, name);
    wchar_t* value = nullptr;
    if (!VerQueryValueW(block.data(), path, reinterpret_cast<void**>(&value), &size) || value == nullptr) {
        return std::string();
    }
    return wideToCp932Lossy(value);
}

void OnInitAbout(HWND dialog) {
    char line[256];
    AboutProductLine(line, sizeof line);
    SetWindowTextCp932(GetDlgItem(dialog, IDC_ABOUT_PRODUCT), line);
}

} // namespace

void AboutProductLine(char* out, size_t size) {
    out[0] = '\0';
    wchar_t module[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    DWORD ignored = 0;
    DWORD length = GetFileVersionInfoSizeW(module, &ignored);
    if (length == 0) return;
    std::vector<BYTE> block(length);
    if (!GetFileVersionInfoW(module, 0, length, block.data())) return;
    std::string product = VersionString(block, L"ProductName");
    std::string version = VersionString(block, L"ProductVersion");
    if (product.empty()) return;
    std::snprintf(out, size, TEXT_ABOUT_PRODUCT_FORMAT, product.c_str(), version.c_str());
}

INT_PTR CALLBACK AboutDialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        OnInitAbout(dialog);
        return TRUE;
    case WM_COMMAND:
        if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, LOWORD(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}

void RunAboutDialog(HWND owner) {
    DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_ABOUT), owner, AboutDialogProc, 0);
}

void MainWindow::ShowAboutDialog() {
    RunAboutDialog(window_);
}
