// Registers MapView in the test prefix under the built-in identifiers, once per run, so every
// path of the bridge runs against a real automation server.
#include "bridge_e2e_driver.h"

#include <gtest/gtest.h>

namespace {

class MapViewRegistration : public ::testing::Environment {
  public:
    void SetUp() override {
        std::wstring program = BesideTests(L"MapView.exe");
        std::wstring commandLine =
            L"\"" + program +
            L"\" /RegServer ProAtlasW.Map ProAtlasW2.Map ProAtlasW3.Map ProAtlasSV.Map Mapple.Document";
        STARTUPINFOW startup = {};
        startup.cb = sizeof startup;
        PROCESS_INFORMATION info = {};
        ASSERT_TRUE(CreateProcessW(program.c_str(), &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr,
                                   nullptr, &startup, &info))
            << "MapView.exe not found beside the tests";
        CloseHandle(info.hThread);
        DWORD waited = WaitForSingleObject(info.hProcess, 60000);
        DWORD code = 1;
        GetExitCodeProcess(info.hProcess, &code);
        CloseHandle(info.hProcess);
        ASSERT_EQ(WAIT_OBJECT_0, waited);
        ASSERT_EQ(0u, code) << "MapView.exe /RegServer failed";
    }
};

::testing::Environment* const g_registration = ::testing::AddGlobalTestEnvironment(new MapViewRegistration);

} // namespace
