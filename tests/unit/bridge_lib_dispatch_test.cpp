// The bridge's WM_CARTOLINK dispatch, fed with whole frames as the editor posts them.
#include "bridge_lib_fakes.h"
#include "dispatch.h"
#include "maplink_frame.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

class DispatchTest : public ::testing::Test {
  protected:
    void SetUp() override {
        initBridgeState(&state);
        state.messages.WM_CARTOLINK = 0xC000;
        for (int i = 0; i < SUB_CODE_COUNT; ++i)
            state.messages.sub[i] = 0xC001 + i;
    }

    static int Post(uint32_t wParam, intptr_t lParam, void* context) {
        auto* test = static_cast<DispatchTest*>(context);
        test->results.push_back(dispatchCartolink(&test->state, test->host, wParam, lParam));
        return 0;
    }

    static int PostQuietly(uint32_t wParam, intptr_t lParam, void* context) {
        auto* test = static_cast<DispatchTest*>(context);
        EXPECT_EQ(0, dispatchCartolink(&test->state, test->host, wParam, lParam));
        return 0;
    }
    // A frame dispatched from inside a running command (a waiting call or a message box).
    void SendNested(SubCode terminator, const char* text = "") {
        sendTextFrame(state.messages, text, terminator, PostQuietly, this);
    }

    // Opens the map; then `nested` runs once inside the first MoveTo call, as frames that a
    // waiting automation call lets through would.
    void InsideFirstMoveTo(std::function<void()> nested) {
        Send(SUB_INIT_MAP);
        world.calls.clear();
        world.onCall = [nested, first = true](const std::string& member) mutable {
            if (member != "MoveTo" || !first) return;
            first = false;
            nested();
        };
    }

    // Sends a frame the way the editor does; returns the dispatch result of its terminator.
    int Send(SubCode terminator, const char* text = "") {
        results.clear();
        sendTextFrame(state.messages, text, terminator, Post, this);
        return results.back();
    }

    FakeMapWorld world;
    FakeHost host{&world};
    BridgeState state;
    std::vector<int> results;
};

TEST_F(DispatchTest, StartsWithTheDefaultIdentifierAndNoMap) {
    EXPECT_STREQ("ProAtlasW2.Map", state.identifier);
    EXPECT_FALSE(state.map.open);
    Send(SUB_INIT_MAP);
    EXPECT_EQ((Calls{"get:ProAtlasW2.Map"}), host.attempts);
}

TEST_F(DispatchTest, OpeningExchangeOfTheEditor) {
    // Layer before the map is open has no effect; the name alone opens nothing.
    EXPECT_EQ(0, Send(SUB_SET_LAYER, "4"));
    EXPECT_EQ(0, Send(SUB_OBJECT_NAME, "Mapple.Document"));
    EXPECT_EQ("Mapple.Document", host.shownIdentifier);
    EXPECT_TRUE(host.attempts.empty());
    EXPECT_TRUE(world.calls.empty());
    EXPECT_EQ(0, Send(SUB_INIT_MAP));
    EXPECT_EQ((Calls{"Mapple.Document.Visible=1"}), world.calls);
    EXPECT_TRUE(state.map.open);
    EXPECT_EQ(MapKind::Mapple, state.map.kind);
}

TEST_F(DispatchTest, EveryStepOfAFrameIsHandled) {
    Send(SUB_ADD_TEXT_EX, "1,2,あいう");
    for (int result : results)
        EXPECT_EQ(0, result);
    EXPECT_EQ(1u + 7u + 1u, results.size());
}

