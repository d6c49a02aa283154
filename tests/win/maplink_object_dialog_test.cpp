// MapObjectDialog and the registry store under Wine: loading with the built-in names first,
// add, delete, OK and Cancel driven on the real dialog, and a key the user may only read.
#include "editor_test_support.h"
#include "map_dialog_ids.h"
#include "map_object_dialog.h"
#include "maplink_test_support.h"
#include "cp932_text.h"
#include "window_text.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

using editor_test::DialogWatcher;
using maplink_test::ScratchKey;

namespace {

const std::vector<std::string> kBuiltins = {"ProAtlasW2.Map", "ProAtlasW3.Map", "ProAtlasSV.Map",
                                            "Mapple.Document"};

std::vector<std::string> ListEntries(HWND dialog) {
    HWND list = GetDlgItem(dialog, IDC_MAP_OBJECT_LIST);
    std::vector<std::string> entries;
    int n = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    for (int i = 0; i < n; ++i) {
        wchar_t text[300] = {};
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(text));
        entries.push_back(wideToCp932Lossy(text));
    }
    return entries;
}

int Selected(HWND dialog) {
    return static_cast<int>(SendMessageW(GetDlgItem(dialog, IDC_MAP_OBJECT_LIST), LB_GETCURSEL, 0, 0));
}

std::string ValueName(int i) {
    char name[16];
    std::snprintf(name, sizeof name, "MapObject%02d", i);
    return name;
}

