// Start-up of the editor: the command line, the path-acceptance step, the load at start-up,
// the application object with its OLE failure, and the modal run with every way of closing.
#include "editor_application.h"
#include "editor_test_support.h"
#include "path_text.h"
#include "resource_ids.h"
#include "cp932_text.h"
#include "window_text.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <string>

using namespace editor_test;

namespace {

std::string WithoutBackslash(std::string folder) {
    while (!folder.empty() && folder.back() == '\\')
        folder.pop_back();
    return folder;
}

} // namespace

TEST(CommandLineTest, FirstTokenIsTheFile) {
    char path[kPathBytes];
    EXPECT_EQ(1, PathFromCommandLine("\"C:\\my dir\\a b.QPF\"", path, sizeof path));
    EXPECT_STREQ("C:\\my dir\\a b.QPF", path);
    EXPECT_EQ(1, PathFromCommandLine("C:\\one.qpf,C:\\two.qpf", path, sizeof path));
    EXPECT_STREQ("C:\\one.qpf", path);
    EXPECT_EQ(1, PathFromCommandLine("first.qpf\tsecond.qpf\nthird.qpf", path, sizeof path));
    EXPECT_STREQ("first.qpf", path);
    // The blank does not separate.
    EXPECT_EQ(1, PathFromCommandLine("C:\\a b\\c d.qpf", path, sizeof path));
    EXPECT_STREQ("C:\\a b\\c d.qpf", path);
    // Leading separators are skipped.
    EXPECT_EQ(1, PathFromCommandLine(",,\"x.qpf", path, sizeof path));
    EXPECT_STREQ("x.qpf", path);
}

TEST(CommandLineTest, WithoutATokenTheWholeTextStandsAndTooLongNamesNoFile) {
    char path[kPathBytes] = "stale";
    EXPECT_EQ(0, PathFromCommandLine("", path, sizeof path));
    EXPECT_STREQ("", path);
    EXPECT_EQ(0, PathFromCommandLine("\"\",", path, sizeof path));
    EXPECT_STREQ("\"\",", path);
    std::string longest(kPathBytes - 1, 'a');
    EXPECT_EQ(1, PathFromCommandLine(longest.c_str(), path, sizeof path));
    EXPECT_EQ(longest, path);
    std::string tooLong(kPathBytes, 'a');
    EXPECT_EQ(-1, PathFromCommandLine((tooLong + ",b.qpf").c_str(), path, sizeof path));
    EXPECT_STREQ("", path);
}

TEST(CommandLineTest, ProgramNameIsSkippedAsTheRuntimeDoes) {
    EXPECT_STREQ(L"\"C:\\x y.qpf\"", SkipProgramName(L"\"C:\\Program Files\\Tenmark.exe\"  \"C:\\x y.qpf\""));
    EXPECT_STREQ(L"a.qpf", SkipProgramName(L"Tenmark.exe\ta.qpf"));
    EXPECT_STREQ(L"", SkipProgramName(L"Tenmark.exe"));
    EXPECT_STREQ(L"", SkipProgramName(L"\"Tenmark.exe\""));
}

namespace {

// A path helper's result for one path.
std::string Folder(void (*helper)(const char*, char*, size_t), const char* path) {
    char folder[kPathBytes];
    helper(path, folder, sizeof folder);
    return folder;
}

} // namespace

TEST(PathTextTest, FolderPartNeverCutsADoubleByteCharacter) {
    EXPECT_EQ("C:\\data\\", Folder(FolderOfPath, "C:\\data\\a.qpf"));
    EXPECT_EQ("C:", Folder(FolderOfPath, "C:a.qpf"));
    EXPECT_EQ("", Folder(FolderOfPath, "a.qpf"));
    // 表 and ソ end in the byte 0x5C, which is no folder separator inside them.
    EXPECT_EQ("C:\\表\\", Folder(FolderOfPath, "C:\\表\\ソ.qpf"));
    EXPECT_EQ("", Folder(FolderOfPath, "ソ表.qpf"));
}

