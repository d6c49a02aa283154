#include "map_object_dialog.h"
#include "window_object.h"

#include "editor_texts.h"
#include "resource_ids.h"
#include "text_bytes.h"
#include "cp932_text.h"
#include "window_text.h"

#include <cstdio>
#include <cstring>

namespace {

const char* const kBuiltinNames[] = {TEXT_BUILTIN_MAP_OBJECT_1, TEXT_BUILTIN_MAP_OBJECT_2,
                                     TEXT_BUILTIN_MAP_OBJECT_3, TEXT_BUILTIN_MAP_OBJECT_4};

bool IsBuiltinName(const char* name) {
    for (const char* builtin : kBuiltinNames) {
        if (std::strcmp(builtin, name) == 0) return true;
    }
    return false;
}

void ValueName(int index, char (&out)[16]) {
    std::snprintf(out, sizeof out, TEXT_VALUE_MAP_OBJECT_FORMAT, index);
}

} // namespace

MapObjectDialog::MapObjectDialog(const char* productName) : store_(productName) {}

void MapObjectDialog::AppendName(const char* name) {
    if (count >= kMaxMapObjects) return;
    copyInto(names[count], name);
    ++count;
}

void MapObjectDialog::LoadNames() {
    count = 0;
    for (const char* builtin : kBuiltinNames)
        AppendName(builtin);
    DWORD stored = store_.ReadNumber(TEXT_VALUE_OBJECT_COUNT);
    if (stored > kMaxMapObjects - 1) stored = kMaxMapObjects;
    for (int i = 0; i < static_cast<int>(stored); ++i) {
        char valueName[16];
        ValueName(i, valueName);
        char name[kMapObjectNameBytes];
        store_.ReadString(valueName, name);
        // An absent value is no name: the list shows nothing after an empty entry, so keeping
        // one would hide every name behind it.
        if (name[0] == '\0' || IsBuiltinName(name)) continue;
        AppendName(name);
    }
    DeleteStoredNames();
    WriteNames();
}

void MapObjectDialog::DeleteStoredNames() const {
    for (int i = 0; i < kMaxMapObjects; ++i) {
        char valueName[16];
        ValueName(i, valueName);
        store_.DeleteValue(valueName);
    }
}

void MapObjectDialog::WriteNames() const {
    for (int i = 0; i < count; ++i) {
        char valueName[16];
        ValueName(i, valueName);
        store_.WriteString(valueName, names[i]);
    }
    store_.WriteNumber(TEXT_VALUE_OBJECT_COUNT, static_cast<DWORD>(count));
}

INT_PTR MapObjectDialog::Show(HWND parent) {
    result[0] = '\0';
    return DialogBoxParamW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDD_MAP_OBJECT), parent, DialogProc,
                           reinterpret_cast<LPARAM>(this));
}

INT_PTR CALLBACK MapObjectDialog::DialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    MapObjectDialog* self = DialogObject(window, message, lParam, &MapObjectDialog::window_);
    return self != nullptr ? self->HandleMessage(message, wParam, lParam) : FALSE;
}

INT_PTR MapObjectDialog::HandleMessage(UINT message, WPARAM wParam, LPARAM) {
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog();
    case WM_COMMAND:
        OnCommand(LOWORD(wParam));
        return TRUE;
    default:
        return FALSE;
    }
}

HWND MapObjectDialog::List() const {
    return GetDlgItem(window_, IDC_MAP_OBJECT_LIST);
}

BOOL MapObjectDialog::OnInitDialog() {
    LoadNames();
    FillList();
    SelectStoredChoice();
    return TRUE;
}

void MapObjectDialog::OnCommand(int id) {
    switch (id) {
    case IDC_MAP_OBJECT_ADD:
        OnAdd();
        break;
    case IDC_MAP_OBJECT_DELETE:
        OnDelete();
        break;
    case IDOK:
        OnOk();
        break;
    case IDCANCEL:
        EndDialog(window_, IDCANCEL);
        break;
    default:
        break;
    }
}

void MapObjectDialog::FillList() {
    SendMessageW(List(), LB_RESETCONTENT, 0, 0);
    for (int i = 0; i < count && names[i][0] != '\0'; ++i) {
        SendMessageW(List(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(cp932ToWide(names[i]).c_str()));
    }
}

void MapObjectDialog::SelectStoredChoice() {
    char chosen[kMapObjectNameBytes];
    store_.ReadString(TEXT_VALUE_MAP_OBJECT, chosen);
    int found = -1;
    for (int i = 0; i < count && found < 0; ++i) {
        if (std::strcmp(names[i], chosen) == 0) found = i;
    }
    SendMessageW(List(), LB_SETCURSEL, static_cast<WPARAM>(found), 0);
}

void MapObjectDialog::OnAdd() {
    // A 16th name is refused silently; the typed text stays for the user to see.
    if (count >= kMaxMapObjects) return;
    HWND edit = GetDlgItem(window_, IDC_MAP_OBJECT_NAME);
    char name[kMapObjectNameBytes];
    GetWindowTextCp932(edit, name, sizeof name);
    if (name[0] != '\0') {
        SendMessageW(List(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(cp932ToWide(name).c_str()));
        char valueName[16];
        ValueName(count, valueName);
        store_.WriteString(valueName, name);
        AppendName(name);
        store_.WriteNumber(TEXT_VALUE_OBJECT_COUNT, static_cast<DWORD>(count));
    }
    SetWindowTextW(edit, L"");
}

void MapObjectDialog::OnDelete() {
    DeleteStoredNames();
    store_.WriteNumber(TEXT_VALUE_OBJECT_COUNT, 0);
    int selected = static_cast<int>(SendMessageW(List(), LB_GETCURSEL, 0, 0));
    if (selected >= 0 && selected < count) {
        SendMessageW(List(), LB_DELETESTRING, static_cast<WPARAM>(selected), 0);
        for (int i = selected; i + 1 < count; ++i)
            std::memcpy(names[i], names[i + 1], sizeof names[i]);
        --count;
        names[count][0] = '\0';
    }
    WriteNames();
    SelectStoredChoice();
}

void MapObjectDialog::OnOk() {
    int selected = static_cast<int>(SendMessageW(List(), LB_GETCURSEL, 0, 0));
    if (selected >= 0 && selected < count) {
        copyInto(result, names[selected]);
        store_.WriteString(TEXT_VALUE_MAP_OBJECT, result);
    } else {
        result[0] = '\0';
    }
    EndDialog(window_, IDOK);
}