TEST_F(DispatchTest, ShowPointsAndCaptureOnProAtlas) {
    Send(SUB_OBJECT_NAME, "ProAtlasW.Map");
    Send(SUB_INIT_MAP);
    Send(SUB_DELETE_TEXT);
    Send(SUB_ADD_TEXT_EX, "035/41/23400,139/45/00000,本社,東京");
    Send(SUB_SET_LAYER, "4");
    EXPECT_EQ(
        (Calls{"ProAtlasW.Map.EnableMark(1)", "ProAtlasW.Map.SetEventWindow(4660,2048)",
               "ProAtlasW.Map.MoveTo(035/41/23400,139/45/00000)",
               "ProAtlasW.Map.AddTextEx(035/41/23400,139/45/00000,本社,東京,0,1,035/41/23400,139/45/00000)",
               "ProAtlasW.Map.LayerName(4)", "ProAtlasW.Map.ChangeLayer(layer four)"}),
        world.calls);
    Send(SUB_GET_MARK_LAT);
    Send(SUB_GET_MARK_LON);
    ASSERT_FALSE(host.posted.empty());
    EXPECT_EQ(state.messages.sub[SUB_GET_MARK_LAT], host.posted[12].wParam);
    EXPECT_EQ(state.messages.sub[SUB_GET_MARK_LON], host.posted.back().wParam);
    EXPECT_EQ(13u + 14u, host.posted.size());
}

TEST_F(DispatchTest, TextEndShowsTheBufferInAnInformationBox) {
    EXPECT_EQ(0, Send(SUB_TEXT_END, "テスト"));
    EXPECT_EQ((Calls{"info:UMSG_TEST メッセージ受信:テスト"}), host.boxes);
}

TEST_F(DispatchTest, LayerNameAndStrangersGoToThePreviousProcedure) {
    EXPECT_EQ(-1, Send(SUB_LAYER_NAME));
    EXPECT_EQ(-1, dispatchCartolink(&state, host, 0xBEEF, 0));
    EXPECT_EQ(-1, dispatchCartolink(&state, host, 0, 0));
}

TEST_F(DispatchTest, UnregisteredIdentifierThenCommandsAreIgnoredWithoutReplies) {
    Send(SUB_OBJECT_NAME, "NoSuch.Map");
    Send(SUB_INIT_MAP);
    EXPECT_EQ((Calls{"warning:エラーメッセージ:ProAtlasが開けません"}), host.boxes);
    Send(SUB_ADD_TEXT_EX, "1,2,x");
    Send(SUB_GET_MARK_LAT);
    Send(SUB_GET_MARK_LON);
    Send(SUB_SET_LAYER, "4");
    Send(SUB_DELETE_TEXT);
    EXPECT_TRUE(world.calls.empty());
    EXPECT_TRUE(host.posted.empty());
    EXPECT_EQ(1u, host.boxes.size());
}

TEST_F(DispatchTest, LastObjectNameCounts) {
    Send(SUB_OBJECT_NAME, "ProAtlasW3.Map");
    Send(SUB_OBJECT_NAME, "ProAtlasSV.Map");
    Send(SUB_INIT_MAP);
    EXPECT_EQ((Calls{"get:ProAtlasSV.Map"}), host.attempts);
    EXPECT_EQ("ProAtlasSV.Map", host.shownIdentifier);
}

TEST_F(DispatchTest, OverlongIdentifierIsCutNotOverflowed) {
    // A flood of characters without the sender's limit.
    dispatchCartolink(&state, host, state.messages.sub[SUB_TEXT_START], 0);
    for (int i = 0; i < 3000; ++i)
        dispatchCartolink(&state, host, state.messages.sub[SUB_TEXT_CHAR], 'M');
    dispatchCartolink(&state, host, state.messages.sub[SUB_OBJECT_NAME], 0);
    EXPECT_EQ(std::string(1023, 'M'), host.shownIdentifier);
}

TEST_F(DispatchTest, FramesArrivingDuringAMapCallRunAfterItInOrder) {
    InsideFirstMoveTo([&] { SendNested(SUB_ADD_TEXT_EX, "2,2,second"); });
    Send(SUB_ADD_TEXT_EX, "1,1,first");
    EXPECT_EQ((Calls{"ProAtlasW2.Map.MoveTo(1,1)", "ProAtlasW2.Map.AddTextEx(1,1,first,0,1,1,1)",
                     "ProAtlasW2.Map.MoveTo(2,2)", "ProAtlasW2.Map.AddTextEx(2,2,second,0,1,2,2)"}),
              world.calls);
    EXPECT_TRUE(state.pending.empty());
    EXPECT_FALSE(state.busy);
}