TEST(PathTextTest, EditorFolderEndsInExactlyOneBackslash) {
    EXPECT_EQ("C:\\prog\\", Folder(FolderWithOneBackslash, "C:\\prog\\Tenmark.exe"));
    EXPECT_EQ("C:\\prog\\", Folder(FolderWithOneBackslash, "C:\\prog\\\\\\Tenmark.exe"));
    EXPECT_EQ("C:\\ソ\\", Folder(FolderWithOneBackslash, "C:\\ソ\\Tenmark.exe"));
    EXPECT_EQ("C:\\表\\", Folder(FolderWithOneBackslash, "C:\\表\\\\Tenmark.exe"));
}

TEST(StartUpTest, NoArgumentsLoadsNothing) {
    TempDir dir;
    ScopedCurrentDirectory cd(dir.path());
    Editor editor = OpenEditor("");
    MainWindow& w = *editor.main;
    EXPECT_STREQ("", w.currentFilePath());
    EXPECT_STREQ("", w.saveTargetPath());
    EXPECT_EQ(dir.path(), WithoutBackslash(w.fileFolder()));
    EXPECT_STREQ(w.fileFolder(), w.importFolder());
    EXPECT_EQ(0, w.document().count());
    EXPECT_EQ(0, RowCount(w.mainList().window));
    for (int pane = 0; pane < 3; ++pane)
        EXPECT_EQ("", StatusPane(w.statusBar(), pane)) << pane;
}

TEST(StartUpTest, QuotedPathWithBlanksIsLoadedAndBecomesTheSaveTarget) {
    TempDir dir;
    std::string file = WriteNumberedQpf(dir.file("my points.QPF"), 3);
    Editor editor = OpenEditor(("\"" + file + "\"").c_str());
    MainWindow& w = *editor.main;
    EXPECT_EQ(file, w.currentFilePath());
    EXPECT_EQ(file, w.saveTargetPath());
    EXPECT_EQ(dir.path() + "\\", w.fileFolder());
    EXPECT_EQ(dir.path() + "\\", w.importFolder());
    EXPECT_EQ(3, w.document().count());
    EXPECT_EQ((std::vector<std::string>{"P0", "P1", "P2"}), RowNames(w.mainList().window));
    EXPECT_EQ(file, StatusPane(w.statusBar(), 0));
    EXPECT_EQ("", StatusPane(w.statusBar(), 1));
    EXPECT_EQ("地点登録数  3", StatusPane(w.statusBar(), 2));
    EXPECT_FALSE(w.document().isModified());
}

TEST(StartUpTest, LowerCaseExtensionIsAcceptedAndOnlyTheFirstOfTwoPathsIsTaken) {
    TempDir dir;
    std::string first = WriteNumberedQpf(dir.file("first.qpf"), 2);
    std::string second = WriteNumberedQpf(dir.file("second.qpf"), 5);
    Editor editor = OpenEditor((first + "," + second).c_str());
    EXPECT_EQ(first, editor.main->currentFilePath());
    EXPECT_EQ(first, editor.main->saveTargetPath());
    EXPECT_EQ(2, editor.main->document().count());
}

TEST(StartUpTest, JapaneseFolderAndNameAreLoaded) {
    TempDir dir("地点表");
    std::string file = WriteQpf(dir.file("ソ表.qpf"), {{"東京駅", "01"}, {"大阪城", "12"}});
    Editor editor = OpenEditor(file.c_str());
    EXPECT_EQ(dir.path() + "\\", editor.main->fileFolder());
    EXPECT_EQ(file, editor.main->saveTargetPath());
    EXPECT_EQ((std::vector<std::string>{"東京駅", "大阪城"}), RowNames(editor.main->mainList().window));
    EXPECT_EQ(file, StatusPane(editor.main->statusBar(), 0));
}