void Click(HWND dialog, int id) {
    SendMessageW(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

void Type(HWND dialog, const char* text) {
    SetWindowTextW(GetDlgItem(dialog, IDC_MAP_OBJECT_NAME), cp932ToWide(text).c_str());
}

void Select(HWND dialog, int index) {
    SendMessageW(GetDlgItem(dialog, IDC_MAP_OBJECT_LIST), LB_SETCURSEL, static_cast<WPARAM>(index), 0);
}

class MapObjectDialogTest : public ::testing::Test {
  protected:
    MapObjectDialogTest() : dialog("Tenmark") { dialog.SetStore(key.Store()); }

    // Shows the dialog; `drive` runs on a second thread on the real dialog and must end it.
    INT_PTR Run(const std::function<void(HWND)>& drive) {
        DialogWatcher watcher("オブジェクト", 0, drive);
        INT_PTR result = dialog.Show(nullptr);
        EXPECT_EQ(1, watcher.seen());
        return result;
    }

    ScratchKey key;
    MapObjectDialog dialog;
};

} // namespace

TEST_F(MapObjectDialogTest, FirstRunShowsTheBuiltinNamesAndStoresThem) {
    std::vector<std::string> shown;
    int selected = 0;
    INT_PTR result = Run([&](HWND d) {
        shown = ListEntries(d);
        selected = Selected(d);
        Click(d, IDCANCEL);
    });
    EXPECT_EQ(IDCANCEL, result);
    EXPECT_EQ(kBuiltins, shown);
    EXPECT_EQ(LB_ERR, selected);
    EXPECT_EQ(4, key.Number("o-cnt"));
    EXPECT_EQ(kBuiltins, key.StoredNames());
    EXPECT_FALSE(key.Has("MapObject"));
}

TEST_F(MapObjectDialogTest, LoadingPutsBuiltinsFirstDropsTheirRepeatsAndReadsAtMostFifteen) {
    key.SetNumber("o-cnt", 20);
    key.SetString("MapObject00", "Mapple.Document");
    key.SetString("MapObject01", "Custom.Map");
    key.SetString("MapObject02", "Custom.Map");
    key.SetString("MapObject03", "ProAtlasW2.Map");
    for (int i = 4; i < 15; ++i)
        key.SetString(ValueName(i).c_str(), ("Other" + std::to_string(i)).c_str());
    key.SetString("MapObject15", "Beyond.Map");
    dialog.LoadNames();

    std::vector<std::string> expected = kBuiltins;
    expected.push_back("Custom.Map");
    expected.push_back("Custom.Map");
    for (int i = 4; i <= 12; ++i)
        expected.push_back("Other" + std::to_string(i));
    ASSERT_EQ(15, dialog.count);
    EXPECT_EQ(expected, std::vector<std::string>(dialog.names, dialog.names + dialog.count));
    EXPECT_EQ(expected, key.StoredNames());
    EXPECT_EQ(15, key.Number("o-cnt"));
    // "MapObject15" lies beyond what is read; it stays as it was.
    EXPECT_EQ("Beyond.Map", key.String("MapObject15"));
}

TEST_F(MapObjectDialogTest, AbsentCountReadsNothingStored) {
    key.SetString("MapObject00", "Forgotten.Map");
    dialog.LoadNames();
    EXPECT_EQ(kBuiltins, key.StoredNames());
    EXPECT_EQ(4, key.Number("o-cnt"));
}

TEST_F(MapObjectDialogTest, StoredChoiceIsSelectedAndOkTakesTheSelection) {
    key.SetString("MapObject", "ProAtlasSV.Map");
    int selectedAtStart = -1;
    INT_PTR result = Run([&](HWND d) {
        selectedAtStart = Selected(d);
        Select(d, 3);
        Click(d, IDOK);
    });
    EXPECT_EQ(IDOK, result);
    EXPECT_EQ(2, selectedAtStart);
    EXPECT_STREQ("Mapple.Document", dialog.result);
    EXPECT_EQ("Mapple.Document", key.String("MapObject"));
}

TEST_F(MapObjectDialogTest, OkWithoutSelectionReturnsEmptyAndKeepsTheChoice) {
    key.SetString("MapObject", "Elsewhere.Map");
    INT_PTR result = Run([&](HWND d) { Click(d, IDOK); });
    EXPECT_EQ(IDOK, result);
    EXPECT_STREQ("", dialog.result);
    EXPECT_EQ("Elsewhere.Map", key.String("MapObject"));
}

TEST_F(MapObjectDialogTest, AddAppendsStoresAndEmptiesTheEdit) {
    std::vector<std::string> shown;
    std::string editAfter = "?";
    INT_PTR result = Run([&](HWND d) {
        Type(d, "地図ソフト.Map");
        Click(d, IDC_MAP_OBJECT_ADD);
        Type(d, "");
        Click(d, IDC_MAP_OBJECT_ADD); // an empty text adds nothing
        shown = ListEntries(d);
        editAfter = editor_test::WindowText(GetDlgItem(d, IDC_MAP_OBJECT_NAME));
        Select(d, 4);
        Click(d, IDOK);
    });
    EXPECT_EQ(IDOK, result);
    std::vector<std::string> expected = kBuiltins;
    expected.push_back("地図ソフト.Map");
    EXPECT_EQ(expected, shown);
    EXPECT_EQ("", editAfter);
    EXPECT_EQ(expected, key.StoredNames());
    EXPECT_EQ(5, key.Number("o-cnt"));
    EXPECT_STREQ("地図ソフト.Map", dialog.result);
    EXPECT_EQ("地図ソフト.Map", key.String("MapObject"));
}

TEST_F(MapObjectDialogTest, SixteenthNameIsRefusedSilently) {
    key.SetNumber("o-cnt", 11);
    for (int i = 0; i < 11; ++i)
        key.SetString(ValueName(i).c_str(), ("N" + std::to_string(i)).c_str());
    std::vector<std::string> shown;
    Run([&](HWND d) {
        Type(d, "Sixteenth.Map");
        Click(d, IDC_MAP_OBJECT_ADD);
        shown = ListEntries(d);
        Click(d, IDCANCEL);
    });
    EXPECT_EQ(15u, shown.size());
    EXPECT_EQ(15, key.Number("o-cnt"));
    EXPECT_FALSE(key.Has("MapObject15"));
}

TEST_F(MapObjectDialogTest, DeleteRemovesTheSelectedNameAndRewritesTheRest) {
    key.SetString("MapObject", "Mapple.Document");
    key.SetNumber("o-cnt", 1);
    key.SetString("MapObject00", "Custom.Map");
    std::vector<std::string> shown;
    int selectedAfter = -2;
    Run([&](HWND d) {
        Select(d, 1);
        Click(d, IDC_MAP_OBJECT_DELETE);
        shown = ListEntries(d);
        selectedAfter = Selected(d);
        Click(d, IDCANCEL);
    });
    std::vector<std::string> expected = {"ProAtlasW2.Map", "ProAtlasSV.Map", "Mapple.Document", "Custom.Map"};
    EXPECT_EQ(expected, shown);
    EXPECT_EQ(expected, key.StoredNames());
    EXPECT_EQ(4, key.Number("o-cnt"));
    // The stored choice is selected again.
    EXPECT_EQ(2, selectedAfter);
    // A deleted built-in name comes back at its place at the next opening.
    dialog.LoadNames();
    expected = kBuiltins;
    expected.push_back("Custom.Map");
    EXPECT_EQ(expected, key.StoredNames());
}

TEST_F(MapObjectDialogTest, DeleteWithoutSelectionRewritesTheSameNames) {
    key.SetNumber("o-cnt", 2);
    key.SetString("MapObject00", "A.Map");
    key.SetString("MapObject01", "B.Map");
    std::vector<std::string> shown;
    Run([&](HWND d) {
        Click(d, IDC_MAP_OBJECT_DELETE);
        shown = ListEntries(d);
        Click(d, IDCANCEL);
    });
    std::vector<std::string> expected = kBuiltins;
    expected.push_back("A.Map");
    expected.push_back("B.Map");
    EXPECT_EQ(expected, shown);
    EXPECT_EQ(expected, key.StoredNames());
    EXPECT_EQ(6, key.Number("o-cnt"));
}

// A standard user may read HKEY_LOCAL_MACHINE but not write it. The store is pointed at the
// key through a handle opened with read access only, so every write fails for real.
TEST(MapObjectStoreTest, ReadOnlyKeyStillReadsAndFailedWritesKeepTheOldValues) {
    ScratchKey key;
    key.SetString("MapObject", "ProAtlasW3.Map");
    key.SetNumber("o-cnt", 1);
    key.SetString("MapObject00", "Custom.Map");
    HKEY readOnly = nullptr;
    ASSERT_EQ(ERROR_SUCCESS,
              RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Vorn\\TenmarkTest", 0, KEY_READ, &readOnly));
    MapObjectStore store(readOnly, L"");

    char text[kMapObjectNameBytes];
    store.ReadString("MapObject", text);
    EXPECT_STREQ("ProAtlasW3.Map", text);
    EXPECT_EQ(1u, store.ReadNumber("o-cnt"));
    EXPECT_EQ(-1, store.WriteString("MapObject", "Mapple.Document"));
    EXPECT_EQ(-1, store.WriteNumber("o-cnt", 9));
    EXPECT_EQ(-1, store.DeleteValue("MapObject00"));

    // Loading still lists every name; the registry keeps what it held.
    MapObjectDialog dialog("Tenmark");
    dialog.SetStore(store);
    dialog.LoadNames();
    ASSERT_EQ(5, dialog.count);
    EXPECT_STREQ("Custom.Map", dialog.names[4]);
    EXPECT_EQ(std::vector<std::string>{"Custom.Map"}, key.StoredNames());
    EXPECT_EQ(1, key.Number("o-cnt"));
    EXPECT_EQ("ProAtlasW3.Map", key.String("MapObject"));
    RegCloseKey(readOnly);
}

TEST(MapObjectStoreTest, AbsentKeyAndWrongTypesReadAsAbsent) {
    ScratchKey key;
    MapObjectStore store(HKEY_CURRENT_USER, L"Software\\Vorn\\TenmarkTest\\Missing");
    char text[kMapObjectNameBytes] = "x";
    store.ReadString("MapObject", text);
    EXPECT_STREQ("", text);
    EXPECT_EQ(0u, store.ReadNumber("o-cnt"));
    key.SetNumber("MapObject", 7);
    key.SetString("o-cnt", "7");
    MapObjectStore scratch = key.Store();
    scratch.ReadString("MapObject", text);
    EXPECT_STREQ("", text);
    EXPECT_EQ(0u, scratch.ReadNumber("o-cnt"));
}

TEST(MapObjectStoreTest, ALongerNameIsCutNotLost) {
    ScratchKey key;
    MapObjectStore store = key.Store();
    std::string ascii(300, 'a');
    ASSERT_EQ(0, store.WriteString("MapObject", ascii.c_str()));
    char text[kMapObjectNameBytes];
    store.ReadString("MapObject", text);
    EXPECT_EQ(std::string(255, 'a'), text);
    // 200 double-byte characters: 127 fit in 255 bytes.
    std::string japanese;
    for (int i = 0; i < 200; ++i)
        japanese += "表";
    ASSERT_EQ(0, store.WriteString("MapObject", japanese.c_str()));
    store.ReadString("MapObject", text);
    EXPECT_EQ(japanese.substr(0, 254), text);
}

TEST(MapObjectStoreTest, StringsRoundTripAsCp932WithTheZeroCounted) {
    ScratchKey key;
    MapObjectStore store = key.Store();
    ASSERT_EQ(0, store.WriteString("MapObject", "ﾏｯﾌﾟ表示.Map"));
    char text[kMapObjectNameBytes];
    store.ReadString("MapObject", text);
    EXPECT_STREQ("ﾏｯﾌﾟ表示.Map", text);
    HKEY raw = nullptr;
    ASSERT_EQ(ERROR_SUCCESS,
              RegOpenKeyExW(HKEY_CURRENT_USER, L"Software\\Vorn\\TenmarkTest", 0, KEY_READ, &raw));
    DWORD bytes = 0;
    RegQueryValueExW(raw, L"MapObject", nullptr, nullptr, nullptr, &bytes);
    RegCloseKey(raw);
    EXPECT_EQ((cp932ToWide("ﾏｯﾌﾟ表示.Map").size() + 1) * sizeof(wchar_t), bytes);
}
