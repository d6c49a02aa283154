// One bridge process per test, an editor stand-in, and a fresh MapView call record.
#pragma once

#include "bridge_e2e_call_record.h"
#include "bridge_e2e_driver.h"
#include "maplink_protocol.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

class BridgeE2eTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(0, registerMapLinkMessagesWithSystem(&messages));
        ASSERT_NE(nullptr, editor.window());
        std::string name = ::testing::UnitTest::GetInstance()->current_test_info()->name();
        std::wstring file = L"bridge_e2e_" + std::wstring(name.begin(), name.end()) + L".log";
        record = std::make_unique<CallRecord>(file.c_str());
        ASSERT_TRUE(bridge.Start()) << "Cartolink2.exe did not start";
    }
    void TearDown() override {
        if (bridge.Running()) {
            EXPECT_EQ(0, bridge.Close()) << "the bridge did not end on WM_CLOSE";
        }
        // MapView serves one client and ends when the bridge lets go of it.
        if (!record) return; // SetUp stopped before the record was made
        for (const RecordLine& line : record->Lines()) {
            EXPECT_TRUE(WaitForProcessEnd(line.pid, 15000)) << "MapView " << line.pid << " still runs";
        }
    }

    // The editor's opening exchange: layer "4", the identifier, then the order to open.
    void OpenMap(const char* identifier) {
        ASSERT_TRUE(bridge.Send(messages, SUB_SET_LAYER, "4"));
        ASSERT_TRUE(bridge.Send(messages, SUB_OBJECT_NAME, identifier));
        ASSERT_TRUE(bridge.Send(messages, SUB_INIT_MAP));
    }

    // The arguments of a recorded call (between the access and the result).
    static std::vector<std::string> Args(const RecordLine& line) {
        if (line.fields.size() < 2) return {};
        return std::vector<std::string>(line.fields.begin() + 1, line.fields.end() - 1);
    }
    static std::string Result(const RecordLine& line) {
        return line.fields.empty() ? "" : line.fields.back();
    }

    MapLinkMessages messages;
    EditorStandIn editor;
    std::unique_ptr<CallRecord> record;
    BridgeUnderTest bridge;
};
