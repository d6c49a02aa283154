// The map link end to end: the real Tenmark.exe starts the real Cartolink2.exe, which drives
// MapView; the test process only presses the editor's buttons, moves MapView's mark and
// reads back the editor's list, boxes and saved file.
#include "cp932_text.h"
#include "bridge_e2e_call_record.h"
#include "bridge_e2e_driver.h"
#include "editor_e2e_driver.h"
#include "map_coord_text.h"
#include "point_document.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

// Ids of the editor's window, as the product fixes them.
constexpr int kExit = 2;
constexpr int kChange = 1003;
constexpr int kShowOnMap = 1004;
constexpr int kCapture = 1005;
constexpr int kLatitudeBox = 1056;
constexpr int kLongitudeBox = 1057;
constexpr int kFileSave = 57603;
constexpr int kMapSelect = 32791;
constexpr int kSoundList = 1022;
constexpr int kObjectList = 1091;
constexpr int kDirectionOn = 1064;
constexpr int kDirectionNext = 1083;

std::string Utf16ToCp932(const std::wstring& text) {
    return wideToCp932Lossy(text.c_str());
}

std::wstring Cp932ToUtf16(const std::string& text) {
    return cp932ToWide(text.c_str());
}

void SetStoredMapObject(const char* identifier) {
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Vorn\\Tenmark", 0, nullptr, 0,
                                             KEY_SET_VALUE, nullptr, &key, nullptr));
    std::wstring wide = Cp932ToUtf16(identifier);
    RegSetValueExW(key, L"MapObject", 0, REG_SZ, reinterpret_cast<const BYTE*>(wide.c_str()),
                   static_cast<DWORD>((wide.size() + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

// "D/MM/SSSSS" of MapView's mark as the editor shows it, from the last recorded state.
bool MarkAsCaptured(const CallRecord& record, std::string* latitude, std::string* longitude) {
    std::vector<std::string> mark = record.State("mark:");
    if (mark.empty()) return false;
    std::string lat = mark[0].substr(0, mark[0].find(','));
    std::string rest = mark[0].substr(mark[0].find(',') + 1);
    std::string lon = rest.substr(0, rest.find(','));
    char out[64];
    if (mapTextToCapturedCoord(lat.c_str(), out, sizeof out) < 0) return false;
    *latitude = out;
    if (mapTextToCapturedCoord(lon.c_str(), out, sizeof out) < 0) return false;
    *longitude = out;
    return true;
}

// A coordinate in thousandths of an arc second, from the editor's held or captured text.
long long CoordValue(const char* coord) {
    char wire[64];
    int32_t value = 0;
    if (pointCoordToMapText(coord, wire, sizeof wire) < 0 || parseMapCoord(wire, &value) < 0) return -1;
    return value;
}

class EditorE2eTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::wstring log = L"editor_e2e_" + std::wstring(name.begin(), name.end()) + L".log";
        record = std::make_unique<CallRecord>(log.c_str());
        wchar_t temp[MAX_PATH] = {};
        GetTempPathW(MAX_PATH, temp);
        file = std::wstring(temp) + L"tenmark_e2e_" + std::wstring(name.begin(), name.end()) + L".qpf";
        PointDocument document;
        const char* names[] = {"東京タワー", "皇居", "上野駅"};
        const char* latitudes[] = {"035/39/31.0", "035/41/06.2", "035/42/50.5"};
        const char* longitudes[] = {"139/44/43.5", "139/45/10.0", "139/46/36.9"};
        for (int i = 0; i < 3; ++i) {
            document.insertBlank(i);
            document.setName(i, names[i]);
            document.setLatitude(i, latitudes[i]);
            document.setLongitude(i, longitudes[i]);
            document.setMarkNumber(i, "03");
        }
        ASSERT_GE(document.saveFile(Utf16ToCp932(file).c_str()), 0);
    }
    void TearDown() override {
        DWORD bridge = BridgePid();
        if (editor.Running()) {
            editor.Command(kFileSave);
            PostMessageW(editor.window(), WM_CLOSE, 0, 0);
            editor.WaitForEnd(20000);
        }
        if (bridge != 0) {
            EXPECT_TRUE(WaitForProcessEnd(bridge, 20000)) << "the bridge still runs";
        }
        for (const RecordLine& line : record->Lines())
            WaitForProcessEnd(line.pid, 15000);
        DeleteFileW(file.c_str());
    }

    bool StartEditor(const std::wstring& arguments) {
        return editor.Start(BesideTests(L"Tenmark.exe"), arguments, BesideTests(L""));
    }

    // Moves MapView's mark up by one key press and waits until the editor shows the new
    // position; returns the boxes' texts.
    void MoveMarkAndWait(unsigned long mapPid, WPARAM key, std::string* latitude, std::string* longitude) {
        HWND map = FindProcessWindow(mapPid, L"MapViewWindow");
        ASSERT_NE(nullptr, map);
        std::string before = editor.Text(kLatitudeBox) + "|" + editor.Text(kLongitudeBox);
        PostMessageW(map, WM_KEYDOWN, key, 0);
        ASSERT_TRUE(WaitUntil(
            [&] {
                std::string now = editor.Text(kLatitudeBox) + "|" + editor.Text(kLongitudeBox);
                return now != before && !editor.Text(kLatitudeBox).empty() &&
                       !editor.Text(kLongitudeBox).empty();
            },
            15000))
            << "the editor's boxes did not change";
        Pump(500); // both replies in
        *latitude = editor.Text(kLatitudeBox);
        *longitude = editor.Text(kLongitudeBox);
    }

    std::wstring file;
    std::unique_ptr<CallRecord> record;
    EditorProcess editor;
};

} // namespace

