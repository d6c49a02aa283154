// MapView.exe /RegServer and /UnregServer in the test prefix: what they write, where (per user,
// and machine-wide under Wine), and that another program's registration is never touched.
#include <gtest/gtest.h>

#include <windows.h>
#include <objbase.h>

#include <string>

#include "mapview_test_support.h"

using namespace mapview_test;

namespace {

const wchar_t kProAtlasClsid[] = L"{7C08A49B-B871-441A-92BC-545872214E9B}";
const wchar_t kMappleClsid[] = L"{89334BA4-87D8-47D5-814C-56C783334550}";
const wchar_t kForeignClsid[] = L"{0E1D2C3B-4A59-4687-9A5B-6C7D8E9FA0B1}";

bool UnderWine() {
    HMODULE ntdll = GetModuleHandleW(L"ntdll.dll");
    return GetProcAddress(ntdll, "wine_get_version") != nullptr;
}

std::wstring ReadString(HKEY root, const std::wstring& path, const wchar_t* name = nullptr) {
    wchar_t buf[512];
    DWORD size = sizeof buf;
    if (RegGetValueW(root, path.c_str(), name, RRF_RT_REG_SZ, nullptr, buf, &size) != ERROR_SUCCESS) {
        return L"<absent>";
    }
    return buf;
}

std::wstring ClassesPath(const std::wstring& rest) {
    return L"Software\\Classes\\" + rest;
}

// The roots registration writes: per user, and under Wine machine-wide too.
std::vector<HKEY> Roots() {
    std::vector<HKEY> roots{HKEY_CURRENT_USER};
    if (UnderWine()) roots.push_back(HKEY_LOCAL_MACHINE);
    return roots;
}

void WriteValue(HKEY root, const std::wstring& path, const wchar_t* value) {
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS,
              RegCreateKeyExW(root, path.c_str(), 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr));
    RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                   static_cast<DWORD>((lstrlenW(value) + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
}

// Another program's class under this identifier.
void WriteForeign(const std::wstring& id, const wchar_t* clsid) {
    for (HKEY root : Roots())
        WriteValue(root, ClassesPath(id + L"\\CLSID"), clsid);
}

// A key of another program's that names no class at all, as a file type does.
void WriteFileType(const std::wstring& id) {
    for (HKEY root : Roots())
        WriteValue(root, ClassesPath(id), L"Some document");
}

void Remove(const std::wstring& id) {
    for (HKEY root : {HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE})
        RegDeleteTreeW(root, ClassesPath(id).c_str());
}

class Registration : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const wchar_t* id : kTestIds)
            Remove(id);
    }
    void TearDown() override {
        RunMapView(L"/UnregServer MapViewTest.One MapViewTest.Two");
        for (const wchar_t* id : kTestIds)
            Remove(id);
        // Leave the prefix as the other tests expect it.
        EXPECT_EQ(0, RegisterBuiltIns());
    }
    const wchar_t* kTestIds[4] = {L"MapViewTest.One", L"MapViewTest.Two", L"MapViewTest.Foreign",
                                  L"MapViewTest.Bare"};
};

TEST_F(Registration, WritesEachIdentifierWithItsFamilysClass) {
    ASSERT_EQ(0, RunMapView(L"/RegServer MapViewTest.One Mapple.Document"));
    const std::wstring server = L"\"" + MapViewPath() + L"\" /Family ";
    for (HKEY root : Roots()) {
        EXPECT_EQ(kProAtlasClsid, ReadString(root, ClassesPath(L"MapView.Map\\CLSID")));
        EXPECT_EQ(kProAtlasClsid, ReadString(root, ClassesPath(L"MapViewTest.One\\CLSID")));
        EXPECT_EQ(kMappleClsid, ReadString(root, ClassesPath(L"Mapple.Document\\CLSID")));
        EXPECT_EQ(server + L"ProAtlas", ReadString(root, ClassesPath(std::wstring(L"CLSID\\") +
                                                                     kProAtlasClsid + L"\\LocalServer32")));
        EXPECT_EQ(server + L"Mapple", ReadString(root, ClassesPath(std::wstring(L"CLSID\\") + kMappleClsid +
                                                                   L"\\LocalServer32")));
    }
    // COM sees them.
    CLSID clsid;
    ASSERT_EQ(S_OK, CLSIDFromProgID(L"MapViewTest.One", &clsid));
    wchar_t text[64];
    StringFromGUID2(clsid, text, 64);
    EXPECT_STREQ(kProAtlasClsid, text);
    ASSERT_EQ(S_OK, CLSIDFromProgID(L"Mapple.Document", &clsid));
    StringFromGUID2(clsid, text, 64);
    EXPECT_STREQ(kMappleClsid, text);
    // Registering again changes nothing and succeeds.
    EXPECT_EQ(0, RunMapView(L"/RegServer MapViewTest.One Mapple.Document"));
}

