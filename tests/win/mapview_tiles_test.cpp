// MapView.exe against loopback tile and search servers (tests/win/tile_server): the tiles it
// asks for, how it asks, its disk cache, bad answers of every kind, and the wheel and drag.
// The servers' ports come from TENMARK_TILE_SERVER_A (stopped halfway) and _B.
#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <set>
#include <string>

#include <nlohmann/json.hpp>

#include "cp932_text.h"
#include "http_get.h"
#include "map_geometry.h"
#include "mapview_test_support.h"
#include "tile_layer.h"

using namespace mapview_test;
using mapview::GeoPoint;
using Datum = ::Datum;

namespace {

std::wstring g_record;

std::string ServerBase(const char* variable) {
    const char* port = std::getenv(variable);
    return port != nullptr ? std::string("http://127.0.0.1:") + port : std::string();
}

// One request the server saw.
struct Seen {
    std::string path;
    std::string userAgent;
    std::map<std::string, std::string> headers;
};

std::vector<Seen> ServerLog(const std::string& base) {
    mapview::HttpAnswer answer;
    std::vector<Seen> seen;
    if (mapview::HttpGet(base + "/control/log", mapview::HttpLimits(), &answer) != mapview::HttpResult::Ok)
        return seen;
    size_t begin = 0;
    while (begin < answer.body.size()) {
        size_t end = answer.body.find('\n', begin);
        if (end == std::string::npos) end = answer.body.size();
        const nlohmann::json line =
            nlohmann::json::parse(answer.body.substr(begin, end - begin), nullptr, false);
        begin = end + 1;
        if (!line.is_object() || !line.contains("path")) continue;
        Seen s;
        s.path = line["path"].get<std::string>();
        for (const auto& h : line["headers"].items())
            s.headers[h.key()] = h.value().get<std::string>();
        s.userAgent = s.headers["user-agent"];
        seen.push_back(s);
    }
    return seen;
}

std::vector<Seen> Under(const std::vector<Seen>& log, const std::string& prefix) {
    std::vector<Seen> found;
    for (const Seen& s : log) {
        if (s.path.compare(0, prefix.size(), prefix) == 0) found.push_back(s);
    }
    return found;
}

// MapView's settings for one test, removed again afterwards.
class Settings {
  public:
    Settings(const std::string& tileUrl, const std::wstring& cacheDir, const std::string& searchUrl = "") {
        Set(L"TileUrl", ::utf8ToWide(tileUrl));
        Set(L"TileCacheDir", cacheDir);
        if (!searchUrl.empty()) Set(L"SearchUrl", ::utf8ToWide(searchUrl));
    }
    ~Settings() {
        for (const wchar_t* name : {L"TileUrl", L"TileCacheDir", L"SearchUrl"})
            RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Vorn\\MapView", name);
    }

  private:
    static void Set(const wchar_t* name, const std::wstring& value) {
        RegSetKeyValueW(HKEY_CURRENT_USER, L"Software\\Vorn\\MapView", name, REG_SZ, value.c_str(),
                        static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
    }
};

std::wstring FreshFolder(const wchar_t* stem) {
    std::wstring path = TempFilePath(stem);
    DeleteFileW(path.c_str());
    CreateDirectoryW(path.c_str(), nullptr);
    return path;
}

// A MapView started by hand: its window, its record, the view it opened with.
class PlainMap {
  public:
    PlainMap() {
        std::wstring command = L"\"" + MapViewPath() + L"\"";
        STARTUPINFOW si = {};
        si.cb = sizeof si;
        if (!CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi_))
            return;
        CloseHandle(pi_.hThread);
        pid_ = std::to_string(pi_.dwProcessId);
        // Up once its window is there and its first state is recorded (the view tests start from).
        WaitUntil(
            [&] { return (window_ = FindWindowOf(pi_.dwProcessId)) != nullptr && !last("@State").empty(); },
            15000);
    }
    ~PlainMap() { close(); }
    void close() {
        if (pi_.hProcess == nullptr) return;
        if (window_ != nullptr) PostMessageW(window_, WM_CLOSE, 0, 0);
        closedInTime_ = WaitForSingleObject(pi_.hProcess, 15000) == WAIT_OBJECT_0;
        if (!closedInTime_) TerminateProcess(pi_.hProcess, 1);
        CloseHandle(pi_.hProcess);
        pi_.hProcess = nullptr;
    }
    bool closedInTime() const { return closedInTime_; }
    HWND window() const { return window_; }
    std::vector<std::vector<std::string>> record() const { return RecordOf(g_record, pid_); }

