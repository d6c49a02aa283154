// The ProAtlas family through the real bridge and MapView: opening, texts placed and deleted,
// the layer, and the mark read back after MapView reported its move to the editor.
#include "bridge_e2e_fixture.h"

#include <string>
#include <vector>

namespace {

using Strings = std::vector<std::string>;

TEST_F(BridgeE2eTest, ProAtlasTextsPlacedLayerChangedAndTextsDeleted) {
    OpenMap("ProAtlasW2.Map");
    ASSERT_TRUE(record->WaitForCalls("SetEventWindow", 1));
    EXPECT_EQ(L"ProAtlasW2.Map", bridge.Text1());

    std::vector<RecordLine> calls = record->Calls();
    ASSERT_GE(calls.size(), 2u);
    EXPECT_EQ("EnableMark", calls[0].member) << "the layer sent before opening reached no map";
    EXPECT_EQ("ProAtlas", calls[0].family);
    EXPECT_EQ((Strings{"I2:1"}), Args(calls[0]));
    RecordLine eventWindow = record->Calls("SetEventWindow").at(0);
    EXPECT_EQ((Strings{"&I4:" + std::to_string(HandleToLong(editor.window())), "I2:2048"}),
              Args(eventWindow));

    ASSERT_TRUE(bridge.Send(messages, SUB_DELETE_TEXT));
    ASSERT_TRUE(bridge.Send(messages, SUB_ADD_TEXT_EX, "35/41/23456,139/45/00000,東京,駅前"));
    ASSERT_TRUE(bridge.Send(messages, SUB_ADD_TEXT_EX, "035/40/50500,139/46/00000,ﾃｽﾄ"));
    ASSERT_TRUE(record->WaitForCalls("AddTextEx", 2));
    EXPECT_EQ(0u, record->Count("DeleteText")) << "nothing placed yet, nothing deleted";

    std::vector<RecordLine> moves = record->Calls("MoveTo");
    ASSERT_EQ(2u, moves.size());
    EXPECT_EQ((Strings{"&BSTR:35/41/23456", "&BSTR:139/45/00000"}), Args(moves[0]));
    std::vector<RecordLine> texts = record->Calls("AddTextEx");
    EXPECT_EQ((Strings{"&BSTR:35/41/23456", "&BSTR:139/45/00000", u8"&BSTR:東京,駅前", "I2:0", "I2:1",
                       "&BSTR:35/41/23456", "&BSTR:139/45/00000"}),
              Args(texts[0]));
    EXPECT_EQ(u8"&BSTR:ﾃｽﾄ", Args(texts[1]).at(2));
    EXPECT_EQ((Strings{"2"}), record->State("texts:"));
    EXPECT_EQ((Strings{"35/40/50500,139/46/00000"}), record->State("centre:"));

    ASSERT_TRUE(bridge.Send(messages, SUB_SET_LAYER, "2"));
    ASSERT_TRUE(record->WaitForCalls("ChangeLayer", 1));
    RecordLine layerName = record->Calls("LayerName").at(0);
    EXPECT_EQ((Strings{"&VARIANT(BSTR:2)"}), Args(layerName));
    std::string name = Result(layerName).substr(std::string("=BSTR:").size());
    EXPECT_EQ((Strings{"&BSTR:" + name}), Args(record->Calls("ChangeLayer").at(0)));
    EXPECT_EQ((Strings{"2," + name}), record->State("layer:"));

    ASSERT_TRUE(bridge.Send(messages, SUB_DELETE_TEXT));
    ASSERT_TRUE(record->WaitForCalls("DeleteText", 2));
    std::vector<RecordLine> deletes = record->Calls("DeleteText");
    EXPECT_EQ("I2:" + Result(texts[0]).substr(Result(texts[0]).find(':') + 1), Args(deletes[0]).at(0));
    EXPECT_EQ("I2:" + Result(texts[1]).substr(Result(texts[1]).find(':') + 1), Args(deletes[1]).at(0));
    EXPECT_EQ((Strings{"0"}), record->State("texts:"));

    // A second delete has nothing left to remove.
    ASSERT_TRUE(bridge.Send(messages, SUB_DELETE_TEXT));
    ASSERT_TRUE(bridge.Send(messages, SUB_ADD_TEXT_EX, "35/00/00000,139/00/00000,last"));
    ASSERT_TRUE(record->WaitForCalls("AddTextEx", 3));
    EXPECT_EQ(2u, record->Count("DeleteText"));
}

TEST_F(BridgeE2eTest, ProAtlasMarkMoveReachesTheEditorAndIsReadBack) {
    OpenMap("ProAtlasW.Map");
    ASSERT_TRUE(record->WaitForCalls("SetEventWindow", 1));

    ASSERT_TRUE(bridge.Send(messages, SUB_GET_MARK_LAT));
    ASSERT_TRUE(bridge.Send(messages, SUB_GET_MARK_LON));
    ASSERT_TRUE(WaitUntil([&] { return editor.Replies(messages).size() >= 2; }, 10000));
    std::vector<EditorStandIn::Reply> replies = editor.Replies(messages);
    EXPECT_EQ(messages.sub[SUB_GET_MARK_LAT], replies[0].terminator)
        << "latitude asked first, answered first";
    EXPECT_EQ(messages.sub[SUB_GET_MARK_LON], replies[1].terminator);
    EXPECT_EQ("=BSTR:" + replies[0].text, Result(record->Calls("MarkLatitude").at(0)));
    EXPECT_EQ("=BSTR:" + replies[1].text, Result(record->Calls("MarkLongitude").at(0)));
    EXPECT_EQ("35/40/52000", replies[0].text);

    // The user moves the mark in MapView: MapView itself posts message 2048 to the editor.
    DWORD mapPid = record->Calls("EnableMark").at(0).pid;
    HWND map = FindProcessWindow(mapPid, L"MapViewWindow");
    ASSERT_NE(nullptr, map);
    EXPECT_EQ(0, editor.EventCount()) << "the ProAtlas family is not polled";
    PostMessageW(map, WM_KEYDOWN, VK_RIGHT, 0);
    ASSERT_TRUE(WaitUntil([&] { return editor.EventCount() >= 1; }, 10000));

    editor.Clear();
    ASSERT_TRUE(bridge.Send(messages, SUB_GET_MARK_LON));
    ASSERT_TRUE(WaitUntil([&] { return editor.Replies(messages).size() >= 1; }, 10000));
    std::string moved = editor.Replies(messages)[0].text;
    EXPECT_NE(replies[1].text, moved);
    EXPECT_EQ("=BSTR:" + moved, Result(record->Calls("MarkLongitude").back()));
}

TEST_F(BridgeE2eTest, EveryProAtlasIdentifierAndAnUnlistedOneOpenAsProAtlas) {
    const char* identifiers[] = {"ProAtlasW3.Map", "ProAtlasSV.Map", "MapView.Map"};
    size_t opened = 0;
    for (const char* identifier : identifiers) {
        ASSERT_TRUE(bridge.Send(messages, SUB_OBJECT_NAME, identifier));
        ASSERT_TRUE(bridge.Send(messages, SUB_INIT_MAP));
        ASSERT_TRUE(record->WaitForCalls("SetEventWindow", ++opened)) << identifier;
        ASSERT_TRUE(WaitUntil(
            [&] { return bridge.Text1() == std::wstring(identifier, identifier + strlen(identifier)); },
            5000));
    }
    std::vector<RecordLine> opens = record->Calls("EnableMark");
    ASSERT_EQ(3u, opens.size());
    for (const RecordLine& line : opens)
        EXPECT_EQ("ProAtlas", line.family);
    EXPECT_NE(opens[0].pid, opens[1].pid) << "every open obtains a fresh object";
    // A repeated open forgets the texts of the old object without deleting them.
    ASSERT_TRUE(bridge.Send(messages, SUB_ADD_TEXT_EX, "35/00/00000,139/00/00000,a"));
    ASSERT_TRUE(record->WaitForCalls("AddTextEx", 1));
    ASSERT_TRUE(bridge.Send(messages, SUB_INIT_MAP));
    ASSERT_TRUE(record->WaitForCalls("SetEventWindow", 4));
    ASSERT_TRUE(bridge.Send(messages, SUB_DELETE_TEXT));
    ASSERT_TRUE(bridge.Send(messages, SUB_GET_MARK_LAT));
    ASSERT_TRUE(WaitUntil([&] { return editor.Replies(messages).size() >= 1; }, 10000));
    EXPECT_EQ(0u, record->Count("DeleteText"));
}

} // namespace