TEST(StartUpTest, OtherExtensionIsRefusedWithItsMessage) {
    TempDir dir;
    std::string file = dir.file("points.txt");
    WriteBytes(file, "#01\t#x\t\r\n");
    DialogWatcher box(MessageBoxCaption(), IDOK);
    Editor editor = OpenEditor(file.c_str());
    MainWindow& w = *editor.main;
    ASSERT_EQ(1, box.seen());
    EXPECT_NE(std::string::npos, box.texts()[0].find(file + "\n    は認識できないファイルです"));
    EXPECT_STREQ("", w.saveTargetPath());
    EXPECT_EQ(dir.path() + "\\", w.fileFolder());
    EXPECT_EQ(0, w.document().count());
    EXPECT_EQ(file, StatusPane(w.statusBar(), 0));
    EXPECT_EQ("地点登録数  0", StatusPane(w.statusBar(), 2));
}

TEST(StartUpTest, ACommandLineWithoutATokenIsLoadedAsItStands) {
    DialogWatcher box(MessageBoxCaption(), IDOK);
    Editor editor = OpenEditor("\"\"");
    ASSERT_EQ(1, box.seen());
    EXPECT_NE(std::string::npos, box.texts()[0].find("\"\"\n    は認識できないファイルです"));
    EXPECT_STREQ("\"\"", editor.main->currentFilePath());
    EXPECT_STREQ("", editor.main->saveTargetPath());
    EXPECT_EQ("\"\"", StatusPane(editor.main->statusBar(), 0));
}

TEST(StartUpTest, ATokenTooLongToHoldIsRefusedWithAMessage) {
    DialogWatcher box(MessageBoxCaption(), IDOK);
    Editor editor = OpenEditor((std::string(300, 'a') + ".qpf").c_str());
    ASSERT_EQ(1, box.seen());
    EXPECT_NE(std::string::npos, box.texts()[0].find("このファイル名は使用できません。"));
    EXPECT_STREQ("", editor.main->currentFilePath());
    EXPECT_EQ(0, editor.main->document().count());
}

TEST(StartUpTest, MissingFileIsReportedAndTheEditorStartsEmpty) {
    TempDir dir;
    std::string file = dir.file("gone.qpf");
    DialogWatcher box(MessageBoxCaption(), IDOK);
    Editor editor = OpenEditor(file.c_str());
    ASSERT_EQ(1, box.seen());
    EXPECT_NE(std::string::npos, box.texts()[0].find("ファイルが見つかりませんでした。"));
    // A file that could not be read is no target for a later Save; its folder is kept.
    EXPECT_STREQ("", editor.main->saveTargetPath());
    EXPECT_EQ(dir.path() + "\\", editor.main->fileFolder());
    EXPECT_EQ(file, editor.main->currentFilePath());
    EXPECT_EQ(0, RowCount(editor.main->mainList().window));
}

TEST(ApplicationTest, OleFailureShowsOnlyItsMessage) {
    EditorApplication app;
    app.oleInitialize = [](LPVOID) -> HRESULT { return E_FAIL; };
    DialogWatcher box(MessageBoxCaption(), IDOK);
    DialogWatcher mainWindow("Markwerk", IDCANCEL);
    EXPECT_FALSE(app.InitInstance(L""));
    EXPECT_EQ(1, box.seen());
    ASSERT_EQ(1u, box.texts().size());
    EXPECT_NE(std::string::npos, box.texts()[0].find("OLE初期化失敗"));
    EXPECT_EQ(0, mainWindow.seen());
}

