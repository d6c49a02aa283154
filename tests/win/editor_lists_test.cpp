// Both point lists: columns and styles, filling the main list and the import list, row
// images, check marks, the row-number click, and files dropped on the window.
#include "editor_test_support.h"
#include "resource_ids.h"
#include "text_bytes.h"
#include "cp932_text.h"
#include "window_text.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <atomic>
#include <string>
#include <thread>
#include <vector>

using namespace editor_test;

namespace {

std::string ColumnHeader(HWND list, int column, int* width) {
    wchar_t text[64] = {};
    LVCOLUMNW info = {};
    info.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT;
    info.pszText = text;
    info.cchTextMax = 64;
    if (!SendMessageW(list, LVM_GETCOLUMNW, static_cast<WPARAM>(column), reinterpret_cast<LPARAM>(&info))) {
        return "<none>";
    }
    *width = info.cx;
    EXPECT_EQ(LVCFMT_LEFT, info.fmt & LVCFMT_JUSTIFYMASK);
    return wideToCp932Lossy(text);
}

} // namespace

TEST(ListStyleTest, BothListsHaveTheSixColumnsColoursAndStyles) {
    Editor editor = OpenEditor("");
    const char* headers[] = {"地点名称", "東経", "北緯", "２Ｄマーク", "フリガナ", "電話番号"};
    const int widths[] = {220, 100, 100, 70, 140, 120};
    for (HWND list : {editor.main->mainList().window, editor.main->importList().window}) {
        for (int column = 0; column < 6; ++column) {
            int width = 0;
            EXPECT_EQ(headers[column], ColumnHeader(list, column, &width)) << column;
            EXPECT_EQ(widths[column], width) << column;
        }
        int width = 0;
        EXPECT_EQ("<none>", ColumnHeader(list, 6, &width));
        EXPECT_EQ(static_cast<LRESULT>(LVS_EX_GRIDLINES | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT),
                  SendMessageW(list, LVM_GETEXTENDEDLISTVIEWSTYLE, 0, 0));
        EXPECT_EQ(static_cast<LRESULT>(RGB(64, 128, 200)), SendMessageW(list, LVM_GETBKCOLOR, 0, 0));
        EXPECT_EQ(static_cast<LRESULT>(RGB(64, 128, 200)), SendMessageW(list, LVM_GETTEXTBKCOLOR, 0, 0));
        EXPECT_EQ(static_cast<LRESULT>(RGB(255, 255, 255)), SendMessageW(list, LVM_GETTEXTCOLOR, 0, 0));
        // The window owns the mark lists; neither list may destroy them.
        EXPECT_EQ(LVS_SHAREIMAGELISTS, GetWindowLongW(list, GWL_STYLE) & LVS_SHAREIMAGELISTS);
    }
}

TEST(MainListTest, RowsShowTheStoredFieldsAndTheMarkImage) {
    TempDir dir;
    std::string file =
        WriteQpf(dir.file("rows.qpf"),
                 {
                     {"東京駅", "05", "139/46/00.0", "035/40/50.5", "トウキョウ", "03-1111-2222"},
                     {"無印", "00"},
                     {"範囲外", "77"},
                     {"最後", "55"},
                 });
    Editor editor = OpenEditor(file.c_str());
    HWND list = editor.main->mainList().window;
    ASSERT_EQ(4, RowCount(list));
    EXPECT_EQ("東京駅", ListCell(list, 0, 0));
    EXPECT_EQ("139/46/00.0", ListCell(list, 0, 1));
    EXPECT_EQ("035/40/50.5", ListCell(list, 0, 2));
    EXPECT_EQ("05", ListCell(list, 0, 3));
    EXPECT_EQ("トウキョウ", ListCell(list, 0, 4));
    EXPECT_EQ("03-1111-2222", ListCell(list, 0, 5));
    EXPECT_EQ(4, RowImage(list, 0));
    // A point without a mark, or with a number beyond the marks, shows no image.
    EXPECT_EQ(I_IMAGENONE, RowImage(list, 1));
    EXPECT_EQ(I_IMAGENONE, RowImage(list, 2));
    EXPECT_EQ(54, RowImage(list, 3));
}

