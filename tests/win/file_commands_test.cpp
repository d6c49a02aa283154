// The file commands on the real main window: the common dialogs are answered by a script,
// message boxes (the closing question, the file errors) are found and answered for real.
#include "editing_dialog_driver.h"
#include "editor_test_support.h"
#include "file_dialogs.h"
#include "main_window.h"
#include "resource_ids.h"
#include "message_box_notifier.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <deque>
#include <functional>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

using editing_test::Driver;
using editing_test::ExeTitle;
using editing_test::RunDriven;

namespace {

// Answers the file dialogs from a script and remembers what was asked.
class ScriptedDialogs : public FileDialogs {
  public:
    struct Asked {
        FileDialogKind kind;
        std::string folder;
    };
    bool choose(HWND, FileDialogKind kind, const char* folder, char (&path)[kPathBytes]) override {
        asked.push_back({kind, folder});
        if (answers.empty() || answers.front().empty()) {
            if (!answers.empty()) answers.pop_front();
            return false;
        }
        std::string answer = answers.front();
        answers.pop_front();
        lstrcpynA(path, answer.c_str(), static_cast<int>(kPathBytes));
        return true;
    }
    std::deque<std::string> answers; // "" cancels
    std::vector<Asked> asked;
};

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

std::string pathText(const std::filesystem::path& p) { return p.string(); }

// Writes a QPF file of `n` points named N0, N1, ... with the editor's own core.
void writePoints(const std::string& path, int n) {
    PointDocument doc;
    for (int i = 0; i < n; ++i) {
        doc.insertBlank(i);
        doc.setName(i, ("N" + std::to_string(i)).c_str());
        doc.setMarkNumber(i, "05");
    }
    ASSERT_EQ(doc.saveFile(path.c_str()), 0);
}

std::string statusPane(HWND statusBar, int pane) {
    wchar_t text[512] = L"";
    SendMessageW(statusBar, SB_GETTEXTW, pane, reinterpret_cast<LPARAM>(text));
    return editing_test::Cp932(text);
}

class FileCommands : public ::testing::Test {
  protected:
    void SetUp() override {
        static const bool controls = [] {
            INITCOMMONCONTROLSEX init = {sizeof init, ICC_WIN95_CLASSES | ICC_BAR_CLASSES};
            return InitCommonControlsEx(&init) != FALSE;
        }();
        ASSERT_TRUE(controls);
        dir_ = std::filesystem::temp_directory_path() /
               (std::string("tenmark-files-") + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
        setMessageNotifier(&boxes_);
        setFileDialogs(&dialogs_);
        window_ = std::make_unique<MainWindow>(nullptr, "");
        ASSERT_NE(window_->CreateModeless(), nullptr);
    }
    void TearDown() override {
        window_.reset();
        setFileDialogs(nullptr);
        setMessageNotifier(nullptr);
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    std::string path(const char* name) const { return pathText(dir_ / name); }

    // Runs `action` on this thread; message boxes it shows are answered in order with
    // `buttons` and their texts collected.
    std::vector<std::string> withBoxes(const std::function<void()>& action, std::vector<int> buttons) {
        std::vector<std::string> texts;
        RunDriven(
            [&] {
                action();
                return 0;
            },
            [&](const Driver& d) {
                for (int button : buttons) {
                    HWND box = d.WaitForDialog(ExeTitle().c_str(), 5000);
                    if (box == nullptr) {
                        texts.push_back("(no message box)");
                        return;
                    }
                    texts.push_back(d.TextCp932(box, 0xFFFF));
                    PostMessageW(box, WM_COMMAND, MAKEWPARAM(button, BN_CLICKED), 0);
                    d.WaitGone(box);
                }
            });
        return texts;
    }

    void addPoint(const char* name) {
        MainWindow& w = *window_;
        int at = w.document().count();
        w.document().insertBlank(at);
        w.document().setName(at, name);
    }

    std::filesystem::path dir_;
    MessageBoxNotifier boxes_;
    ScriptedDialogs dialogs_;
    std::unique_ptr<MainWindow> window_;
};

} // namespace

TEST_F(FileCommands, SaveWritesOnlyAModifiedDocumentAndSaveAsAlwaysWrites) {
    MainWindow& w = *window_;
    lstrcpyA(w.saveTargetPath(), path("gone.qpf").c_str());
    w.OnFileSave();
    EXPECT_FALSE(std::filesystem::exists(path("gone.qpf")));
    EXPECT_TRUE(dialogs_.asked.empty());

    dialogs_.answers = {path("as.qpf")};
    w.OnFileSaveAs();
    ASSERT_EQ(dialogs_.asked.size(), 1u);
    EXPECT_EQ(dialogs_.asked[0].kind, FileDialogKind::SaveAs);
    EXPECT_EQ(readBytes(path("as.qpf")), "登録ポイント\r\n");
    EXPECT_STREQ(w.saveTargetPath(), path("as.qpf").c_str());
    EXPECT_EQ(statusPane(w.statusBar(), 0), path("as.qpf"));

    addPoint("A");
    w.OnFileSave();
    EXPECT_EQ(dialogs_.asked.size(), 1u) << "a known target is written without asking";
    EXPECT_FALSE(w.document().isModified());
    EXPECT_NE(readBytes(path("as.qpf")).find("#A\t"), std::string::npos);
}

TEST_F(FileCommands, OpeningAnotherExtensionKeepsThePointsAndEmptiesTheTarget) {
    MainWindow& w = *window_;
    writePoints(path("five.qpf"), 5);
    std::ofstream(path("notes.txt")) << "#x";
    dialogs_.answers = {path("five.qpf"), path("notes.txt")};
    w.OnFileOpen();
    ASSERT_EQ(w.document().count(), 5);
    auto texts = withBoxes([&] { w.OnFileOpen(); }, {IDOK});
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0], path("notes.txt") + "\n    は認識できないファイルです");
    EXPECT_EQ(w.document().count(), 5);
    EXPECT_STREQ(w.saveTargetPath(), "");
    EXPECT_EQ(statusPane(w.statusBar(), 0), path("notes.txt"));
    EXPECT_EQ(ListView_GetItemCount(w.mainList().window), 5);