TEST_F(Registration, LeavesAnotherProgramsIdentifierAlone) {
    WriteForeign(L"MapViewTest.Foreign", kForeignClsid);
    WriteFileType(L"MapViewTest.Bare");
    std::string said;
    EXPECT_EQ(2, RunMapView(L"/RegServer MapViewTest.Foreign MapViewTest.Bare MapViewTest.One", &said));
    // The person registering is told which identifiers were left alone.
    EXPECT_NE(std::string::npos,
              said.find(Utf8(L"他のプログラムの登録があるため変更しません: MapViewTest.Foreign")))
        << said;
    EXPECT_NE(std::string::npos,
              said.find(Utf8(L"他のプログラムの登録があるため変更しません: MapViewTest.Bare")));
    EXPECT_NE(std::string::npos, said.find(Utf8(L"登録しました: MapViewTest.One")));
    for (HKEY root : Roots()) {
        EXPECT_EQ(kForeignClsid, ReadString(root, ClassesPath(L"MapViewTest.Foreign\\CLSID")));
        EXPECT_EQ(L"Some document", ReadString(root, ClassesPath(L"MapViewTest.Bare")));
        EXPECT_EQ(L"<absent>", ReadString(root, ClassesPath(L"MapViewTest.Bare\\CLSID")));
        EXPECT_EQ(kProAtlasClsid, ReadString(root, ClassesPath(L"MapViewTest.One\\CLSID")))
            << "the rest is done";
    }
    // Unregistering everything of ours does not touch them either.
    EXPECT_EQ(0, RunMapView(L"/UnregServer"));
    for (HKEY root : Roots()) {
        EXPECT_EQ(kForeignClsid, ReadString(root, ClassesPath(L"MapViewTest.Foreign\\CLSID")));
        EXPECT_EQ(L"Some document", ReadString(root, ClassesPath(L"MapViewTest.Bare")));
    }
}

TEST_F(Registration, AnIdentifierTakenOverLaterIsNotRemoved) {
    ASSERT_EQ(0, RunMapView(L"/RegServer MapViewTest.One MapViewTest.Two"));
    WriteForeign(L"MapViewTest.Two", kForeignClsid); // another program installed over it
    EXPECT_EQ(2, RunMapView(L"/UnregServer MapViewTest.Two"));
    for (HKEY root : Roots())
        EXPECT_EQ(kForeignClsid, ReadString(root, ClassesPath(L"MapViewTest.Two\\CLSID")));
}

TEST_F(Registration, UnregisterNamedRemovesOnlyThose) {
    ASSERT_EQ(0, RunMapView(L"/RegServer MapViewTest.One MapViewTest.Two"));
    EXPECT_EQ(0, RunMapView(L"/UnregServer MapViewTest.One"));
    for (HKEY root : Roots()) {
        EXPECT_EQ(L"<absent>", ReadString(root, ClassesPath(L"MapViewTest.One\\CLSID")));
        EXPECT_EQ(kProAtlasClsid, ReadString(root, ClassesPath(L"MapViewTest.Two\\CLSID")));
        EXPECT_EQ(kProAtlasClsid, ReadString(root, ClassesPath(L"MapView.Map\\CLSID")));
    }
    CLSID clsid;
    EXPECT_TRUE(FAILED(CLSIDFromProgID(L"MapViewTest.One", &clsid)));
}

TEST_F(Registration, UnregisterAllRemovesEverythingOfOurs) {
    ASSERT_EQ(0, RegisterBuiltIns());
    ASSERT_EQ(0, RunMapView(L"/RegServer MapViewTest.One"));
    EXPECT_EQ(0, RunMapView(L"/UnregServer"));
    for (HKEY root : Roots()) {
        for (const wchar_t* id : {L"MapView.Map", L"MapViewTest.One", L"ProAtlasW.Map", L"ProAtlasW2.Map",
                                  L"ProAtlasW3.Map", L"ProAtlasSV.Map", L"Mapple.Document"}) {
            EXPECT_EQ(L"<absent>", ReadString(root, ClassesPath(std::wstring(id) + L"\\CLSID"))) << id;
        }
        EXPECT_EQ(L"<absent>", ReadString(root, ClassesPath(std::wstring(L"CLSID\\") + kProAtlasClsid)));
        EXPECT_EQ(L"<absent>", ReadString(root, ClassesPath(std::wstring(L"CLSID\\") + kMappleClsid)));
    }
    IDispatch* object = nullptr;
    EXPECT_TRUE(FAILED(Create(L"ProAtlasW2.Map", &object)));
}

TEST_F(Registration, RefusesIdentifiersThatAreNoProgId) {
    EXPECT_EQ(1, RunMapView(L"/RegServer \"Bad\\Id\""));
    EXPECT_EQ(1, RunMapView(L"/RegServer 1Bad"));
    EXPECT_EQ(1, RunMapView(L"SomeId")) << "identifiers without a command";
    EXPECT_EQ(1, RunMapView(L"/NoSuchSwitch"));
}

} // namespace

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 2;
    const int code = RUN_ALL_TESTS();
    CoUninitialize();
    return code;
}
