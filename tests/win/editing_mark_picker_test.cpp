// The mark picker, alone and opened from the edit dialog's preview.
#include "editing_dialog_driver.h"
#include "editing_test_support.h"

#include "edit_dialog_ids.h"
#include "mark_picker_dialog.h"
#include "point_document.h"
#include "point_edit_dialog.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <set>
#include <vector>

using namespace editing_test;

namespace {

const wchar_t kPickerCaption[] = L"ﾀﾞｲｱﾛｸﾞ";

class MarkPickerTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { InitControls(); }

    int RunPicker(const MarkIconSource& icons, const std::function<void(const Driver&, HWND)>& script) {
        return RunDriven(
            [&] {
                MarkPickerDialog picker(icons, 31);
                return picker.Run(nullptr);
            },
            [&](const Driver& driver) {
                HWND dialog = driver.WaitForDialog(kPickerCaption);
                ASSERT_NE(dialog, nullptr) << "the mark picker did not open";
                script(driver, dialog);
            });
    }

    MarkIconSource Icons() {
        return [this](int k) { return marks_.Make(k); };
    }

    TestMarkIcons marks_;
};

TEST_F(MarkPickerTest, TheGridButtonsRunLeftToRightTopToBottom) {
    EXPECT_EQ(MarkPickerDialog::ButtonIdOfMark(1), 1001);
    EXPECT_EQ(MarkPickerDialog::ButtonIdOfMark(3), 1068);
    EXPECT_EQ(MarkPickerDialog::ButtonIdOfMark(6), 1003);
    EXPECT_EQ(MarkPickerDialog::ButtonIdOfMark(11), 1005);
    EXPECT_EQ(MarkPickerDialog::ButtonIdOfMark(12), 1012);
    EXPECT_EQ(MarkPickerDialog::ButtonIdOfMark(23), 1034);
    EXPECT_EQ(MarkPickerDialog::ButtonIdOfMark(34), 1045);
    EXPECT_EQ(MarkPickerDialog::ButtonIdOfMark(55), 1066);
    EXPECT_EQ(MarkPickerDialog::ButtonIdOfMark(56), 0);
    EXPECT_EQ(MarkPickerDialog::ButtonIdOfMark(0), 0);
}

TEST_F(MarkPickerTest, EachButtonShowsItsOwnMarkAndMarksTheBoxCannotHoldAreDisabled) {
    std::vector<int> shown(56, -1);
    std::vector<bool> enabled(56, false);
    std::vector<RECT> places(56);
    int children = 0;
    int result = RunPicker(Icons(), [&](const Driver& d, HWND dialog) {
        for (HWND child = GetWindow(dialog, GW_CHILD); child != nullptr;
             child = GetWindow(child, GW_HWNDNEXT)) {
            ++children;
        }
        for (int mark = 1; mark <= 55; ++mark) {
            HWND button = GetDlgItem(dialog, MarkPickerDialog::ButtonIdOfMark(mark));
            auto icon = reinterpret_cast<HICON>(SendMessageW(button, BM_GETIMAGE, IMAGE_ICON, 0));
            shown[mark] = TestMarkIcons::IndexOf(icon) + 1;
            enabled[mark] = IsWindowEnabled(button) != FALSE;
            GetWindowRect(button, &places[mark]);
            MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&places[mark]), 2);
        }
        d.Click(dialog, IDOK);
    });
    EXPECT_EQ(result, 0);
    EXPECT_EQ(children, 57);
    for (int mark = 1; mark <= 55; ++mark) {
        EXPECT_EQ(shown[mark], mark) << "button of mark " << mark;
        EXPECT_EQ(enabled[mark], mark <= 31) << "button of mark " << mark;
    }
    // Same row, columns left to right; the next row below.
    EXPECT_EQ(places[1].top, places[11].top);
    EXPECT_LT(places[1].left, places[2].left);
    EXPECT_LT(places[10].left, places[11].left);
    EXPECT_GT(places[12].top, places[1].top);
    EXPECT_EQ(places[12].left, places[1].left);
    EXPECT_GT(places[45].top, places[34].top);
}

TEST_F(MarkPickerTest, ClickingAMarkChoosesItAndCloses) {
    bool closed = false;
    int result = RunPicker(Icons(), [&](const Driver& d, HWND dialog) {
        d.Click(dialog, MarkPickerDialog::ButtonIdOfMark(3));
        closed = d.WaitGone(dialog);
    });
    EXPECT_TRUE(closed);
    EXPECT_EQ(result, 3);
}

