// The editor's side of the map link, in-process on the real main window: the frames it posts
// to a stand-in bridge window, the replies it takes into the coordinate boxes, capture, map
// selection, and a bridge program that is missing.
#include "editor_test_support.h"
#include "map_dialog_ids.h"
#include "map_link.h"
#include "maplink_test_support.h"
#include "resource_ids.h"
#include "text_bytes.h"
#include "cp932_text.h"
#include "window_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace editor_test;
using maplink_test::BridgeStandIn;
using maplink_test::ScratchKey;

namespace {

class MapLinkTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(0, registerMapLinkMessagesWithSystem(&messages));
        key.SetString("MapObject", "ProAtlasW2.Map");
        std::vector<PointSpec> points;
        for (int i = 0; i < 6; ++i)
            points.push_back(PointSpec{nullptr, "01"});
        std::vector<std::string> names = {"P0", "P1", "東京駅", "P3", "P4", "P5"};
        for (int i = 0; i < 6; ++i)
            points[i].name = names[i].c_str();
        points[2].latitude = "035/41/23.4";
        points[2].longitude = "139/46/01.2";
        std::string file = WriteQpf(dir.file("points.qpf"), points);
        editor = OpenEditor(file.c_str(), [this](MainWindow& main) {
            link = &LinkOf(main);
            ASSERT_NE(nullptr, link);
            // No bridge program starts: the stand-in window takes its place.
            copyInto(link->bridgeCommandLine, "TenmarkNoSuchBridge.exe");
            link->dialog().SetStore(key.Store());
        });
        ASSERT_NE(nullptr, editor.window());
        ASSERT_EQ(6, RowCount(list()));
    }
    void TearDown() override {
        if (editor.main) editor.main->document().setModified(false);
        editor.main.reset();
    }

    HWND list() const { return editor.control(IDC_MAIN_LIST); }
    void SelectRows(const std::vector<int>& rows) {
        for (int row = 0; row < RowCount(list()); ++row)
            SetRowState(list(), row, 0, LVIS_SELECTED);
        for (int row : rows)
            SetRowState(list(), row, LVIS_SELECTED, LVIS_SELECTED);
    }
    void Press(int id) {
        SendMessageW(editor.window(), WM_COMMAND, MAKEWPARAM(id, BN_CLICKED),
                     reinterpret_cast<LPARAM>(editor.control(id)));
        Pump(50);
    }
    // A reply frame as the bridge posts it to the editor.
    void Reply(SubCode terminator, const char* text) {
        PostMessageW(editor.window(), UMSG_MAP_REPLY, messages.sub[SUB_TEXT_START], 0);
        for (const char* c = text; *c != '\0'; ++c)
            PostMessageW(editor.window(), UMSG_MAP_REPLY, messages.sub[SUB_TEXT_CHAR],
                         static_cast<unsigned char>(*c));
        PostMessageW(editor.window(), UMSG_MAP_REPLY, messages.sub[terminator], 0);
        Pump(30);
    }
    std::vector<std::string> Opening(const char* identifier) {
        return {"SUB_SET_LAYER:4", std::string("SUB_OBJECT_NAME:") + identifier, "SUB_INIT_MAP:"};
    }

    MapLinkMessages messages;
    ScratchKey key;
    TempDir dir{"maplink"};
    BridgeStandIn bridge;
    Editor editor;
    MapLink* link = nullptr;
};

std::vector<std::string> Join(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

} // namespace

TEST_F(MapLinkTest, StoredChoiceIsReadAtStartAndNothingIsSentBeforeTheFirstShow) {
    EXPECT_STREQ("ProAtlasW2.Map", LinkOf(*editor.main).storedMapObject());
    Pump(50);
    EXPECT_TRUE(bridge.frames().empty());
    EXPECT_FALSE(LinkOf(*editor.main).bridge().running());
    EXPECT_FALSE(IsWindowEnabled(editor.control(IDC_CAPTURE)));
    EXPECT_FALSE(IsWindowEnabled(editor.control(IDC_LATITUDE)));
    EXPECT_FALSE(IsWindowEnabled(editor.control(IDC_LONGITUDE)));
}

