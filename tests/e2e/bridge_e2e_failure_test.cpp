// What goes wrong: an identifier nobody registered, and frames no editor would send.
#include "bridge_e2e_fixture.h"

#include <string>
#include <vector>

namespace {

const wchar_t kErrorTitle[] = L"\u30A8\u30E9\u30FC\u30E1\u30C3\u30BB\u30FC\u30B8"; // エラーメッセージ

bool Contains(const std::vector<std::wstring>& texts, const std::wstring& text) {
    for (const std::wstring& t : texts) {
        if (t == text) return true;
    }
    return false;
}

TEST_F(BridgeE2eTest, UnregisteredIdentifierShowsTheErrorBoxAndLaterCommandsAreIgnored) {
    OpenMap("NoSuch.Map");
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = FindWindowW(nullptr, kErrorTitle)) != nullptr; }, 15000));
    DWORD owner = 0;
    GetWindowThreadProcessId(box, &owner);
    EXPECT_EQ(bridge.pid(), owner);
    EXPECT_TRUE(
        Contains(ChildTexts(box), L"ProAtlas\u304C\u958B\u3051\u307E\u305B\u3093")); // ProAtlasが開けません
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    ASSERT_TRUE(WaitUntil([&] { return FindWindowW(nullptr, kErrorTitle) == nullptr; }, 10000));

    ASSERT_TRUE(bridge.Send(messages, SUB_ADD_TEXT_EX, "35/41/23456,139/45/00000,x"));
    ASSERT_TRUE(bridge.Send(messages, SUB_SET_LAYER, "4"));
    ASSERT_TRUE(bridge.Send(messages, SUB_DELETE_TEXT));
    ASSERT_TRUE(bridge.Send(messages, SUB_GET_MARK_LAT));
    ASSERT_TRUE(bridge.Send(messages, SUB_GET_MARK_LON));
    Pump(1500);
    EXPECT_TRUE(editor.received().empty()) << "no replies without a map";
    EXPECT_TRUE(record->Lines().empty());
    EXPECT_EQ(nullptr, FindWindowW(nullptr, kErrorTitle)) << "one box only";
    EXPECT_TRUE(bridge.Running());
}

// The editor waits for the bridge to end after its close: an error box that nobody answers
// must not hold the bridge (and the editor) up.
TEST_F(BridgeE2eTest, ACloseWhileTheErrorBoxIsUpEndsTheBridgeAtOnce) {
    OpenMap("NoSuch.Map");
    HWND box = nullptr;
    ASSERT_TRUE(WaitUntil([&] { return (box = FindWindowW(nullptr, kErrorTitle)) != nullptr; }, 15000));
    PostMessageW(bridge.window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(0, bridge.WaitForExit(10000)) << "the editor waits 10 s at most";
    EXPECT_FALSE(IsWindow(box));
}

// Mapple is always created by its fixed identifier: with nothing registered under it the
// bridge says so in its own words and places nothing.
TEST_F(BridgeE2eTest, UnregisteredMappleShowsItsOwnErrorBox) {
    ASSERT_EQ(0, mapview_test::RunMapView(L"/UnregServer", nullptr, 60000));
    OpenMap("Mapple.Document");
    HWND box = nullptr;
    bool shown = WaitUntil([&] { return (box = FindWindowW(nullptr, kErrorTitle)) != nullptr; }, 15000);
    std::vector<std::wstring> texts = shown ? ChildTexts(box) : std::vector<std::wstring>{};
    if (shown) PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    // Registered again before anything can fail, for the tests that follow.
    EXPECT_EQ(0, mapview_test::RegisterBuiltIns(60000));
    ASSERT_TRUE(shown);
    EXPECT_TRUE(Contains(texts, L"Mapple.Document\u304C\u958B\u3051\u307E\u305B\u3093")); // が開けません
    ASSERT_TRUE(WaitUntil([&] { return FindWindowW(nullptr, kErrorTitle) == nullptr; }, 10000));
    ASSERT_TRUE(bridge.Send(messages, SUB_ADD_TEXT_EX, "35/41/23456,139/45/00000,x"));
    Pump(1000);
    EXPECT_TRUE(record->Lines().empty()) << "nothing reaches a map that did not open";
    EXPECT_TRUE(bridge.Running());
}

TEST_F(BridgeE2eTest, FramesNoEditorSendsNeitherCrashNorReachTheMap) {
    OpenMap("ProAtlasW2.Map");
    ASSERT_TRUE(record->WaitForCalls("SetEventWindow", 1));

    // Arguments without two commas place nothing.
    ASSERT_TRUE(bridge.Send(messages, SUB_ADD_TEXT_EX, "35/41/23456"));
    ASSERT_TRUE(bridge.Send(messages, SUB_ADD_TEXT_EX, "35/41/23456,139/45/00000"));
    // Codes that are no character, a terminator without a start, strangers.
    ASSERT_TRUE(bridge.Post(messages, messages.sub[SUB_TEXT_CHAR], 0));
    ASSERT_TRUE(bridge.Post(messages, messages.sub[SUB_TEXT_CHAR], 0x7FFFFFFF));
    ASSERT_TRUE(bridge.Post(messages, messages.sub[SUB_TEXT_CHAR], -1));
    ASSERT_TRUE(bridge.Post(messages, messages.sub[SUB_TEXT_CHAR], 0x82));
    ASSERT_TRUE(bridge.Post(messages, messages.sub[SUB_ADD_TEXT_EX], 0));
    ASSERT_TRUE(bridge.Post(messages, messages.sub[SUB_LAYER_NAME], 0));
    ASSERT_TRUE(bridge.Post(messages, 0x12345, 0));

    // An identifier far over the limit is cut, not overflowed.
    ASSERT_TRUE(bridge.Post(messages, messages.sub[SUB_TEXT_START], 0));
    for (int i = 0; i < 2000; ++i)
        ASSERT_TRUE(bridge.Post(messages, messages.sub[SUB_TEXT_CHAR], 'A' + i % 26));
    ASSERT_TRUE(bridge.Post(messages, messages.sub[SUB_OBJECT_NAME], 0));
    ASSERT_TRUE(WaitUntil([&] { return bridge.Text1().size() == 1023; }, 10000));

    // The map is still open and a good frame still works.
    ASSERT_TRUE(bridge.Send(messages, SUB_ADD_TEXT_EX, "35/41/23456,139/45/00000,good"));
    ASSERT_TRUE(record->WaitForCalls("AddTextEx", 1));
    EXPECT_EQ(1u, record->Count("AddTextEx"));
    EXPECT_EQ(1u, record->Count("MoveTo"));
    EXPECT_TRUE(bridge.Running());
}

} // namespace