TEST_F(MarkPickerTest, OkAndCancelChooseNothing) {
    EXPECT_EQ(RunPicker(Icons(), [](const Driver& d, HWND dialog) { d.Click(dialog, IDOK); }), 0);
    EXPECT_EQ(RunPicker(Icons(), [](const Driver& d, HWND dialog) { d.Click(dialog, IDCANCEL); }), 0);
    EXPECT_EQ(RunPicker(Icons(), [](const Driver&, HWND dialog) { SendMessageW(dialog, WM_CLOSE, 0, 0); }),
              0);
}

TEST_F(MarkPickerTest, OpensWithoutAnyIconsAndClosesNormally) {
    bool anyImage = true;
    int result = RunPicker([](int) -> HICON { return nullptr; },
                           [&](const Driver& d, HWND dialog) {
                               anyImage = false;
                               for (int mark = 1; mark <= 55; ++mark) {
                                   HWND button = GetDlgItem(dialog, MarkPickerDialog::ButtonIdOfMark(mark));
                                   if (SendMessageW(button, BM_GETIMAGE, IMAGE_ICON, 0) != 0) anyImage = true;
                               }
                               d.Click(dialog, IDCANCEL);
                           });
    EXPECT_EQ(result, 0);
    EXPECT_FALSE(anyImage);
}

class PreviewPickerTest : public MarkPickerTest {
  protected:
    int EditWithPicker(const std::function<void(const Driver&, HWND edit, HWND picker)>& script) {
        MarkIconSource icons = Icons();
        return RunDriven([&] { return EditPoint(nullptr, document_, icons, false, 0); },
                         [&](const Driver& driver) {
                             HWND edit = driver.WaitForDialog(L"編集");
                             ASSERT_NE(edit, nullptr);
                             driver.MouseClickAsync(edit, IDC_EDIT_MARK_PREVIEW);
                             HWND picker = driver.WaitForDialog(kPickerCaption);
                             ASSERT_NE(picker, nullptr) << "the preview click opened no picker";
                             script(driver, edit, picker);
                         });
    }

    void SetUp() override {
        document_.insertBlank(0);
        document_.setMarkNumber(0, "04");
        document_.setModified(false);
    }

    FixedClock clock_;
    PointDocument document_{clock_};
};

TEST_F(PreviewPickerTest, AChosenMarkGoesIntoTheMarkBox) {
    std::string box;
    bool ownedByEdit = false;
    int preview = 0;
    RECT previewRect{}, pickerRect{};
    EditWithPicker([&](const Driver& d, HWND edit, HWND picker) {
        ownedByEdit = GetWindow(picker, GW_OWNER) == edit;
        GetWindowRect(GetDlgItem(edit, IDC_EDIT_MARK_PREVIEW), &previewRect);
        GetWindowRect(picker, &pickerRect);
        d.Click(picker, MarkPickerDialog::ButtonIdOfMark(17));
        d.WaitGone(picker);
        // The box is filled once the picker's modal run has returned on the UI thread,
        // which may be a moment after the picker disappeared.
        for (int i = 0; i < 100; ++i) {
            box = d.TextCp932(edit, IDC_EDIT_MARK_NUMBER);
            if (box == "17") break;
            Sleep(20);
        }
        auto icon =
            reinterpret_cast<HICON>(SendDlgItemMessageW(edit, IDC_EDIT_MARK_PREVIEW, STM_GETICON, 0, 0));
        preview = TestMarkIcons::IndexOf(icon) + 1;
        d.Click(edit, IDOK);
    });
    EXPECT_TRUE(ownedByEdit);
    // It drops down from the preview that was clicked.
    EXPECT_EQ(pickerRect.left, previewRect.left);
    EXPECT_EQ(pickerRect.top, previewRect.bottom);
    EXPECT_EQ(box, "17");
    EXPECT_EQ(preview, 17);
    EXPECT_STREQ(document_.getMarkNumber(0), "17");
}

TEST_F(PreviewPickerTest, ClosingThePickerLeavesTheMarkAsItWas) {
    std::string afterOk, afterCancel;
    EditWithPicker([&](const Driver& d, HWND edit, HWND picker) {
        d.Click(picker, IDOK);
        d.WaitGone(picker);
        afterOk = d.TextCp932(edit, IDC_EDIT_MARK_NUMBER);
        d.MouseClickAsync(edit, IDC_EDIT_MARK_PREVIEW);
        HWND again = d.WaitForDialog(kPickerCaption);
        if (again != nullptr) {
            d.Click(again, IDCANCEL);
            d.WaitGone(again);
        }
        afterCancel = d.TextCp932(edit, IDC_EDIT_MARK_NUMBER);
        d.Click(edit, IDOK);
    });
    EXPECT_EQ(afterOk, "4");
    EXPECT_EQ(afterCancel, "4");
    EXPECT_STREQ(document_.getMarkNumber(0), "04");
    EXPECT_FALSE(document_.isModified());
}

} // namespace
