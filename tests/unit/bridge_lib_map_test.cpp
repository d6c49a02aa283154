// Module map against a recording map object: the calls made, their order and arguments.
#include "bridge_lib_fakes.h"
#include "map.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

MapLinkMessages Numbers() {
    MapLinkMessages messages;
    messages.WM_CARTOLINK = 0xC000;
    for (int i = 0; i < SUB_CODE_COUNT; ++i)
        messages.sub[i] = 0xC001 + i;
    return messages;
}

class MapAdapterTest : public ::testing::Test {
  protected:
    void SetUp() override { initMapAdapter(&map); }
    // Text of a reply frame posted to the editor, from its SUB_TEXT_CHAR steps.
    std::string ReplyText(size_t first, size_t last) {
        std::string text;
        for (size_t i = first; i < last; ++i)
            text += static_cast<char>(host.posted[i].lParam);
        return text;
    }

    FakeMapWorld world;
    FakeHost host{&world};
    MapAdapter map;
    MapLinkMessages messages = Numbers();
};

TEST_F(MapAdapterTest, ProAtlasOpenNamesTheEditorAsEventWindow) {
    ASSERT_EQ(0, openMap(&map, host, "ProAtlasW2.Map"));
    EXPECT_TRUE(map.open);
    EXPECT_EQ(MapKind::ProAtlas, map.kind);
    EXPECT_EQ((Calls{"get:ProAtlasW2.Map"}), host.attempts);
    EXPECT_EQ((Calls{"ProAtlasW2.Map.EnableMark(1)", "ProAtlasW2.Map.SetEventWindow(4660,2048)"}),
              world.calls);
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(MapAdapterTest, UnlistedIdentifierIsOpenedAsProAtlas) {
    host.registered.insert("Other.Map");
    ASSERT_EQ(0, openMap(&map, host, "Other.Map"));
    EXPECT_EQ(MapKind::ProAtlas, map.kind);
    EXPECT_EQ("Other.Map.EnableMark(1)", world.calls.at(0));
}

TEST_F(MapAdapterTest, SecondAttemptCreatesByIdentifier) {
    host.failGet = true;
    ASSERT_EQ(0, openMap(&map, host, "Mapple.Document"));
    EXPECT_EQ((Calls{"get:Mapple.Document", "create:Mapple.Document"}), host.attempts);
    EXPECT_EQ((Calls{"Mapple.Document.Visible=1"}), world.calls);
    EXPECT_TRUE(map.open);
}

TEST_F(MapAdapterTest, UnobtainableObjectShowsTheErrorAndLeavesTheMapClosed) {
    EXPECT_EQ(-1, openMap(&map, host, "NoSuch.Map"));
    EXPECT_FALSE(map.open);
    EXPECT_EQ((Calls{"get:NoSuch.Map", "create:NoSuch.Map"}), host.attempts);
    EXPECT_EQ((Calls{"warning:エラーメッセージ:ProAtlasが開けません"}), host.boxes);

    host.registered.erase("Mapple.Document");
    EXPECT_EQ(-1, openMap(&map, host, "Mapple.Document"));
    EXPECT_EQ("warning:エラーメッセージ:Mapple.Documentが開けません", host.boxes.at(1));

    // Commands that need a map do nothing, and no reply is sent.
    EXPECT_EQ(-1, addTextEx(&map, "35/41/23456,139/45/00000,x"));
    EXPECT_EQ(-1, replyMark(&map, host, messages, SUB_GET_MARK_LAT));
    EXPECT_EQ(-1, setLayer(&map, "4"));
    EXPECT_TRUE(world.calls.empty());
    EXPECT_TRUE(host.posted.empty());
}

TEST_F(MapAdapterTest, FailingOpeningCallLeavesTheMapClosedWithoutMessage) {
    world.failing.insert("EnableMark");
    EXPECT_EQ(-1, openMap(&map, host, "ProAtlasW.Map"));
    EXPECT_FALSE(map.open);
    EXPECT_TRUE(host.boxes.empty());
    EXPECT_EQ(-1, addTextEx(&map, "1,2,x"));
}

TEST_F(MapAdapterTest, PlacesTextsAndDeletesExactlyThose) {
    ASSERT_EQ(0, openMap(&map, host, "ProAtlasW2.Map"));
    world.calls.clear();
    ASSERT_EQ(0, addTextEx(&map, "35/41/23456,139/45/00000,東京,駅"));
    ASSERT_EQ(0, addTextEx(&map, "035/40/50500,139/46/00000,二"));
    EXPECT_EQ(
        (Calls{"ProAtlasW2.Map.MoveTo(35/41/23456,139/45/00000)",
               "ProAtlasW2.Map.AddTextEx(35/41/23456,139/45/00000,東京,駅,0,1,35/41/23456,139/45/00000)",
               "ProAtlasW2.Map.MoveTo(035/40/50500,139/46/00000)",
               "ProAtlasW2.Map.AddTextEx(035/40/50500,139/46/00000,二,0,1,035/40/50500,139/46/00000)"}),
        world.calls);
    EXPECT_EQ(2, map.textIds.count);
    world.calls.clear();
    ASSERT_EQ(0, deleteTexts(&map));
    EXPECT_EQ((Calls{"ProAtlasW2.Map.DeleteText(100)", "ProAtlasW2.Map.DeleteText(101)"}), world.calls);
    EXPECT_EQ(0, map.textIds.count);
    EXPECT_EQ(-1, map.textIds.ids[0]);
    world.calls.clear();
    ASSERT_EQ(0, deleteTexts(&map));
    EXPECT_TRUE(world.calls.empty()) << "nothing left to delete";
}

TEST_F(MapAdapterTest, ReopeningForgetsPlacedTexts) {
    ASSERT_EQ(0, openMap(&map, host, "ProAtlasW2.Map"));
    ASSERT_EQ(0, addTextEx(&map, "1/00/00000,2/00/00000,a"));
    ASSERT_EQ(0, openMap(&map, host, "ProAtlasW3.Map"));
    world.calls.clear();
    deleteTexts(&map);
    EXPECT_TRUE(world.calls.empty());
}

TEST_F(MapAdapterTest, MalformedArgumentsPlaceNothing) {
    ASSERT_EQ(0, openMap(&map, host, "ProAtlasW2.Map"));
    world.calls.clear();
    EXPECT_EQ(-1, addTextEx(&map, "35/41/23456"));
    EXPECT_EQ(-1, addTextEx(&map, "35/41/23456,139/45/00000"));
    EXPECT_EQ(-1, addTextEx(&map, "north,139/45/00000,x"));
    EXPECT_EQ(-1, addTextEx(&map, "35/41/23456,139/45/0000x,x"));
    EXPECT_TRUE(world.calls.empty());
    EXPECT_EQ(0, map.textIds.count);
}

TEST_F(MapAdapterTest, FullTableRefusesFurtherTextsSoAllStayDeletable) {
    ASSERT_EQ(0, openMap(&map, host, "ProAtlasW2.Map"));
    for (int i = 0; i < kTextIdCapacity; ++i)
        ASSERT_EQ(0, addTextEx(&map, "1,2,x"));
    world.calls.clear();
    EXPECT_EQ(-1, addTextEx(&map, "1,2,one too many"));
    EXPECT_TRUE(world.calls.empty()) << "the map is not touched";
    ASSERT_EQ(0, deleteTexts(&map));
    EXPECT_EQ(static_cast<size_t>(kTextIdCapacity), world.calls.size());
    EXPECT_EQ("ProAtlasW2.Map.DeleteText(1100)", world.calls.back());
    EXPECT_EQ(0, addTextEx(&map, "1,2,room again"));
}

TEST_F(MapAdapterTest, FailedAddTextRecordsNoIdentifier) {
    ASSERT_EQ(0, openMap(&map, host, "ProAtlasW2.Map"));
    world.failing.insert("MoveTo");
    EXPECT_EQ(-1, addTextEx(&map, "1,2,x"));
    EXPECT_EQ(std::string("ProAtlasW2.Map.MoveTo(1,2)"), world.calls.back())
        << "no AddTextEx after a failure";
    world.failing = {"AddTextEx"};
    EXPECT_EQ(-1, addTextEx(&map, "1,2,x"));
    EXPECT_EQ(0, map.textIds.count);
}

TEST_F(MapAdapterTest, DeleteGoesOnPastARefusedText) {
    ASSERT_EQ(0, openMap(&map, host, "ProAtlasW2.Map"));
    addTextEx(&map, "1,2,a");
    addTextEx(&map, "1,2,b");
    world.calls.clear();
    world.failing.insert("DeleteText");
    EXPECT_EQ(-1, deleteTexts(&map));
    EXPECT_EQ(2u, world.calls.size());
    EXPECT_EQ(0, map.textIds.count);
}

TEST_F(MapAdapterTest, LayerChangesOnlyWithProAtlasOpen) {
    EXPECT_EQ(-1, setLayer(&map, "4")) << "before the map is open";
    EXPECT_TRUE(world.calls.empty());
    ASSERT_EQ(0, openMap(&map, host, "ProAtlasW2.Map"));
    world.calls.clear();
    ASSERT_EQ(0, setLayer(&map, "4"));
    EXPECT_EQ((Calls{"ProAtlasW2.Map.LayerName(4)", "ProAtlasW2.Map.ChangeLayer(layer four)"}), world.calls);

    ASSERT_EQ(0, openMap(&map, host, "Mapple.Document"));
    world.calls.clear();
    EXPECT_EQ(-1, setLayer(&map, "4"));
    EXPECT_TRUE(world.calls.empty());
}

TEST_F(MapAdapterTest, MappleKeepsOnlyTheNewestIcon) {
    ASSERT_EQ(0, openMap(&map, host, "Mapple.Document"));
    world.calls.clear();
    ASSERT_EQ(0, addTextEx(&map, "35/41/23456,139/45/00000,東京,駅"));
    EXPECT_EQ((Calls{"Mapple.Document.DeleteAllCustom",
                     "Mapple.Document.AddIcon(503100000,128483456,東京,駅,,0,25,3,16777160,13140032,1)",
                     "Mapple.Document.Move(503100000,128483456)"}),
              world.calls);
    world.calls.clear();
    ASSERT_EQ(0, deleteTexts(&map));
    EXPECT_TRUE(world.calls.empty()) << "SUB_DELETE_TEXT changes nothing for Mapple";
}

TEST_F(MapAdapterTest, ProAtlasMarkIsRepliedUnchanged) {
    ASSERT_EQ(0, openMap(&map, host, "ProAtlasW2.Map"));
    world.markLatitude = "035/41/23456";
    ASSERT_EQ(0, replyMark(&map, host, messages, SUB_GET_MARK_LAT));
    ASSERT_EQ(14u, host.posted.size());
    EXPECT_EQ((Posted{0x1234, 0x801, messages.sub[SUB_TEXT_START], 0}), host.posted.front());
    EXPECT_EQ((Posted{0x1234, 0x801, messages.sub[SUB_GET_MARK_LAT], 0}), host.posted.back());
    EXPECT_EQ("035/41/23456", ReplyText(1, 13));
    for (size_t i = 1; i < 13; ++i)
        EXPECT_EQ(messages.sub[SUB_TEXT_CHAR], host.posted[i].wParam);
}

TEST_F(MapAdapterTest, MappleMarkIsConvertedAndZeroIsEmpty) {
    ASSERT_EQ(0, openMap(&map, host, "Mapple.Document"));
    ASSERT_EQ(0, replyMark(&map, host, messages, SUB_GET_MARK_LON));
    EXPECT_EQ("139/45/00000", ReplyText(1, host.posted.size() - 1));
    EXPECT_EQ(messages.sub[SUB_GET_MARK_LON], host.posted.back().wParam);
    host.posted.clear();
    world.latitude = 0;
    ASSERT_EQ(0, replyMark(&map, host, messages, SUB_GET_MARK_LAT));
    EXPECT_EQ((std::vector<Posted>{{0x1234, 0x801, messages.sub[SUB_TEXT_START], 0},
                                   {0x1234, 0x801, messages.sub[SUB_GET_MARK_LAT], 0}}),
              host.posted);
}

TEST_F(MapAdapterTest, NoEditorWindowMeansNothingDelivered) {
    ASSERT_EQ(0, openMap(&map, host, "Mapple.Document"));
    host.editorWindow = 0;
    EXPECT_EQ(0, replyMark(&map, host, messages, SUB_GET_MARK_LAT));
    EXPECT_EQ(0, pollMap(&map, host, messages));
    EXPECT_TRUE(host.posted.empty());
    EXPECT_TRUE(host.boxes.empty());
}

TEST_F(MapAdapterTest, FailedMarkReadSendsNoReply) {
    ASSERT_EQ(0, openMap(&map, host, "Mapple.Document"));
    world.failing.insert("GetLat");
    EXPECT_EQ(-1, replyMark(&map, host, messages, SUB_GET_MARK_LAT));
    EXPECT_TRUE(host.posted.empty());
}

TEST_F(MapAdapterTest, MapplePollNotifiesOnceWhileTheMapStandsStill) {
    ASSERT_EQ(0, openMap(&map, host, "Mapple.Document"));
    for (int i = 0; i < 5; ++i)
        ASSERT_EQ(0, pollMap(&map, host, messages));
    EXPECT_EQ((std::vector<Posted>{{0x1234, 0x800, messages.sub[SUB_TEXT_START], 0}}), host.posted);
    world.longitude += 1;
    pollMap(&map, host, messages);
    pollMap(&map, host, messages);
    EXPECT_EQ(2u, host.posted.size()) << "one change, one notification";
    int finds = host.finds;
    world.latitude += 1;
    pollMap(&map, host, messages);
    EXPECT_EQ(finds + 1, host.finds) << "the editor window is looked up at every notification";
}

TEST_F(MapAdapterTest, PollAtZeroStaysQuietAndProAtlasIsNeverPolled) {
    world.latitude = 0;
    world.longitude = 0;
    ASSERT_EQ(0, openMap(&map, host, "Mapple.Document"));
    pollMap(&map, host, messages);
    EXPECT_TRUE(host.posted.empty());

    ASSERT_EQ(0, openMap(&map, host, "ProAtlasW2.Map"));
    world.latitude = 5;
    world.calls.clear();
    pollMap(&map, host, messages);
    EXPECT_TRUE(world.calls.empty());
    EXPECT_TRUE(host.posted.empty());
}

TEST_F(MapAdapterTest, PollThatCannotReadChangesNothing) {
    ASSERT_EQ(0, openMap(&map, host, "Mapple.Document"));
    world.failing.insert("GetLon");
    EXPECT_EQ(-1, pollMap(&map, host, messages));
    EXPECT_TRUE(host.posted.empty());
    EXPECT_EQ(0, map.positionLatitude);
}

TEST_F(MapAdapterTest, ReleasingMappleStopsThePoll) {
    ASSERT_EQ(0, openMap(&map, host, "Mapple.Document"));
    EXPECT_EQ(1, world.objectsAlive);
    releaseMapple(&map);
    EXPECT_EQ(0, world.objectsAlive);
    world.calls.clear();
    pollMap(&map, host, messages);
    EXPECT_TRUE(world.calls.empty());
}

} // namespace
