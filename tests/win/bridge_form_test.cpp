// Cartolink2's form in this process: the subclassed window procedure and what it passes on,
// Timer1, the message boxes, and the unload that puts the previous procedure back.
#include "bridge_lib_fakes.h"
#include "cartolink_form.h"
#include "maplink_frame.h"
#include "message_pump.h"
#include "sub_class.h"
#include "cp932_text.h"
#include "window_text.h"

#include <gtest/gtest.h>

#include <objbase.h>
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct Seen {
    UINT message;
    WPARAM wParam;
};

// Stands in front of the form's own procedure before Form_Load, so it becomes the
// "previous" procedure the bridge passes messages on to.
std::vector<Seen> g_seen;
WNDPROC g_formProc = nullptr;
bool g_destroyedWithRecorderInPlace = false;

LRESULT CALLBACK Recorder(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    g_seen.push_back({message, wParam});
    if (message == WM_DESTROY) {
        g_destroyedWithRecorderInPlace =
            reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)) == Recorder;
    }
    return CallWindowProcW(g_formProc, window, message, wParam, lParam);
}

bool Saw(UINT message, WPARAM wParam) {
    for (const Seen& seen : g_seen) {
        if (seen.message == message && seen.wParam == wParam) return true;
    }
    return false;
}

std::wstring TextOf(HWND window) {
    wchar_t text[2048] = {};
    GetWindowTextW(window, text, 2048);
    return text;
}

// What a message box showed, and closing it: a thread timer fires inside the box's own loop.
struct BoxWatch {
    std::wstring title;
    std::vector<std::wstring> texts;
    bool found = false;
};
BoxWatch g_box;

BOOL CALLBACK CollectText(HWND child, LPARAM) {
    g_box.texts.push_back(TextOf(child));
    return TRUE;
}

void CALLBACK CloseBox(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = FindWindowW(nullptr, g_box.title.c_str());
    if (box == nullptr) return;
    KillTimer(nullptr, timer);
    g_box.found = true;
    EnumChildWindows(box, CollectText, 0);
    PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
}

// Watches for a box with the title and closes it once seen.
void WatchBox(const std::wstring& title) {
    g_box = BoxWatch();
    g_box.title = title;
    SetTimer(nullptr, 0, 50, CloseBox);
}

bool BoxShowed(const std::wstring& text) {
    for (const std::wstring& shown : g_box.texts) {
        if (shown == text) return true;
    }
    return false;
}

class BridgeFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
        g_seen.clear();
        g_destroyedWithRecorderInPlace = false;
        form = cartolink.Create(GetModuleHandleW(nullptr));
        ASSERT_NE(nullptr, form);
        g_formProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(form, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Recorder)));
        ASSERT_EQ(0, cartolink.Form_Load());
        ASSERT_EQ(0, registerMapLinkMessagesWithSystem(&messages));
    }
    void TearDown() override {
        if (IsWindow(form)) SendMessageW(form, WM_CLOSE, 0, 0);
        Pump(20);
        cartolink.ReleaseMapObjects();
        CoUninitialize();
    }

    static int PostStep(uint32_t wParam, intptr_t lParam, void* context) {
        auto* test = static_cast<BridgeFormTest*>(context);
        return PostMessageW(test->form, test->messages.WM_CARTOLINK, wParam, lParam) ? 0 : -1;
    }
    void Send(SubCode terminator, const char* text = "") {
        ASSERT_EQ(0, sendTextFrame(messages, text, terminator, PostStep, this));
        Pump(50);
    }
    LRESULT SendSub(SubCode sub, LPARAM lParam = 0) {
        return SendMessageW(form, messages.WM_CARTOLINK, messages.sub[sub], lParam);
    }

    CartolinkForm cartolink;
    HWND form = nullptr;
    MapLinkMessages messages;
};

