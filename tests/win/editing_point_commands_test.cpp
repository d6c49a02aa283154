// The point commands on the real main window: change, add, delete and the transfer of
// imported points, with the edit dialog and the message boxes driven for real.
#include "editing_dialog_driver.h"
#include "editing_test_support.h"
#include "editor_test_support.h"

#include "field_conversions.h"
#include "editor_texts.h"
#include "resource_ids.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

using namespace editing_test;
using editor_test::DocumentNames;
using editor_test::Editor;
using editor_test::ListCell;
using editor_test::OpenEditor;
using editor_test::RowCentre;
using editor_test::RowImage;
using editor_test::RowNames;
using editor_test::SetRowState;
using editor_test::StatusPane;

namespace {

const wchar_t kEditCaption[] = L"編集";
const char kTooMany[] = "200地点以上は登録出来ません";

std::vector<int> RowsWith(HWND list, UINT flag) {
    std::vector<int> rows;
    for (int row = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), flag));
         row >= 0;
         row = static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(row), flag))) {
        rows.push_back(row);
    }
    return rows;
}

class PointCommandsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        InitControls();
        editor_ = OpenEditor("");
        ASSERT_NE(editor_.window(), nullptr);
    }

    MainWindow& main() { return *editor_.main; }
    HWND list() { return editor_.main->mainList().window; }
    HWND importList() { return editor_.main->importList().window; }

    // Points named `prefix`0, `prefix`1, ... in the main list, with marks 1, 2, ...
    void FillMain(int n, const char* prefix = "P") {
        Fill(main().document(), n, prefix);
        main().RefillMainList();
    }
    void FillImport(const std::vector<std::string>& names) {
        PointDocument& document = main().importList().document;
        for (const std::string& name : names) {
            int i = document.count();
            document.insertBlank(i);
            document.setName(i, name.c_str());
            document.setMarkNumber(i, "07");
        }
        main().importList().Refill();
    }
    static void Fill(PointDocument& document, int n, const char* prefix) {
        for (int i = 0; i < n; ++i) {
            char name[32], mark[8];
            std::snprintf(name, sizeof name, "%s%d", prefix, i);
            std::snprintf(mark, sizeof mark, "%02d", i % 55 + 1);
            int at = document.count();
            document.insertBlank(at);
            document.setName(at, name);
            document.setMarkNumber(at, mark);
        }
        document.setModified(false);
    }
    void Select(std::initializer_list<int> rows) {
        SetRowState(list(), -1, 0, LVIS_SELECTED | LVIS_FOCUSED);
        for (int row : rows)
            SetRowState(list(), row, LVIS_SELECTED, LVIS_SELECTED);
    }

    // Presses a button of the main window (its click runs the command on this thread) while
    // `script` drives what the command opens.
    void Press(int id, const std::function<void(const Driver&)>& script) {
        HWND button = editor_.control(id);
        RunDriven(
            [&] {
                SendMessageW(button, BM_CLICK, 0, 0);
                return 0;
            },
            script);
    }
    // The edit dialog the command opened, with its name box's text.
    static HWND EditDialog(const Driver& d, std::string* shownName = nullptr) {
        HWND dialog = d.WaitForDialog(kEditCaption);
        EXPECT_NE(dialog, nullptr) << "the edit dialog did not open";
        if (dialog != nullptr && shownName != nullptr) *shownName = d.TextCp932(dialog, IDC_EDIT_NAME);
        return dialog;
    }
    static void FillNameAndOk(const Driver& d, const wchar_t* name) {
        HWND dialog = EditDialog(d);
        if (dialog == nullptr) return;
        d.SetText(dialog, IDC_EDIT_NAME, name);
        d.Click(dialog, IDOK);
    }
    // True when no edit dialog shows up within a second (one that does is cancelled).
    static bool NoEditDialog(const Driver& d) {
        HWND dialog = d.WaitForDialog(kEditCaption, 1000);
        return dialog == nullptr;
    }

    void ExpectInStep() {
        EXPECT_EQ(RowNames(list()), DocumentNames(main().document()));
        for (int i = 0; i < main().document().count(); ++i) {
            EXPECT_EQ(ListCell(list(), i, 3), main().document().getMarkNumber(i)) << "row " << i;
        }
    }
    std::string CountPane() { return StatusPane(main().statusBar(), 2); }

    Editor editor_;
};

