#include "registration.h"

#include <windows.h>

#include <cstdio>

#include "console_out.h"
#include "mapview_texts.h"
#include "server_ids.h"
#include "cp932_text.h"

namespace mapview {

namespace {

const wchar_t kClassesPath[] = L"Software\\Classes\\";
const wchar_t kIdentifiersKey[] = L"Identifiers"; // under our class: the identifiers we wrote

enum class Owner { Absent, Ours, Foreign };

std::wstring ClsidText(const CLSID& clsid) {
    wchar_t buf[64];
    StringFromGUID2(clsid, buf, ARRAYSIZE(buf));
    return buf;
}

std::wstring ClassPath(MapFamily family) {
    return std::wstring(kClassesPath) + L"CLSID\\" + ClsidText(ClsidOfFamily(family));
}

std::vector<HKEY> WriteRoots() {
    std::vector<HKEY> roots{HKEY_CURRENT_USER};
    if (RunningUnderWine()) roots.push_back(HKEY_LOCAL_MACHINE);
    return roots;
}

// Who an identifier's registration under root\path belongs to.
Owner OwnerAt(HKEY root, const std::wstring& progIdPath) {
    HKEY key;
    if (RegOpenKeyExW(root, progIdPath.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return Owner::Absent;
    wchar_t value[64] = L"";
    DWORD size = sizeof value;
    const LONG rc = RegGetValueW(key, L"CLSID", nullptr, RRF_RT_REG_SZ, nullptr, value, &size);
    RegCloseKey(key);
    if (rc != ERROR_SUCCESS) return Owner::Foreign; // a key of someone else's, e.g. a file type
    CLSID clsid;
    if (FAILED(CLSIDFromString(value, &clsid))) return Owner::Foreign;
    return clsid == kClsidProAtlasFamily || clsid == kClsidMappleFamily ? Owner::Ours : Owner::Foreign;
}

// Foreign wins: a per-user class of ours would hide another program's machine-wide one.
Owner OwnerAnywhere(const std::wstring& id) {
    const std::wstring classesPath = kClassesPath + id;
    const Owner owners[] = {OwnerAt(HKEY_CLASSES_ROOT, id), OwnerAt(HKEY_CURRENT_USER, classesPath),
                            OwnerAt(HKEY_LOCAL_MACHINE, classesPath)};
    Owner result = Owner::Absent;
    for (Owner o : owners) {
        if (o == Owner::Foreign) return Owner::Foreign;
        if (o == Owner::Ours) result = Owner::Ours;
    }
    return result;
}

bool SetString(HKEY root, const std::wstring& path, const wchar_t* name, const std::wstring& value) {
    HKEY key;
    if (RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
        ERROR_SUCCESS) {
        return false;
    }
    const LONG rc = RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                                   static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return rc == ERROR_SUCCESS;
}

// A ProgID is at most 39 characters, has no backslash, and does not start with a digit.
bool ValidProgId(const std::wstring& id) {
    if (id.empty() || id.size() > 39 || (id[0] >= L'0' && id[0] <= L'9')) return false;
    return id.find_first_of(L"\\ \t") == std::wstring::npos;
}

void Report(const char* format, const std::wstring& id) {
    char line[256];
    std::snprintf(line, sizeof line, format, wideToCp932Lossy(id.data(), id.size()).c_str());
    ConsoleLine(line);
}

std::wstring ClassDescription(MapFamily family) {
    return kClassDescriptionPrefix + std::wstring(FamilySwitchValue(family)) + L")";
}

bool WriteClass(HKEY root, MapFamily family, const std::wstring& exePath, const std::wstring& progId) {
    const std::wstring path = ClassPath(family);
    const std::wstring command = L"\"" + exePath + L"\" /Family " + FamilySwitchValue(family);
    return SetString(root, path, nullptr, ClassDescription(family)) &&
           SetString(root, path + L"\\LocalServer32", nullptr, command) &&
           SetString(root, path + L"\\ProgID", nullptr, progId);
}

bool WriteProgId(HKEY root, const std::wstring& id) {
    const MapFamily family = FamilyOfProgId(id.c_str());
    const std::wstring path = kClassesPath + id;
    return SetString(root, path, nullptr, ClassDescription(family)) &&
           SetString(root, path + L"\\CLSID", nullptr, ClsidText(ClsidOfFamily(family))) &&
           SetString(root, ClassPath(family) + L"\\" + kIdentifiersKey, id.c_str(), L"");
}

std::vector<std::wstring> RecordedIds(HKEY root, MapFamily family) {
    std::vector<std::wstring> ids;
    HKEY key;
    const std::wstring path = ClassPath(family) + L"\\" + kIdentifiersKey;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return ids;
    for (DWORD i = 0;; ++i) {
        wchar_t name[256];
        DWORD length = ARRAYSIZE(name);
        if (RegEnumValueW(key, i, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS) break;
        ids.emplace_back(name, length);
    }
    RegCloseKey(key);
    return ids;
}

void ForgetId(HKEY root, const std::wstring& id) {
    const MapFamily family = FamilyOfProgId(id.c_str());
    HKEY key;
    const std::wstring path = ClassPath(family) + L"\\" + kIdentifiersKey;
    if (RegOpenKeyExW(root, path.c_str(), 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS) return;
    RegDeleteValueW(key, id.c_str());
    RegCloseKey(key);
    // A class no identifier names any more goes too.
    if (RecordedIds(root, family).empty()) RegDeleteTreeW(root, ClassPath(family).c_str());
}

bool ContainsNoCase(const std::vector<std::wstring>& list, const std::wstring& id) {
    for (const std::wstring& s : list) {
        if (lstrcmpiW(s.c_str(), id.c_str()) == 0) return true;
    }
    return false;
}

} // namespace

bool RunningUnderWine() {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return ntdll != nullptr && GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

int RegisterServer(const std::wstring& exePath, const std::vector<std::wstring>& requested) {
    std::vector<std::wstring> ids{kOwnProgId};
    for (const std::wstring& id : requested) {
        if (!ContainsNoCase(ids, id)) ids.push_back(id);
    }
    int outcome = kRegisterDone;
    for (const std::wstring& id : ids) {
        if (!ValidProgId(id)) {
            Report(kFmtRegisterFailed, id);
            outcome = kRegisterFailed;
            continue;
        }
        if (OwnerAnywhere(id) == Owner::Foreign) {
            Report(kFmtLeftAlone, id);
            if (outcome == kRegisterDone) outcome = kRegisterLeftSomeAlone;
            continue;
        }
        const MapFamily family = FamilyOfProgId(id.c_str());
        bool written = true;
        for (HKEY root : WriteRoots()) {
            written =
                written &&
                WriteClass(root, family, exePath, family == MapFamily::Mapple ? kMappleProgId : kOwnProgId) &&
                WriteProgId(root, id);
        }
        Report(written ? kFmtRegistered : kFmtRegisterFailed, id);
        if (!written) outcome = kRegisterFailed;
    }
    return outcome;
}

int UnregisterServer(const std::vector<std::wstring>& requested) {
    int outcome = kRegisterDone;
    const bool everything = requested.empty();
    std::vector<std::wstring> ids = requested;
    if (everything) {
        ids.push_back(kOwnProgId);
        for (HKEY root : WriteRoots()) {
            for (MapFamily family : {MapFamily::ProAtlas, MapFamily::Mapple}) {
                for (const std::wstring& id : RecordedIds(root, family)) {
                    if (!ContainsNoCase(ids, id)) ids.push_back(id);
                }
            }
        }
    }
    for (const std::wstring& id : ids) {
        if (!ValidProgId(id)) continue;
        bool removed = false, foreign = false, failed = false;
        for (HKEY root : WriteRoots()) {
            const std::wstring path = kClassesPath + id;
            const Owner owner = OwnerAt(root, path);
            if (owner == Owner::Foreign) foreign = true;
            if (owner != Owner::Ours) continue;
            if (RegDeleteTreeW(root, path.c_str()) != ERROR_SUCCESS) {
                failed = true;
                continue;
            }
            removed = true;
            ForgetId(root, id);
        }
        if (failed) {
            Report(kFmtUnregisterFailed, id);
            outcome = kRegisterFailed;
        } else if (removed) {
            Report(kFmtUnregistered, id);
        }
        if (foreign) {
            Report(kFmtLeftAlone, id);
            if (outcome == kRegisterDone) outcome = kRegisterLeftSomeAlone;
        }
    }
    if (everything) {
        for (HKEY root : WriteRoots()) {
            RegDeleteTreeW(root, ClassPath(MapFamily::ProAtlas).c_str());
            RegDeleteTreeW(root, ClassPath(MapFamily::Mapple).c_str());
        }
    }
    return outcome;
}

} // namespace mapview
