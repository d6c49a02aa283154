// MapView.exe as the bridge meets it: created by identifier in its own process, members
// called by name with the bridge's argument types, results, the call record, mark events.
#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>

#include <algorithm>
#include <string>

#include "cp932_text.h"
#include "map_coord.h"
#include "map_geometry.h"
#include "map_layers.h"
#include "mapview_test_support.h"

using namespace mapview_test;

namespace {

std::wstring g_record; // the call record every MapView started by these tests writes

constexpr UINT kMapEvent = 2048;

// One MapView object and the process serving it.
class MapClient {
  public:
    explicit MapClient(const wchar_t* progId) { hr_ = Create(progId, &object_); }
    ~MapClient() {
        if (object_ != nullptr) object_->Release();
        if (process_ != nullptr) CloseHandle(process_);
    }
    HRESULT hr() const { return hr_; }
    IDispatch* get() const { return object_; }
    HWND window() {
        if (window_ == nullptr && object_ != nullptr) {
            window_ = reinterpret_cast<HWND>(static_cast<LONG_PTR>(Get(object_, L"MapViewWindow").AsI4()));
            DWORD pid = 0;
            process_ = OpenWindowProcess(window_, &pid);
            pid_ = std::to_string(pid);
        }
        return window_;
    }
    const std::string& pid() {
        window();
        return pid_;
    }
    HANDLE process() {
        window();
        return process_;
    }
    // Drops the reference; the server should then end.
    void release() {
        window();
        if (object_ != nullptr) object_->Release();
        object_ = nullptr;
    }
    std::wstring state() { return Get(object_, L"MapViewState").AsText(); }
    std::vector<std::vector<std::string>> record() { return RecordOf(g_record, pid()); }

  private:
    HRESULT hr_ = E_FAIL;
    IDispatch* object_ = nullptr;
    HWND window_ = nullptr;
    HANDLE process_ = nullptr;
    std::string pid_;
};

bool HasLine(const std::wstring& text, const std::wstring& line) {
    return (L"\n" + text).find(L"\n" + line + L"\n") != std::wstring::npos;
}

// The last record line of this member, or an empty list.
std::vector<std::string> LastCall(const std::vector<std::vector<std::string>>& record,
                                  const std::string& name) {
    for (auto it = record.rbegin(); it != record.rend(); ++it) {
        if (it->size() > 2 && (*it)[2] == name) return *it;
    }
    return {};
}

std::wstring Wide(const char* cp932) {
    return cp932ToWide(cp932);
}

std::wstring CoordW(int32_t v) {
    char buf[32];
    formatMapCoord(v, buf, sizeof buf, MapCoordDialect::MapView);
    return Wide(buf);
}

class ProAtlasFamily : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(S_OK, map.hr());
        ASSERT_NE(nullptr, map.window());
    }
    MapClient map{L"ProAtlasW2.Map"};
};

