// Dragging: reordering rows of the main list (the point list moves with its rows), and
// dragging rows from the import list into the main list with the three cursors.
#include "editor_test_support.h"
#include "resource_ids.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <string>
#include <vector>

using namespace editor_test;

namespace {

class ReorderTest : public ::testing::Test {
  protected:
    void SetUp() override {
        file_ = WriteNumberedQpf(dir_.file("order.qpf"), 8);
        editor_ = OpenEditor(file_.c_str());
        list_ = editor_.main->mainList().window;
        ASSERT_EQ(8, RowCount(list_));
    }

    // Starts a drag on row `from`, moves over each row of `over`, releases at `release`.
    void Drag(int from, const std::vector<int>& over, POINT release) {
        SendListNotify(editor_.window(), list_, LVN_BEGINDRAG, from, RowCentre(list_, from));
        EXPECT_TRUE(editor_.main->mainList().dragging);
        EXPECT_EQ(list_, GetCapture());
        for (int row : over) {
            POINT at = RowCentre(list_, row);
            SendMessageW(list_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(at.x, at.y));
            EXPECT_EQ(row, editor_.main->mainList().dropTarget);
            // The dragged row itself is the first target and is not highlighted.
            UINT highlight = row == from ? 0u : static_cast<UINT>(LVIS_DROPHILITED);
            EXPECT_EQ(highlight, RowState(list_, row, LVIS_DROPHILITED)) << row;
        }
        SendMessageW(list_, WM_LBUTTONUP, 0, MAKELPARAM(release.x, release.y));
        EXPECT_FALSE(editor_.main->mainList().dragging);
        EXPECT_EQ(nullptr, GetCapture());
        for (int row = 0; row < RowCount(list_); ++row)
            EXPECT_EQ(0u, RowState(list_, row, LVIS_DROPHILITED)) << row;
    }
    void DragTo(int from, int to) { Drag(from, {to}, RowCentre(list_, to)); }

    std::vector<std::string> Names(std::initializer_list<int> order) {
        std::vector<std::string> names;
        for (int i : order)
            names.push_back("P" + std::to_string(i));
        return names;
    }
    void ExpectOrder(std::initializer_list<int> order) {
        EXPECT_EQ(Names(order), DocumentNames(editor_.main->document()));
        EXPECT_EQ(Names(order), RowNames(list_));
        // Every column moved with its row: the mark column still belongs to the name.
        for (int row = 0; row < RowCount(list_); ++row) {
            EXPECT_EQ(editor_.main->document().getMarkNumber(row), ListCell(list_, row, 3)) << row;
        }
    }

    TempDir dir_;
    std::string file_;
    Editor editor_;
    HWND list_ = nullptr;
};

} // namespace

TEST_F(ReorderTest, DownLandsJustBeforeTheReleaseRow) {
    DragTo(2, 5);
    ExpectOrder({0, 1, 3, 4, 2, 5, 6, 7});
    EXPECT_TRUE(editor_.main->document().isModified());
}

TEST_F(ReorderTest, UpPushesTheRowsBetweenDown) {
    DragTo(5, 2);
    ExpectOrder({0, 1, 5, 2, 3, 4, 6, 7});
}

TEST_F(ReorderTest, OnItselfOrTheRowBelowChangesNothing) {
    DragTo(3, 3);
    ExpectOrder({0, 1, 2, 3, 4, 5, 6, 7});
    DragTo(3, 4);
    ExpectOrder({0, 1, 2, 3, 4, 5, 6, 7});
    EXPECT_FALSE(editor_.main->document().isModified());
}

TEST_F(ReorderTest, BelowTheLastRowMovesToTheEnd) {
    POINT last = RowCentre(list_, 7);
    RECT client = {};
    GetClientRect(list_, &client);
    ASSERT_LT(last.y + 30, client.bottom);
    Drag(2, {7}, POINT{last.x, last.y + 30});
    ExpectOrder({0, 1, 3, 4, 5, 6, 7, 2});
}

TEST_F(ReorderTest, AboveTheListUsesTheHighlightedRowItself) {
    Drag(5, {2}, POINT{40, -5});
    ExpectOrder({0, 1, 5, 2, 3, 4, 6, 7});
}

