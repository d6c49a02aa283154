// Undo and redo, find, sorting and duplicates on the real main window: commands through the
// window's menu and keys, dialogs and message boxes driven for real.
#include "editing_dialog_driver.h"
#include "editor_test_support.h"
#include "editor_texts.h"
#include "map_link.h"
#include "text_bytes.h"
#include "resource_ids.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <cstring>
#include <string>
#include <vector>

using namespace editor_test;
using editing_test::Driver;
using editing_test::RunDriven;

namespace {

using Names = std::vector<std::string>;
constexpr UINT kGrayed = MF_GRAYED;

class EditorToolsTest : public ::testing::Test {
  protected:
    void Open(const std::vector<PointSpec>& points) {
        file_ = WriteQpf(dir_.file("points.qpf"), points);
        editor_ = OpenEditor(file_.c_str(), [](MainWindow& w) {
            // No bridge program starts: capture takes the position it was given.
            copyInto(LinkOf(w).bridgeCommandLine, "TenmarkNoSuchBridge.exe");
        });
        ASSERT_EQ(static_cast<int>(points.size()), RowCount(list()));
    }
    void TearDown() override {
        if (editor_.main) editor_.main->document().setModified(false);
    }

    MainWindow& main() { return *editor_.main; }
    HWND list() { return main().mainList().window; }
    void Command(int id) { SendMessageW(editor_.window(), WM_COMMAND, MAKEWPARAM(id, 0), 0); }
    void Select(const std::vector<int>& rows) {
        for (int row = 0; row < RowCount(list()); ++row)
            SetRowState(list(), row, 0, LVIS_SELECTED | LVIS_FOCUSED);
        for (int row : rows)
            SetRowState(list(), row, LVIS_SELECTED, LVIS_SELECTED);
    }
    std::vector<int> Selected() {
        std::vector<int> rows;
        for (int row = 0; row < RowCount(list()); ++row)
            if (RowState(list(), row, LVIS_SELECTED) != 0) rows.push_back(row);
        return rows;
    }
    // A key as the keyboard sends it to the focused control, with Ctrl held or not.
    void Key(UINT key, bool control) {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_CONTROL] = control ? 0x80 : 0;
        SetKeyboardState(keys);
        PostMessageW(list(), WM_KEYDOWN, key, 1);
        Pump();
        keys[VK_CONTROL] = 0;
        SetKeyboardState(keys);
    }
    // Runs a command that opens the edit dialog, and sets its name box before OK.
    void EditWithName(int command, const wchar_t* name) {
        RunDriven(
            [&] {
                Command(command);
                return 0;
            },
            [&](const Driver& d) {
                HWND dialog = d.WaitForDialog(L"編集");
                ASSERT_NE(dialog, nullptr);
                d.SetText(dialog, IDC_EDIT_NAME, name);
                d.Click(dialog, IDOK);
            });
    }
    // Finds `text` through 検索…; with `answered`, the find shows a message, whose text comes back.
    std::string FindFromMenu(const wchar_t* text, bool answered = false) {
        std::string message;
        RunDriven(
            [&] {
                Command(IDM_EDIT_FIND);
                return 0;
            },
            [&](const Driver& d) {
                HWND dialog = d.WaitForDialog(L"検索");
                ASSERT_NE(dialog, nullptr);
                d.SetText(dialog, IDC_FIND_TEXT, text);
                if (answered) {
                    d.ClickAsync(dialog, IDOK);
                    message = editing_test::AnswerMessageBox(d, editing_test::ExeTitle().c_str());
                } else {
                    d.Click(dialog, IDOK);
                }
            });
        return message;
    }
    // Both the points and the rows, which must agree.
    Names Points() {
        Names names = DocumentNames(main().document());
        EXPECT_EQ(names, RowNames(list()));
        return names;
    }
    std::string CountPane() { return StatusPane(main().statusBar(), 2); }
    UINT MenuState(int id) { return GetMenuState(GetMenu(editor_.window()), id, MF_BYCOMMAND) & MF_GRAYED; }

    TempDir dir_;
    std::string file_;
    Editor editor_;
};

std::vector<PointSpec> Numbered(int n) {
    static const char* const kNames[] = {"P0", "P1", "P2", "P3", "P4", "P5", "P6", "P7"};
    std::vector<PointSpec> points;
    for (int i = 0; i < n; ++i)
        points.push_back(PointSpec{kNames[i], "01"});
    return points;
}

} // namespace