using Names = std::vector<std::string>;

TEST_F(PointCommandsTest, AddGoesBeforeTheSelectedPointWhichStaysSelected) {
    FillMain(5);
    Select({2});
    Press(IDC_ADD, [](const Driver& d) { FillNameAndOk(d, L"NEW"); });
    EXPECT_EQ(DocumentNames(main().document()), (Names{"P0", "P1", "NEW", "P2", "P3", "P4"}));
    ExpectInStep();
    EXPECT_EQ(RowsWith(list(), LVNI_SELECTED), std::vector<int>{3});
    EXPECT_EQ(CountPane(), "地点登録数  6");
    EXPECT_STREQ(main().document().getMarkNumber(2), "01");
    EXPECT_TRUE(main().document().isModified());
}

TEST_F(PointCommandsTest, AddWithNothingSelectedGoesToTheTopAndIsSelected) {
    FillMain(3);
    Select({});
    Press(IDC_ADD, [](const Driver& d) { FillNameAndOk(d, L"TOP"); });
    EXPECT_EQ(DocumentNames(main().document()), (Names{"TOP", "P0", "P1", "P2"}));
    ExpectInStep();
    EXPECT_EQ(RowsWith(list(), LVNI_SELECTED), std::vector<int>{0});
    EXPECT_EQ(CountPane(), "地点登録数  4");
}

TEST_F(PointCommandsTest, AddWithSeveralSelectedKeepsOnlyTheLastSelected) {
    FillMain(5);
    Select({1, 3});
    Press(IDC_ADD, [](const Driver& d) { FillNameAndOk(d, L"NEW"); });
    EXPECT_EQ(DocumentNames(main().document()), (Names{"P0", "NEW", "P1", "P2", "P3", "P4"}));
    EXPECT_EQ(RowsWith(list(), LVNI_SELECTED), std::vector<int>{4});
    ExpectInStep();
}

