#include "map_object_store.h"

#include "editor_texts.h"
#include "cp932_text.h"
#include "window_text.h"

#include <cstring>
#include <string>

namespace {

// HKEY_LOCAL_MACHINE's "SOFTWARE\Vorn\..." and HKEY_CURRENT_USER's "Software\Vorn\...": the
// same path (the registry ignores the case).
std::wstring ProductSubkey(const char* productName) {
    std::string key = TEXT_REGISTRY_KEY_PREFIX;
    key += productName;
    return cp932ToWide(key.c_str());
}

} // namespace

MapObjectStore::MapObjectStore(const char* productName) {
    machine_ = Place{HKEY_LOCAL_MACHINE, ProductSubkey(productName)};
    user_ = Place{HKEY_CURRENT_USER, ProductSubkey(productName)};
}

MapObjectStore::MapObjectStore(HKEY root, const wchar_t* subkey) : machine_{root, subkey} {}

MapObjectStore::MapObjectStore(HKEY machineRoot, const wchar_t* machineSubkey, HKEY userRoot,
                               const wchar_t* userSubkey)
    : machine_{machineRoot, machineSubkey}, user_{userRoot, userSubkey} {}

HKEY MapObjectStore::Open(const Place& place, REGSAM access, bool create) const {
    if (place.subkey.empty()) return place.root;
    HKEY key = nullptr;
    LONG status = create ? RegCreateKeyExW(place.root, place.subkey.c_str(), 0, nullptr,
                                           REG_OPTION_NON_VOLATILE, access, nullptr, &key, nullptr)
                         : RegOpenKeyExW(place.root, place.subkey.c_str(), 0, access, &key);
    return status == ERROR_SUCCESS ? key : nullptr;
}

void MapObjectStore::Close(const Place& place, HKEY key) const {
    if (key != nullptr && key != place.root) RegCloseKey(key);
}

bool MapObjectStore::Query(const Place& place, const wchar_t* name, DWORD* type, std::wstring* text,
                           DWORD* number) const {
    if (!place.used()) return false;
    HKEY key = Open(place, KEY_QUERY_VALUE, false);
    if (key == nullptr) return false;
    // The value's size first: a longer name is read whole and then cut, never taken as absent.
    DWORD bytes = 0;
    LONG status = RegQueryValueExW(key, name, nullptr, type, nullptr, &bytes);
    if (status == ERROR_SUCCESS && (*type == REG_SZ || *type == REG_EXPAND_SZ)) {
        text->assign(bytes / sizeof(wchar_t) + 1, L'\0');
        status = RegQueryValueExW(key, name, nullptr, type, reinterpret_cast<BYTE*>(&(*text)[0]), &bytes);
        text->resize(bytes / sizeof(wchar_t)); // the stored text may lack its terminator
    } else if (status == ERROR_SUCCESS && *type == REG_DWORD && bytes == sizeof(DWORD)) {
        status = RegQueryValueExW(key, name, nullptr, type, reinterpret_cast<BYTE*>(number), &bytes);
    } else if (status == ERROR_SUCCESS) {
        *type = REG_NONE; // there, but of no use: as absent
    }
    Close(place, key);
    return status == ERROR_SUCCESS;
}

void MapObjectStore::ReadString(const char* name, char (&out)[kMapObjectNameBytes]) const {
    out[0] = '\0';
    const std::wstring valueName = cp932ToWide(name);
    DWORD type = 0, number = 0;
    std::wstring wide;
    if (!Query(user_, valueName.c_str(), &type, &wide, &number) &&
        !Query(machine_, valueName.c_str(), &type, &wide, &number)) {
        return;
    }
    if (type != REG_SZ && type != REG_EXPAND_SZ) return;
    // A longer name is cut at 255 bytes without splitting a character.
    wideToCp932Cut(wide.c_str(), out);
}

DWORD MapObjectStore::ReadNumber(const char* name) const {
    const std::wstring valueName = cp932ToWide(name);
    DWORD type = 0, number = 0;
    std::wstring text;
    if (!Query(user_, valueName.c_str(), &type, &text, &number) &&
        !Query(machine_, valueName.c_str(), &type, &text, &number)) {
        return 0;
    }
    return type == REG_DWORD ? number : 0;
}

int MapObjectStore::Write(const Place& place, const wchar_t* name, DWORD type, const BYTE* data,
                          DWORD bytes) const {
    if (!place.used()) return -1;
    HKEY key = Open(place, KEY_SET_VALUE, true);
    if (key == nullptr) return -1;
    const LONG status = RegSetValueExW(key, name, 0, type, data, bytes);
    Close(place, key);
    return status == ERROR_SUCCESS ? 0 : -1;
}

void MapObjectStore::Remove(const Place& place, const wchar_t* name) const {
    if (!place.used()) return;
    HKEY key = Open(place, KEY_SET_VALUE, false);
    if (key == nullptr) return;
    RegDeleteValueW(key, name);
    Close(place, key);
}

int MapObjectStore::WriteBoth(const char* name, DWORD type, const BYTE* data, DWORD bytes) const {
    const std::wstring valueName = cp932ToWide(name);
    if (Write(machine_, valueName.c_str(), type, data, bytes) == 0) {
        Remove(user_, valueName.c_str());
        return 0;
    }
    return Write(user_, valueName.c_str(), type, data, bytes);
}

int MapObjectStore::WriteString(const char* name, const char* text) const {
    const std::wstring wide = cp932ToWide(text);
    // The terminating zero is counted in the stored length.
    return WriteBoth(name, REG_SZ, reinterpret_cast<const BYTE*>(wide.c_str()),
                     static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
}

int MapObjectStore::WriteNumber(const char* name, DWORD value) const {
    return WriteBoth(name, REG_DWORD, reinterpret_cast<const BYTE*>(&value), sizeof value);
}

int MapObjectStore::DeleteValue(const char* name) const {
    const std::wstring valueName = cp932ToWide(name);
    int result = -1;
    for (const Place* place : {&machine_, &user_}) {
        if (!place->used()) continue;
        HKEY key = Open(*place, KEY_SET_VALUE, false);
        if (key == nullptr) {
            // No key, no value: as deleted, unless the key exists and only cannot be written.
            HKEY readable = Open(*place, KEY_QUERY_VALUE, false);
            if (readable == nullptr) result = result == -1 ? 0 : result;
            Close(*place, readable);
            continue;
        }
        const LONG status = RegDeleteValueW(key, valueName.c_str());
        Close(*place, key);
        if (status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND) result = 0;
    }
    return result;
}