    addPoint("extra");
    dialogs_.answers = {""};
    withBoxes([&] { w.OnFileSave(); }, {});
    ASSERT_EQ(dialogs_.asked.size(), 3u);
    EXPECT_EQ(dialogs_.asked[2].kind, FileDialogKind::Save);
    EXPECT_EQ(dialogs_.asked[2].folder + "notes.txt", path("notes.txt"));
    EXPECT_TRUE(w.document().isModified());
}

TEST_F(FileCommands, AFailedOpenNeverLetsSaveOverwriteTheUnreadableFile) {
    MainWindow& w = *window_;
    writePoints(path("mine.qpf"), 3);
    std::filesystem::create_directories(path("locked.qpf"));
    dialogs_.answers = {path("mine.qpf"), path("locked.qpf")};
    w.OnFileOpen();
    addPoint("new");
    auto texts = withBoxes([&] { w.OnFileOpen(); }, {IDOK});
    EXPECT_EQ(texts.at(0), "ファイル アクセス禁止");
    EXPECT_EQ(w.document().count(), 4);
    EXPECT_STREQ(w.saveTargetPath(), "");
    EXPECT_EQ(statusPane(w.statusBar(), 0), path("locked.qpf"));

    dialogs_.answers = {""};
    withBoxes([&] { w.OnFileSave(); }, {});
    EXPECT_EQ(dialogs_.asked.back().kind, FileDialogKind::Save) << "Save asks for a name";
    EXPECT_TRUE(std::filesystem::is_directory(path("locked.qpf")));
}

TEST_F(FileCommands, ClosingQuestionTextsAndAnswers) {
    MainWindow& w = *window_;
    EXPECT_TRUE(w.QueryClose()) << "an unmodified document closes without a question";

    addPoint("A");
    bool mayClose = true;
    auto texts = withBoxes([&] { mayClose = w.QueryClose(); }, {IDCANCEL});
    EXPECT_EQ(texts.at(0), "新規ファイルです。保存しますか？");
    EXPECT_FALSE(mayClose);
    EXPECT_TRUE(w.document().isModified());

    texts = withBoxes([&] { mayClose = w.QueryClose(); }, {IDNO});
    EXPECT_TRUE(mayClose);
    EXPECT_TRUE(dialogs_.asked.empty());

    lstrcpyA(w.currentFilePath(), path("named.qpf").c_str());
    lstrcpyA(w.saveTargetPath(), path("named.qpf").c_str());
    texts = withBoxes([&] { mayClose = w.QueryClose(); }, {IDYES});
    EXPECT_EQ(texts.at(0), path("named.qpf") + "は変更されています。保存しますか？");
    EXPECT_TRUE(mayClose);
    EXPECT_FALSE(w.document().isModified());
    EXPECT_NE(readBytes(path("named.qpf")).find("#A\t"), std::string::npos);
}

