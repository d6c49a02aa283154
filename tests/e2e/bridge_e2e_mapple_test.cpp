// Mapple through the real bridge and MapView: one icon at a time, and the 100 ms poll that
// tells the editor about a moved map once, then stays quiet.
#include "bridge_e2e_fixture.h"

#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

// The poll keeps running while the record is read, so the newest poll may have read its
// latitude and not yet its longitude.
void ExpectEachPollReadsLatThenLon(const std::vector<RecordLine>& calls) {
    std::string expected = "GetLat";
    size_t reads = 0;
    for (const RecordLine& call : calls) {
        if (call.member != "GetLat" && call.member != "GetLon") continue;
        ASSERT_EQ(expected, call.member) << "read " << reads;
        expected = expected == "GetLat" ? "GetLon" : "GetLat";
        ++reads;
    }
    EXPECT_GE(reads, 2u);
}

TEST_F(BridgeE2eTest, MappleLeavesOneIconAndItsPollNotifiesOnlyOnChange) {
    ASSERT_TRUE(bridge.Send(messages, SUB_OBJECT_NAME, "Mapple.Document"));
    ASSERT_TRUE(WaitUntil([&] { return bridge.Text1() == L"Mapple.Document"; }, 5000));
    Pump(300);
    EXPECT_TRUE(record->Lines().empty()) << "the name alone opens nothing";

    ASSERT_TRUE(bridge.Send(messages, SUB_INIT_MAP));
    ASSERT_TRUE(record->WaitForCalls("Visible", 1));
    RecordLine visible = record->Calls("Visible").at(0);
    EXPECT_EQ("Mapple", visible.family);
    EXPECT_EQ("put", visible.fields.at(0));
    EXPECT_EQ((Strings{"I2:1"}), Args(visible));

    // The map opens away from 0,0, so the first poll notifies; then the map stands still.
    ASSERT_TRUE(WaitUntil([&] { return editor.EventCount() >= 1; }, 10000));
    EditorStandIn::Received event = editor.received().at(0);
    EXPECT_EQ(UMSG_MAP_EVENT, event.message);
    EXPECT_EQ(messages.sub[SUB_TEXT_START], event.wParam);
    EXPECT_EQ(0, event.lParam);
    size_t polls = record->Count("GetLat");
    Pump(1500);
    EXPECT_EQ(1, editor.EventCount()) << "no notification while the map stands still";
    EXPECT_GE(record->Count("GetLat"), polls + 5) << "the poll goes on every 100 ms";
    ExpectEachPollReadsLatThenLon(record->Calls());

    ASSERT_TRUE(bridge.Send(messages, SUB_ADD_TEXT_EX, "35/41/23456,139/45/00000,東京,駅前"));
    ASSERT_TRUE(bridge.Send(messages, SUB_ADD_TEXT_EX, "035/40/50500,139/46/00000,二番目"));
    ASSERT_TRUE(record->WaitForCalls("Move", 2));
    EXPECT_EQ(2u, record->Count("DeleteAllCustom"));
    std::vector<RecordLine> icons = record->Calls("AddIcon");
    ASSERT_EQ(2u, icons.size());
    EXPECT_EQ((Strings{"&I4:503100000", "&I4:128483456", u8"&BSTR:東京,駅前", "BSTR:", "I2:0", "I2:25",
                       "I2:3", "I4:16777160", "I4:13140032", "I2:1"}),
              Args(icons[0]));
    EXPECT_EQ((Strings{"&I4:503160000", "&I4:128450500"}), Args(record->Calls("Move").at(1)));
    Pump(300);
    EXPECT_EQ((Strings{"1"}), record->State("icons:")) << "only the newest point is marked";
    std::vector<std::string> iconState = record->State("icon:");
    ASSERT_EQ(1u, iconState.size());
    EXPECT_NE(std::string::npos, iconState[0].find(u8"二番目"));

    // The moves changed the map: notified again, then quiet again.
    ASSERT_TRUE(WaitUntil([&] { return editor.EventCount() >= 2; }, 5000));
    int events = editor.EventCount();
    Pump(1000);
    EXPECT_EQ(events, editor.EventCount());

    // SUB_DELETE_TEXT leaves Mapple alone.
    ASSERT_TRUE(bridge.Send(messages, SUB_DELETE_TEXT));
    ASSERT_TRUE(bridge.Send(messages, SUB_GET_MARK_LAT));
    ASSERT_TRUE(bridge.Send(messages, SUB_GET_MARK_LON));
    ASSERT_TRUE(WaitUntil([&] { return editor.Replies(messages).size() >= 2; }, 10000));
    EXPECT_EQ(2u, record->Count("DeleteAllCustom"));
    std::vector<EditorStandIn::Reply> replies = editor.Replies(messages);
    EXPECT_EQ("35/40/50500", replies[0].text);
    EXPECT_EQ(messages.sub[SUB_GET_MARK_LAT], replies[0].terminator);
    EXPECT_EQ("139/46/00000", replies[1].text);
    EXPECT_EQ(messages.sub[SUB_GET_MARK_LON], replies[1].terminator);

    // The user moves the map in MapView: the poll sees it and notifies once.
    HWND map = FindProcessWindow(visible.pid, L"MapViewWindow");
    ASSERT_NE(nullptr, map);
    events = editor.EventCount();
    PostMessageW(map, WM_KEYDOWN, VK_UP, 0);
    ASSERT_TRUE(WaitUntil([&] { return editor.EventCount() == events + 1; }, 5000));
    Pump(800);
    EXPECT_EQ(events + 1, editor.EventCount());
}

TEST_F(BridgeE2eTest, MappleAtZeroRepliesWithEmptyText) {
    OpenMap("Mapple.Document");
    ASSERT_TRUE(record->WaitForCalls("Visible", 1));
    ASSERT_TRUE(bridge.Send(messages, SUB_ADD_TEXT_EX, ",,origin"));
    ASSERT_TRUE(record->WaitForCalls("Move", 1));
    EXPECT_EQ((Strings{"&I4:0", "&I4:0"}), Args(record->Calls("Move").at(0)));
    editor.Clear();
    ASSERT_TRUE(bridge.Send(messages, SUB_GET_MARK_LAT));
    ASSERT_TRUE(WaitUntil([&] { return editor.Replies(messages).size() >= 1; }, 10000));
    EXPECT_EQ("", editor.Replies(messages)[0].text);
    int characters = 0;
    for (const EditorStandIn::Received& r : editor.received()) {
        characters += r.message == UMSG_MAP_REPLY && r.wParam == messages.sub[SUB_TEXT_CHAR];
    }
    EXPECT_EQ(0, characters) << "a coordinate of 0 travels as the empty text";
}

} // namespace