TEST_F(EditorE2eTest, FromAFileToTheMapAndBack) {
    SetStoredMapObject("ProAtlasW2.Map");
    // 1. The file dropped on the window.
    ASSERT_TRUE(StartEditor(L""));
    EXPECT_EQ(0, editor.RowCount());
    ASSERT_TRUE(editor.DropFile(file));
    ASSERT_TRUE(WaitUntil([&] { return editor.RowCount() == 3; }, 10000));
    EXPECT_NE(std::string::npos, editor.StatusText(2).find("地点登録数  3"));
    EXPECT_EQ("上野駅", editor.Cell(2, 0));
    EXPECT_EQ(0u, BridgePid()) << "the bridge starts only with the first show";

    // 2. Two rows to the map: MapView holds both labels.
    editor.SelectRows({2, 0});
    editor.Click(kShowOnMap);
    ASSERT_TRUE(record->WaitForCalls("AddTextEx", 2, 30000));
    std::vector<RecordLine> texts = record->Calls("AddTextEx");
    ASSERT_EQ(2u, texts.size());
    EXPECT_NE(std::string::npos, texts[0].fields.at(1).find("35/39/31000"));
    EXPECT_NE(std::string::npos, texts[1].fields.at(1).find("35/42/50500"));
    Pump(500);
    std::vector<std::string> state = record->State("text:");
    ASSERT_EQ(2u, state.size());
    EXPECT_NE(std::string::npos, state[0].find(u8"東京タワー"));
    EXPECT_NE(std::string::npos, state[1].find(u8"上野駅"));
    DWORD bridge = BridgePid();
    EXPECT_NE(0u, bridge);
    EXPECT_FALSE(IsWindowEnabled(editor.Control(kCapture)));

    // 3. The mark moves: the boxes show it and capture is enabled.
    unsigned long mapPid = texts[0].pid;
    std::string latitude;
    std::string longitude;
    MoveMarkAndWait(mapPid, VK_UP, &latitude, &longitude);
    std::string markLatitude;
    std::string markLongitude;
    ASSERT_TRUE(MarkAsCaptured(*record, &markLatitude, &markLongitude));
    EXPECT_EQ(markLatitude, latitude);
    EXPECT_EQ(markLongitude, longitude);
    EXPECT_TRUE(IsWindowEnabled(editor.Control(kCapture)));

    // 4. Capture: a new last point, then edited in the edit dialog.
    editor.Click(kCapture);
    ASSERT_TRUE(WaitUntil([&] { return editor.RowCount() == 4; }, 10000));
    EXPECT_EQ("新しいポイント", editor.Cell(3, 0));
    editor.Click(kChange);
    HWND edit = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (edit = editor.FindDialog("編集")) != nullptr; }, 10000));
    HWND sounds = GetDlgItem(edit, kSoundList);
    DWORD_PTR ignored = 0;
    SendMessageTimeoutW(sounds, CB_SETCURSEL, 2, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    SendMessageTimeoutW(edit, WM_COMMAND, MAKEWPARAM(kSoundList, CBN_SELCHANGE),
                        reinterpret_cast<LPARAM>(sounds), SMTO_ABORTIFHUNG, 5000, &ignored);
    // A direction: on, then two steps on from the first.
    for (int button : {kDirectionOn, kDirectionNext, kDirectionNext})
        SendMessageTimeoutW(GetDlgItem(edit, button), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    PostMessageW(GetDlgItem(edit, IDOK), BM_CLICK, 0, 0);
    ASSERT_TRUE(WaitUntil([&] { return editor.FindDialog("編集") == nullptr; }, 10000));

    // 5. Save, then close without a question; the bridge and the map end too.
    editor.Command(kFileSave);
    PointDocument saved;
    ASSERT_TRUE(WaitUntil(
        [&] {
            PointDocument reread;
            if (reread.loadFile(Utf16ToCp932(file).c_str()) < 0 || reread.count() != 4) return false;
            saved.loadFile(Utf16ToCp932(file).c_str());
            return true;
        },
        10000));
    EXPECT_STREQ("新しいポイント", saved.getName(3));
    EXPECT_EQ(CoordValue(latitude.c_str()), CoordValue(saved.getLatitude(3))) << saved.getLatitude(3);
    EXPECT_EQ(CoordValue(longitude.c_str()), CoordValue(saved.getLongitude(3))) << saved.getLongitude(3);
    EXPECT_STREQ(PointDocument::soundCodeAt(2), saved.getSoundCode(3));
    EXPECT_EQ(1, saved.getDirectionEnabled(3));
    EXPECT_STREQ("02", saved.getDirectionCode(3));
    PostMessageW(editor.window(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(editor.WaitForEnd(20000)) << "the editor asked something or hung";
    EXPECT_TRUE(WaitForProcessEnd(bridge, 20000));
    EXPECT_TRUE(WaitForProcessEnd(mapPid, 20000));
}

// Another map application chosen in the dialog: the bridge is restarted with it, and Mapple's
// poll brings the moved map centre into the editor. Choosing it again restarts nothing.
TEST_F(EditorE2eTest, ChoosingMappleRestartsTheBridgeAndItsPollFeedsCapture) {
    SetStoredMapObject("ProAtlasW2.Map");
    ASSERT_TRUE(StartEditor(L"\"" + file + L"\""));
    ASSERT_TRUE(WaitUntil([&] { return editor.RowCount() == 3; }, 10000));
    editor.SelectRows({1});
    editor.Click(kShowOnMap);
    ASSERT_TRUE(record->WaitForCalls("AddTextEx", 1, 30000));
    DWORD firstBridge = BridgePid();
    ASSERT_NE(0u, firstBridge);

    auto choose = [&](int index) {
        editor.Command(kMapSelect);
        HWND dialog = nullptr;
        ASSERT_TRUE(
            WaitUntil([&] { return (dialog = editor.FindDialog("オブジェクト")) != nullptr; }, 10000));
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(GetDlgItem(dialog, kObjectList), LB_SETCURSEL, static_cast<WPARAM>(index), 0,
                            SMTO_ABORTIFHUNG, 5000, &ignored);
        PostMessageW(GetDlgItem(dialog, IDOK), BM_CLICK, 0, 0);
        ASSERT_TRUE(WaitUntil([&] { return editor.FindDialog("オブジェクト") == nullptr; }, 10000));
    };
    choose(3); // "Mapple.Document"
    EXPECT_TRUE(WaitForProcessEnd(firstBridge, 20000)) << "the old bridge was not closed";
    ASSERT_TRUE(WaitUntil(
        [&] {
            DWORD now = BridgePid();
            return now != 0 && now != firstBridge;
        },
        20000));
    DWORD secondBridge = BridgePid();
    ASSERT_TRUE(record->WaitForCalls("GetLat", 1, 30000));
    unsigned long mapplePid = record->Calls("GetLat").at(0).pid;
    EXPECT_EQ("Mapple", record->Calls("GetLat").at(0).family);

    std::string latitude;
    std::string longitude;
    MoveMarkAndWait(mapplePid, VK_RIGHT, &latitude, &longitude);
    ASSERT_TRUE(IsWindowEnabled(editor.Control(kCapture)));
    editor.Click(kCapture);
    ASSERT_TRUE(WaitUntil([&] { return editor.RowCount() == 4; }, 10000));
    EXPECT_EQ("新しいポイント", editor.Cell(3, 0));
    EXPECT_EQ(CoordValue(latitude.c_str()), CoordValue(editor.Cell(3, 2).c_str())) << editor.Cell(3, 2);

    // The same choice again: the bridge keeps running, the same process.
    choose(3);
    Pump(2000);
    EXPECT_EQ(secondBridge, BridgePid());
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, secondBridge);
    ASSERT_NE(nullptr, process);
    EXPECT_EQ(static_cast<DWORD>(WAIT_TIMEOUT), WaitForSingleObject(process, 0));
    CloseHandle(process);
}

// An editor without the bridge program beside it: no map items, the map button shows no
// message and the editor goes on working and closes normally.
TEST_F(EditorE2eTest, MissingBridgeProgramLeavesTheEditorWorkingAndSilent) {
    wchar_t temp[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, temp);
    std::wstring folder = std::wstring(temp) + L"tenmark_e2e_alone";
    CreateDirectoryW(folder.c_str(), nullptr);
    std::wstring program = folder + L"\\Tenmark.exe";
    ASSERT_TRUE(CopyFileW(BesideTests(L"Tenmark.exe").c_str(), program.c_str(), FALSE));
    ASSERT_TRUE(editor.Start(program, L"\"" + file + L"\"", folder));
    ASSERT_TRUE(WaitUntil([&] { return editor.RowCount() == 3; }, 10000));
    editor.SelectRows({0});
    editor.Click(kShowOnMap);
    Pump(3000);
    EXPECT_TRUE(editor.OtherWindows().empty()) << "the editor showed something";
    EXPECT_EQ(0u, BridgePid());
    EXPECT_TRUE(editor.Responsive());
    EXPECT_EQ(3, editor.RowCount());
    PostMessageW(editor.window(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(editor.WaitForEnd(20000));
    DeleteFileW(program.c_str());
    RemoveDirectoryW(folder.c_str());
}
