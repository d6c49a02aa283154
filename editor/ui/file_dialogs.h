#pragma once
// The common open and save dialogs of the file commands, behind a seam so in-process tests
// can answer them without a real dialog.
#include "path_text.h"

#include <windows.h>

enum class FileDialogKind {
    Open,   // "開く"
    Save,   // "上書き保存" asking for a name: no overwrite question
    SaveAs, // "名前を付けて保存", and from the closing question: asks before overwriting
    Import, // "インポート"
    Export, // "エクスポート": asks before overwriting
};

class FileDialogs {
  public:
    virtual ~FileDialogs() = default;
    // Shows the dialog of `kind` starting in `folder` (cp932). True, with the chosen path in
    // cp932, when the user chose a file; false when cancelled.
    virtual bool choose(HWND owner, FileDialogKind kind, const char* folder, char (&path)[kPathBytes]) = 0;
};

// The platform's common dialogs.
FileDialogs& systemFileDialogs();

// The dialogs the file commands use: the system's unless a test put its own in place.
FileDialogs& activeFileDialogs();
void setFileDialogs(FileDialogs* dialogs);