TEST_F(BridgeFormTest, WindowTitleControlsAndDefaultIdentifier) {
    EXPECT_EQ(L"Cartolink", TextOf(form));
    EXPECT_EQ(form, FindWindowW(nullptr, L"Cartolink"));
    EXPECT_EQ(L"ProAtlasW2.Map", TextOf(GetDlgItem(form, kText1Id)));
    EXPECT_EQ(L"OK", TextOf(GetDlgItem(form, kCommand1Id)));
    EXPECT_STREQ("ProAtlasW2.Map", cartolink.state().identifier);
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(SubClass_WindowProc), GetWindowLongPtrW(form, GWLP_WNDPROC));
    EXPECT_EQ(Recorder, cartolink.previousProcedure());
}

TEST_F(BridgeFormTest, SameNumbersAsAnyOtherProcessRegisters) {
    EXPECT_EQ(RegisterWindowMessageA("WM_CARTOLINK"), cartolink.state().messages.WM_CARTOLINK);
    EXPECT_EQ(RegisterWindowMessageA("SUB_ADD_TEXT_EX"), cartolink.state().messages.sub[SUB_ADD_TEXT_EX]);
    EXPECT_NE(0u, cartolink.state().messages.sub[SUB_LAYER_NAME]);
}

TEST_F(BridgeFormTest, HandledSubCodesStopAndOthersReachThePreviousProcedure) {
    g_seen.clear();
    EXPECT_EQ(0, SendSub(SUB_TEXT_START));
    EXPECT_EQ(0, SendSub(SUB_TEXT_CHAR, 'x'));
    EXPECT_EQ(0, SendSub(SUB_DELETE_TEXT));
    EXPECT_FALSE(Saw(messages.WM_CARTOLINK, messages.sub[SUB_TEXT_START]));
    EXPECT_FALSE(Saw(messages.WM_CARTOLINK, messages.sub[SUB_DELETE_TEXT]));

    SendSub(SUB_LAYER_NAME);
    EXPECT_TRUE(Saw(messages.WM_CARTOLINK, messages.sub[SUB_LAYER_NAME]));
    SendMessageW(form, messages.WM_CARTOLINK, 0xBEEF, 0);
    EXPECT_TRUE(Saw(messages.WM_CARTOLINK, 0xBEEF));
    SendMessageW(form, WM_USER + 7, 3, 0);
    EXPECT_TRUE(Saw(WM_USER + 7, 3));
}

TEST_F(BridgeFormTest, ObjectNameChangesOnlyTheIdentifierAndText1) {
    Send(SUB_OBJECT_NAME, "Mapple.Document");
    EXPECT_EQ(L"Mapple.Document", TextOf(GetDlgItem(form, kText1Id)));
    EXPECT_STREQ("Mapple.Document", cartolink.state().identifier);
    EXPECT_FALSE(cartolink.state().map.open);
    EXPECT_FALSE(cartolink.state().map.mapple);
}

TEST_F(BridgeFormTest, JapaneseIdentifierIsShownThroughCodePage932) {
    Send(SUB_OBJECT_NAME, "地図.Map");
    EXPECT_EQ(L"\u5730\u56F3.Map", TextOf(GetDlgItem(form, kText1Id)));
}

TEST_F(BridgeFormTest, Timer1TicksEveryHundredMilliseconds) {
    g_seen.clear();
    Pump(450);
    int ticks = 0;
    for (const Seen& seen : g_seen)
        ticks += seen.message == WM_TIMER && seen.wParam == kTimer1Id;
    EXPECT_GE(ticks, 2);
    EXPECT_LE(ticks, 6);
}

TEST_F(BridgeFormTest, Command1DoesNothing) {
    SendMessageW(GetDlgItem(form, kCommand1Id), BM_CLICK, 0, 0);
    Pump(50);
    EXPECT_TRUE(IsWindow(form));
    EXPECT_EQ(L"ProAtlasW2.Map", TextOf(GetDlgItem(form, kText1Id)));
}

