#include "datum_setting.h"

#include <windows.h>

#include <string>

namespace {

const wchar_t kKey[] = L"Software\\Vorn\\Tenmark";
const wchar_t kValue[] = L"Datum";

} // namespace

Datum readDatumSetting() {
    wchar_t text[16] = L"";
    DWORD bytes = sizeof text - sizeof(wchar_t);
    DWORD type = 0;
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, kKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return Datum::Wgs84;
    LONG status = RegQueryValueExW(key, kValue, nullptr, &type, reinterpret_cast<BYTE*>(text), &bytes);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || type != REG_SZ) return Datum::Wgs84;
    text[bytes / sizeof(wchar_t)] = L'\0';
    // The two names are ASCII.
    std::string ascii;
    for (const wchar_t* p = text; *p != L'\0'; ++p) ascii += *p < 0x80 ? static_cast<char>(*p) : '?';
    Datum datum = Datum::Wgs84;
    return parseDatumName(ascii.c_str(), datum) ? datum : Datum::Wgs84;
}

bool writeDatumSetting(Datum datum) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    const wchar_t* name = datum == Datum::Tokyo ? L"Tokyo" : L"WGS84";
    DWORD bytes = static_cast<DWORD>((wcslen(name) + 1) * sizeof(wchar_t));
    LONG status = RegSetValueExW(key, kValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(name), bytes);
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}
