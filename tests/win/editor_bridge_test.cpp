// The main window and the bridge program: the 編集 popup's map items when the bridge stands
// beside the editor, the close of a known bridge at destruction with its bounded wait, and
// the seam through which the map link receives its buttons, menu items and messages.
#include "editor_test_support.h"
#include "resource_ids.h"
#include "text_bytes.h"
#include "cp932_text.h"
#include "window_text.h"

#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <string>
#include <vector>

using namespace editor_test;

TEST(BridgeMenuTest, EditPopupGainsTheMapItemsOnlyWithTheBridgeBesideTheEditor) {
    TempDir without;
    Editor plain =
        OpenEditor("", [&](MainWindow& w) { copyInto(w.editorFolder(), (without.path() + "\\").c_str()); });
    EXPECT_EQ(0, plain.main->bridgePresent());
    // Undo and find come first in the window's own popup (the context menu has neither).
    EXPECT_EQ((std::vector<std::string>{"元に戻す\tCtrl+Z", "やり直し\tCtrl+Y", "-", "検索...\tCtrl+F",
                                        "次を検索\tF3", "-", "変更", "追加", "削除"}),
              MenuItems(GetSubMenu(GetMenu(plain.window()), 1)));

    TempDir with;
    WriteBytes(with.file("Cartolink2.exe"), "MZ");
    Editor bridged =
        OpenEditor("", [&](MainWindow& w) { copyInto(w.editorFolder(), (with.path() + "\\").c_str()); });
    EXPECT_EQ(1, bridged.main->bridgePresent());
    HMENU edit = GetSubMenu(GetMenu(bridged.window()), 1);
    EXPECT_EQ((std::vector<std::string>{"元に戻す\tCtrl+Z", "やり直し\tCtrl+Y", "-", "検索...\tCtrl+F",
                                        "次を検索\tF3", "-", "変更", "追加", "削除", "-", "地図表示",
                                        "位置取り込み"}),
              MenuItems(edit));
    EXPECT_EQ((std::vector<UINT>{33200, 33201, 0, 33202, 33203, 0, 1003, 1009, 1002, 104, 102, 103}),
              MenuIds(edit));
    EXPECT_EQ(with.file("Cartolink2.exe"), bridged.main->bridgePath());

    // The context menu is a fresh copy of the menu: never the appended items.
    int shown = 0;
    EXPECT_EQ((std::vector<std::string>{"変更", "追加", "削除"}),
              ContextMenuOf(bridged.window(), bridged.main->mainList().window, &shown));
    EXPECT_EQ(1, shown);
}

TEST(BridgeMenuTest, BridgeIsLookedForBesideTheRunningProgram) {
    Editor editor = OpenEditor("");
    EXPECT_EQ(BinFolder() + "\\Cartolink2.exe", editor.main->bridgePath());
    DWORD attributes = GetFileAttributesW(cp932ToWide(editor.main->bridgePath()).c_str());
    EXPECT_EQ(attributes != INVALID_FILE_ATTRIBUTES ? 1 : 0, editor.main->bridgePresent());
}

namespace {

// A stand-in bridge on its own thread: a window titled "Cartolink" that ends its thread a
// while after it is told to close, or not at all until released.
class FakeBridge {
  public:
    explicit FakeBridge(DWORD lingerMs)
        : linger_(lingerMs), release_(CreateEventW(nullptr, TRUE, FALSE, nullptr)),
          ready_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {
        thread_ = CreateThread(
            nullptr, 0, [](LPVOID self) -> DWORD { return static_cast<FakeBridge*>(self)->Run(); }, this, 0,
            &threadId_);
        WaitForSingleObject(ready_, 5000);
        DuplicateHandle(GetCurrentProcess(), thread_, GetCurrentProcess(), &waitable_, SYNCHRONIZE, FALSE, 0);
    }
    ~FakeBridge() {
        SetEvent(release_);
        PostThreadMessageW(threadId_, WM_QUIT, 0, 0);
        WaitForSingleObject(thread_, 10000);
        CloseHandle(thread_);
        CloseHandle(release_);
        CloseHandle(ready_);
    }
    HWND window() const { return window_; }
    HANDLE waitable() const { return waitable_; } // handed to the main window, which closes it
    bool closed() const { return closed_; }
    bool ended() const { return ended_; }

  private:
    static LRESULT CALLBACK Proc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<FakeBridge*>(GetWindowLongPtrW(window, GWLP_USERDATA));
        if (message == WM_CLOSE && self != nullptr) {
            self->closed_ = true;
            DestroyWindow(window);
            return 0;
        }
        if (message == WM_DESTROY) PostQuitMessage(0);
        return DefWindowProcW(window, message, wParam, lParam);
    }
    DWORD Run() {
        WNDCLASSW windowClass = {};
        windowClass.lpfnWndProc = Proc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"TenmarkTestBridge";
        RegisterClassW(&windowClass);
        window_ = CreateWindowW(L"TenmarkTestBridge", L"Cartolink", WS_OVERLAPPED, 0, 0, 10, 10, nullptr,
                                nullptr, GetModuleHandleW(nullptr), nullptr);
        SetWindowLongPtrW(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
        SetEvent(ready_);
        MSG message;
        while (GetMessageW(&message, nullptr, 0, 0) > 0)
            DispatchMessageW(&message);
        WaitForSingleObject(release_, linger_);
        ended_ = true;
        return 0;
    }

    DWORD linger_;
    HANDLE release_;
    HANDLE ready_;
    HANDLE thread_ = nullptr;
    DWORD threadId_ = 0;
    HANDLE waitable_ = nullptr;
    HWND window_ = nullptr;
    std::atomic<bool> closed_{false};
    std::atomic<bool> ended_{false};
};

} // namespace

