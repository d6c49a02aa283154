#include "datum_setting.h"

#include "cp932_text.h"

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
    Datum datum = Datum::Wgs84;
    return parseDatumName(wideToCp932Lossy(text).c_str(), datum) ? datum : Datum::Wgs84;
}

bool writeDatumSetting(Datum datum) {
    HKEY key = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, kKey, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return false;
    std::wstring name = cp932ToWide(datumName(datum));
    DWORD bytes = static_cast<DWORD>((name.size() + 1) * sizeof(wchar_t));
    LONG status = RegSetValueExW(key, kValue, 0, REG_SZ, reinterpret_cast<const BYTE*>(name.c_str()), bytes);
    RegCloseKey(key);
    return status == ERROR_SUCCESS;
}
