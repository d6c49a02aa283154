#include "file_dialogs.h"

#include "editor_texts.h"
#include "message_notifier.h"
#include "cp932_text.h"
#include "window_text.h"

#include <commdlg.h>
#include <string>

namespace {

// "name|pattern|name|pattern||" with "|" standing for the terminators the dialog wants.
std::wstring dialogFilter(const char* filter) {
    std::wstring wide = cp932ToWide(filter);
    for (wchar_t& c : wide) {
        if (c == L'|') c = L'\0';
    }
    return wide;
}

const char* filterOf(FileDialogKind kind) {
    switch (kind) {
    case FileDialogKind::Open:
        return FILTER_OPEN;
    case FileDialogKind::Import:
        return FILTER_IMPORT;
    case FileDialogKind::Export:
        return FILTER_EXPORT;
    case FileDialogKind::Save:
    case FileDialogKind::SaveAs:
        break;
    }
    return FILTER_SAVE;
}

class SystemFileDialogs : public FileDialogs {
  public:
    bool choose(HWND owner, FileDialogKind kind, const char* folder, char (&path)[kPathBytes]) override {
        std::wstring filter = dialogFilter(filterOf(kind));
        std::wstring initial = cp932ToWide(folder);
        wchar_t file[MAX_PATH * 2] = L"";
        OPENFILENAMEW ofn = {};
        ofn.lStructSize = sizeof ofn;
        ofn.hwndOwner = owner;
        ofn.lpstrFilter = filter.c_str();
        ofn.nFilterIndex = 1;
        ofn.lpstrFile = file;
        ofn.nMaxFile = MAX_PATH * 2;
        ofn.lpstrInitialDir = initial.empty() ? nullptr : initial.c_str();
        ofn.lpstrDefExt = kind == FileDialogKind::Export ? L"gpx" : L"qpf";
        ofn.Flags = OFN_HIDEREADONLY | OFN_EXPLORER | OFN_NOCHANGEDIR;
        bool opening = kind == FileDialogKind::Open || kind == FileDialogKind::Import;
        if (opening) ofn.Flags |= OFN_FILEMUSTEXIST;
        if (kind == FileDialogKind::SaveAs || kind == FileDialogKind::Export) ofn.Flags |= OFN_OVERWRITEPROMPT;
        BOOL chosen = opening ? GetOpenFileNameW(&ofn) : GetSaveFileNameW(&ofn);
        if (!chosen) return false;
        // Paths are cp932 throughout the editor: a name cp932 cannot spell cannot be used.
        if (wideToCp932Exact(file, path, kPathBytes) < 0) {
            showMessage(MSG_UNUSABLE_FILE_NAME);
            return false;
        }
        return true;
    }
};

} // namespace

FileDialogs& systemFileDialogs() {
    static SystemFileDialogs dialogs;
    return dialogs;
}

namespace {
FileDialogs* replacement = nullptr;
}

FileDialogs& activeFileDialogs() {
    return replacement ? *replacement : systemFileDialogs();
}

void setFileDialogs(FileDialogs* dialogs) {
    replacement = dialogs;
}