    // The @Tile lines so far: key -> [origin, problem] of the last one.
    std::vector<std::vector<std::string>> tiles() const {
        std::vector<std::vector<std::string>> lines;
        for (const auto& line : record()) {
            if (line.size() >= 6 && line[2] == "@Tile") lines.push_back({line[3], line[4], line[5]});
        }
        return lines;
    }
    std::vector<std::string> last(const std::string& name) const {
        const auto r = record();
        for (auto it = r.rbegin(); it != r.rend(); ++it) {
            if (it->size() > 2 && (*it)[2] == name) return *it;
        }
        return {};
    }
    // The view as the window shows it now, from the record's last state and zoom.
    mapview::Viewport view(int zoom) const {
        GeoPoint centre;
        for (const std::string& field : last("@State")) {
            if (field.compare(0, 7, "centre:") != 0) continue;
            const size_t comma = field.find(',');
            ::parseMapCoord(field.substr(7, comma - 7).c_str(), &centre.lat, MapCoordDialect::MapView);
            ::parseMapCoord(field.substr(comma + 1).c_str(), &centre.lon, MapCoordDialect::MapView);
        }
        RECT rc;
        GetClientRect(window_, &rc);
        return mapview::ViewportAtZoom(centre, zoom, mapview::kDefaultDatum, rc.right,
                                       rc.bottom - mapview::kStatusBandHeight);
    }
    int startZoom() const {
        const auto r = record();
        return r.empty() || r.front().size() < 6 ? -1 : std::atoi(r.front()[5].c_str() + 5);
    }