TEST_F(ProAtlasFamily, OpensLikeTheBridgeAndPlacesLabelledTexts) {
    EventWindow events(kMapEvent);
    IDispatch* m = map.get();
    ASSERT_EQ(S_OK, Method(m, L"EnableMark", {Arg::I2(1)}).hr);
    ASSERT_EQ(S_OK,
              Method(m, L"SetEventWindow", {Arg::RefI4(HandleToLong(events.hwnd())), Arg::I2(2048)}).hr);
    ASSERT_EQ(S_OK, Method(m, L"MoveTo", {Arg::RefText(L"35/41/23456"), Arg::RefText(L"139/41/30000")}).hr);
    const std::vector<Arg> first{Arg::RefText(L"35/41/23456"),
                                 Arg::RefText(L"139/41/30000"),
                                 Arg::RefText(L"東京タワー,展望台"),
                                 Arg::I2(0),
                                 Arg::I2(1),
                                 Arg::RefText(L"35/41/23456"),
                                 Arg::RefText(L"139/41/30000")};
    CallResult a = Method(m, L"AddTextEx", first);
    ASSERT_EQ(S_OK, a.hr);
    const std::vector<Arg> second{Arg::RefText(L"35/39/00000"),
                                  Arg::RefText(L"139/44/00000"),
                                  Arg::RefText(L"B"),
                                  Arg::I2(0),
                                  Arg::I2(1),
                                  Arg::RefText(L"35/39/00000"),
                                  Arg::RefText(L"139/44/00000")};
    CallResult b = Method(m, L"AddTextEx", second);
    ASSERT_EQ(S_OK, b.hr);
    const long idA = a.AsI4(), idB = b.AsI4();
    EXPECT_NE(idA, idB);
    EXPECT_TRUE(idA > 0 && idA <= 32767 && idB > 0 && idB <= 32767);

    const std::wstring state = map.state();
    EXPECT_TRUE(HasLine(state, L"centre:35/41/23456,139/41/30000")) << state;
    EXPECT_TRUE(HasLine(state, L"texts:2")) << state;
    EXPECT_TRUE(
        HasLine(state, L"text:" + std::to_wstring(idA) +
                           L",35/41/23456,139/41/30000,35/41/23456,139/41/30000,0,1,東京タワー,展望台"))
        << state;

    // The record names each argument's type as it arrived, by reference or not.
    const auto add = LastCall(map.record(), "AddTextEx");
    ASSERT_EQ(12u, add.size());
    EXPECT_EQ("ProAtlas", add[1]);
    EXPECT_EQ("method", add[3]);
    EXPECT_EQ("&BSTR:35/39/00000", add[4]);
    EXPECT_EQ("&BSTR:139/44/00000", add[5]);
    EXPECT_EQ("&BSTR:B", add[6]);
    EXPECT_EQ("I2:0", add[7]);
    EXPECT_EQ("I2:1", add[8]);
    EXPECT_EQ("&BSTR:35/39/00000", add[9]);
    EXPECT_EQ("=I4:" + std::to_string(idB), add[11]);
    const auto set = LastCall(map.record(), "SetEventWindow");
    ASSERT_EQ(7u, set.size());
    EXPECT_EQ("&I4:" + std::to_string(HandleToLong(events.hwnd())), set[4]);
    EXPECT_EQ("I2:2048", set[5]);
    bool labelRecorded = false;
    for (const auto& f : map.record()) {
        if (f.size() > 6 && f[2] == "AddTextEx" && f[6] == "&BSTR:" + Utf8(L"東京タワー,展望台"))
            labelRecorded = true;
    }
    EXPECT_TRUE(labelRecorded) << "the label is recorded whole, in UTF-8";

    // Deleting one text leaves the other; deleting it again is harmless and says so.
    CallResult del = Method(m, L"DeleteText", {Arg::I2(static_cast<short>(idA))});
    ASSERT_EQ(S_OK, del.hr);
    EXPECT_EQ(VT_BOOL, V_VT(&del.value));
    EXPECT_EQ(VARIANT_TRUE, V_BOOL(&del.value));
    CallResult again = Method(m, L"DeleteText", {Arg::I2(static_cast<short>(idA))});
    ASSERT_EQ(S_OK, again.hr);
    EXPECT_EQ(VARIANT_FALSE, V_BOOL(&again.value));
    const std::wstring after = map.state();
    EXPECT_TRUE(HasLine(after, L"texts:1")) << after;
    EXPECT_NE(std::wstring::npos, after.find(L"text:" + std::to_wstring(idB) + L",")) << after;
    EXPECT_EQ(0, events.count()) << "no mark move happened";
}