TEST_F(BridgeFormTest, ACloseInsideAnAutomationCallWaitsForTheCommandsEnd) {
    // Static: should the form stay open, the map is released only by TearDown.
    static FakeMapWorld world;
    world = FakeMapWorld();
    // The first GetLat lets posted messages through while it runs, as a waiting automation
    // call does, and a close arrives meanwhile.
    world.onCall = [form = form, first = true](const std::string& member) mutable {
        if (member != "GetLat" || !first) return;
        first = false;
        PostMessageW(form, WM_CLOSE, 0, 0);
        Pump(50);
        EXPECT_EQ(1, world.objectsAlive) << "released inside its own call";
    };
    BridgeState* state = &cartolink.state();
    state->map.kind = MapKind::Mapple;
    state->map.mapple = std::make_unique<FakeMap>(&world, "Mapple");
    state->map.open = true;
    // The poll runs from Timer1.
    ASSERT_TRUE(WaitUntil([&] { return world.objectsAlive == 0 || world.calls.size() >= 2; }, 2000));
    EXPECT_EQ((std::vector<std::string>{"Mapple.GetLat", "Mapple.GetLon"}), world.calls)
        << "the poll finished on a live map";
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(form); }, 2000)) << "closed after the command";
    EXPECT_EQ(0, world.objectsAlive);
}

void CALLBACK CloseFormWhenTheBoxIsUp(HWND, UINT, UINT_PTR timer, DWORD) {
    if (FindWindowW(nullptr, L"UMSG_TEST \u30E1\u30C3\u30BB\u30FC\u30B8\u53D7\u4FE1") == nullptr) return;
    KillTimer(nullptr, timer);
    PostMessageW(FindWindowW(nullptr, L"Cartolink"), WM_CLOSE, 0, 0);
}

TEST_F(BridgeFormTest, ACloseWhileABoxIsUpClosesAtOnce) {
    SetTimer(nullptr, 0, 50, CloseFormWhenTheBoxIsUp);
    Send(SUB_TEXT_END, "x");
    EXPECT_TRUE(WaitUntil([&] { return !IsWindow(form); }, 2000));
}

TEST_F(BridgeFormTest, TextEndShowsTheBufferInAnInformationBox) {
    WatchBox(L"UMSG_TEST \u30E1\u30C3\u30BB\u30FC\u30B8\u53D7\u4FE1");
    Send(SUB_TEXT_END, "テスト 1");
    EXPECT_TRUE(g_box.found);
    EXPECT_TRUE(BoxShowed(L"\u30C6\u30B9\u30C8 1"));
}

TEST_F(BridgeFormTest, UnregisteredIdentifierShowsTheErrorBox) {
    WatchBox(L"\u30A8\u30E9\u30FC\u30E1\u30C3\u30BB\u30FC\u30B8");
    Send(SUB_OBJECT_NAME, "NoSuch.Map");
    Send(SUB_INIT_MAP);
    EXPECT_TRUE(g_box.found);
    EXPECT_TRUE(BoxShowed(L"ProAtlas\u304C\u958B\u3051\u307E\u305B\u3093"));
    EXPECT_FALSE(cartolink.state().map.open);
}

TEST_F(BridgeFormTest, UnloadPutsThePreviousProcedureBack) {
    cartolink.Form_Unload();
    EXPECT_EQ(reinterpret_cast<LONG_PTR>(Recorder), GetWindowLongPtrW(form, GWLP_WNDPROC));
    g_seen.clear();
    SendSub(SUB_TEXT_START);
    EXPECT_TRUE(Saw(messages.WM_CARTOLINK, messages.sub[SUB_TEXT_START]))
        << "the bridge no longer intercepts";
}

TEST_F(BridgeFormTest, CloseRestoresTheProcedureAndDestroysTheWindow) {
    SendMessageW(form, WM_CLOSE, 0, 0);
    EXPECT_FALSE(IsWindow(form));
    EXPECT_TRUE(g_destroyedWithRecorderInPlace);
}

TEST_F(BridgeFormTest, FloodOfCharactersAndNonCharactersIsSurvived) {
    PostStep(messages.sub[SUB_TEXT_START], 0, this);
    for (int i = 0; i < 3000; ++i) {
        LPARAM code = (i % 3 == 0) ? static_cast<LPARAM>(i * 7919) : 'A' + (i % 26);
        SendMessageW(form, messages.WM_CARTOLINK, messages.sub[SUB_TEXT_CHAR], code);
    }
    SendSub(SUB_OBJECT_NAME);
    EXPECT_EQ(1023u, TextOf(GetDlgItem(form, kText1Id)).size());
    EXPECT_TRUE(IsWindow(form));
}

} // namespace