// The whole program path: OLE, the modal main window on the command line's file, and the
// end of the run when the window is closed.
TEST(ApplicationTest, RunsTheMainWindowModallyUntilItIsClosed) {
    TempDir dir;
    std::string file = WriteNumberedQpf(dir.file("run.qpf"), 4);
    std::string pane2;
    std::string pane0;
    DialogWatcher mainWindow("Markwerk", IDCANCEL, [&](HWND window) {
        HWND statusBar = FindWindowExW(window, nullptr, STATUSCLASSNAMEW, nullptr);
        pane0 = StatusPane(statusBar, 0);
        pane2 = StatusPane(statusBar, 2);
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_EXIT, BN_CLICKED), 0);
    });
    EditorApplication app;
    std::wstring commandLine = L"\"" + std::wstring(cp932ToWide(file.c_str())) + L"\"";
    EXPECT_FALSE(app.InitInstance(commandLine.c_str()));
    EXPECT_EQ(1, mainWindow.seen());
    EXPECT_EQ(file, pane0);
    EXPECT_EQ("地点登録数  4", pane2);
}

// cp932 has no "é": a look-alike conversion would open another file.
TEST(ApplicationTest, ACommandLineCp932CannotSpellOpensNothing) {
    TempDir dir;
    WriteNumberedQpf(dir.file("cafe.qpf"), 3);
    ScopedCurrentDirectory cd(dir.path());
    std::string pane0 = "unread";
    DialogWatcher box(MessageBoxCaption(), IDOK);
    DialogWatcher mainWindow("Markwerk", IDCANCEL, [&](HWND window) {
        pane0 = StatusPane(FindWindowExW(window, nullptr, STATUSCLASSNAMEW, nullptr), 0);
        PostMessageW(window, WM_COMMAND, MAKEWPARAM(IDC_EXIT, BN_CLICKED), 0);
    });
    EditorApplication app;
    EXPECT_FALSE(app.InitInstance(L"caf\u00E9.qpf"));
    ASSERT_EQ(1, box.seen());
    EXPECT_NE(std::string::npos, box.texts()[0].find("このファイル名は使用できません。"));
    EXPECT_EQ(1, mainWindow.seen());
    EXPECT_EQ("", pane0);
}

// 終了, Esc, the close box and ｱﾌﾟﾘｹｰｼｮﾝの終了 end the modal run; Enter does not.
TEST(ModalRunTest, EveryWayOfClosingEndsTheRun) {
    struct Way {
        const char* name;
        std::function<void(HWND)> close;
    };
    const Way ways[] = {
        {"exit button", [](HWND w) { PostMessageW(w, WM_COMMAND, MAKEWPARAM(IDC_EXIT, BN_CLICKED), 0); }},
        {"Esc key",
         [](HWND w) {
             HWND focus = GetDlgItem(w, IDC_EXIT);
             PostMessageW(focus, WM_KEYDOWN, VK_ESCAPE, 0x00010001);
         }},
        {"close box", [](HWND w) { PostMessageW(w, WM_SYSCOMMAND, SC_CLOSE, 0); }},
        {"exit menu item", [](HWND w) { PostMessageW(w, WM_COMMAND, MAKEWPARAM(IDM_APP_EXIT, 0), 0); }},
    };
    for (const Way& way : ways) {
        MainWindow main(nullptr, "");
        DialogWatcher watcher("Markwerk", IDCANCEL, [&](HWND w) { way.close(w); });
        DWORD start = GetTickCount();
        main.RunModal();
        EXPECT_EQ(1, watcher.seen()) << way.name;
        EXPECT_LT(GetTickCount() - start, 20000u) << way.name;
        EXPECT_EQ(nullptr, main.window()) << way.name;
    }
}

TEST(ModalRunTest, EnterDoesNotCloseTheWindow) {
    MainWindow main(nullptr, "");
    std::atomic<bool> stillOpen{false};
    DialogWatcher watcher("Markwerk", IDCANCEL, [&](HWND w) {
        PostMessageW(w, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        Sleep(300);
        stillOpen = IsWindow(w) && IsWindowVisible(w);
        PostMessageW(w, WM_COMMAND, MAKEWPARAM(IDC_EXIT, BN_CLICKED), 0);
    });
    main.RunModal();
    EXPECT_TRUE(stillOpen.load());
}