TEST_F(ReorderTest, BesideTheListCountsAsBelowTheHighlightedRow) {
    POINT row4 = RowCentre(list_, 4);
    Drag(1, {4}, POINT{-10, row4.y});
    ExpectOrder({0, 2, 3, 4, 1, 5, 6, 7});
    RECT client = {};
    GetClientRect(list_, &client);
    Drag(6, {2}, POINT{client.right + 10, RowCentre(list_, 2).y});
    ExpectOrder({0, 2, 3, 6, 4, 1, 5, 7});
}

TEST_F(ReorderTest, OnlyTheDraggedRowMovesAndItsStatesGoWithIt) {
    for (int row : {1, 2, 3})
        SetRowState(list_, row, LVIS_SELECTED, LVIS_SELECTED);
    SetRowState(list_, 2, INDEXTOSTATEIMAGEMASK(2), LVIS_STATEIMAGEMASK);
    SetRowState(list_, 6, INDEXTOSTATEIMAGEMASK(2), LVIS_STATEIMAGEMASK);
    Drag(2, {4, 6}, RowCentre(list_, 6));
    ExpectOrder({0, 1, 3, 4, 5, 2, 6, 7});
    // P2 kept its selection and check mark; P1 and P3 kept their selection; P6 its check.
    EXPECT_EQ(static_cast<UINT>(LVIS_SELECTED), RowState(list_, 5, LVIS_SELECTED));
    EXPECT_TRUE(RowChecked(list_, 5));
    EXPECT_EQ(static_cast<UINT>(LVIS_SELECTED), RowState(list_, 1, LVIS_SELECTED));
    EXPECT_EQ(static_cast<UINT>(LVIS_SELECTED), RowState(list_, 2, LVIS_SELECTED));
    EXPECT_EQ(0u, RowState(list_, 3, LVIS_SELECTED));
    EXPECT_TRUE(RowChecked(list_, 6));
    EXPECT_FALSE(RowChecked(list_, 2));
    EXPECT_EQ(3, static_cast<int>(SendMessageW(list_, LVM_GETSELECTEDCOUNT, 0, 0)));
}

TEST_F(ReorderTest, LosingTheMouseEndsTheDragWithoutAMove) {
    SendListNotify(editor_.window(), list_, LVN_BEGINDRAG, 1, RowCentre(list_, 1));
    POINT at = RowCentre(list_, 5);
    SendMessageW(list_, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(at.x, at.y));
    SetCapture(editor_.window());
    ReleaseCapture();
    EXPECT_FALSE(editor_.main->mainList().dragging);
    SendMessageW(list_, WM_LBUTTONUP, 0, MAKELPARAM(at.x, at.y));
    ExpectOrder({0, 1, 2, 3, 4, 5, 6, 7});
    EXPECT_EQ(0u, RowState(list_, 5, LVIS_DROPHILITED));
}

namespace {

class ImportDragTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string mainFile = WriteNumberedQpf(dir_.file("main.qpf"), 4);
        importFile_ = WriteNumberedQpf(dir_.file("import.qpf"), 3);
        editor_ = OpenEditor(mainFile.c_str());
        SendMessageW(editor_.window(), WM_COMMAND, MAKEWPARAM(IDM_VIEW_IMPORT, 0), 0);
        import_ = &editor_.main->importList();
        ASSERT_EQ(0, import_->document.loadFile(importFile_.c_str()));
        import_->Refill();
        import_->transferTo = [this](int row) { transfers_.push_back(row); };
    }

    // A point given in the main window's client coordinates, as the import list sees it.
    LPARAM AtWindowPoint(POINT inWindow) {
        MapWindowPoints(editor_.window(), import_->window, &inWindow, 1);
        return MAKELPARAM(static_cast<short>(inWindow.x), static_cast<short>(inWindow.y));
    }
    LPARAM OverMainRow(int row) {
        POINT at = RowCentre(editor_.main->mainList().window, row);
        MapWindowPoints(editor_.main->mainList().window, import_->window, &at, 1);
        return MAKELPARAM(static_cast<short>(at.x), static_cast<short>(at.y));
    }
    LPARAM OverButton() {
        RECT button = ChildRect(editor_.window(), editor_.control(IDC_ADD));
        return AtWindowPoint(POINT{(button.left + button.right) / 2, (button.top + button.bottom) / 2});
    }
    void BeginDrag() {
        SendListNotify(editor_.window(), import_->window, LVN_BEGINDRAG, 0, RowCentre(import_->window, 0));
    }
    static HCURSOR Cursor(int id) { return LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id)); }

    TempDir dir_;
    std::string importFile_;
    Editor editor_;
    ImportListCtrl* import_ = nullptr;
    std::vector<int> transfers_;
};

} // namespace