TEST(BridgeCloseTest, DestructionClosesTheBridgeAndWaitsForItToEnd) {
    FakeBridge bridge(400);
    Editor editor = OpenEditor("");
    BridgeProcess& process = LinkOf(*editor.main).bridge();
    process.Adopt(bridge.window(), bridge.waitable());
    DWORD start = GetTickCount();
    DestroyWindow(editor.window());
    DWORD took = GetTickCount() - start;
    EXPECT_TRUE(bridge.closed());
    EXPECT_TRUE(bridge.ended());
    EXPECT_GE(took, 350u);
    EXPECT_EQ(nullptr, process.window());
    EXPECT_EQ(nullptr, process.process().hProcess);
}

TEST(BridgeCloseTest, AHangingBridgeDelaysTheEndOnlyForTheBound) {
    FakeBridge bridge(INFINITE);
    Editor editor = OpenEditor("");
    BridgeProcess& process = LinkOf(*editor.main).bridge();
    process.Adopt(bridge.window(), bridge.waitable());
    process.closeTimeout = 300;
    DWORD start = GetTickCount();
    DestroyWindow(editor.window());
    DWORD took = GetTickCount() - start;
    EXPECT_TRUE(bridge.closed());
    EXPECT_FALSE(bridge.ended());
    EXPECT_GE(took, 250u);
    EXPECT_LT(took, 5000u);
}

TEST(BridgeCloseTest, NoBridgeWindowMeansNoWait) {
    FakeBridge bridge(INFINITE);
    Editor editor = OpenEditor("");
    BridgeProcess& process = LinkOf(*editor.main).bridge();
    process.Adopt(nullptr, bridge.waitable());
    DestroyWindow(editor.window());
    EXPECT_FALSE(bridge.closed());
    // The handle stays with its owner (the map link) until the window object goes.
    EXPECT_NE(nullptr, process.process().hProcess);
}

namespace {

// Records what the main window hands to the map link.
class RecordingMapLink : public MapLinkHooks {
  public:
    explicit RecordingMapLink(std::vector<std::string>& log) : log_(log) {}
    void ReadSettings() override { log_.push_back("settings"); }
    void RegisterMessages() override {}
    void Shutdown() override {}
    void ShowOnMap() override { log_.push_back("show"); }
    void CapturePosition() override { log_.push_back("capture"); }
    void SelectMap() override { log_.push_back("select"); }
    void OnMapEvent(WPARAM wParam, LPARAM lParam) override {
        log_.push_back("event " + std::to_string(wParam) + " " + std::to_string(lParam));
    }
    void OnMapReply(WPARAM wParam, LPARAM lParam) override {
        log_.push_back("reply " + std::to_string(wParam) + " " + std::to_string(lParam));
    }

  private:
    std::vector<std::string>& log_;
};

} // namespace

TEST(MapLinkSeamTest, ButtonsMenuItemsAndPrivateMessagesReachTheMapLink) {
    TempDir with;
    WriteBytes(with.file("Cartolink2.exe"), "MZ");
    std::vector<std::string> log;
    Editor editor = OpenEditor("", [&](MainWindow& w) {
        copyInto(w.editorFolder(), (with.path() + "\\").c_str());
        w.UseMapLink(std::make_unique<RecordingMapLink>(log));
    });
    EXPECT_EQ((std::vector<std::string>{"settings"}), log);
    HWND window = editor.window();
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_SHOW_ON_MAP, BN_CLICKED), 0);
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDM_MAP_SELECT, 0), 0);
    SendMessageW(window, 0x800, 3, 4);
    SendMessageW(window, 0x801, 5, 65);
    // 位置取込 and its menu item act only once a position has arrived (the button is enabled).
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDM_EDIT_CAPTURE, 0), 0);
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDM_EDIT_SHOW_ON_MAP, 0), 0);
    EnableWindow(editor.control(IDC_CAPTURE), TRUE);
    SendMessageW(window, WM_COMMAND, MAKEWPARAM(IDM_EDIT_CAPTURE, 0), 0);
    EXPECT_EQ((std::vector<std::string>{"settings", "show", "select", "event 3 4", "reply 5 65", "show",
                                        "capture"}),
              log);
}

TEST(MapLinkSeamTest, InitialisationRegistersTheProtocolMessages) {
    Editor editor = OpenEditor("");
    const MapLinkMessages& messages = LinkOf(*editor.main).messages();
    EXPECT_EQ(RegisterWindowMessageA("WM_CARTOLINK"), messages.WM_CARTOLINK);
    EXPECT_NE(0u, messages.WM_CARTOLINK);
    for (int i = 0; i < SUB_CODE_COUNT; ++i) {
        EXPECT_EQ(RegisterWindowMessageA(kSubCodeNames[i]), messages.sub[i]) << kSubCodeNames[i];
        EXPECT_NE(0u, messages.sub[i]);
    }
    EXPECT_STREQ("Tenmark", editor.main->productName());
}
