// The map settings in the registry: the chosen map object ("MapObject"), the number of stored
// names ("o-cnt") and the names ("MapObject00" .. "MapObject14").
//
// They live under SOFTWARE\Vorn\Tenmark in HKEY_LOCAL_MACHINE, where a standard Windows user
// may read but not write. So the same path under HKEY_CURRENT_USER holds what such a user
// stores, and is read first: a value there is that user's own. A write goes to the machine key
// when it can (and the user's copy of that value is then removed, so it hides nothing), else
// to the user's key. A value that cannot be read counts as absent; a write that fails in both
// places leaves the old value, and nothing is reported.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

constexpr size_t kMapObjectNameBytes = 256; // a name is at most 255 bytes
constexpr int kMaxMapObjects = 15;

class MapObjectStore {
  public:
    // HKEY_LOCAL_MACHINE\SOFTWARE\Vorn\<productName>, with the same path under
    // HKEY_CURRENT_USER read first and written when the machine key cannot be (cp932 name).
    explicit MapObjectStore(const char* productName);
    // One place only (tests). With an empty subkey `root` itself is the key and is used as
    // it was opened: a read-only handle makes every write fail as for a standard user.
    MapObjectStore(HKEY root, const wchar_t* subkey);
    // A machine place and a user place (tests), as the product's two keys.
    MapObjectStore(HKEY machineRoot, const wchar_t* machineSubkey, HKEY userRoot, const wchar_t* userSubkey);

    // A value that cannot be read counts as absent: empty text or 0.
    void ReadString(const char* name, char (&out)[kMapObjectNameBytes]) const;
    DWORD ReadNumber(const char* name) const;

    // Return 0, or -1 when neither key could be opened for writing or the write failed.
    int WriteString(const char* name, const char* text) const;
    int WriteNumber(const char* name, DWORD value) const;
    int DeleteValue(const char* name) const;

  private:
    struct Place {
        HKEY root = nullptr;
        std::wstring subkey;
        bool used() const { return root != nullptr; }
    };
    HKEY Open(const Place& place, REGSAM access, bool create) const;
    void Close(const Place& place, HKEY key) const;
    // The value's type and bytes from one place; false when it has none.
    bool Query(const Place& place, const wchar_t* name, DWORD* type, std::wstring* text, DWORD* number) const;
    int Write(const Place& place, const wchar_t* name, DWORD type, const BYTE* data, DWORD bytes) const;
    int WriteBoth(const char* name, DWORD type, const BYTE* data, DWORD bytes) const;
    void Remove(const Place& place, const wchar_t* name) const;

    Place machine_;
    Place user_; // unused for a one-place store
};