TEST_F(ProAtlasFamily, LayerNameAndChangeLayer) {
    IDispatch* m = map.get();
    CallResult name = Method(m, L"LayerName", {Arg::RefVariantText(L"2")});
    ASSERT_EQ(S_OK, name.hr);
    EXPECT_EQ(Wide(mapview::LayerByNumber(2)->name), name.AsText());
    ASSERT_EQ(S_OK, Method(m, L"ChangeLayer", {Arg::RefText(name.AsText().c_str())}).hr);
    EXPECT_TRUE(HasLine(map.state(), L"layer:2," + Wide(mapview::LayerByNumber(2)->name))) << map.state();
    EXPECT_EQ("&VARIANT(BSTR:2)", LastCall(map.record(), "LayerName").at(4));

    // A layer that does not exist is an error the caller sees, and the layer stays.
    CallResult bad = Method(m, L"LayerName", {Arg::RefVariantText(L"99")});
    EXPECT_EQ(DISP_E_EXCEPTION, bad.hr);
    EXPECT_EQ(Wide("そのレイヤはありません"), bad.description);
    EXPECT_EQ(DISP_E_EXCEPTION, Method(m, L"ChangeLayer", {Arg::RefText(L"no such layer")}).hr);
    EXPECT_TRUE(HasLine(map.state(), L"layer:2," + Wide(mapview::LayerByNumber(2)->name)));
}

TEST_F(ProAtlasFamily, MarkMovesByKeyAndClickAndIsReportedToTheEventWindow) {
    EventWindow events(kMapEvent);
    IDispatch* m = map.get();
    ASSERT_EQ(S_OK, Method(m, L"EnableMark", {Arg::I2(1)}).hr);
    ASSERT_EQ(S_OK,
              Method(m, L"SetEventWindow", {Arg::RefI4(HandleToLong(events.hwnd())), Arg::I2(2048)}).hr);
    ASSERT_EQ(S_OK, Method(m, L"MoveTo", {Arg::RefText(L"35/00/00000"), Arg::RefText(L"139/00/00000")}).hr);
    const std::wstring lat0 = Get(m, L"MarkLatitude").AsText();
    int32_t before = 0;
    ASSERT_EQ(0, parseMapCoord(Utf8(lat0.c_str()).c_str(), &before, MapCoordDialect::MapView)) << lat0.c_str();

    // Arrow up: the mark goes north by eight pixels of the current layer.
    PostMessageW(map.window(), WM_KEYDOWN, VK_UP, 0);
    ASSERT_TRUE(events.WaitForEvent(5000));
    const int32_t expected = before + 8 * mapview::LayerByNumber(mapview::kDefaultLayer)->scale;
    EXPECT_EQ(CoordW(expected), Get(m, L"MarkLatitude").AsText());
    EXPECT_EQ(static_cast<WPARAM>(expected), events.lastWParam());

    // A click puts the mark under the pointer.
    RECT rc;
    ASSERT_TRUE(GetClientRect(map.window(), &rc));
    const mapview::Viewport view =
        mapview::ViewportForClient(mapview::GeoPoint{35 * mapview::kPerDegree, 139 * mapview::kPerDegree},
                                   mapview::kDefaultLayer, rc.right, rc.bottom);
    const mapview::GeoPoint at = mapview::ToGeo(view, 100, 80);
    PostMessageW(map.window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, 80));
    PostMessageW(map.window(), WM_LBUTTONUP, 0, MAKELPARAM(100, 80));
    ASSERT_TRUE(events.WaitForEvent(5000));
    EXPECT_EQ(CoordW(at.lat), Get(m, L"MarkLatitude").AsText());
    EXPECT_EQ(CoordW(at.lon), Get(m, L"MarkLongitude").AsText());
    EXPECT_EQ(2, events.count());

    const auto moved = LastCall(map.record(), "@MarkMoved");
    ASSERT_EQ(7u, moved.size());
    EXPECT_EQ(Utf8(CoordW(at.lat).c_str()), moved[3]);
    EXPECT_EQ("click", moved[5]);
    EXPECT_EQ("posted:2048", moved[6]);

    // With the mark disabled, keys move nothing and nothing is reported.
    ASSERT_EQ(S_OK, Method(m, L"EnableMark", {Arg::I2(0)}).hr);
    PostMessageW(map.window(), WM_KEYDOWN, VK_DOWN, 0);
    EXPECT_FALSE(events.WaitForEvent(1500));
    EXPECT_EQ(CoordW(at.lat), Get(m, L"MarkLatitude").AsText());
}