TEST_F(MapLinkTest, ShowStartsTheBridgeOnceAndSendsSelectedRowsTopDown) {
    SelectRows({5, 2});
    Press(IDC_SHOW_ON_MAP);
    std::vector<std::string> expected = Join(
        Opening("ProAtlasW2.Map"), {"SUB_DELETE_TEXT:", "SUB_ADD_TEXT_EX:035/41/23400,139/46/01200,東京駅",
                                    "SUB_ADD_TEXT_EX:035/40/50500,139/46/00000,P5"});
    EXPECT_EQ(expected, bridge.Describe());
    EXPECT_TRUE(LinkOf(*editor.main).bridge().running());
    EXPECT_EQ(bridge.window(), LinkOf(*editor.main).bridge().window());
    // The empty argument takes exactly two messages; the label's kanji one message each.
    EXPECT_EQ(2, bridge.frames()[2].steps);
    EXPECT_EQ(2 + 26 + 3, bridge.frames()[4].steps);

    bridge.Clear();
    SelectRows({});
    Press(IDC_SHOW_ON_MAP);
    EXPECT_EQ(std::vector<std::string>{"SUB_DELETE_TEXT:"}, bridge.Describe());
}

TEST_F(MapLinkTest, MenuItemActsAsTheButton) {
    SelectRows({1});
    SendMessageW(editor.window(), WM_COMMAND, MAKEWPARAM(IDM_EDIT_SHOW_ON_MAP, 0), 0);
    Pump(50);
    ASSERT_FALSE(bridge.frames().empty());
    EXPECT_EQ("SUB_ADD_TEXT_EX:035/40/50500,139/46/00000,P1", bridge.Describe().back());
}

TEST_F(MapLinkTest, MapEventAsksForLatitudeThenLongitudeAndEnablesCapture) {
    PostMessageW(editor.window(), UMSG_MAP_EVENT, messages.sub[SUB_TEXT_START], 0);
    Pump(50);
    EXPECT_EQ((std::vector<std::string>{"SUB_GET_MARK_LAT:", "SUB_GET_MARK_LON:"}), bridge.Describe());
    EXPECT_TRUE(IsWindowEnabled(editor.control(IDC_CAPTURE)));
    EXPECT_TRUE(IsWindowEnabled(editor.control(IDC_LATITUDE)));
    EXPECT_TRUE(IsWindowEnabled(editor.control(IDC_LONGITUDE)));
}

TEST_F(MapLinkTest, RepliesFillTheBoxesInCapturedForm) {
    Reply(SUB_GET_MARK_LAT, "35/41/23456");
    Reply(SUB_GET_MARK_LON, "135/41/23456");
    EXPECT_EQ("35.41.23.456", WindowText(editor.control(IDC_LATITUDE)));
    EXPECT_EQ("135.41.23.456", WindowText(editor.control(IDC_LONGITUDE)));
    EXPECT_STREQ("35.41.23.456", link->capturedLatitude);
    EXPECT_STREQ("135.41.23.456", link->capturedLongitude);
    // Another terminator, or none of the sub-codes, leaves both alone.
    Reply(SUB_INIT_MAP, "1/00/00000");
    PostMessageW(editor.window(), UMSG_MAP_REPLY, 12345, 0);
    Pump(30);
    EXPECT_STREQ("35.41.23.456", link->capturedLatitude);
    EXPECT_STREQ("135.41.23.456", link->capturedLongitude);
}

TEST_F(MapLinkTest, CaptureAppendsANewSelectedLastPoint) {
    PostMessageW(editor.window(), UMSG_MAP_EVENT, 0, 0);
    Reply(SUB_GET_MARK_LAT, "35/40/52000");
    Reply(SUB_GET_MARK_LON, "139/46/19700");
    SelectRows({1, 3});
    // Typing into a box changes nothing that is captured.
    SetWindowTextCp932(editor.control(IDC_LATITUDE), "1.02.03.456");
    Press(IDC_CAPTURE);
    PointDocument& document = editor.main->document();
    ASSERT_EQ(7, document.count());
    EXPECT_STREQ("新しいポイント", document.getName(6));
    EXPECT_STREQ("35.40.52.000", document.getLatitude(6));
    EXPECT_STREQ("139.46.19.700", document.getLongitude(6));
    EXPECT_TRUE(document.isModified());
    ASSERT_EQ(7, RowCount(list()));
    EXPECT_EQ("新しいポイント", ListCell(list(), 6, 0));
    for (int row = 0; row < 6; ++row)
        EXPECT_EQ(0u, RowState(list(), row, LVIS_SELECTED)) << row;
    EXPECT_EQ(static_cast<UINT>(LVIS_SELECTED), RowState(list(), 6, LVIS_SELECTED));
    EXPECT_EQ("地点登録数  7", StatusPane(editor.main->statusBar(), 2));
}

TEST_F(MapLinkTest, CaptureWithOnlyALatitudeOrAnEmptyReplyAddsNothing) {
    Reply(SUB_GET_MARK_LAT, "35/40/52000");
    Press(IDC_CAPTURE);
    EXPECT_EQ(6, editor.main->document().count());
    // The map reported 0: no position, never ".".
    Reply(SUB_GET_MARK_LON, "");
    EXPECT_EQ("", WindowText(editor.control(IDC_LONGITUDE)));
    Press(IDC_CAPTURE);
    EXPECT_EQ(6, editor.main->document().count());
    EXPECT_EQ(6, RowCount(list()));
}

