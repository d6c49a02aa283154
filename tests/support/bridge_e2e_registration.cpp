// Registers MapView in the test prefix under the built-in identifiers, once per run, so every
// path of the bridge runs against a real automation server.
#include "bridge_e2e_driver.h"

#include <gtest/gtest.h>

namespace {

class MapViewRegistration : public ::testing::Environment {
  public:
    void SetUp() override {
        ASSERT_EQ(0, mapview_test::RegisterBuiltIns(60000))
            << "MapView.exe /RegServer failed (is it beside the tests?)";
    }
};

::testing::Environment* const g_registration = ::testing::AddGlobalTestEnvironment(new MapViewRegistration);

} // namespace