TEST_F(EditorToolsTest, EveryKindOfChangeIsUndoneAndRedoneWithListSelectionAndStatus) {
    Open(Numbered(4));
    std::vector<PointRecord> loaded;
    for (int i = 0; i < 4; ++i)
        loaded.push_back(*main().document().recordAt(i));
    std::vector<Names> states{Points()};

    Select({1});
    EditWithName(IDC_CHANGE, L"X"); // change
    states.push_back(Points());
    Select({0});
    EditWithName(IDC_ADD, L"N"); // add
    states.push_back(Points());
    Select({2});
    Command(IDC_DELETE); // delete X
    states.push_back(Points());

    // Drag reorder: N from row 0 to just before row 3.
    SendListNotify(editor_.window(), list(), LVN_BEGINDRAG, 0, RowCentre(list(), 0));
    POINT over = RowCentre(list(), 3);
    SendMessageW(list(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(over.x, over.y));
    SendMessageW(list(), WM_LBUTTONUP, 0, MAKELPARAM(over.x, over.y));
    states.push_back(Points());

    // Transfer: an import row dragged onto main row 1.
    std::string imported = WriteQpf(dir_.file("import.qpf"), {{"I0", "02"}});
    main().LoadImportList(imported.c_str());
    HWND import = main().importList().window;
    SetRowState(import, 0, LVIS_SELECTED, LVIS_SELECTED);
    SendListNotify(editor_.window(), import, LVN_BEGINDRAG, 0, RowCentre(import, 0));
    POINT target = RowCentre(list(), 1);
    MapWindowPoints(list(), import, &target, 1);
    SendMessageW(import, WM_LBUTTONUP, 0,
                 MAKELPARAM(static_cast<short>(target.x), static_cast<short>(target.y)));
    states.push_back(Points());

    // Capture of the map's mark position.
    copyInto(LinkOf(main()).capturedLatitude, "35.40.52.000");
    copyInto(LinkOf(main()).capturedLongitude, "139.46.01.700");
    Command(IDC_CAPTURE);
    states.push_back(Points());

    Command(IDM_SORT_NAME);
    states.push_back(Points());
    ASSERT_EQ(states.size(), 8u);
    for (size_t k = 1; k < states.size(); ++k)
        ASSERT_NE(states[k], states[k - 1]) << "step " << k << " changed nothing";

    for (size_t k = states.size() - 1; k > 0; --k) {
        Command(IDM_EDIT_UNDO);
        EXPECT_EQ(Points(), states[k - 1]) << "undo of step " << k;
        EXPECT_EQ(CountPane(), "地点登録数  " + std::to_string(states[k - 1].size())) << k;
        if (k == 3) {
            EXPECT_EQ(Selected(), std::vector<int>{2}) << "the deleted point comes back selected";
        }
    }
    EXPECT_FALSE(main().document().isModified()) << "back at the file as read";
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(0, std::memcmp(main().document().recordAt(i), &loaded[static_cast<size_t>(i)],
                                 sizeof(PointRecord)))
            << "record " << i << " came back whole";
    EXPECT_EQ(kGrayed, MenuState(IDM_EDIT_UNDO));

    for (size_t k = 1; k < states.size(); ++k) {
        Command(IDM_EDIT_REDO);
        EXPECT_EQ(Points(), states[k]) << "redo of step " << k;
    }
    EXPECT_TRUE(main().document().isModified());
    EXPECT_EQ(kGrayed, MenuState(IDM_EDIT_REDO));
}

TEST_F(EditorToolsTest, KeysReachUndoAndRedoAndTheContextMenuKeepsItsThreeItems) {
    Open(Numbered(3));
    EXPECT_EQ(kGrayed, MenuState(IDM_EDIT_UNDO));
    Select({0});
    Command(IDC_DELETE);
    EXPECT_EQ(0u, MenuState(IDM_EDIT_UNDO));
    Key('Z', true);
    EXPECT_EQ(Points(), (Names{"P0", "P1", "P2"}));
    Key('Z', false);
    Key('Y', false);
    EXPECT_EQ(Points(), (Names{"P0", "P1", "P2"})) << "without Ctrl the letters do nothing";
    Key('Y', true);
    EXPECT_EQ(Points(), (Names{"P1", "P2"}));
    int shown = 0;
    EXPECT_EQ((Names{"変更", "追加", "削除"}), ContextMenuOf(editor_.window(), list(), &shown));
}

TEST_F(EditorToolsTest, UndoingBackToTheSavedPointsAsksNothingOnClosing) {
    Open(Numbered(3));
    Select({0});
    Command(IDC_DELETE);
    Command(IDM_FILE_SAVE);
    Select({0});
    Command(IDC_DELETE);
    EXPECT_TRUE(main().document().isModified());
    Command(IDM_EDIT_UNDO);
    EXPECT_FALSE(main().document().isModified());
    {
        DialogWatcher question(MessageBoxCaption(), IDCANCEL);
        EXPECT_TRUE(main().QueryClose());
        Pump(200);
        EXPECT_EQ(question.seen(), 0);
    }
    // One step further back the points differ from the file again.
    Command(IDM_EDIT_UNDO);
    EXPECT_TRUE(main().document().isModified());
    DialogWatcher question(MessageBoxCaption(), IDCANCEL);
    EXPECT_FALSE(main().QueryClose());
    EXPECT_EQ(question.seen(), 1);
}

TEST_F(EditorToolsTest, FindSelectsTheNextMatchAndF3GoesOn) {
    Open({{"駅前", "01", "139/46/00.0", "035/40/50.5", "エキマエ"},
          {"公園", "01", "139/46/00.0", "035/40/50.5", "コウエン", "03-1111"},
          {"駅裏", "01", "139/46/00.0", "035/40/50.5", "ｴｷｳﾗ"}});
    Select({1});
    SetRowState(list(), 1, LVIS_FOCUSED, LVIS_FOCUSED);
    std::string asked;
    RunDriven(
        [&] {
            Key('F', true);
            return 0;
        },
        [&](const Driver& d) {
            HWND dialog = d.WaitForDialog(L"検索");
            ASSERT_NE(dialog, nullptr);
            d.SetText(dialog, IDC_FIND_TEXT, L"ｴｷ");
            d.Click(dialog, IDOK);
        });
    EXPECT_EQ(Selected(), std::vector<int>{2}) << "from the row the user is on";
    EXPECT_EQ(static_cast<UINT>(LVIS_FOCUSED), RowState(list(), 2, LVIS_FOCUSED));
    EXPECT_EQ("   3行", StatusPane(main().statusBar(), 1));
    Key(VK_F3, false);
    EXPECT_EQ(Selected(), std::vector<int>{0}) << "round past the end";

    // The phone counts too, full-width digits alike; a text nobody holds is said so.
    FindFromMenu(L"１１１");
    EXPECT_EQ(Selected(), std::vector<int>{1});
    std::string message = FindFromMenu(L"空港", true);
    EXPECT_EQ(message, "「空港」は見つかりません。");
    EXPECT_EQ(Selected(), std::vector<int>{1}) << "the selection stays";
}

TEST_F(EditorToolsTest, SortingTheSameWayAgainReversesAndEachSortIsOneStep) {
    Open({{"B", "01"}, {"C", "02"}, {"A", "03"}});
    Select({1});
    Command(IDM_SORT_NAME);
    EXPECT_EQ(Points(), (Names{"A", "B", "C"}));
    EXPECT_EQ(Selected(), std::vector<int>{2}) << "the selection travels with its point";
    Command(IDM_SORT_NAME);
    EXPECT_EQ(Points(), (Names{"C", "B", "A"}));
    Command(IDM_SORT_MARK);
    EXPECT_EQ(Points(), (Names{"B", "C", "A"}));
    Command(IDM_EDIT_UNDO);
    EXPECT_EQ(Points(), (Names{"C", "B", "A"}));
    Command(IDM_EDIT_UNDO);
    EXPECT_EQ(Points(), (Names{"A", "B", "C"}));
    // A header click still sorts nothing.
    SendListNotify(editor_.window(), list(), LVN_COLUMNCLICK, -1, POINT{0, 0});
    EXPECT_EQ(Points(), (Names{"A", "B", "C"}));
}

TEST_F(EditorToolsTest, DuplicatesAreSelectedCountedAndTheirDeleteUndone) {
    Open({{"A", "01", "139/46/00.0", "035/40/50.0"},
          {"B", "01", "139/46/00.0", "035/40/50.9"}, // 28 m north of A
          {"C", "01", "139/50/00.0", "035/41/00.0"},
          {"A", "01", "139/55/00.0", "035/42/00.0"}, // A's name again
          {"E", "01", "139/58/00.0", "035/42/00.0"}});
    Command(IDM_SELECT_DUPLICATES);
    EXPECT_EQ(Selected(), (std::vector<int>{0, 1, 3}));
    EXPECT_EQ("重複 3地点", StatusPane(main().statusBar(), 1));
    Select({1, 3});
    Command(IDC_DELETE);
    EXPECT_EQ(Points(), (Names{"A", "C", "E"}));
    Command(IDM_EDIT_UNDO);
    EXPECT_EQ(Points(), (Names{"A", "B", "C", "A", "E"}));
    EXPECT_FALSE(main().document().isModified());
}
