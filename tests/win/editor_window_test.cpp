// The main window as built: the IDD_MAIN template and the IDR_MAIN_MENU menu, the context menu, the status bar,
// the background and icon, and the version dialog.
#include "editor_test_support.h"
#include "resource_ids.h"
#include "text_bytes.h"
#include "cp932_text.h"
#include "window_text.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <atomic>
#include <cstdint>
#include <string>
#include <vector>

using namespace editor_test;

namespace {

struct ExpectedControl {
    int id;
    const char* className;
    const char* text;
};

std::string ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return wideToCp932Lossy(name);
}

} // namespace

TEST(MainTemplateTest, ControlsInTabOrderWithTheirTextsAndStates) {
    Editor editor = OpenEditor("");
    HWND window = editor.window();
    EXPECT_EQ("Markwerk", WindowText(window));
    const ExpectedControl expected[] = {
        {IDC_EXIT, "Button", "終了"},
        {IDC_MAIN_LIST, "SysListView32", "List1"},
        {IDC_ADD, "Button", "追加"},
        {IDC_DELETE, "Button", "削除"},
        {IDC_CHANGE, "Button", "変更"},
        {IDC_IMPORT_LIST, "SysListView32", "List2"},
        {IDC_SHOW_ON_MAP, "Button", "地図表示"},
        {IDC_CAPTURE, "Button", "位置取込"},
        {IDC_LATITUDE, "Edit", ""},
        {IDC_STATIC, "Static", "緯度"},
        {IDC_LONGITUDE, "Edit", ""},
        {IDC_STATIC, "Static", "経度"},
    };
    HWND child = GetWindow(window, GW_CHILD);
    for (const ExpectedControl& control : expected) {
        ASSERT_NE(nullptr, child);
        EXPECT_EQ(control.id, static_cast<int>(static_cast<short>(GetDlgCtrlID(child)))) << control.text;
        EXPECT_EQ(control.className, ClassOf(child)) << control.text;
        EXPECT_EQ(control.text, WindowText(child)) << control.text;
        child = GetWindow(child, GW_HWNDNEXT);
    }
    // Only the status bar comes after them.
    ASSERT_NE(nullptr, child);
    EXPECT_EQ(child, editor.main->statusBar());

    LONG style = GetWindowLongW(window, GWL_STYLE);
    for (LONG bit : {WS_CAPTION, WS_SYSMENU, WS_THICKFRAME, WS_MINIMIZEBOX, WS_MAXIMIZEBOX, WS_VISIBLE}) {
        EXPECT_EQ(bit, style & bit);
    }
    LONG exStyle = GetWindowLongW(window, GWL_EXSTYLE);
    EXPECT_EQ(WS_EX_ACCEPTFILES, exStyle & WS_EX_ACCEPTFILES);
    EXPECT_EQ(WS_EX_APPWINDOW, exStyle & WS_EX_APPWINDOW);
    EXPECT_EQ(WS_EX_CLIENTEDGE, exStyle & WS_EX_CLIENTEDGE);
    for (int id : {IDC_MAIN_LIST, IDC_IMPORT_LIST}) {
        LONG listStyle = GetWindowLongW(editor.control(id), GWL_STYLE);
        EXPECT_EQ(LVS_REPORT, listStyle & LVS_TYPEMASK);
        EXPECT_EQ(LVS_SHOWSELALWAYS, listStyle & LVS_SHOWSELALWAYS);
        EXPECT_EQ(0, listStyle & LVS_SINGLESEL);
    }
    EXPECT_EQ(WS_EX_ACCEPTFILES,
              GetWindowLongW(editor.control(IDC_IMPORT_LIST), GWL_EXSTYLE) & WS_EX_ACCEPTFILES);
    EXPECT_EQ(WS_EX_STATICEDGE,
              GetWindowLongW(editor.control(IDC_IMPORT_LIST), GWL_EXSTYLE) & WS_EX_STATICEDGE);
    EXPECT_EQ(WS_EX_CLIENTEDGE,
              GetWindowLongW(editor.control(IDC_MAIN_LIST), GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

    EXPECT_FALSE(IsWindowEnabled(editor.control(IDC_CAPTURE)));
    EXPECT_FALSE(IsWindowEnabled(editor.control(IDC_LATITUDE)));
    EXPECT_FALSE(IsWindowEnabled(editor.control(IDC_LONGITUDE)));
    EXPECT_TRUE(IsWindowEnabled(editor.control(IDC_SHOW_ON_MAP)));
    EXPECT_FALSE(IsWindowVisible(editor.control(IDC_IMPORT_LIST)));
    EXPECT_TRUE(IsWindowVisible(editor.control(IDC_MAIN_LIST)));
    // The first enabled tab stop has the focus whenever the window is active.
    SetActiveWindow(window);
    EXPECT_EQ(editor.control(IDC_EXIT), GetFocus());
}

TEST(MainTemplateTest, MenuHasEveryPopupAndItem) {
    Editor editor = OpenEditor("", [](MainWindow& w) { copyInto(w.editorFolder(), "C:\\nowhere\\at\\all\\"); });
    HMENU menu = GetMenu(editor.window());
    EXPECT_EQ((std::vector<std::string>{"ﾌｧｲﾙ(&F)", "編集", "変換", "表示", "地図", "ﾍﾙﾌﾟ"}),
              MenuItems(menu));
    EXPECT_EQ((std::vector<std::string>{"開く", "-", "上書き保存(v04)", "名前を付けて保存(v04)", "-",
                                        "インポート", "エクスポート", "-", "ｱﾌﾟﾘｹｰｼｮﾝの終了"}),
              MenuItems(GetSubMenu(menu, 0)));
    EXPECT_EQ((std::vector<UINT>{57601, 0, 57603, 57604, 0, 32775, 33100, 0, 57665}), MenuIds(GetSubMenu(menu, 0)));
    // Undo and find come first in the window's own 編集 popup (the context menu has neither);
    // sorting and duplicates follow the selection items of 変換.
    EXPECT_EQ((std::vector<std::string>{"元に戻す\tCtrl+Z", "やり直し\tCtrl+Y", "-", "検索...\tCtrl+F",
                                        "次を検索\tF3", "-", "変更", "追加", "削除"}),
              MenuItems(GetSubMenu(menu, 1)));
    EXPECT_EQ((std::vector<UINT>{33200, 33201, 0, 33202, 33203, 0, 1003, 1009, 1002}),
              MenuIds(GetSubMenu(menu, 1)));
    EXPECT_EQ((std::vector<std::string>{"-", "全て選択", "選択解除", "-", "名前で並べ替え",
                                        "フリガナで並べ替え", "経度で並べ替え", "緯度で並べ替え",
                                        "マークで並べ替え", "-", "重複地点を選択"}),
              MenuItems(GetSubMenu(menu, 2)));
    EXPECT_EQ((std::vector<UINT>{0, 32781, 32783, 0, 33210, 33211, 33212, 33213, 33214, 0, 33215}),
              MenuIds(GetSubMenu(menu, 2)));
    EXPECT_EQ((std::vector<std::string>{"編集画面", "インポート"}), MenuItems(GetSubMenu(menu, 3)));
    EXPECT_EQ((std::vector<UINT>{32772, 32773}), MenuIds(GetSubMenu(menu, 3)));
    EXPECT_EQ((std::vector<std::string>{"選択", "-", "日本測地系", "世界測地系"}), MenuItems(GetSubMenu(menu, 4)));
    EXPECT_EQ((std::vector<UINT>{32791, 0, 33101, 33102}), MenuIds(GetSubMenu(menu, 4)));
    EXPECT_EQ((std::vector<std::string>{"ﾊﾞｰｼﾞｮﾝ情報"}), MenuItems(GetSubMenu(menu, 5)));
    EXPECT_EQ((std::vector<UINT>{57664}), MenuIds(GetSubMenu(menu, 5)));
}

TEST(ContextMenuTest, OnlyTheMainListOffersTheEditPopup) {
    Editor editor = OpenEditor("");
    int shown = 0;
    EXPECT_EQ((std::vector<std::string>{"変更", "追加", "削除"}),
              ContextMenuOf(editor.window(), editor.main->mainList().window, &shown));
    EXPECT_EQ(1, shown);
    ContextMenuOf(editor.window(), editor.control(IDC_CHANGE), &shown);
    EXPECT_EQ(0, shown);
    editor.main->LayoutImportScreen();
    ContextMenuOf(editor.window(), editor.main->importList().window, &shown);
    EXPECT_EQ(0, shown);
}

TEST(StatusBarTest, PanesHeightAndColour) {
    Editor editor = OpenEditor("");
    HWND bar = editor.main->statusBar();
    RECT outer = {};
    GetWindowRect(editor.window(), &outer);
    POINT clientTop = {0, 0};
    ClientToScreen(editor.window(), &clientTop);
    RECT barRect = ChildRect(editor.window(), bar);
    RECT client = {};
    GetClientRect(editor.window(), &client);
    EXPECT_EQ(clientTop.y - outer.top - 20, barRect.bottom - barRect.top);
    EXPECT_EQ(client.bottom, barRect.bottom);
    EXPECT_EQ(0, barRect.left);
    EXPECT_EQ(client.right, barRect.right);

    int edges[3] = {};
    ASSERT_EQ(3, SendMessageW(bar, SB_GETPARTS, 3, reinterpret_cast<LPARAM>(edges)));
    EXPECT_EQ(100, edges[1] - edges[0]);
    EXPECT_EQ(-1, edges[2]);
    RECT barClient = {};
    GetClientRect(bar, &barClient);
    EXPECT_EQ(barClient.right - 200, edges[0]);
    EXPECT_EQ(SBT_NOBORDERS, HIWORD(SendMessageW(bar, SB_GETTEXTLENGTHW, 0, 0)) & SBT_NOBORDERS);

    COLORREF previous = static_cast<COLORREF>(SendMessageW(bar, SB_SETBKCOLOR, 0, RGB(1, 2, 3)));
    EXPECT_EQ(RGB(164, 174, 192), previous);
}

TEST(StatusBarTest, UpdateStatusLineWritesPathEmptyPaneAndCount) {
    TempDir dir;
    std::string file = WriteNumberedQpf(dir.file("twelve.qpf"), 12);
    Editor editor = OpenEditor(file.c_str());
    SendMessageW(editor.main->statusBar(), SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(L"x"));
    editor.main->UpdateStatusLine();
    EXPECT_EQ(file, StatusPane(editor.main->statusBar(), 0));
    EXPECT_EQ("", StatusPane(editor.main->statusBar(), 1));
    EXPECT_EQ("地点登録数  12", StatusPane(editor.main->statusBar(), 2));
}

TEST(WindowLookTest, BlackBackgroundCentredWithTheWindowIcon) {
    Editor editor = OpenEditor("");
    HDC dc = GetDC(editor.window());
    auto brush =
        reinterpret_cast<HBRUSH>(SendMessageW(editor.window(), WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc),
                                              reinterpret_cast<LPARAM>(editor.window())));
    ReleaseDC(editor.window(), dc);
    LOGBRUSH logBrush = {};
    ASSERT_NE(0, GetObjectW(brush, sizeof logBrush, &logBrush));
    EXPECT_EQ(RGB(0, 0, 0), logBrush.lbColor);

    RECT outer = {};
    GetWindowRect(editor.window(), &outer);
    MONITORINFO monitor = {};
    monitor.cbSize = sizeof monitor;
    GetMonitorInfoW(MonitorFromWindow(editor.window(), MONITOR_DEFAULTTOPRIMARY), &monitor);
    EXPECT_NEAR((monitor.rcWork.left + monitor.rcWork.right) / 2, (outer.left + outer.right) / 2, 1);
    EXPECT_NEAR((monitor.rcWork.top + monitor.rcWork.bottom) / 2, (outer.top + outer.bottom) / 2, 1);

    HICON big = reinterpret_cast<HICON>(SendMessageW(editor.window(), WM_GETICON, ICON_BIG, 0));
    EXPECT_EQ(editor.main->windowIcon(), big);
    EXPECT_EQ(DrawnIcon(LoadIconOfSize(nullptr, IDI_MAIN, 32)), DrawnIcon(big));
    EXPECT_EQ(reinterpret_cast<LRESULT>(editor.main->windowIcon()),
              SendMessageW(editor.window(), WM_QUERYDRAGICON, 0, 0));
}

TEST(AboutDialogTest, ShowsProductAndVersionAndCloses) {
    Editor editor = OpenEditor("");
    DialogWatcher about("ﾊﾞｰｼﾞｮﾝ情報", IDOK);
    SendMessageW(editor.window(), WM_COMMAND, MAKEWPARAM(IDM_APP_ABOUT, 0), 0);
    ASSERT_EQ(1, about.seen());
    std::string texts = about.texts()[0];
    EXPECT_NE(std::string::npos, texts.find("Tenmark Version 1.0.0")) << texts;
    EXPECT_NE(std::string::npos, texts.find("地点ファイル エディタ")) << texts;
}
