// The pixel geometry of both screens on resizing, the minimum size while a border is
// dragged, and the layout after minimising and restoring.
#include "editor_test_support.h"
#include "resource_ids.h"

#include <gtest/gtest.h>

using namespace editor_test;

namespace {

struct Geometry {
    int cw, ch, bw, bh, sh;
};

Geometry Measure(const Editor& editor) {
    RECT client = {};
    GetClientRect(editor.window(), &client);
    RECT button = ChildRect(editor.window(), editor.control(IDC_CHANGE));
    RECT bar = ChildRect(editor.window(), editor.main->statusBar());
    return Geometry{client.right, client.bottom, button.right - button.left, button.bottom - button.top,
                    bar.bottom - bar.top};
}

void Resize(const Editor& editor, int width, int height) {
    SetWindowPos(editor.window(), nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    Pump();
}

// Outer size whose list-area width W = cw - bw - 10 is odd.
void ResizeToOddListWidth(const Editor& editor, int width, int height) {
    Resize(editor, width, height);
    Geometry g = Measure(editor);
    if ((g.cw - g.bw - 10) % 2 == 0) Resize(editor, width + 1, height);
}

void ExpectEditScreen(const Editor& editor) {
    Geometry g = Measure(editor);
    RECT main = ChildRect(editor.window(), editor.main->mainList().window);
    EXPECT_EQ(0, main.left);
    EXPECT_EQ(g.bh + 5, main.top);
    EXPECT_EQ(g.cw - g.bw - 10, main.right - main.left);
    EXPECT_EQ(g.ch - g.sh - 2, main.bottom);
    EXPECT_TRUE(IsWindowVisible(editor.main->mainList().window));
    EXPECT_FALSE(IsWindowVisible(editor.main->importList().window));
}

void ExpectButtonsAtTheRight(const Editor& editor) {
    Geometry g = Measure(editor);
    for (int id : {IDC_CHANGE, IDC_ADD, IDC_DELETE, IDC_EXIT}) {
        RECT button = ChildRect(editor.window(), editor.control(id));
        EXPECT_EQ(g.cw - 5, button.right) << id;
        EXPECT_TRUE(IsWindowVisible(editor.control(id))) << id;
    }
    RECT exitButton = ChildRect(editor.window(), editor.control(IDC_EXIT));
    EXPECT_EQ(g.ch - g.sh, exitButton.bottom);
    RECT bar = ChildRect(editor.window(), editor.main->statusBar());
    EXPECT_EQ(0, bar.left);
    EXPECT_EQ(g.cw, bar.right);
    EXPECT_EQ(g.ch, bar.bottom);
}

} // namespace

TEST(LayoutTest, EditScreenFillsTheListAreaAfterResizing) {
    Editor editor = OpenEditor("");
    RECT before = {};
    GetWindowRect(editor.window(), &before);
    int statusHeight = Measure(editor).sh;
    // Initialisation lays out the lists at once.
    ExpectEditScreen(editor);
    RECT addBefore = ChildRect(editor.window(), editor.control(IDC_ADD));

    Resize(editor, before.right - before.left + 137, before.bottom - before.top + 61);
    ExpectEditScreen(editor);
    ExpectButtonsAtTheRight(editor);
    // The buttons keep their heights and vertical places; the status bar its height.
    RECT addAfter = ChildRect(editor.window(), editor.control(IDC_ADD));
    EXPECT_EQ(addBefore.top, addAfter.top);
    EXPECT_EQ(addBefore.bottom - addBefore.top, addAfter.bottom - addAfter.top);
    EXPECT_EQ(statusHeight, Measure(editor).sh);
}

TEST(LayoutTest, ImportScreenSharesTheAreaAndTheMainListTakesTheOddPixel) {
    Editor editor = OpenEditor("");
    SendMessageW(editor.window(), WM_COMMAND, MAKEWPARAM(IDM_VIEW_IMPORT, 0), 0);
    EXPECT_EQ(ScreenMode::Import, editor.main->screenMode());
    RECT outer = {};
    GetWindowRect(editor.window(), &outer);
    ResizeToOddListWidth(editor, outer.right - outer.left + 200, outer.bottom - outer.top + 40);

    Geometry g = Measure(editor);
    int w = g.cw - g.bw - 10;
    ASSERT_EQ(1, w % 2);
    RECT import = ChildRect(editor.window(), editor.main->importList().window);
    RECT main = ChildRect(editor.window(), editor.main->mainList().window);
    EXPECT_EQ(0, import.left);
    EXPECT_EQ(w / 2, import.right - import.left);
    EXPECT_EQ(w / 2, main.left);
    EXPECT_EQ(w / 2 + 1, main.right - main.left);
    for (const RECT& list : {import, main}) {
        EXPECT_EQ(g.bh + 5, list.top);
        EXPECT_EQ(g.ch - g.sh - 2, list.bottom);
    }
    EXPECT_TRUE(IsWindowVisible(editor.main->importList().window));
    EXPECT_TRUE(IsWindowVisible(editor.main->mainList().window));
    ExpectButtonsAtTheRight(editor);

    // Back to the edit screen: the import list hides, its rows stay.
    SendMessageW(editor.window(), WM_COMMAND, MAKEWPARAM(IDM_VIEW_EDIT, 0), 0);
    EXPECT_EQ(ScreenMode::Edit, editor.main->screenMode());
    ExpectEditScreen(editor);
}

TEST(LayoutTest, DraggingTheLeftBorderBelowTheMinimumMovesTheRightBorderOut) {
    Editor editor = OpenEditor("");
    RECT outer = {};
    GetWindowRect(editor.window(), &outer);
    EXPECT_EQ(outer.right - outer.left, editor.main->minWidth());
    EXPECT_EQ(outer.bottom - outer.top, editor.main->minHeight());

    RECT proposed = {outer.left + 150, outer.top + 90, outer.right, outer.bottom};
    SendMessageW(editor.window(), WM_SIZING, WMSZ_TOPLEFT, reinterpret_cast<LPARAM>(&proposed));
    EXPECT_EQ(outer.left + 150, proposed.left);
    EXPECT_EQ(outer.left + 150 + editor.main->minWidth(), proposed.right);
    EXPECT_EQ(outer.top + 90, proposed.top);
    EXPECT_EQ(outer.top + 90 + editor.main->minHeight(), proposed.bottom);

    // A size above the minimum is left alone.
    RECT larger = {outer.left - 10, outer.top, outer.right + 10, outer.bottom + 5};
    RECT asked = larger;
    SendMessageW(editor.window(), WM_SIZING, WMSZ_LEFT, reinterpret_cast<LPARAM>(&larger));
    EXPECT_TRUE(EqualRect(&asked, &larger));
}

TEST(LayoutTest, RestoringAfterMinimisingLaysTheWindowOutAgain) {
    Editor editor = OpenEditor("");
    SendMessageW(editor.window(), WM_COMMAND, MAKEWPARAM(IDM_VIEW_IMPORT, 0), 0);
    RECT outer = {};
    GetWindowRect(editor.window(), &outer);
    Resize(editor, outer.right - outer.left + 80, outer.bottom - outer.top + 30);
    RECT importBefore = ChildRect(editor.window(), editor.main->importList().window);
    RECT mainBefore = ChildRect(editor.window(), editor.main->mainList().window);

    ShowWindow(editor.window(), SW_MINIMIZE);
    Pump(200);
    ASSERT_TRUE(IsIconic(editor.window()));
    // Anything moved while minimised is put back by the restore.
    MoveWindow(editor.main->mainList().window, 3, 3, 20, 20, FALSE);
    RECT change = ChildRect(editor.window(), editor.control(IDC_CHANGE));
    MoveWindow(editor.control(IDC_CHANGE), 3, change.top, change.right - change.left,
               change.bottom - change.top, FALSE);
    ShowWindow(editor.window(), SW_RESTORE);
    Pump(200);
    ASSERT_FALSE(IsIconic(editor.window()));
    RECT importAfter = ChildRect(editor.window(), editor.main->importList().window);
    RECT mainAfter = ChildRect(editor.window(), editor.main->mainList().window);
    EXPECT_TRUE(EqualRect(&importBefore, &importAfter));
    EXPECT_TRUE(EqualRect(&mainBefore, &mainAfter));
    ExpectButtonsAtTheRight(editor);
}