TEST(MainListTest, RefillFollowsTheDocumentAndRewritesTheStatusLine) {
    TempDir dir;
    std::string file = WriteNumberedQpf(dir.file("refill.qpf"), 5);
    Editor editor = OpenEditor(file.c_str());
    MainWindow& w = *editor.main;
    w.document().removeAt(1);
    w.document().insertBlank(0);
    w.document().setName(0, "新しい");
    w.RefillMainList();
    EXPECT_EQ(DocumentNames(w.document()), RowNames(w.mainList().window));
    EXPECT_EQ("地点登録数  5", StatusPane(w.statusBar(), 2));
    w.document().clearAll();
    w.RefillMainList();
    EXPECT_EQ(0, RowCount(w.mainList().window));
    EXPECT_EQ("地点登録数  0", StatusPane(w.statusBar(), 2));
}

TEST(MainListTest, InsertPointRowAndSelectRow) {
    Editor editor = OpenEditor("");
    MainWindow& w = *editor.main;
    RowTexts texts = {};
    copyInto(texts.name, "一");
    copyInto(texts.markNumber, "02");
    w.InsertPointRow(0, texts);
    copyInto(texts.name, "二");
    w.InsertPointRow(0, texts);
    copyInto(texts.name, "三");
    w.InsertPointRow(1, texts);
    EXPECT_EQ((std::vector<std::string>{"二", "三", "一"}), RowNames(w.mainList().window));
    EXPECT_EQ("02", ListCell(w.mainList().window, 1, 3));

    SetRowState(w.mainList().window, 0, LVIS_SELECTED, LVIS_SELECTED);
    SetRowState(w.mainList().window, 2, INDEXTOSTATEIMAGEMASK(2), LVIS_STATEIMAGEMASK);
    w.SelectRow(2);
    EXPECT_EQ(static_cast<UINT>(LVIS_SELECTED | LVIS_FOCUSED),
              RowState(w.mainList().window, 2, LVIS_SELECTED | LVIS_FOCUSED));
    // No other state is touched: the first selection stays, the check mark stays.
    EXPECT_EQ(static_cast<UINT>(LVIS_SELECTED), RowState(w.mainList().window, 0, LVIS_SELECTED));
    EXPECT_TRUE(RowChecked(w.mainList().window, 2));
}

TEST(MainListTest, CheckAllAndClearAll) {
    TempDir dir;
    std::string file = WriteNumberedQpf(dir.file("check.qpf"), 6);
    Editor editor = OpenEditor(file.c_str());
    HWND list = editor.main->mainList().window;
    for (int row = 0; row < 6; ++row)
        EXPECT_FALSE(RowChecked(list, row));
    SendMessageW(editor.window(), WM_COMMAND, MAKEWPARAM(IDM_CHECK_ALL, 0), 0);
    for (int row = 0; row < 6; ++row)
        EXPECT_TRUE(RowChecked(list, row)) << row;
    SendMessageW(editor.window(), WM_COMMAND, MAKEWPARAM(IDM_CLEAR_ALL, 0), 0);
    for (int row = 0; row < 6; ++row)
        EXPECT_FALSE(RowChecked(list, row)) << row;
    EXPECT_FALSE(editor.main->document().isModified());
}