  private:
    static HWND FindWindowOf(DWORD pid) {
        for (HWND w = FindWindowW(L"MapViewWindow", nullptr); w != nullptr;
             w = FindWindowExW(nullptr, w, L"MapViewWindow", nullptr)) {
            DWORD owner = 0;
            GetWindowThreadProcessId(w, &owner);
            if (owner == pid) return w;
        }
        return nullptr;
    }
    PROCESS_INFORMATION pi_ = {};
    std::string pid_;
    HWND window_ = nullptr;
    bool closedInTime_ = false;
};

std::set<std::string> TilePaths(const mapview::Viewport& view, const std::string& prefix) {
    mapview::TileView tv;
    tv.zoom = view.zoom;
    tv.originX = view.originX;
    tv.originY = view.originY;
    tv.width = view.width;
    tv.height = view.height;
    std::set<std::string> paths;
    for (const mapview::TileKey& k : mapview::TilesInView(tv))
        paths.insert(prefix + std::to_string(k.z) + "/" + std::to_string(k.x) + "/" + std::to_string(k.y) +
                     ".png");
    return paths;
}

std::set<std::string> Paths(const std::vector<Seen>& seen) {
    std::set<std::string> paths;
    for (const Seen& s : seen)
        paths.insert(s.path);
    return paths;
}

size_t CountFiles(const std::wstring& folder) {
    size_t n = 0;
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW((folder + L"\\*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return 0;
    do {
        const std::wstring name = data.cFileName;
        if (name == L"." || name == L"..") continue;
        if (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
            n += CountFiles(folder + L"\\" + name);
        } else if (name.size() > 5 && name.substr(name.size() - 5) == L".tile") {
            ++n;
        }
    } while (FindNextFileW(find, &data));
    FindClose(find);
    return n;
}

class TileServers : public ::testing::Test {
  protected:
    void SetUp() override {
        a = ServerBase("TENMARK_TILE_SERVER_A");
        b = ServerBase("TENMARK_TILE_SERVER_B");
        if (a.empty() || b.empty()) GTEST_SKIP() << "run through tests/win/tile_server/with_tile_servers.sh";
    }
    std::string a, b;
};

TEST_F(TileServers, VisibleTilesAreFetchedOnceCachedAndShownAgainWithTheServerStopped) {
    const std::wstring cache = FreshFolder(L"mapview-cache");
    Settings settings(a + "/tiles/{z}/{x}/{y}.png", cache);
    std::set<std::string> expected;
    {
        PlainMap map;
        ASSERT_NE(nullptr, map.window());
        ASSERT_EQ(5, map.startZoom());
        expected = TilePaths(map.view(5), "/tiles/");
        ASSERT_GE(expected.size(), 6u);
        ASSERT_TRUE(WaitUntil([&] { return map.tiles().size() >= expected.size(); }, 20000))
            << map.tiles().size();
        Pump(500);
        const std::vector<Seen> seen = Under(ServerLog(a), "/tiles/");
        EXPECT_EQ(expected, Paths(seen));
        EXPECT_EQ(expected.size(), seen.size()) << "a tile was asked for twice";
        // Nearest the centre first: with four at a time, the centre's tile is among the first four.
        const mapview::Viewport view = map.view(5);
        const std::string centre =
            *TilePaths(mapview::ViewportAtZoom(view.centre, 5, view.datum, 2, 2), "/tiles/").begin();
        bool early = false;
        for (size_t i = 0; i < 4 && i < seen.size(); ++i)
            early = early || seen[i].path == centre;
        EXPECT_TRUE(early) << centre;
        for (const Seen& s : seen) {
            EXPECT_NE(std::string::npos, s.userAgent.find("MapView/")) << s.userAgent;
            EXPECT_EQ(0u, s.headers.count("pragma"));
            EXPECT_EQ(0u, s.headers.count("cache-control"));
        }
        for (const auto& t : map.tiles()) {
            EXPECT_EQ("network", t[1]) << t[0];
            EXPECT_EQ("ok", t[2]) << t[0];
        }
        map.close();
        EXPECT_TRUE(map.closedInTime());
    }
    EXPECT_EQ(expected.size(), CountFiles(cache));

    // Offline: the same view comes from the cache, and nothing is asked for.
    mapview::HttpAnswer bye;
    mapview::HttpGet(a + "/control/quit", mapview::HttpLimits(), &bye);
    PlainMap again;
    ASSERT_NE(nullptr, again.window());
    ASSERT_TRUE(WaitUntil([&] { return again.tiles().size() >= expected.size(); }, 20000));
    Pump(1500);
    std::set<std::string> shown;
    for (const auto& t : again.tiles()) {
        EXPECT_EQ("disk", t[1]) << t[0];
        EXPECT_EQ("ok", t[2]) << t[0];
        shown.insert("/tiles/" + t[0] + ".png");
    }
    EXPECT_EQ(expected, shown);
}

TEST_F(TileServers, BadTilesAreAskedForOnceAndNeverCached) {
    const std::wstring cache = FreshFolder(L"mapview-bad-cache");
    Settings settings(b + "/bad/{z}/{x}/{y}.png", cache);
    PlainMap map;
    ASSERT_NE(nullptr, map.window());
    const std::set<std::string> expected = TilePaths(map.view(5), "/bad/");
    ASSERT_TRUE(WaitUntil([&] { return map.tiles().size() >= expected.size(); }, 20000));
    std::set<std::string> good;
    for (const auto& t : map.tiles()) {
        int z = 0, x = 0, y = 0;
        ASSERT_EQ(3, std::sscanf(t[0].c_str(), "%d/%d/%d", &z, &x, &y));
        // The server's pattern: truncated PNG, text, 404, good.
        const char* want[] = {"not-image", "not-image", "not-found", "ok"};
        EXPECT_EQ(want[(x + y) % 4], t[2]) << t[0];
        if ((x + y) % 4 == 3) good.insert(t[0]);
    }
    EXPECT_EQ(expected.size(), map.tiles().size()) << "a tile was reported twice";
    // Drawing again asks for none of them again.
    RedrawWindow(map.window(), nullptr, nullptr, RDW_INVALIDATE);
    Pump(2000);
    const std::vector<Seen> seen = Under(ServerLog(b), "/bad/");
    EXPECT_EQ(expected, Paths(seen));
    EXPECT_EQ(expected.size(), seen.size());
    map.close();
    EXPECT_EQ(good.size(), CountFiles(cache));
}

TEST_F(TileServers, AServerThatNeverAnswersHoldsFourRequestsAndNothingElse) {
    Settings settings(b + "/hang/{z}/{x}/{y}.png", FreshFolder(L"mapview-hang-cache"));
    PlainMap map;
    ASSERT_NE(nullptr, map.window());
    const DWORD start = GetTickCount();
    Pump(3000);
    EXPECT_EQ(4u, Under(ServerLog(b), "/hang/").size()) << "at most four requests in flight";
    // The window (the automation thread) answers at once all the while.
    DWORD_PTR result = 0;
    const DWORD before = GetTickCount();
    EXPECT_TRUE(SendMessageTimeoutW(map.window(), WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &result));
    EXPECT_LT(GetTickCount() - before, 500u);
    // After ten seconds each is given up, not asked for again; the next four go out.
    ASSERT_TRUE(WaitUntil([&] { return map.tiles().size() >= 4; }, 16000));
    EXPECT_GE(GetTickCount() - start, 9000u);
    for (const auto& t : map.tiles())
        EXPECT_EQ("timed-out", t[2]) << t[0];
    Pump(500);
    const std::vector<Seen> seen = Under(ServerLog(b), "/hang/");
    EXPECT_EQ(Paths(seen).size(), seen.size()) << "a timed-out tile was asked for again";
    EXPECT_LE(seen.size(), 8u);
    // Closing does not wait for the requests still hanging.
    const DWORD closing = GetTickCount();
    map.close();
    EXPECT_TRUE(map.closedInTime());
    EXPECT_LT(GetTickCount() - closing, 8000u);
}

TEST_F(TileServers, AServerThatIsDownOrACacheThatCannotBeWrittenIsTold) {
    {
        // Nothing listens on port 1.
        Settings settings("http://127.0.0.1:1/tiles/{z}/{x}/{y}.png", FreshFolder(L"mapview-down-cache"));
        PlainMap map;
        ASSERT_NE(nullptr, map.window());
        const size_t visible = TilePaths(map.view(5), "/").size();
        ASSERT_TRUE(WaitUntil([&] { return map.tiles().size() >= visible; }, 20000));
        Pump(1000);
        EXPECT_EQ(visible, map.tiles().size()) << "a tile was asked for again";
        for (const auto& t : map.tiles())
            EXPECT_EQ("unreachable", t[2]) << t[0];
    }
    {
        // A file where the cache folder should be.
        const std::wstring file = TempFilePath(L"mapview-not-a-folder");
        HANDLE h = CreateFileW(file.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        CloseHandle(h);
        Settings settings(b + "/tiles/{z}/{x}/{y}.png", file + L"\\cache");
        PlainMap map;
        ASSERT_NE(nullptr, map.window());
        const size_t visible = TilePaths(map.view(5), "/").size();
        ASSERT_TRUE(WaitUntil([&] { return map.tiles().size() >= visible; }, 20000));
        for (const auto& t : map.tiles()) {
            EXPECT_EQ("network", t[1]);
            EXPECT_EQ("cache-write", t[2]) << t[0]; // shown all the same
        }
        DeleteFileW(file.c_str());
    }
}

TEST_F(TileServers, WheelKeepsThePointUnderThePointerAndDragMovesTheMapNotTheMark) {
    Settings settings(b + "/tiles/{z}/{x}/{y}.png", FreshFolder(L"mapview-wheel-cache"));
    PlainMap map;
    ASSERT_NE(nullptr, map.window());
    const mapview::Viewport before = map.view(5);
    const POINT at = {before.width / 4, before.height / 3};
    const GeoPoint under = mapview::ToGeo(before, at.x, at.y);
    POINT screen = at;
    ClientToScreen(map.window(), &screen);
    PostMessageW(map.window(), WM_MOUSEWHEEL, MAKEWPARAM(0, WHEEL_DELTA), MAKELPARAM(screen.x, screen.y));
    ASSERT_TRUE(WaitUntil([&] { return !map.last("@Zoom").empty(); }, 5000));
    EXPECT_EQ("zoom:6", map.last("@Zoom").at(6));
    Pump(300);
    int x = 0, y = 0;
    mapview::ToPixel(map.view(6), under, &x, &y);
    EXPECT_NEAR(at.x, x, 1);
    EXPECT_NEAR(at.y, y, 1);

    // A drag: the point pressed follows the pointer; the mark stays where it was.
    const std::vector<std::string> markBefore = map.last("@State");
    const mapview::Viewport zoomed = map.view(6);
    const GeoPoint pressed = mapview::ToGeo(zoomed, 200, 150);
    PostMessageW(map.window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(200, 150));
    PostMessageW(map.window(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(230, 170));
    PostMessageW(map.window(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(260, 190));
    PostMessageW(map.window(), WM_LBUTTONUP, 0, MAKELPARAM(260, 190));
    ASSERT_TRUE(WaitUntil([&] { return !map.last("@Pan").empty(); }, 5000));
    Pump(300);
    mapview::ToPixel(map.view(6), pressed, &x, &y);
    EXPECT_NEAR(260, x, 1);
    EXPECT_NEAR(190, y, 1);
    EXPECT_TRUE(map.last("@MarkMoved").empty());
    std::string markField;
    for (const std::string& f : markBefore)
        if (f.compare(0, 5, "mark:") == 0) markField = f;
    bool same = false;
    for (const std::string& f : map.last("@State"))
        same = same || f == markField;
    EXPECT_TRUE(same) << markField;
}

// The place search in a map the bridge would drive: every kind of answer, and only a found
// place moves the mark (and reports it).
TEST_F(TileServers, OnlyAFoundPlaceMovesTheMarkAndEveryOtherAnswerIsTold) {
    Settings settings(b + "/tiles/{z}/{x}/{y}.png", FreshFolder(L"mapview-search-cache"),
                      b + "/search/by?q={q}");
    IDispatch* m = nullptr;
    ASSERT_EQ(S_OK, Create(L"MapView.Map", &m));
    EventWindow events(2048);
    ASSERT_EQ(S_OK, Method(m, L"EnableMark", {Arg::I2(1)}).hr);
    ASSERT_EQ(S_OK,
              Method(m, L"SetEventWindow", {Arg::RefI4(HandleToLong(events.hwnd())), Arg::I2(2048)}).hr);
    HWND map = reinterpret_cast<HWND>(static_cast<LONG_PTR>(Get(m, L"MapViewWindow").AsI4()));
    DWORD pid = 0;
    HANDLE process = OpenWindowProcess(map, &pid);
    HWND box = FindWindowExW(map, nullptr, L"Edit", nullptr);
    ASSERT_NE(nullptr, box);
    const std::wstring markBefore = Get(m, L"MarkLatitude").AsText();
    auto search = [&](const wchar_t* text) {
        const size_t before = RecordOf(g_record, std::to_string(pid)).size();
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000,
                            &ignored);
        PostMessageW(box, WM_KEYDOWN, VK_RETURN, 0);
        std::string outcome;
        WaitUntil(
            [&] {
                const auto r = RecordOf(g_record, std::to_string(pid));
                for (size_t i = before; i < r.size(); ++i) {
                    if (r[i].size() == 4 && r[i][2] == "@Search") outcome = r[i][3];
                }
                return !outcome.empty();
            },
            15000);
        return outcome;
    };
    EXPECT_EQ("empty", search(L"empty:どこにもない町"));
    EXPECT_EQ("malformed", search(L"malformed:x"));
    EXPECT_EQ("too-large", search(L"huge:x"));
    // A search that is never answered keeps nobody waiting, and is given up after ten seconds.
    const size_t before = RecordOf(g_record, std::to_string(pid)).size();
    SendMessageW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"hang:x"));
    PostMessageW(box, WM_KEYDOWN, VK_RETURN, 0);
    Pump(1000);
    const DWORD asked = GetTickCount();
    EXPECT_EQ(markBefore, Get(m, L"MarkLatitude").AsText());
    EXPECT_LT(GetTickCount() - asked, 1000u);
    EXPECT_TRUE(WaitUntil(
        [&] {
            const auto r = RecordOf(g_record, std::to_string(pid));
            for (size_t i = before; i < r.size(); ++i) {
                if (r[i].size() == 4 && r[i][2] == "@Search" && r[i][3] == "failed") return true;
            }
            return false;
        },
        15000));
    EXPECT_EQ(0, events.count()) << "an answer without a place moved the mark";
    EXPECT_EQ(markBefore, Get(m, L"MarkLatitude").AsText());

    // Found: the first place is centred and marked, in the map's datum, and reported.
    EXPECT_EQ("found:2", search(L"two:東京"));
    ASSERT_TRUE(WaitUntil([&] { return events.count() == 1; }, 5000));
    const GeoPoint tower = mapview::FromWgs84Degrees(35.658581, 139.745433, mapview::kDefaultDatum);
    char text[32];
    formatMapCoord(tower.lat, text, sizeof text, MapCoordDialect::MapView);
    EXPECT_EQ(::utf8ToWide(text), Get(m, L"MarkLatitude").AsText());
    EXPECT_EQ(static_cast<WPARAM>(tower.lat), events.lastWParam());
    // Picking the second in the list moves there.
    HWND list = FindWindowExW(map, nullptr, L"ListBox", nullptr);
    ASSERT_NE(nullptr, list);
    SendMessageW(list, LB_SETCURSEL, 1, 0);
    PostMessageW(map, WM_COMMAND, MAKEWPARAM(101, LBN_SELCHANGE), reinterpret_cast<LPARAM>(list));
    ASSERT_TRUE(WaitUntil([&] { return events.count() == 2; }, 5000));
    const GeoPoint osaka = mapview::FromWgs84Degrees(34.6937, 135.5023, mapview::kDefaultDatum);
    formatMapCoord(osaka.lon, text, sizeof text, MapCoordDialect::MapView);
    EXPECT_EQ(::utf8ToWide(text), Get(m, L"MarkLongitude").AsText());
    m->Release();
    EXPECT_TRUE(WaitForExit(process, 15000));
    CloseHandle(process);
}

// The datum menu: the mark keeps its place on the ground, its numbers change and are reported,
// and the choice is the product's, stored where the editor reads it.
TEST_F(TileServers, ChangingTheDatumKeepsTheMarkInPlaceAndIsStoredForTheEditor) {
    Settings settings("http://127.0.0.1:1/{z}/{x}/{y}.png", FreshFolder(L"mapview-datum-cache"));
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Vorn\\Tenmark", L"Datum");
    IDispatch* m = nullptr;
    ASSERT_EQ(S_OK, Create(L"MapView.Map", &m));
    EventWindow events(2048);
    ASSERT_EQ(S_OK, Method(m, L"EnableMark", {Arg::I2(1)}).hr);
    ASSERT_EQ(S_OK,
              Method(m, L"SetEventWindow", {Arg::RefI4(HandleToLong(events.hwnd())), Arg::I2(2048)}).hr);
    HWND map = reinterpret_cast<HWND>(static_cast<LONG_PTR>(Get(m, L"MapViewWindow").AsI4()));
    // To the datum that is not the default, and back.
    const Datum other = mapview::kDefaultDatum == Datum::Tokyo ? Datum::Wgs84 : Datum::Tokyo;
    const WORD toOther = other == Datum::Tokyo ? 230 : 231, back = other == Datum::Tokyo ? 231 : 230;
    const std::string before = Utf8(Get(m, L"MarkLatitude").AsText().c_str());
    const std::string lonBefore = Utf8(Get(m, L"MarkLongitude").AsText().c_str());
    GeoPoint mark;
    ASSERT_EQ(0, ::parseMapCoord(before.c_str(), &mark.lat, MapCoordDialect::MapView));
    ASSERT_EQ(0, ::parseMapCoord(lonBefore.c_str(), &mark.lon, MapCoordDialect::MapView));
    PostMessageW(map, WM_COMMAND, MAKEWPARAM(toOther, 0), 0);
    ASSERT_TRUE(WaitUntil([&] { return events.count() == 1; }, 5000));
    double lat = 0, lon = 0;
    mapview::ToWgs84Degrees(mark, mapview::kDefaultDatum, &lat, &lon);
    const GeoPoint converted = mapview::FromWgs84Degrees(lat, lon, other);
    ASSERT_NE(mark, converted);
    char text[32];
    formatMapCoord(converted.lat, text, sizeof text, MapCoordDialect::MapView);
    EXPECT_EQ(::utf8ToWide(text), Get(m, L"MarkLatitude").AsText());
    EXPECT_EQ(static_cast<WPARAM>(converted.lat), events.lastWParam());
    wchar_t stored[16] = L"";
    DWORD bytes = sizeof stored;
    EXPECT_EQ(ERROR_SUCCESS, RegGetValueW(HKEY_CURRENT_USER, L"Software\\Vorn\\Tenmark", L"Datum",
                                          RRF_RT_REG_SZ, nullptr, stored, &bytes));
    EXPECT_STREQ(other == Datum::Tokyo ? L"Tokyo" : L"WGS84", stored);
    // Back again: the same text as before.
    PostMessageW(map, WM_COMMAND, MAKEWPARAM(back, 0), 0);
    ASSERT_TRUE(WaitUntil([&] { return events.count() == 2; }, 5000));
    EXPECT_EQ(before, Utf8(Get(m, L"MarkLatitude").AsText().c_str()));
    EXPECT_EQ(lonBefore, Utf8(Get(m, L"MarkLongitude").AsText().c_str()));
    m->Release();
    RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Vorn\\Tenmark", L"Datum");
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 2;
    if (RegisterBuiltIns() != 0) return 2;
    g_record = TempFilePath(L"mapview-tiles-record");
    SetEnvironmentVariableW(L"TENMARK_MAPVIEW_LOG", g_record.c_str());
    const int code = RUN_ALL_TESTS();
    CoUninitialize();
    DeleteFileW(g_record.c_str());
    return code;
}