TEST_F(ImportDragTest, CursorsShowOneOrManyRowsAndWhereNothingCanDrop) {
    ASSERT_NE(nullptr, Cursor(IDCUR_DRAG_MANY));
    ASSERT_NE(Cursor(IDCUR_DRAG_ONE), Cursor(IDCUR_DRAG_MANY));
    SetRowState(import_->window, 0, LVIS_SELECTED, LVIS_SELECTED);
    SetRowState(import_->window, 2, LVIS_SELECTED, LVIS_SELECTED);
    BeginDrag();
    EXPECT_TRUE(import_->dragging);
    EXPECT_EQ(import_->window, GetCapture());
    EXPECT_EQ(Cursor(IDCUR_DRAG_MANY), GetCursor());
    SendMessageW(import_->window, WM_MOUSEMOVE, MK_LBUTTON, OverButton());
    EXPECT_EQ(Cursor(IDCUR_NO_DROP), GetCursor());
    SendMessageW(import_->window, WM_MOUSEMOVE, MK_LBUTTON, OverMainRow(1));
    EXPECT_EQ(Cursor(IDCUR_DRAG_MANY), GetCursor());
    SendMessageW(import_->window, WM_MOUSEMOVE, MK_LBUTTON, OverButton());
    // Released over a button: nothing is transferred and the arrow comes back.
    SendMessageW(import_->window, WM_LBUTTONUP, 0, OverButton());
    EXPECT_TRUE(transfers_.empty());
    EXPECT_FALSE(import_->dragging);
    EXPECT_EQ(nullptr, GetCapture());
    EXPECT_EQ(Cursor(IDCUR_ARROW), GetCursor());

    SetRowState(import_->window, 2, 0, LVIS_SELECTED);
    BeginDrag();
    EXPECT_EQ(Cursor(IDCUR_DRAG_ONE), GetCursor());
    POINT inside = RowCentre(import_->window, 1);
    SendMessageW(import_->window, WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(inside.x, inside.y));
    EXPECT_EQ(Cursor(IDCUR_DRAG_ONE), GetCursor());
    // Released on its own rows: nothing is transferred.
    SendMessageW(import_->window, WM_LBUTTONUP, 0, MAKELPARAM(inside.x, inside.y));
    EXPECT_TRUE(transfers_.empty());
    EXPECT_EQ(Cursor(IDCUR_ARROW), GetCursor());
}

TEST_F(ImportDragTest, ReleaseOverTheMainListHandsOverTheRowUnderThePointer) {
    SetRowState(import_->window, 1, LVIS_SELECTED, LVIS_SELECTED);
    BeginDrag();
    SendMessageW(import_->window, WM_LBUTTONUP, 0, OverMainRow(2));
    BeginDrag();
    // Below the main list's rows: no row.
    POINT below = RowCentre(editor_.main->mainList().window, 3);
    below.y += 60;
    MapWindowPoints(editor_.main->mainList().window, import_->window, &below, 1);
    SendMessageW(import_->window, WM_LBUTTONUP, 0, MAKELPARAM(below.x, below.y));
    EXPECT_EQ((std::vector<int>{2, -1}), transfers_);
    EXPECT_EQ(Cursor(IDCUR_ARROW), GetCursor());
}

TEST_F(ImportDragTest, AReleaseWithoutADragRestoresTheArrow) {
    SetCursor(Cursor(IDCUR_NO_DROP));
    POINT inside = RowCentre(import_->window, 1);
    SendMessageW(import_->window, WM_LBUTTONUP, 0, MAKELPARAM(inside.x, inside.y));
    EXPECT_EQ(Cursor(IDCUR_ARROW), GetCursor());
    EXPECT_TRUE(transfers_.empty());
}
