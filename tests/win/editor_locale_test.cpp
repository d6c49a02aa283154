// The editor's Japanese texts survive a system whose code page is not Japanese: this
// executable runs twice, once under a Japanese and once under an English locale.
#include "editor_test_support.h"
#include "resource_ids.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

using namespace editor_test;

TEST(LocaleTest, TheLocaleIsTheOneThisRunAsksFor) {
    const char* foreign = std::getenv("TENMARK_EXPECT_FOREIGN_LOCALE");
    if (foreign != nullptr && std::string(foreign) == "1") {
        EXPECT_NE(932u, GetACP());
    } else {
        EXPECT_EQ(932u, GetACP());
    }
}

TEST(LocaleTest, JapaneseTextsReadBackIntact) {
    TempDir dir("地点表");
    std::string file =
        WriteQpf(dir.file("ソ表.qpf"),
                 {{"東京駅", "01", "139/46/00.0", "035/40/50.5", "トウキョウエキ"}, {"ﾊﾝｶｸ名", "02"}});
    Editor editor = OpenEditor(("\"" + file + "\"").c_str());
    MainWindow& w = *editor.main;
    EXPECT_EQ("Markwerk", WindowText(w.window()));
    EXPECT_EQ("終了", WindowText(editor.control(IDC_EXIT)));
    EXPECT_EQ("位置取込", WindowText(editor.control(IDC_CAPTURE)));
    EXPECT_EQ((std::vector<std::string>{"ﾌｧｲﾙ(&F)", "編集", "変換", "表示", "地図", "ﾍﾙﾌﾟ"}),
              MenuItems(GetMenu(w.window())));
    EXPECT_EQ(file, StatusPane(w.statusBar(), 0));
    EXPECT_EQ("地点登録数  2", StatusPane(w.statusBar(), 2));
    EXPECT_EQ((std::vector<std::string>{"東京駅", "ﾊﾝｶｸ名"}), RowNames(w.mainList().window));
    EXPECT_EQ("トウキョウエキ", ListCell(w.mainList().window, 0, 4));
    SetRowState(w.mainList().window, 1, LVIS_SELECTED, LVIS_SELECTED);
    SendListNotify(w.window(), w.mainList().window, NM_CLICK, 1, RowCentre(w.mainList().window, 1));
    EXPECT_EQ("   2行", StatusPane(w.statusBar(), 1));

    // A message with Japanese text and a Japanese path.
    std::string other = dir.file("メモ.txt");
    WriteBytes(other, "x");
    DialogWatcher box(MessageBoxCaption(), IDOK);
    SendMessageW(w.window(), WM_DROPFILES, reinterpret_cast<WPARAM>(MakeDrop({other})), 0);
    ASSERT_EQ(1, box.seen());
    EXPECT_NE(std::string::npos, box.texts()[0].find(other + "\n    は認識できないファイルです"));
}