TEST_F(FileCommands, YesNeverClosesWhenNothingWasWritten) {
    MainWindow& w = *window_;
    addPoint("keep me");
    // Yes on a new document asks for a name; cancelling that keeps the window open.
    dialogs_.answers = {""};
    bool mayClose = true;
    withBoxes([&] { mayClose = w.QueryClose(); }, {IDYES});
    ASSERT_EQ(dialogs_.asked.size(), 1u);
    EXPECT_EQ(dialogs_.asked[0].kind, FileDialogKind::SaveAs);
    EXPECT_FALSE(mayClose);
    EXPECT_TRUE(w.document().isModified());

    // Yes with a target that cannot be written: the error, then the window stays.
    std::filesystem::create_directories(path("dir.qpf"));
    lstrcpyA(w.saveTargetPath(), path("dir.qpf").c_str());
    auto texts = withBoxes([&] { mayClose = w.QueryClose(); }, {IDYES, IDOK});
    EXPECT_EQ(texts.at(1), "ファイル アクセス禁止");
    EXPECT_FALSE(mayClose);
    EXPECT_TRUE(w.document().isModified());
    EXPECT_EQ(w.document().count(), 1);
}

TEST_F(FileCommands, ImportShowsAtMostOneHundredRowsAndAFailedImportKeepsThem) {
    MainWindow& w = *window_;
    writePoints(path("many.qpf"), 150);
    dialogs_.answers = {path("many.qpf")};
    w.OnFileImport();
    EXPECT_EQ(w.screenMode(), ScreenMode::Import) << "import switches to the import screen first";
    EXPECT_EQ(dialogs_.asked.at(0).kind, FileDialogKind::Import);
    EXPECT_EQ(w.importList().document.count(), 150);
    EXPECT_EQ(ListView_GetItemCount(w.importList().window), 100);
    EXPECT_EQ(std::string(w.importFolder()) + "many.qpf", path("many.qpf"));

    dialogs_.answers = {path("missing.qpf")};
    auto texts = withBoxes([&] { w.OnFileImport(); }, {IDOK});
    EXPECT_EQ(texts.at(0), "ファイルが見つかりませんでした。");
    EXPECT_EQ(w.importList().document.count(), 150);
    EXPECT_EQ(ListView_GetItemCount(w.importList().window), 100);
}

