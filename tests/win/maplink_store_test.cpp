// Where the map choice and list are kept: a user who may not write the machine's key keeps
// them in their own, read first; and a fresh install, where nothing was ever chosen, opens
// MapView without anyone registering or choosing anything.
#include "editor_test_support.h"
#include "map_link.h"
#include "map_object_store.h"
#include "maplink_test_support.h"
#include "resource_ids.h"
#include "text_bytes.h"

#include <gtest/gtest.h>

#include <objbase.h>

#include <string>
#include <vector>

using namespace editor_test;
using maplink_test::BridgeStandIn;

namespace {

const wchar_t kMachineKey[] = L"Software\\Vorn\\TenmarkTestMachine";
const wchar_t kUserKey[] = L"Software\\Vorn\\TenmarkTestUser";

std::string Raw(const wchar_t* key, const wchar_t* name) {
    wchar_t text[256] = L"";
    DWORD bytes = sizeof text;
    if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, text, &bytes) != ERROR_SUCCESS) {
        return "<absent>";
    }
    return wideToCp932Lossy(text);
}

class TwoPlaces : public ::testing::Test {
  protected:
    void SetUp() override {
        RegDeleteTreeW(HKEY_CURRENT_USER, kMachineKey);
        RegDeleteTreeW(HKEY_CURRENT_USER, kUserKey);
        RegCreateKeyExW(HKEY_CURRENT_USER, kMachineKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &machine,
                        nullptr);
        RegSetKeyValueW(machine, nullptr, L"MapObject", REG_SZ, L"ProAtlasW2.Map", sizeof L"ProAtlasW2.Map");
        // The machine's key as a standard user opens it: readable, not writable.
        RegOpenKeyExW(HKEY_CURRENT_USER, kMachineKey, 0, KEY_READ, &readOnly);
    }
    void TearDown() override {
        RegCloseKey(readOnly);
        RegCloseKey(machine);
        RegDeleteTreeW(HKEY_CURRENT_USER, kMachineKey);
        RegDeleteTreeW(HKEY_CURRENT_USER, kUserKey);
    }
    HKEY machine = nullptr;
    HKEY readOnly = nullptr;
};

TEST_F(TwoPlaces, AStandardUsersChoiceIsKeptInTheirOwnKeyAndReadFirst) {
    MapObjectStore store(readOnly, L"", HKEY_CURRENT_USER, kUserKey);
    char name[kMapObjectNameBytes];
    store.ReadString("MapObject", name);
    EXPECT_STREQ("ProAtlasW2.Map", name); // the machine's value while the user has none
    ASSERT_EQ(0, store.WriteString("MapObject", "Mapple.Document"));
    ASSERT_EQ(0, store.WriteNumber("o-cnt", 5));
    EXPECT_EQ("Mapple.Document", Raw(kUserKey, L"MapObject"));
    EXPECT_EQ("ProAtlasW2.Map", Raw(kMachineKey, L"MapObject"));
    // The next start (a new store over the same keys) remembers it.
    MapObjectStore next(readOnly, L"", HKEY_CURRENT_USER, kUserKey);
    next.ReadString("MapObject", name);
    EXPECT_STREQ("Mapple.Document", name);
    EXPECT_EQ(5u, next.ReadNumber("o-cnt"));
    ASSERT_EQ(0, next.DeleteValue("o-cnt"));
    EXPECT_EQ(0u, next.ReadNumber("o-cnt"));
}

TEST_F(TwoPlaces, AWritableMachineKeyTakesTheWriteAndTheUsersCopyStopsHidingIt) {
    RegSetKeyValueW(HKEY_CURRENT_USER, kUserKey, L"MapObject", REG_SZ, L"Old.Map", sizeof L"Old.Map");
    MapObjectStore store(machine, L"", HKEY_CURRENT_USER, kUserKey);
    char name[kMapObjectNameBytes];
    store.ReadString("MapObject", name);
    EXPECT_STREQ("Old.Map", name);
    ASSERT_EQ(0, store.WriteString("MapObject", "ProAtlasSV.Map"));
    EXPECT_EQ("ProAtlasSV.Map", Raw(kMachineKey, L"MapObject"));
    EXPECT_EQ("<absent>", Raw(kUserKey, L"MapObject"));
    store.ReadString("MapObject", name);
    EXPECT_STREQ("ProAtlasSV.Map", name);
}

TEST(FreshInstall, WithNothingChosenTheBridgeOpensMapViewAndNothingIsStored) {
    const HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    maplink_test::ScratchKey key; // empty: no choice, no list
    MapLinkMessages messages;
    ASSERT_EQ(0, registerMapLinkMessagesWithSystem(&messages));
    BridgeStandIn bridge;
    TempDir dir{"maplink-fresh"};
    std::vector<PointSpec> points{PointSpec{"P0", "01"}};
    const std::string file = WriteQpf(dir.file("points.qpf"), points);
    Editor editor = OpenEditor(file.c_str(), [&](MainWindow& main) {
        copyInto(LinkOf(main).bridgeCommandLine, "TenmarkNoSuchBridge.exe");
        LinkOf(main).dialog().SetStore(key.Store());
    });
    ASSERT_NE(nullptr, editor.window());
    SendMessageW(editor.window(), WM_COMMAND, MAKEWPARAM(IDC_SHOW_ON_MAP, BN_CLICKED),
                 reinterpret_cast<LPARAM>(editor.control(IDC_SHOW_ON_MAP)));
    Pump(100);
    const std::vector<std::string> frames = bridge.Describe();
    ASSERT_GE(frames.size(), 2u);
    EXPECT_EQ("SUB_OBJECT_NAME:MapView.Map", frames[1]);
    EXPECT_FALSE(key.Has("MapObject"));
    // MapView is there to be opened by that name.
    CLSID clsid;
    EXPECT_TRUE(SUCCEEDED(CLSIDFromProgID(L"MapView.Map", &clsid)));
    editor.main->document().setModified(false);
    if (SUCCEEDED(com)) CoUninitialize();
}

} // namespace