TEST(MainListTest, ClickWritesTheFirstSelectedRowNumber) {
    TempDir dir;
    std::string file = WriteNumberedQpf(dir.file("click.qpf"), 14);
    Editor editor = OpenEditor(file.c_str());
    HWND list = editor.main->mainList().window;
    EnableWindow(editor.control(IDC_SHOW_ON_MAP), FALSE);

    // No selection: nothing changes.
    SendMessageW(editor.main->statusBar(), SB_SETTEXTW, 1, reinterpret_cast<LPARAM>(L"x"));
    SendListNotify(editor.window(), list, NM_CLICK, -1, POINT{5, 5});
    EXPECT_EQ("x", StatusPane(editor.main->statusBar(), 1));
    EXPECT_FALSE(IsWindowEnabled(editor.control(IDC_SHOW_ON_MAP)));

    SetRowState(list, 11, LVIS_SELECTED, LVIS_SELECTED);
    SetRowState(list, 13, LVIS_SELECTED, LVIS_SELECTED);
    SendListNotify(editor.window(), list, NM_CLICK, 13, RowCentre(list, 13));
    EXPECT_EQ("  12行", StatusPane(editor.main->statusBar(), 1));
    EXPECT_TRUE(IsWindowEnabled(editor.control(IDC_SHOW_ON_MAP)));
    EXPECT_EQ(static_cast<UINT>(LVIS_SELECTED | LVIS_FOCUSED),
              RowState(list, 11, LVIS_SELECTED | LVIS_FOCUSED));

    SetRowState(list, -1, 0, LVIS_SELECTED);
    SetRowState(list, 0, LVIS_SELECTED, LVIS_SELECTED);
    SendListNotify(editor.window(), list, NM_CLICK, 0, RowCentre(list, 0));
    EXPECT_EQ("   1行", StatusPane(editor.main->statusBar(), 1));
}

TEST(ImportListTest, ShowsAtMostItsDisplayLimitOfRows) {
    TempDir dir;
    std::string file = WriteNumberedQpf(dir.file("many.qpf"), 150);
    Editor editor = OpenEditor("");
    ImportListCtrl& import = editor.main->importList();
    EXPECT_EQ(100, import.displayLimit);
    ASSERT_EQ(0, import.document.loadFile(file.c_str()));
    import.Refill();
    EXPECT_EQ(150, import.document.count());
    ASSERT_EQ(100, RowCount(import.window));
    EXPECT_EQ("P99", ListCell(import.window, 99, 0));
    EXPECT_EQ("45", ListCell(import.window, 99, 3));
    EXPECT_EQ(44, RowImage(import.window, 99));
    // A smaller file replaces every row.
    import.document.clearAll();
    import.Refill();
    EXPECT_EQ(0, RowCount(import.window));
}

TEST(DropTest, ThreeDroppedFilesOpenOnlyTheLast) {
    TempDir dir;
    std::string a = WriteNumberedQpf(dir.file("a.qpf"), 2);
    std::string b = WriteNumberedQpf(dir.file("b.qpf"), 3);
    std::string c = WriteQpf(dir.file("ｃ表.QPF"), {{"一", "01"}, {"二", "02"}, {"三", "03"}, {"四", "04"}});
    Editor editor = OpenEditor(a.c_str());
    editor.main->document().setName(0, "changed");
    ASSERT_TRUE(editor.main->document().isModified());
    {
        // The unsaved change is let go: the closing question answered No.
        DialogWatcher question(MessageBoxCaption(), IDNO);
        SendMessageW(editor.window(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({a, b, c})), 0);
        EXPECT_EQ(1, question.seen());
    }
    MainWindow& w = *editor.main;
    EXPECT_EQ(c, w.currentFilePath());
    EXPECT_EQ(c, w.saveTargetPath());
    EXPECT_EQ(dir.path() + "\\", w.fileFolder());
    EXPECT_EQ((std::vector<std::string>{"一", "二", "三", "四"}), RowNames(w.mainList().window));
    EXPECT_EQ(c, StatusPane(w.statusBar(), 0));
    EXPECT_EQ("地点登録数  4", StatusPane(w.statusBar(), 2));
    EXPECT_FALSE(w.document().isModified());
}

