// A place found in MapView's search reaches the editor: the real Tenmark.exe, Cartolink2.exe
// and MapView.exe, with MapView's search answered by a loopback server the test starts
// (tests/win/tile_server, port in TENMARK_TILE_SERVER_B).
#include "bridge_e2e_call_record.h"
#include "bridge_e2e_driver.h"
#include "cp932_text.h"
#include "editor_e2e_driver.h"
#include "http_get.h"
#include "map_coord_text.h"
#include "map_geometry.h"
#include "point_document.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>

namespace {

constexpr int kShowOnMap = 1004;
constexpr int kCapture = 1005;
constexpr int kLatitudeBox = 1056;
constexpr int kLongitudeBox = 1057;

void SetValue(HKEY root, const wchar_t* key, const wchar_t* name, const std::wstring& value) {
    RegSetKeyValueW(root, key, name, REG_SZ, value.c_str(),
                    static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

std::string Captured(int32_t value) {
    char wire[32], captured[32];
    formatMapCoord(value, wire, sizeof wire, MapCoordDialect::MapView);
    mapTextToCapturedCoord(wire, captured, sizeof captured);
    return captured;
}

TEST(EditorE2eSearch, APlaceFoundInMapViewIsCapturedByTheEditor) {
    const char* port = std::getenv("TENMARK_TILE_SERVER_B");
    if (port == nullptr) GTEST_SKIP() << "run through tests/win/tile_server/with_tile_servers.sh";
    const std::string server = std::string("http://127.0.0.1:") + port;
    ASSERT_EQ(0, mapview_test::RegisterBuiltIns(60000));
    const wchar_t* mapViewKey = L"Software\\Vorn\\MapView";
    SetValue(HKEY_CURRENT_USER, mapViewKey, L"SearchUrl", ::utf8ToWide(server + "/search/ok?q={q}"));
    SetValue(HKEY_CURRENT_USER, mapViewKey, L"TileUrl", ::utf8ToWide(server + "/tiles/{z}/{x}/{y}.png"));
    SetValue(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Vorn\\Tenmark", L"MapObject", L"MapView.Map");
    CallRecord record(L"editor_e2e_search.log");

    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    const std::wstring file = std::wstring(temp) + L"tenmark_e2e_search.qpf";
    PointDocument document;
    document.insertBlank(0);
    document.setName(0, "皇居");
    document.setLatitude(0, "035/41/06.2");
    document.setLongitude(0, "139/45/10.0");
    document.setMarkNumber(0, "03");
    char path[MAX_PATH * 2] = {};
    ASSERT_GE(wideToCp932Exact(file.c_str(), path, sizeof path), 0);
    ASSERT_GE(document.saveFile(path), 0);

    EditorProcess editor;
    ASSERT_TRUE(editor.Start(BesideTests(L"Tenmark.exe"), L"\"" + file + L"\"", BesideTests(L"")));
    ASSERT_TRUE(WaitUntil([&] { return editor.RowCount() == 1; }, 10000));
    editor.SelectRows({0});
    editor.Click(kShowOnMap);
    ASSERT_TRUE(record.WaitForCalls("AddTextEx", 1, 30000));
    const DWORD mapPid = record.Calls("AddTextEx").at(0).pid;
    HWND map = FindProcessWindow(mapPid, L"MapViewWindow");
    ASSERT_NE(nullptr, map);
    HWND box = FindWindowExW(map, nullptr, L"Edit", nullptr);
    ASSERT_NE(nullptr, box);

    // The user types a place and presses Enter.
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"東京タワー"), SMTO_ABORTIFHUNG, 5000,
                        &ignored);
    PostMessageW(box, WM_KEYDOWN, VK_RETURN, 0);

    // The found place (WGS84) arrives in the editor's boxes in the map's datum.
    const mapview::GeoPoint expected =
        mapview::FromWgs84Degrees(35.658581, 139.745433, mapview::kDefaultDatum);
    ASSERT_TRUE(WaitUntil([&] { return editor.Text(kLatitudeBox) == Captured(expected.lat); }, 20000))
        << editor.Text(kLatitudeBox) << " want " << Captured(expected.lat);
    ASSERT_TRUE(WaitUntil([&] { return editor.Text(kLongitudeBox) == Captured(expected.lon); }, 5000));
    editor.Click(kCapture);
    ASSERT_TRUE(WaitUntil([&] { return editor.RowCount() == 2; }, 10000));

    // The query went out once, as percent-encoded UTF-8.
    mapview::HttpAnswer log;
    ASSERT_EQ(mapview::HttpResult::Ok,
              mapview::HttpGet(server + "/control/log", mapview::HttpLimits(), &log));
    const std::string query = "/search/ok?q=%E6%9D%B1%E4%BA%AC%E3%82%BF%E3%83%AF%E3%83%BC";
    size_t count = 0;
    for (size_t at = log.body.find(query); at != std::string::npos; at = log.body.find(query, at + 1))
        ++count;
    EXPECT_EQ(1u, count);

    PostMessageW(editor.window(), WM_CLOSE, 0, 0);
    // The editor asks whether to save the captured point: no.
    WaitUntil(
        [&] {
            for (HWND w : editor.OtherWindows())
                PostMessageW(w, WM_COMMAND, MAKEWPARAM(IDNO, BN_CLICKED), 0);
            return !editor.Running();
        },
        20000);
    for (const RecordLine& line : record.Lines())
        WaitForProcessEnd(line.pid, 15000);
    RegDeleteKeyValueW(HKEY_CURRENT_USER, mapViewKey, L"SearchUrl");
    RegDeleteKeyValueW(HKEY_CURRENT_USER, mapViewKey, L"TileUrl");
    DeleteFileW(file.c_str());
}

} // namespace
