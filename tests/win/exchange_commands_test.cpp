// Point exchange on the real main window under Wine: other formats into the import list by
// インポート and by drops, the main list out by エクスポート, and the datum setting in 地図.
// The file dialogs answer from a script; the message boxes are the real ones, read and closed.
#include "cp932_text.h"
#include "editor_test_support.h"
#include "exchange.h"
#include "file_dialogs.h"
#include "main_window.h"
#include "message_box_notifier.h"
#include "resource_ids.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <deque>
#include <string>

using namespace editor_test;

namespace {

class ScriptedDialogs : public FileDialogs {
  public:
    bool choose(HWND, FileDialogKind kind, const char*, char (&path)[kPathBytes]) override {
        kinds.push_back(kind);
        if (answers.empty()) return false;
        lstrcpynA(path, answers.front().c_str(), static_cast<int>(kPathBytes));
        answers.pop_front();
        return true;
    }
    std::deque<std::string> answers;
    std::vector<FileDialogKind> kinds;
};

const wchar_t kSettingsKey[] = L"Software\\Vorn\\Tenmark";

std::string StoredDatum() {
    wchar_t text[32] = L"";
    DWORD bytes = sizeof text;
    if (RegGetValueW(HKEY_CURRENT_USER, kSettingsKey, L"Datum", RRF_RT_REG_SZ, nullptr, text, &bytes) != ERROR_SUCCESS)
        return "<none>";
    return wideToCp932Lossy(text);
}

UINT MenuCheck(HWND window, UINT id) {
    return GetMenuState(GetMenu(window), id, MF_BYCOMMAND) & MF_CHECKED;
}

class ExchangeCommands : public ::testing::Test {
  protected:
    void SetUp() override {
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"Datum");
        setMessageNotifier(&boxes_);
        setFileDialogs(&dialogs_);
    }
    void TearDown() override {
        setFileDialogs(nullptr);
        setMessageNotifier(nullptr);
        RegDeleteKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"Datum");
    }
    // Sends a menu command; the boxes it shows are read and closed with OK.
    std::vector<std::string> command(HWND window, int id) {
        DialogWatcher watcher(MessageBoxCaption(), IDOK);
        SendMessageW(window, WM_COMMAND, MAKEWPARAM(id, 0), 0);
        Pump(50);
        return watcher.texts();
    }
    TempDir dir_{"tenmark-exchange"};
    ScriptedDialogs dialogs_;
    MessageBoxNotifier boxes_;
};

const char kKml[] =
    u8"<kml xmlns=\"http://www.opengis.net/kml/2.2\"><Document><Folder>"
    u8"<Placemark><name>東京タワー</name><Point><coordinates>139.745433,35.658581,0</coordinates></Point></Placemark>"
    u8"<Placemark><name>とても長い地点の名前があります</name><Point><coordinates>139.8107,35.710063</coordinates>"
    u8"</Point></Placemark><Placemark><name>道</name><LineString><coordinates>139,35 140,36</coordinates>"
    u8"</LineString></Placemark></Folder></Document></kml>";

} // namespace

TEST_F(ExchangeCommands, ImportReadsAnyFormatIntoTheImportListAndSaysWhatItChanged) {
    Editor editor = OpenEditor("");
    WriteBytes(dir_.file("places.kml"), kKml);
    dialogs_.answers = {dir_.file("places.kml")};
    std::vector<std::string> boxes = command(editor.window(), IDM_FILE_IMPORT);
    ASSERT_EQ(dialogs_.kinds, std::vector<FileDialogKind>{FileDialogKind::Import});
    EXPECT_EQ(editor.main->screenMode(), ScreenMode::Import);
    HWND list = editor.main->importList().window;
    EXPECT_EQ(RowNames(list), (std::vector<std::string>{"東京タワー", "とても長い地点の名前"}));
    EXPECT_EQ(ListCell(list, 0, 1), "139/44/43.6");
    EXPECT_EQ(ListCell(list, 0, 2), "035/39/30.9");
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find("読み込むときに次のように変えました。\n地点 2 の name: 20 バイトで切りました\n"
                            "点でない図形 LineString 1 個は読みませんでした"),
              std::string::npos)
        << boxes[0];
    EXPECT_EQ(editor.main->document().count(), 0) << "the main points are not touched";

    // A file with nothing QPF can hold: the list is empty and the box says why.
    WriteBytes(dir_.file("far.geojson"), "{\"type\":\"Point\",\"coordinates\":[-73.98,40.74]}");
    dialogs_.answers = {dir_.file("far.geojson")};
    boxes = command(editor.window(), IDM_FILE_IMPORT);
    EXPECT_EQ(RowCount(list), 0);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find("に読める地点がありません\n南緯または西経の 1 地点は読みませんでした"), std::string::npos)
        << boxes[0];
}