TEST_F(MapLinkTest, CaptureAtTwoHundredPointsShowsTheLimitAndAddsNothing) {
    PointDocument& document = editor.main->document();
    while (document.count() < 200)
        document.insertBlank(document.count());
    editor.main->RefillMainList();
    Reply(SUB_GET_MARK_LAT, "35/40/52000");
    Reply(SUB_GET_MARK_LON, "139/46/00000");
    DialogWatcher box(MessageBoxCaption(), IDOK);
    Press(IDC_CAPTURE);
    EXPECT_EQ(200, document.count());
    ASSERT_EQ(1, box.seen());
    EXPECT_NE(std::string::npos, box.texts()[0].find("200地点以上は登録出来ません"));
}

TEST_F(MapLinkTest, ChoosingAnotherMapRestartsTheBridgeAndTheSameOneDoesNot) {
    SelectRows({});
    Press(IDC_SHOW_ON_MAP);
    bridge.Clear();
    {
        DialogWatcher watcher("オブジェクト", 0, [](HWND d) {
            SendMessageW(GetDlgItem(d, IDC_MAP_OBJECT_LIST), LB_SETCURSEL, 3, 0);
            SendMessageW(GetDlgItem(d, IDOK), BM_CLICK, 0, 0);
        });
        SendMessageW(editor.window(), WM_COMMAND, MAKEWPARAM(IDM_MAP_SELECT, 0), 0);
        Pump(50);
        EXPECT_EQ(1, watcher.seen());
    }
    EXPECT_EQ(1, bridge.closeRequests());
    EXPECT_EQ(Opening("Mapple.Document"), bridge.Describe());
    EXPECT_STREQ("Mapple.Document", LinkOf(*editor.main).storedMapObject());
    EXPECT_EQ("Mapple.Document", key.String("MapObject"));

    bridge.Clear();
    {
        DialogWatcher watcher("オブジェクト", 0,
                              [](HWND d) { SendMessageW(GetDlgItem(d, IDOK), BM_CLICK, 0, 0); });
        SendMessageW(editor.window(), WM_COMMAND, MAKEWPARAM(IDM_MAP_SELECT, 0), 0);
        Pump(50);
        EXPECT_EQ(1, watcher.seen());
    }
    EXPECT_EQ(0, bridge.closeRequests());
    EXPECT_TRUE(bridge.frames().empty());
    {
        DialogWatcher watcher("オブジェクト", 0, [](HWND d) {
            SendMessageW(GetDlgItem(d, IDC_MAP_OBJECT_LIST), LB_SETCURSEL, 0, 0);
            SendMessageW(GetDlgItem(d, IDCANCEL), BM_CLICK, 0, 0);
        });
        SendMessageW(editor.window(), WM_COMMAND, MAKEWPARAM(IDM_MAP_SELECT, 0), 0);
        Pump(50);
    }
    EXPECT_TRUE(bridge.frames().empty());
    EXPECT_STREQ("Mapple.Document", LinkOf(*editor.main).storedMapObject());
}

// Without a bridge window every frame is lost, silently, and the editor goes on working.
TEST(MapLinkMissingBridgeTest, ShowAndCaptureWithoutABridgeAreSilent) {
    ScratchKey key;
    TempDir dir("maplink");
    std::string file = WriteNumberedQpf(dir.file("few.qpf"), 3);
    Editor editor = OpenEditor(file.c_str(), [&](MainWindow& main) {
        auto* link = &LinkOf(main);
        copyInto(link->bridgeCommandLine, "TenmarkNoSuchBridge.exe");
        link->dialog().SetStore(key.Store());
    });
    DialogWatcher anyBox(MessageBoxCaption(), IDOK);
    SetRowState(editor.control(IDC_MAIN_LIST), 0, LVIS_SELECTED, LVIS_SELECTED);
    SendMessageW(editor.window(), WM_COMMAND, MAKEWPARAM(IDC_SHOW_ON_MAP, BN_CLICKED), 0);
    PostMessageW(editor.window(), UMSG_MAP_EVENT, 0, 0);
    Pump(100);
    EXPECT_EQ(0, anyBox.seen());
    EXPECT_TRUE(LinkOf(*editor.main).bridge().running());
    EXPECT_EQ(nullptr, LinkOf(*editor.main).bridge().window());
    EXPECT_EQ(3, RowCount(editor.control(IDC_MAIN_LIST)));
    EXPECT_TRUE(IsWindowEnabled(editor.control(IDC_CAPTURE)));
}
