#include "map_object_store.h"

#include "editor_texts.h"
#include "cp932_text.h"
#include "window_text.h"

#include <cstring>
#include <string>

MapObjectStore::MapObjectStore(const char* productName) {
    std::string key = TEXT_REGISTRY_KEY_PREFIX;
    key += productName;
    subkey_ = cp932ToWide(key.c_str());
}

MapObjectStore::MapObjectStore(HKEY root, const wchar_t* subkey) : root_(root), subkey_(subkey) {}

HKEY MapObjectStore::Open(REGSAM access, bool create) const {
    if (subkey_.empty()) return root_;
    HKEY key = nullptr;
    LONG status = create ? RegCreateKeyExW(root_, subkey_.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                           access, nullptr, &key, nullptr)
                         : RegOpenKeyExW(root_, subkey_.c_str(), 0, access, &key);
    return status == ERROR_SUCCESS ? key : nullptr;
}

void MapObjectStore::Close(HKEY key) const {
    if (key != nullptr && key != root_) RegCloseKey(key);
}

void MapObjectStore::ReadString(const char* name, char (&out)[kMapObjectNameBytes]) const {
    out[0] = '\0';
    HKEY key = Open(KEY_QUERY_VALUE, false);
    if (key == nullptr) return;
    std::wstring valueName = cp932ToWide(name);
    // The value's size first: a longer name is read whole and then cut, never taken as absent.
    DWORD type = 0;
    DWORD bytes = 0;
    LONG status = RegQueryValueExW(key, valueName.c_str(), nullptr, &type, nullptr, &bytes);
    std::wstring wide;
    if (status == ERROR_SUCCESS && (type == REG_SZ || type == REG_EXPAND_SZ)) {
        wide.assign(bytes / sizeof(wchar_t) + 1, L'\0');
        status = RegQueryValueExW(key, valueName.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(&wide[0]),
                                  &bytes);
    }
    Close(key);
    if (status != ERROR_SUCCESS || (type != REG_SZ && type != REG_EXPAND_SZ)) return;
    wide.resize(bytes / sizeof(wchar_t)); // the stored text may lack its terminator
    // A longer name is cut at 255 bytes without splitting a character.
    wideToCp932Cut(wide.c_str(), out);
}

DWORD MapObjectStore::ReadNumber(const char* name) const {
    HKEY key = Open(KEY_QUERY_VALUE, false);
    if (key == nullptr) return 0;
    DWORD value = 0;
    DWORD type = 0;
    DWORD bytes = sizeof value;
    LONG status = RegQueryValueExW(key, cp932ToWide(name).c_str(), nullptr, &type,
                                   reinterpret_cast<BYTE*>(&value), &bytes);
    Close(key);
    if (status != ERROR_SUCCESS || type != REG_DWORD || bytes != sizeof value) return 0;
    return value;
}

int MapObjectStore::WriteString(const char* name, const char* text) const {
    HKEY key = Open(KEY_SET_VALUE, true);
    if (key == nullptr) return -1;
    std::wstring wide = cp932ToWide(text);
    // The terminating zero is counted in the stored length.
    DWORD bytes = static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t));
    LONG status = RegSetValueExW(key, cp932ToWide(name).c_str(), 0, REG_SZ,
                                 reinterpret_cast<const BYTE*>(wide.c_str()), bytes);
    Close(key);
    return status == ERROR_SUCCESS ? 0 : -1;
}

int MapObjectStore::WriteNumber(const char* name, DWORD value) const {
    HKEY key = Open(KEY_SET_VALUE, true);
    if (key == nullptr) return -1;
    LONG status = RegSetValueExW(key, cp932ToWide(name).c_str(), 0, REG_DWORD,
                                 reinterpret_cast<const BYTE*>(&value), sizeof value);
    Close(key);
    return status == ERROR_SUCCESS ? 0 : -1;
}

int MapObjectStore::DeleteValue(const char* name) const {
    HKEY key = Open(KEY_SET_VALUE, false);
    if (key == nullptr) return -1;
    LONG status = RegDeleteValueW(key, cp932ToWide(name).c_str());
    Close(key);
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND ? 0 : -1;
}