TEST_F(FileCommands, AFileHeldByAnotherProcessIsASharingViolationAndNothingIsLost) {
    MainWindow& w = *window_;
    writePoints(path("held.qpf"), 2);
    std::string before = readBytes(path("held.qpf"));
    addPoint("unsaved");

    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring command = L"\"" + (std::filesystem::path(self).parent_path() / L"hold_file.exe").wstring() +
                           L"\" \"" + (dir_ / "held.qpf").wstring() + L"\"";
    STARTUPINFOW si = {};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi = {};
    ASSERT_TRUE(CreateProcessW(nullptr, &command[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi));
    // Held once our own exclusive open fails.
    for (int i = 0; i < 250; ++i) {
        HANDLE probe = CreateFileA(path("held.qpf").c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        if (probe == INVALID_HANDLE_VALUE) break;
        CloseHandle(probe);
        Sleep(20);
    }
    dialogs_.answers = {path("held.qpf"), path("held.qpf")};
    auto texts = withBoxes(
        [&] {
            w.OnFileOpen();
            w.OnFileSaveAs();
        },
        {IDOK, IDOK});
    TerminateProcess(pi.hProcess, 0);
    WaitForSingleObject(pi.hProcess, 5000);
    CloseHandle(pi.hProcess);
    CloseHandle(pi.hThread);

    ASSERT_EQ(texts.size(), 2u);
    EXPECT_EQ(texts[0], "ファイルの共有違反です");
    EXPECT_EQ(texts[1], "ファイルの共有違反です");
    EXPECT_EQ(w.document().count(), 1);
    EXPECT_STREQ(w.document().getName(0), "unsaved");
    EXPECT_TRUE(w.document().isModified());
    EXPECT_EQ(readBytes(path("held.qpf")), before);
}

TEST_F(FileCommands, FilesDroppedOnTheImportListImportTheLastOne) {
    MainWindow& w = *window_;
    writePoints(path("first.qpf"), 3);
    writePoints(path("last.qpf"), 7);
    HDROP drop = editor_test::MakeDrop({path("first.qpf"), path("last.qpf")});
    SendMessageW(w.importList().window, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    EXPECT_EQ(w.importList().document.count(), 7);
    EXPECT_EQ(ListView_GetItemCount(w.importList().window), 7);
    EXPECT_EQ(w.document().count(), 0) << "the main document is not touched";
    EXPECT_EQ(dialogs_.asked.size(), 0u);

    // A last name cp932 cannot spell is refused; the rows stay.
    std::wstring accented = std::filesystem::path(dir_ / L"caf\u00E9.qpf").wstring();
    std::vector<std::string> texts = withBoxes(
        [&] {
            HDROP refused = editor_test::MakeDrop(std::vector<std::wstring>{accented});
            SendMessageW(w.importList().window, WM_DROPFILES, reinterpret_cast<WPARAM>(refused), 0);
        },
        {IDOK});
    EXPECT_EQ(texts, std::vector<std::string>{"このファイル名は使用できません。"});
    EXPECT_EQ(w.importList().document.count(), 7);
    EXPECT_EQ(ListView_GetItemCount(w.importList().window), 7);
}

// Logging off ends the program: the closing question comes first and its answer decides.
TEST_F(FileCommands, EndingTheSessionAsksFirst) {
    MainWindow& w = *window_;
    EXPECT_EQ(TRUE, SendMessageW(w.window(), WM_QUERYENDSESSION, 0, 0)) << "nothing to lose, no question";
    addPoint("A");
    LRESULT answer = -1;
    auto texts = withBoxes([&] { answer = SendMessageW(w.window(), WM_QUERYENDSESSION, 0, 0); }, {IDCANCEL});
    EXPECT_EQ(texts, std::vector<std::string>{"新規ファイルです。保存しますか？"});
    EXPECT_EQ(FALSE, answer) << "Cancel keeps the session";
    texts = withBoxes([&] { answer = SendMessageW(w.window(), WM_QUERYENDSESSION, 0, 0); }, {IDNO});
    EXPECT_EQ(TRUE, answer);
    EXPECT_TRUE(IsWindow(w.window())) << "the session ends the program, not the question";
}

TEST_F(FileCommands, EveryWayOfClosingAsksFirst) {
    MainWindow& w = *window_;
    addPoint("A");
    struct Way {
        const char* name;
        UINT message;
        WPARAM wParam;
    } ways[] = {
        {"終了 button", WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED)},
        {"Esc", WM_COMMAND, MAKEWPARAM(IDCANCEL, 0)},
        {"close box", WM_SYSCOMMAND, SC_CLOSE},
        {"ｱﾌﾟﾘｹｰｼｮﾝの終了", WM_COMMAND, MAKEWPARAM(IDM_APP_EXIT, 0)},
        {"Enter", WM_COMMAND, MAKEWPARAM(IDOK, 0)},
    };
    for (const Way& way : ways) {
        bool enter = way.wParam == MAKEWPARAM(IDOK, 0);
        auto texts = withBoxes([&] { SendMessageW(w.window(), way.message, way.wParam, 0); },
                               enter ? std::vector<int>{} : std::vector<int>{IDCANCEL});
        if (!enter) {
            EXPECT_EQ(texts.at(0), "新規ファイルです。保存しますか？") << way.name;
        }
        EXPECT_TRUE(IsWindow(w.window())) << way.name;
        EXPECT_TRUE(w.document().isModified()) << way.name;
    }
}

// Open and drops replace modified points only after the closing question, in both ways in.
TEST_F(FileCommands, OpeningOrDroppingOverUnsavedPointsAsksFirst) {
    writePoints(path("other.qpf"), 3);
    std::filesystem::create_directories(path("dir.qpf"));
    struct Answer {
        const char* name;
        const char* target;            // the unsaved points' own file ("" for a new document)
        std::vector<int> buttons;      // the question's answer, then any error box
        std::vector<std::string> save; // what a Save As dialog answers ("" cancels)
        bool opened;
    } answers[] = {
        {"Cancel", "", {IDCANCEL}, {}, false},
        {"No", "", {IDNO}, {}, true},
        {"Yes, saved to its file", "mine.qpf", {IDYES}, {}, true},
        {"Yes, saved under a new name", "", {IDYES}, {path("named.qpf")}, true},
        {"Yes, Save As cancelled", "", {IDYES}, {""}, false},
        {"Yes, the write fails", "dir.qpf", {IDYES, IDOK}, {}, false},
    };
    for (bool drop : {false, true}) {
        for (const Answer& a : answers) {
            std::string way = std::string(drop ? "drop, " : "open, ") + a.name;
            std::filesystem::remove(path("mine.qpf"));
            std::filesystem::remove(path("named.qpf"));
            window_ = std::make_unique<MainWindow>(nullptr, "");
            ASSERT_NE(window_->CreateModeless(), nullptr);
            MainWindow& w = *window_;
            if (a.target[0] != '\0') {
                lstrcpyA(w.currentFilePath(), path(a.target).c_str());
                lstrcpyA(w.saveTargetPath(), path(a.target).c_str());
            }
            addPoint("unsaved");
            w.RefillMainList();
            dialogs_.asked.clear();
            dialogs_.answers.clear();
            if (!drop) dialogs_.answers.push_back(path("other.qpf"));
            for (const std::string& s : a.save)
                dialogs_.answers.push_back(s);
            auto texts = withBoxes(
                [&] {
                    if (drop) {
                        HDROP files = editor_test::MakeDrop({path("other.qpf")});
                        SendMessageW(w.window(), WM_DROPFILES, reinterpret_cast<WPARAM>(files), 0);
                    } else {
                        w.OnFileOpen();
                    }
                },
                a.buttons);
            ASSERT_FALSE(texts.empty()) << way;
            EXPECT_EQ(texts[0], a.target[0] != '\0' ? path(a.target) + "は変更されています。保存しますか？"
                                                    : std::string("新規ファイルです。保存しますか？"))
                << way;
            if (a.opened) {
                EXPECT_EQ(w.document().count(), 3) << way;
                EXPECT_STREQ(w.document().getName(0), "N0") << way;
                EXPECT_FALSE(w.document().isModified()) << way;
                EXPECT_STREQ(w.saveTargetPath(), path("other.qpf").c_str()) << way;
                EXPECT_EQ(statusPane(w.statusBar(), 0), path("other.qpf")) << way;
            } else {
                ASSERT_EQ(w.document().count(), 1) << way;
                EXPECT_STREQ(w.document().getName(0), "unsaved") << way;
                EXPECT_TRUE(w.document().isModified()) << way;
                EXPECT_STRNE(w.saveTargetPath(), path("other.qpf").c_str()) << way;
            }
            EXPECT_EQ(ListView_GetItemCount(w.mainList().window), w.document().count()) << way;
            // Yes wrote the unsaved points before they went.
            bool saved = a.buttons.size() == 1 && a.buttons[0] == IDYES && a.opened;
            std::string written = readBytes(path(a.target[0] != '\0' ? a.target : "named.qpf"));
            EXPECT_EQ(saved, written.find("#unsaved\t") != std::string::npos) << way;
            w.document().setModified(false);
        }
    }
}

TEST_F(FileCommands, AnUnreadableFileReplacesNothingSoNothingIsAsked) {
    MainWindow& w = *window_;
    addPoint("unsaved");
    dialogs_.answers = {path("missing.qpf")};
    auto texts = withBoxes([&] { w.OnFileOpen(); }, {IDOK});
    EXPECT_EQ(texts, std::vector<std::string>{"ファイルが見つかりませんでした。"});
    EXPECT_EQ(w.document().count(), 1);
    EXPECT_TRUE(w.document().isModified());
}