TEST_F(DispatchTest, AFrameWhoseStartFoundTheQueueFullIsDroppedWhole) {
    InsideFirstMoveTo([&] {
        state.pending.resize(kMaxPendingSteps, {state.messages.sub[SUB_TEXT_START], 0});
        EXPECT_EQ(0, dispatchCartolink(&state, host, state.messages.sub[SUB_TEXT_START], 0));
        state.pending.resize(kMaxPendingSteps - 100); // room again in the middle of the frame
        for (char c : std::string("Lost.Map"))
            dispatchCartolink(&state, host, state.messages.sub[SUB_TEXT_CHAR], c);
        dispatchCartolink(&state, host, state.messages.sub[SUB_OBJECT_NAME], 0);
        SendNested(SUB_ADD_TEXT_EX, "2,2,kept");
    });
    Send(SUB_ADD_TEXT_EX, "1,1,first");
    EXPECT_STREQ("ProAtlasW2.Map", state.identifier) << "nothing from a frame without its start";
    EXPECT_EQ((Calls{"ProAtlasW2.Map.MoveTo(1,1)", "ProAtlasW2.Map.AddTextEx(1,1,first,0,1,1,1)",
                     "ProAtlasW2.Map.MoveTo(2,2)", "ProAtlasW2.Map.AddTextEx(2,2,kept,0,1,2,2)"}),
              world.calls);
}

TEST_F(DispatchTest, FramesArrivingWhileTheErrorBoxIsOpenWaitForIt) {
    Send(SUB_OBJECT_NAME, "NoSuch.Map");
    host.onBox = [&] {
        host.onBox = nullptr;
        SendNested(SUB_OBJECT_NAME, "ProAtlasW.Map");
        SendNested(SUB_INIT_MAP);
        EXPECT_EQ("NoSuch.Map", host.shownIdentifier) << "nothing runs while the box is open";
    };
    Send(SUB_INIT_MAP);
    EXPECT_EQ((Calls{"get:NoSuch.Map", "create:NoSuch.Map", "get:ProAtlasW.Map"}), host.attempts);
    EXPECT_EQ("ProAtlasW.Map", host.shownIdentifier);
    EXPECT_TRUE(state.map.open);
}

TEST_F(DispatchTest, TimerTickInsideACommandIsSkipped) {
    Send(SUB_OBJECT_NAME, "Mapple.Document");
    Send(SUB_INIT_MAP);
    world.calls.clear();
    world.onCall = [&](const std::string& member) {
        if (member == "AddIcon") {
            EXPECT_EQ(0, pollBridge(&state, host));
        }
    };
    Send(SUB_ADD_TEXT_EX, "1,2,x");
    EXPECT_EQ(3u, world.calls.size()) << "no GetLat between AddIcon and Move";
    world.onCall = nullptr;
    EXPECT_EQ(0, pollBridge(&state, host));
    EXPECT_EQ("Mapple.Document.GetLat", world.calls.at(3));
}

TEST_F(DispatchTest, FrameArrivingDuringAPollRunsAfterIt) {
    Send(SUB_OBJECT_NAME, "Mapple.Document");
    Send(SUB_INIT_MAP);
    world.calls.clear();
    bool first = true;
    world.onCall = [&](const std::string& member) {
        if (member != "GetLat" || !first) return;
        first = false;
        SendNested(SUB_ADD_TEXT_EX, "1,2,x");
    };
    pollBridge(&state, host);
    EXPECT_EQ((Calls{"Mapple.Document.GetLat", "Mapple.Document.GetLon", "Mapple.Document.DeleteAllCustom",
                     "Mapple.Document.AddIcon(7200000,3600000,x,,0,25,3,16777160,13140032,1)",
                     "Mapple.Document.Move(7200000,3600000)"}),
              world.calls);
}

} // namespace