TEST_F(PointCommandsTest, CancelledAddInsertsNothing) {
    FillMain(3);
    Select({1});
    Press(IDC_ADD, [](const Driver& d) {
        HWND dialog = EditDialog(d);
        if (dialog != nullptr) d.Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(DocumentNames(main().document()), (Names{"P0", "P1", "P2"}));
    ExpectInStep();
    EXPECT_EQ(RowsWith(list(), LVNI_SELECTED), std::vector<int>{1});
    EXPECT_FALSE(main().document().isModified());
}

TEST_F(PointCommandsTest, AddAtTwoHundredPointsOnlyShowsTheMessage) {
    FillMain(199);
    Press(IDC_ADD, [](const Driver& d) { FillNameAndOk(d, L"LAST"); });
    EXPECT_EQ(main().document().count(), 200);
    ExpectInStep();
    EXPECT_EQ(CountPane(), "地点登録数  200");

    std::string message;
    bool dialogOpened = true;
    Press(IDC_ADD, [&](const Driver& d) {
        message = AnswerMessageBox(d, ExeTitle().c_str());
        dialogOpened = !NoEditDialog(d);
    });
    EXPECT_EQ(message, kTooMany);
    EXPECT_FALSE(dialogOpened);
    EXPECT_EQ(main().document().count(), 200);
    ExpectInStep();
}

TEST_F(PointCommandsTest, ChangeEditsTheFirstSelectedRowOnly) {
    FillMain(5);
    Select({1, 3});
    std::string shown;
    // The menu item and the context menu send the button's command.
    RunDriven(
        [&] {
            SendMessageW(editor_.window(), WM_COMMAND, MAKEWPARAM(IDC_CHANGE, 0), 0);
            return 0;
        },
        [&](const Driver& d) {
            HWND dialog = EditDialog(d, &shown);
            if (dialog == nullptr) return;
            d.SetText(dialog, IDC_EDIT_NAME, L"CHANGED");
            d.SetText(dialog, IDC_EDIT_MARK_NUMBER, L"9");
            d.Click(dialog, IDOK);
        });
    EXPECT_EQ(shown, "P1");
    EXPECT_EQ(DocumentNames(main().document()), (Names{"P0", "CHANGED", "P2", "P3", "P4"}));
    EXPECT_EQ(ListCell(list(), 1, 3), "09");
    EXPECT_EQ(RowImage(list(), 1), 8);
    ExpectInStep();
    EXPECT_EQ(RowsWith(list(), LVNI_SELECTED), (std::vector<int>{1, 3}));
}

TEST_F(PointCommandsTest, DoubleClickEditsTheRowClicked) {
    FillMain(4);
    Select({2});
    std::string shown;
    POINT at = RowCentre(list(), 2);
    RunDriven(
        [&] {
            SendMessageW(list(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(at.x, at.y));
            return 0;
        },
        [&](const Driver& d) {
            HWND dialog = EditDialog(d, &shown);
            if (dialog == nullptr) return;
            d.SetText(dialog, IDC_EDIT_PHONE, L"011-222-3333");
            d.Click(dialog, IDOK);
        });
    EXPECT_EQ(shown, "P2");
    EXPECT_STREQ(main().document().getPhone(2), "011-222-3333");
    EXPECT_EQ(ListCell(list(), 2, 5), "011-222-3333");
}

TEST_F(PointCommandsTest, CancelledChangeRewritesTheRowUnchanged) {
    FillMain(3);
    Select({0});
    // A row that shows something else than its point is put right by the rewrite.
    SetRowState(list(), 0, LVIS_SELECTED, LVIS_SELECTED);
    LVITEMW item = {};
    wchar_t stale[] = L"STALE";
    item.iSubItem = 4;
    item.pszText = stale;
    SendMessageW(list(), LVM_SETITEMTEXTW, 0, reinterpret_cast<LPARAM>(&item));
    Press(IDC_CHANGE, [](const Driver& d) {
        HWND dialog = EditDialog(d);
        if (dialog != nullptr) d.Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(ListCell(list(), 0, 4), "");
    ExpectInStep();
    EXPECT_FALSE(main().document().isModified());
}

TEST_F(PointCommandsTest, ChangeAndDeleteWithNothingSelectedDoNothing) {
    FillMain(3);
    Select({});
    bool noDialog = false;
    Press(IDC_CHANGE, [&](const Driver& d) { noDialog = NoEditDialog(d); });
    EXPECT_TRUE(noDialog);
    Press(IDC_DELETE, [](const Driver&) {});
    EXPECT_EQ(DocumentNames(main().document()), (Names{"P0", "P1", "P2"}));
    ExpectInStep();
}

TEST_F(PointCommandsTest, DeleteRemovesTheNotedRowsAndSelectsTheFollowingOnes) {
    FillMain(5);
    Select({1, 3});
    Press(IDC_DELETE, [](const Driver&) {});
    EXPECT_EQ(DocumentNames(main().document()), (Names{"P0", "P2", "P4"}));
    ExpectInStep();
    EXPECT_EQ(RowsWith(list(), LVNI_SELECTED), (std::vector<int>{1, 2}));
    EXPECT_EQ(RowsWith(list(), LVNI_FOCUSED), std::vector<int>{2});
    EXPECT_EQ(CountPane(), "地点登録数  3");
    EXPECT_TRUE(main().document().isModified());
}

TEST_F(PointCommandsTest, DeletingTheLastRowLeavesNothingSelected) {
    FillMain(3);
    Select({2});
    Press(IDC_DELETE, [](const Driver&) {});
    EXPECT_EQ(DocumentNames(main().document()), (Names{"P0", "P1"}));
    EXPECT_TRUE(RowsWith(list(), LVNI_SELECTED).empty());
}

TEST_F(PointCommandsTest, DeletingEveryRowEmptiesListAndDocument) {
    FillMain(6);
    Select({0, 1, 2, 3, 4, 5});
    Press(IDC_DELETE, [](const Driver&) {});
    EXPECT_EQ(main().document().count(), 0);
    EXPECT_EQ(editor_test::RowCount(list()), 0);
    EXPECT_EQ(CountPane(), "地点登録数  0");
}

class TransferTest : public PointCommandsTest {
  protected:
    void SelectImport(std::initializer_list<int> rows) {
        for (int row : rows)
            SetRowState(importList(), row, LVIS_SELECTED, LVIS_SELECTED);
    }
    // Drags the selected import rows and releases them over main row `row` (or below the rows).
    void DragOntoMainRow(int row) {
        SendMessageW(editor_.window(), WM_COMMAND, MAKEWPARAM(IDM_VIEW_IMPORT, 0), 0);
        editor_test::SendListNotify(editor_.window(), importList(), LVN_BEGINDRAG, 0,
                                    RowCentre(importList(), 0));
        POINT at;
        if (row >= 0) {
            at = RowCentre(list(), row);
        } else {
            RECT client = {};
            GetClientRect(list(), &client);
            at = POINT{40, client.bottom - 5};
        }
        MapWindowPoints(list(), importList(), &at, 1);
        LPARAM where = MAKELPARAM(static_cast<short>(at.x), static_cast<short>(at.y));
        SendMessageW(importList(), WM_MOUSEMOVE, MK_LBUTTON, where);
        SendMessageW(importList(), WM_LBUTTONUP, 0, where);
    }
};

TEST_F(TransferTest, CopiesLandAtTheTargetInReverseOrder) {
    FillMain(5);
    FillImport({"A", "B", "C"});
    SelectImport({0, 1, 2});
    DragOntoMainRow(2);
    EXPECT_EQ(DocumentNames(main().document()), (Names{"P0", "P1", "C", "B", "A", "P2", "P3", "P4"}));
    ExpectInStep();
    EXPECT_EQ(CountPane(), "地点登録数  8");
    // The import list is left as it was.
    EXPECT_EQ(RowsWith(importList(), LVNI_SELECTED), (std::vector<int>{0, 1, 2}));
}

TEST_F(TransferTest, ReleasingBelowTheRowsAppends) {
    FillMain(5);
    FillImport({"A", "B", "C"});
    SelectImport({0, 1, 2});
    DragOntoMainRow(-1);
    EXPECT_EQ(DocumentNames(main().document()), (Names{"P0", "P1", "P2", "P3", "P4", "C", "B", "A"}));
    ExpectInStep();
}

TEST_F(TransferTest, OnlySelectedImportRowsAreCopiedAndMainSelectionTravelsWithItsRow) {
    FillMain(3);
    FillImport({"A", "B", "C"});
    SelectImport({1});
    Select({1});
    main().TransferImportedPoints(0);
    EXPECT_EQ(DocumentNames(main().document()), (Names{"B", "P0", "P1", "P2"}));
    EXPECT_EQ(RowsWith(list(), LVNI_SELECTED), std::vector<int>{2});
    ExpectInStep();
}

TEST_F(TransferTest, NoImportSelectionChangesNothingButTheStatusLine) {
    FillMain(2);
    FillImport({"A"});
    SendMessageW(main().statusBar(), SB_SETTEXTW, 2, reinterpret_cast<LPARAM>(L"x"));
    main().TransferImportedPoints(1);
    EXPECT_EQ(DocumentNames(main().document()), (Names{"P0", "P1"}));
    EXPECT_EQ(CountPane(), "地点登録数  2");
}

// An import file written by hand, so its spare fields, date and time differ from a new record's.
std::string WriteImportFile(const std::string& path) {
    auto field = [](const std::string& value) { return "#" + value + "\t"; };
    const char* name = "ABCDEFGHIJKLMNOPQRSTUVWXY"; // 25 bytes: more than a main point holds
    std::string line = field("12") + field("00") + field("00") + field(packCoord("139/45/12.3").text) +
                       field(packCoord("035/40/01.2").text);
    for (int k = 0; k < 4; ++k)
        line += field("0800");
    line += field("00C1") + field("77") + field(nameCount(name).text) + field(name) + field("01") +
            field("06") + field("9999") + field("S17") + field("S18") + field("S19") + field("S20") +
            field("ヨミ") + field(dateTimeField("19990102", "030405").text) + field("99") +
            field("045-000-1111") + "#00\r\n";
    std::ofstream out(path, std::ios::binary);
    out << "登録ポイント\r\n" << line;
    return path;
}

TEST_F(TransferTest, ACopyTakesThePointsFieldsAndANewRecordsStampAndSpares) {
    FillMain(1);
    editor_test::TempDir dir;
    std::string path = WriteImportFile(dir.file("import.qpf"));
    ASSERT_EQ(main().importList().document.loadFile(path.c_str()), 0);
    main().importList().Refill();
    SelectImport({0});
    SYSTEMTIME before = {};
    GetLocalTime(&before);
    main().TransferImportedPoints(0);
    const PointRecord* copy = main().document().recordAt(0);
    ASSERT_NE(copy, nullptr);
    EXPECT_STREQ(copy->name, "ABCDEFGHIJKLMNOPQRST");
    EXPECT_STREQ(copy->markNumber, "12");
    EXPECT_STREQ(copy->longitude, "139/45/12.3");
    EXPECT_STREQ(copy->latitude, "035/40/01.2");
    EXPECT_STREQ(copy->voiceWord, "ヨミ");
    EXPECT_STREQ(copy->phone, "045-000-1111");
    EXPECT_STREQ(copy->soundCode, "00C1");
    EXPECT_STREQ(copy->directionCode, "06");
    EXPECT_EQ(copy->directionEnabled, 1);
    char today[16];
    std::snprintf(today, sizeof today, "%04u%02u%02u", before.wYear, before.wMonth, before.wDay);
    EXPECT_STREQ(copy->date, today);
    EXPECT_STRNE(copy->time, "030405");
    EXPECT_STREQ(copy->spare11, "00");
    EXPECT_STREQ(copy->spare16, "0000");
    EXPECT_STREQ(copy->spare17, "");
    EXPECT_STREQ(copy->spare18, "");
    EXPECT_STREQ(copy->spare19, "");
    EXPECT_STREQ(copy->spare20, "");
    EXPECT_STREQ(copy->spare23, "01");
    // The row shows the point as stored.
    EXPECT_EQ(ListCell(list(), 0, 0), "ABCDEFGHIJKLMNOPQRST");
    EXPECT_EQ(RowImage(list(), 0), 11);
    ExpectInStep();
}

TEST_F(TransferTest, ATransferThatFillsTheListStopsThereAndSaysSoOnce) {
    FillMain(198);
    FillImport({"A", "B", "C", "D"});
    SelectImport({0, 1, 2, 3});
    std::string message;
    bool second = true;
    RunDriven(
        [&] {
            main().TransferImportedPoints(5);
            return 0;
        },
        [&](const Driver& d) {
            message = AnswerMessageBox(d, ExeTitle().c_str());
            second = d.WaitForDialog(ExeTitle().c_str(), 1000) != nullptr;
        });
    EXPECT_EQ(message, kTooMany);
    EXPECT_FALSE(second);
    ASSERT_EQ(main().document().count(), 200);
    EXPECT_EQ(editor_test::RowCount(list()), 200);
    EXPECT_STREQ(main().document().getName(5), "B");
    EXPECT_STREQ(main().document().getName(6), "A");
    EXPECT_STREQ(main().document().getName(7), "P5");
    EXPECT_STREQ(main().document().getName(199), "P197");
    ExpectInStep();
    EXPECT_EQ(CountPane(), "地点登録数  200");
}

} // namespace
