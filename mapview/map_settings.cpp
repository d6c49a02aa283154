#include "map_settings.h"

#include <windows.h>
#include <shlobj.h>

#include "cp932_text.h"

namespace mapview {

namespace {

const wchar_t kMapViewKey[] = L"Software\\Vorn\\MapView";
const wchar_t kTenmarkKey[] = L"Software\\Vorn\\Tenmark";

std::wstring ReadString(const wchar_t* key, const wchar_t* name) {
    DWORD bytes = 0;
    if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, nullptr, &bytes) !=
            ERROR_SUCCESS ||
        bytes == 0 || bytes > 65536) {
        return std::wstring();
    }
    std::wstring value(bytes / sizeof(wchar_t) + 1, L'\0');
    if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, &value[0], &bytes) !=
        ERROR_SUCCESS) {
        return std::wstring();
    }
    value.resize(wcslen(value.c_str()));
    return value;
}

int WriteString(const wchar_t* key, const wchar_t* name, const std::wstring& value) {
    const LONG rc = RegSetKeyValueW(HKEY_CURRENT_USER, key, name, REG_SZ, value.c_str(),
                                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    return rc == ERROR_SUCCESS ? 0 : -1;
}

std::wstring Trimmed(const std::wstring& text) {
    const size_t b = text.find_first_not_of(L" \t\r\n");
    if (b == std::wstring::npos) return std::wstring();
    const size_t e = text.find_last_not_of(L" \t\r\n");
    return text.substr(b, e - b + 1);
}

} // namespace

std::wstring DefaultTileCacheDir() {
    wchar_t base[MAX_PATH] = L"";
    if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA | CSIDL_FLAG_CREATE, nullptr, SHGFP_TYPE_CURRENT,
                                base))) {
        return std::wstring();
    }
    return std::wstring(base) + L"\\Vorn\\MapView\\TileCache";
}

MapSettings ReadMapSettings() {
    MapSettings s;
    s.tileUrl = wideToUtf8(Trimmed(ReadString(kMapViewKey, L"TileUrl")));
    s.tileCacheDir = Trimmed(ReadString(kMapViewKey, L"TileCacheDir"));
    if (s.tileCacheDir.empty()) s.tileCacheDir = DefaultTileCacheDir();
    s.searchUrl = wideToUtf8(Trimmed(ReadString(kMapViewKey, L"SearchUrl")));
    if (s.searchUrl.empty()) s.searchUrl = kDefaultSearchUrl;
    const std::string source = wideToUtf8(ReadString(kMapViewKey, L"TileSource"));
    if (const TileSource* known = SourceByKey(source)) s.source = known->id;
    s.tilesOff = source == "none";
    const std::string datum = wideToUtf8(Trimmed(ReadString(kTenmarkKey, L"Datum")));
    s.datumStored = parseDatumName(datum.c_str(), s.datum);
    if (!s.datumStored) s.datum = kDefaultDatum;
    return s;
}

int WriteTileSource(TileSourceId source) {
    return WriteString(kMapViewKey, L"TileSource", utf8ToWide(SourceById(source).key));
}

int WriteTilesOff() {
    return WriteString(kMapViewKey, L"TileSource", L"none");
}

int WriteDatum(Datum datum) {
    return WriteString(kTenmarkKey, L"Datum", utf8ToWide(datumName(datum)));
}

} // namespace mapview
