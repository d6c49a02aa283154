// The map settings in the registry: the chosen map object ("MapObject"), the number of stored
// names ("o-cnt") and the names ("MapObject00" .. "MapObject14").
//
// Reading opens the key with read access only, so a user who may not write under
// HKEY_LOCAL_MACHINE still gets the stored choice and list. Every write opens (or creates) the
// key for writing; when that or the write fails, the old value stays and nothing is reported.
#pragma once

#include <windows.h>

#include <cstddef>
#include <string>

constexpr size_t kMapObjectNameBytes = 256; // a name is at most 255 bytes
constexpr int kMaxMapObjects = 15;

class MapObjectStore {
  public:
    // The key HKEY_LOCAL_MACHINE\SOFTWARE\Vorn\<productName> (cp932).
    explicit MapObjectStore(const char* productName);
    // Another place for the key (tests). With an empty subkey `root` itself is the key and is
    // used as it was opened: a read-only handle makes every write fail as for a standard user.
    MapObjectStore(HKEY root, const wchar_t* subkey);

    // A value that cannot be read counts as absent: empty text or 0.
    void ReadString(const char* name, char (&out)[kMapObjectNameBytes]) const;
    DWORD ReadNumber(const char* name) const;

    // Return 0, or -1 when the key could not be opened for writing or the write failed.
    int WriteString(const char* name, const char* text) const;
    int WriteNumber(const char* name, DWORD value) const;
    int DeleteValue(const char* name) const;

  private:
    HKEY Open(REGSAM access, bool create) const;
    void Close(HKEY key) const;

    HKEY root_ = HKEY_LOCAL_MACHINE;
    std::wstring subkey_;
};
