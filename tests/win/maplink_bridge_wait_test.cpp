// A bridge that does not end on WM_CLOSE must not hang the editor: every wait for the bridge
// process is bounded, at a map change and at the window's destruction.
#include "editor_test_support.h"
#include "map_link.h"
#include "maplink_test_support.h"
#include "text_bytes.h"
#include "cp932_text.h"
#include "window_text.h"

#include <gtest/gtest.h>

#include <string>

using namespace editor_test;

namespace {

std::string StuckBridgePath() {
    wchar_t module[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, module, MAX_PATH);
    std::wstring path(module);
    path.resize(path.find_last_of(L"\\/") + 1);
    return wideToCp932Lossy((L"\"" + path + L"maplink_stuck_bridge.exe\"").c_str());
}

void EndProcess(DWORD pid) {
    HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
    if (process == nullptr) return;
    TerminateProcess(process, 0);
    WaitForSingleObject(process, 5000);
    CloseHandle(process);
}

} // namespace

TEST(MapLinkBridgeWaitTest, StuckBridgeDelaysTheEditorOnlyByTheBound) {
    maplink_test::ScratchKey key;
    Editor editor = OpenEditor("", [&](MainWindow& main) {
        auto* link = &LinkOf(main);
        copyInto(link->bridgeCommandLine, StuckBridgePath().c_str());
        link->dialog().SetStore(key.Store());
        LinkOf(main).bridge().closeTimeout = 1500;
    });
    auto* link = &LinkOf(*editor.main);
    link->StartBridge();
    ASSERT_NE(nullptr, LinkOf(*editor.main).bridge().window()) << "the stand-in bridge did not start";
    DWORD firstPid = LinkOf(*editor.main).bridge().process().dwProcessId;
    DWORD owner = 0;
    GetWindowThreadProcessId(LinkOf(*editor.main).bridge().window(), &owner);
    EXPECT_EQ(firstPid, owner);

    DWORD start = GetTickCount();
    link->bridge().Close();
    DWORD waited = GetTickCount() - start;
    EXPECT_GE(waited, 1400u);
    EXPECT_LT(waited, 5000u);
    EXPECT_EQ(nullptr, LinkOf(*editor.main).bridge().window());
    EXPECT_EQ(nullptr, LinkOf(*editor.main).bridge().process().hProcess);
    EndProcess(firstPid);

    // The window's own closing of the bridge is bounded the same way.
    link->StartBridge();
    DWORD secondPid = LinkOf(*editor.main).bridge().process().dwProcessId;
    ASSERT_NE(nullptr, LinkOf(*editor.main).bridge().window());
    start = GetTickCount();
    editor.main.reset();
    waited = GetTickCount() - start;
    EXPECT_LT(waited, 1500u + 2500u + 2000u) << "closing the editor waited too long";
    EndProcess(secondPid);
}