TEST_F(ExchangeCommands, TheDatumSettingIsStoredAndShiftsWhatIsImported) {
    Editor editor = OpenEditor("");
    EXPECT_EQ(MenuCheck(editor.window(), IDM_DATUM_WGS84), static_cast<UINT>(MF_CHECKED));
    EXPECT_EQ(MenuCheck(editor.window(), IDM_DATUM_TOKYO), 0u);
    command(editor.window(), IDM_DATUM_TOKYO);
    EXPECT_EQ(StoredDatum(), "Tokyo");
    EXPECT_EQ(MenuCheck(editor.window(), IDM_DATUM_TOKYO), static_cast<UINT>(MF_CHECKED));
    EXPECT_EQ(MenuCheck(editor.window(), IDM_DATUM_WGS84), 0u);

    // Tokyo tower on the Tokyo datum, as PROJ puts it with the same three parameters.
    WriteBytes(dir_.file("tower.gpx"), "<gpx version=\"1.1\"><wpt lat=\"35.658581\" lon=\"139.745433\"><name>T</name>"
                                       "</wpt></gpx>");
    HDROP drop = MakeDrop({dir_.file("tower.gpx")});
    SendMessageW(editor.main->importList().window, WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
    EXPECT_EQ(ListCell(editor.main->importList().window, 0, 1), "139/44/55.2");
    EXPECT_EQ(ListCell(editor.main->importList().window, 0, 2), "035/39/19.2");

    command(editor.window(), IDM_DATUM_WGS84);
    EXPECT_EQ(StoredDatum(), "WGS84");
    EXPECT_EQ(MenuCheck(editor.window(), IDM_DATUM_WGS84), static_cast<UINT>(MF_CHECKED));
    // A value MapView stored meanwhile shows when the menu opens.
    RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKey, L"Datum", REG_SZ, L"Tokyo", 12);
    SendMessageW(editor.window(), WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(GetSubMenu(GetMenu(editor.window()), 4)), 4);
    EXPECT_EQ(MenuCheck(editor.window(), IDM_DATUM_TOKYO), static_cast<UINT>(MF_CHECKED));
}

TEST_F(ExchangeCommands, AnotherFormatDroppedOnTheWindowGoesToTheImportListNotOverTheMainPoints) {
    std::string qpf = WriteNumberedQpf(dir_.file("main.qpf"), 3);
    Editor editor = OpenEditor(qpf.c_str());
    editor.main->document().setName(0, "unsaved change");
    WriteBytes(dir_.file("dropped.kml"), kKml);
    std::vector<std::string> boxes;
    {
        DialogWatcher watcher(MessageBoxCaption(), IDOK);
        HDROP drop = MakeDrop({dir_.file("dropped.kml")});
        SendMessageW(editor.window(), WM_DROPFILES, reinterpret_cast<WPARAM>(drop), 0);
        Pump(50);
        boxes = watcher.texts();
    }
    EXPECT_EQ(editor.main->screenMode(), ScreenMode::Import);
    EXPECT_EQ(RowCount(editor.main->importList().window), 2);
    EXPECT_EQ(boxes.size(), 1u) << "what was changed is said";
    EXPECT_EQ(DocumentNames(editor.main->document()), (std::vector<std::string>{"unsaved change", "P1", "P2"}));
    EXPECT_TRUE(editor.main->document().isModified());
    EXPECT_EQ(std::string(editor.main->currentFilePath()), qpf);
    EXPECT_EQ(std::string(editor.main->saveTargetPath()), qpf);
}

TEST_F(ExchangeCommands, ExportWritesTheMainListInTheFormatOfTheChosenName) {
    std::string qpf = WriteQpf(dir_.file("main.qpf"), {{"東京駅", "05", "139/46/01.2", "035/40/52.1", "トウキョウエキ",
                                                        "03-3212-0001"},
                                                       {"P1", "12"}});
    Editor editor = OpenEditor(qpf.c_str());
    dialogs_.answers = {dir_.file("out.kmz")};
    EXPECT_TRUE(command(editor.window(), IDM_FILE_EXPORT).empty());
    ASSERT_EQ(dialogs_.kinds, std::vector<FileDialogKind>{FileDialogKind::Export});
    PointDocument back;
    ExchangeReport report;
    ASSERT_EQ(importPoints(dir_.file("out.kmz").c_str(), ExchangeFormat::Kmz, back, ExchangeOptions(), report), 0);
    ASSERT_EQ(back.count(), 2);
    for (int i = 0; i < 2; ++i) {
        for (auto get : {&PointDocument::getName, &PointDocument::getLongitude, &PointDocument::getLatitude,
                         &PointDocument::getMarkNumber, &PointDocument::getVoiceWord, &PointDocument::getPhone,
                         &PointDocument::getDate, &PointDocument::getTime}) {
            EXPECT_STREQ((back.*get)(i), (editor.main->document().*get)(i)) << i;
        }
    }
    EXPECT_FALSE(editor.main->document().isModified());
    EXPECT_EQ(std::string(editor.main->saveTargetPath()), qpf);

    // A name that names no format writes nothing and says so.
    dialogs_.answers = {dir_.file("out.txt")};
    std::vector<std::string> boxes = command(editor.window(), IDM_FILE_EXPORT);
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_NE(boxes[0].find("の形式がわかりません"), std::string::npos) << boxes[0];
    EXPECT_EQ(GetFileAttributesA(dir_.file("out.txt").c_str()), INVALID_FILE_ATTRIBUTES);
}