TEST_F(ProAtlasFamily, MarkAtZeroReadsAsTheEmptyText) {
    IDispatch* m = map.get();
    ASSERT_EQ(S_OK, Method(m, L"MoveTo", {Arg::RefText(L"0/00/00000"), Arg::RefText(L"0/00/00000")}).hr);
    RECT rc;
    ASSERT_TRUE(GetClientRect(map.window(), &rc));
    const mapview::Viewport view =
        mapview::ViewportForClient(mapview::GeoPoint{0, 0}, mapview::kDefaultLayer, rc.right, rc.bottom);
    int x = 0, y = 0;
    mapview::ToPixel(view, mapview::GeoPoint{0, 0}, &x, &y);
    PostMessageW(map.window(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(x, y));
    Pump(1000);
    EXPECT_TRUE(HasLine(map.state(), L"mark:0/00/00000,0/00/00000,on")) << map.state();
    // As clients pass coordinates on: 0 is the empty text.
    CallResult lat = Get(m, L"MarkLatitude");
    ASSERT_EQ(S_OK, lat.hr);
    EXPECT_EQ(L"", lat.AsText());
    EXPECT_EQ(L"", Get(m, L"MarkLongitude").AsText());
}

TEST_F(ProAtlasFamily, RefusesBadArgumentsWithoutChangingTheMap) {
    IDispatch* m = map.get();
    CallResult bad = Method(m, L"MoveTo", {Arg::RefText(L"35/41/23456"), Arg::RefText(L"east")});
    EXPECT_EQ(DISP_E_EXCEPTION, bad.hr);
    EXPECT_EQ(Wide("座標の形式が正しくありません"), bad.description);
    EXPECT_EQ(0u, bad.argError) << "Invoke counts arguments from the last";
    EXPECT_EQ(DISP_E_EXCEPTION,
              Method(m, L"MoveTo", {Arg::RefText(L"91/00/00000"), Arg::RefText(L"139/00/00000")}).hr);
    EXPECT_EQ(DISP_E_BADPARAMCOUNT, Method(m, L"MoveTo", {Arg::RefText(L"35/41/23456")}).hr);
    CallResult mismatch =
        Method(m, L"AddTextEx",
               {Arg::RefText(L"35/00/00000"), Arg::RefText(L"139/00/00000"), Arg::RefText(L"x"),
                Arg::Text(L"zero"), Arg::I2(1), Arg::RefText(L"35/00/00000"), Arg::RefText(L"139/00/00000")});
    EXPECT_EQ(DISP_E_TYPEMISMATCH, mismatch.hr);
    EXPECT_EQ(3u, mismatch.argError);
    const std::wstring state = map.state();
    EXPECT_TRUE(HasLine(state, L"texts:0")) << state;
    EXPECT_EQ(std::wstring::npos, state.find(L"centre:35/41/23456")) << state;
    // A failed call is recorded with its error.
    const auto failed = LastCall(map.record(), "AddTextEx");
    ASSERT_FALSE(failed.empty());
    EXPECT_EQ("!80020005", failed.back());
}

TEST_F(ProAtlasFamily, OffersOnlyItsOwnFamilysMembers) {
    DISPID id = 0;
    LPOLESTR names[] = {const_cast<LPOLESTR>(L"AddIcon")};
    EXPECT_EQ(DISP_E_UNKNOWNNAME, map.get()->GetIDsOfNames(IID_NULL, names, 1, 0, &id));
    EXPECT_EQ(DISPID_UNKNOWN, id);
    EXPECT_EQ(DISP_E_UNKNOWNNAME, Method(map.get(), L"GetLat").hr);
    // Names are matched without regard to case, as late-bound callers write them.
    EXPECT_EQ(S_OK, Get(map.get(), L"marklatitude").hr);
}

TEST(MappleFamily, PlacesOneIconAndMovesTheMap) {
    MapClient map(L"Mapple.Document");
    ASSERT_EQ(S_OK, map.hr());
    IDispatch* m = map.get();
    ASSERT_EQ(S_OK, Put(m, L"Visible", Arg::I2(1)).hr);
    CallResult lat = Method(m, L"GetLat");
    ASSERT_EQ(S_OK, lat.hr);
    EXPECT_EQ(VT_I4, V_VT(&lat.value));

    auto place = [&](long lon, long lat, const wchar_t* label) {
        EXPECT_EQ(S_OK, Method(m, L"DeleteAllCustom").hr);
        EXPECT_EQ(S_OK,
                  Method(m, L"AddIcon",
                         {Arg::RefI4(lon), Arg::RefI4(lat), Arg::RefText(label), Arg::Text(L""), Arg::I2(0),
                          Arg::I2(25), Arg::I2(3), Arg::I4(16777160), Arg::I4(13140032), Arg::I2(1)})
                      .hr);
        EXPECT_EQ(S_OK, Method(m, L"Move", {Arg::RefI4(lon), Arg::RefI4(lat)}).hr);
    };
    place(503160000, 128452000, L"一つ目");
    place(500000000, 128483456, L"二つ目");
    EXPECT_EQ(128483456, Method(m, L"GetLat").AsI4());
    EXPECT_EQ(500000000, Method(m, L"GetLon").AsI4());
    const std::wstring state = map.state();
    EXPECT_TRUE(HasLine(state, L"icons:1")) << state;
    EXPECT_TRUE(HasLine(state, L"icon:35/41/23456,138/53/20000,0,25,3,16777160,13140032,1,,二つ目")) << state;

    const auto add = LastCall(map.record(), "AddIcon");
    ASSERT_EQ(15u, add.size());
    EXPECT_EQ("Mapple", add[1]);
    EXPECT_EQ("&I4:500000000", add[4]);
    EXPECT_EQ("&I4:128483456", add[5]);
    EXPECT_EQ("BSTR:", add[7]);
    EXPECT_EQ("I4:16777160", add[11]);
    EXPECT_EQ("I2:1", add[13]);
    EXPECT_EQ("put", LastCall(map.record(), "Visible").at(3));
    EXPECT_EQ("I2:1", LastCall(map.record(), "Visible").at(4));

    // The mark is the centre: moving it with a key changes what GetLat answers.
    PostMessageW(map.window(), WM_KEYDOWN, VK_DOWN, 0);
    Pump(1000);
    EXPECT_EQ(128483456 - 8 * mapview::LayerByNumber(mapview::kDefaultLayer)->scale,
              Method(m, L"GetLat").AsI4());
    EXPECT_EQ("posted:none", LastCall(map.record(), "@MarkMoved").at(6));

    EXPECT_EQ(DISP_E_UNKNOWNNAME, Method(m, L"AddTextEx").hr);
    EXPECT_EQ(DISP_E_EXCEPTION, Method(m, L"Move", {Arg::RefI4(-1), Arg::RefI4(0)}).hr);
}

TEST(ServerLife, EachClientGetsItsOwnMap) {
    MapClient one(L"ProAtlasW.Map");
    MapClient two(L"ProAtlasW.Map");
    ASSERT_EQ(S_OK, one.hr());
    ASSERT_EQ(S_OK, two.hr());
    EXPECT_NE(one.pid(), two.pid());
    ASSERT_EQ(S_OK,
              Method(one.get(), L"AddTextEx",
                     {Arg::RefText(L"35/00/00000"), Arg::RefText(L"139/00/00000"), Arg::RefText(L"x"),
                      Arg::I2(0), Arg::I2(1), Arg::RefText(L"35/00/00000"), Arg::RefText(L"139/00/00000")})
                  .hr);
    EXPECT_TRUE(HasLine(one.state(), L"texts:1"));
    EXPECT_TRUE(HasLine(two.state(), L"texts:0"));
}

TEST(ServerLife, EndsWhenTheLastReferenceIsReleased) {
    MapClient map(L"ProAtlasSV.Map");
    ASSERT_EQ(S_OK, map.hr());
    HANDLE process = map.process();
    ASSERT_NE(nullptr, process);
    const std::string pid = map.pid();
    map.release();
    EXPECT_TRUE(WaitForExit(process, 15000));
    const auto record = RecordOf(g_record, pid);
    ASSERT_FALSE(record.empty());
    EXPECT_EQ("@Start", record.front()[2]);
    EXPECT_EQ("embedding", record.front()[3]);
    EXPECT_EQ("@Exit", record.back()[2]);
}

TEST(ServerLife, ClosingTheWindowCutsTheClientOff) {
    MapClient map(L"ProAtlasW3.Map");
    ASSERT_EQ(S_OK, map.hr());
    HANDLE process = map.process();
    PostMessageW(map.window(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(WaitForExit(process, 15000));
    const HRESULT hr = Get(map.get(), L"MarkLatitude").hr;
    EXPECT_TRUE(FAILED(hr)) << std::hex << hr;
}

TEST(CallRecordPlace, TakenFromTheRegistryWithoutTheEnvironment) {
    const std::wstring path = TempFilePath(L"mapview-registry-record");
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Vorn\\MapView", 0, nullptr, 0,
                                             KEY_WRITE, nullptr, &key, nullptr));
    RegSetValueExW(key, L"CallLog", 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                   static_cast<DWORD>((path.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    SetEnvironmentVariableW(L"TENMARK_MAPVIEW_LOG", nullptr);
    std::string pid;
    {
        MapClient map(L"ProAtlasW.Map");
        SetEnvironmentVariableW(L"TENMARK_MAPVIEW_LOG", g_record.c_str());
        RegDeleteKeyValueW(HKEY_CURRENT_USER, L"Software\\Vorn\\MapView", L"CallLog");
        ASSERT_EQ(S_OK, map.hr());
        ASSERT_EQ(S_OK, Method(map.get(), L"EnableMark", {Arg::I2(1)}).hr);
        pid = map.pid();
    }
    const auto record = RecordOf(path, pid);
    EXPECT_FALSE(LastCall(record, "EnableMark").empty());
    EXPECT_TRUE(RecordOf(g_record, pid).empty());
    DeleteFileW(path.c_str());
}

TEST(ServerLife, StartedByHandItIsAPlainMap) {
    std::wstring command = L"\"" + MapViewPath() + L"\"";
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
    CloseHandle(pi.hThread);
    WaitForInputIdle(pi.hProcess, 10000);
    HWND found = nullptr;
    for (int i = 0; i < 100 && found == nullptr; ++i) {
        for (HWND w = FindWindowW(L"MapViewWindow", nullptr); w != nullptr;
             w = FindWindowExW(nullptr, w, L"MapViewWindow", nullptr)) {
            DWORD pid = 0;
            GetWindowThreadProcessId(w, &pid);
            if (pid == pi.dwProcessId) found = w;
        }
        if (found == nullptr) Sleep(100);
    }
    ASSERT_NE(nullptr, found);
    wchar_t title[64] = L"";
    GetWindowTextW(found, title, 64);
    EXPECT_STREQ(L"MapView", title);
    EXPECT_TRUE(IsWindowVisible(found));
    const auto record = RecordOf(g_record, std::to_string(pi.dwProcessId));
    ASSERT_FALSE(record.empty());
    EXPECT_EQ("plain", record.front()[3]);
    PostMessageW(found, WM_CLOSE, 0, 0);
    EXPECT_EQ(WAIT_OBJECT_0, WaitForSingleObject(pi.hProcess, 15000));
    DWORD code = 99;
    GetExitCodeProcess(pi.hProcess, &code);
    EXPECT_EQ(0u, code);
    CloseHandle(pi.hProcess);
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 2;
    int code = RegisterBuiltIns();
    if (code != 0) {
        std::fprintf(stderr, "MapView /RegServer failed: %d\n", code);
        return 2;
    }
    g_record = TempFilePath(L"mapview-record");
    // MapView processes started for these tests inherit it and write their calls there.
    SetEnvironmentVariableW(L"TENMARK_MAPVIEW_LOG", g_record.c_str());
    code = RUN_ALL_TESTS();
    CoUninitialize();
    DeleteFileW(g_record.c_str());
    return code;
}