TEST(DropTest, AFileThatIsNoQpfKeepsThePointsAndShowsThePath) {
    TempDir dir;
    std::string a = WriteNumberedQpf(dir.file("a.qpf"), 2);
    std::string text = dir.file("notes.txt");
    WriteBytes(text, "hello");
    Editor editor = OpenEditor(a.c_str());
    DialogWatcher box(MessageBoxCaption(), IDOK);
    SendMessageW(editor.window(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({text})), 0);
    EXPECT_EQ(1, box.seen());
    MainWindow& w = *editor.main;
    EXPECT_EQ(text, w.currentFilePath());
    EXPECT_STREQ("", w.saveTargetPath());
    EXPECT_EQ((std::vector<std::string>{"P0", "P1"}), RowNames(w.mainList().window));
    EXPECT_EQ(text, StatusPane(w.statusBar(), 0));
}

// Files are usually dropped from another program's window, which keeps the activation: the
// editor's box must still be owned by its window, or the window stays usable behind it.
TEST(DropTest, ABoxAfterADropFromAnotherProgramIsOwnedByTheWindow) {
    TempDir dir;
    std::string a = WriteNumberedQpf(dir.file("a.qpf"), 2);
    Editor editor = OpenEditor(a.c_str());
    std::atomic<HWND> other{nullptr};
    std::atomic<bool> done{false};
    std::thread otherProgram([&] {
        HWND window = CreateWindowExW(0, L"STATIC", L"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 200,
                                      100, nullptr, nullptr, nullptr, nullptr);
        other = window;
        while (!done) {
            MSG message;
            while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE))
                DispatchMessageW(&message);
            Sleep(10);
        }
        DestroyWindow(window);
    });
    while (other == nullptr)
        Sleep(10);
    // The foreground thread may hand the foreground on, as the user's click would.
    SetForegroundWindow(other);
    for (int waited = 0; GetActiveWindow() != nullptr && waited < 5000; waited += 50)
        Pump(50);
    EXPECT_EQ(nullptr, GetActiveWindow()) << "the other thread's window took the activation";
    HWND owner = nullptr;
    DialogWatcher box(MessageBoxCaption(), IDOK, [&](HWND found) {
        owner = GetWindow(found, GW_OWNER);
        PostMessageW(found, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    std::wstring gone = cp932ToWide(dir.file("gone.qpf").c_str());
    SendMessageW(editor.window(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({gone})), 0);
    done = true;
    otherProgram.join();
    ASSERT_EQ(1, box.seen());
    EXPECT_EQ(editor.window(), owner);
}

TEST(DropTest, ALastNameTheEditorCannotHoldIsRefusedAndNothingChanges) {
    TempDir dir;
    std::string a = WriteNumberedQpf(dir.file("a.qpf"), 2);
    std::string b = WriteNumberedQpf(dir.file("b.qpf"), 3);
    // cp932 has no "é"; a look-alike conversion would open this other file.
    WriteNumberedQpf(dir.file("cafe.qpf"), 4);
    Editor editor = OpenEditor(a.c_str());
    editor.main->document().setName(0, "unsaved");
    std::wstring wideB = cp932ToWide(b.c_str());
    std::wstring tooLong = cp932ToWide(dir.path().c_str()) + L"\\" + std::wstring(260, L'x') + L".qpf";
    std::wstring accented = cp932ToWide(dir.path().c_str()) + L"\\caf\u00E9.qpf";
    for (const std::wstring& last : {tooLong, accented}) {
        DialogWatcher box(MessageBoxCaption(), IDOK);
        SendMessageW(editor.window(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({wideB, last})), 0);
        ASSERT_EQ(1, box.seen());
        EXPECT_NE(std::string::npos, box.texts()[0].find("このファイル名は使用できません。"));
        MainWindow& w = *editor.main;
        EXPECT_EQ(a, w.currentFilePath()) << "never an earlier name in its place";
        EXPECT_EQ(a, w.saveTargetPath());
        EXPECT_EQ(2, RowCount(w.mainList().window));
        EXPECT_EQ(2, w.document().count());
        EXPECT_STREQ("unsaved", w.document().getName(0));
        EXPECT_TRUE(w.document().isModified());
    }
}
