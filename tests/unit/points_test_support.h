#pragma once
// Shared helpers for the point core's tests: a fixed clock, a message recorder, a scratch
// folder, and whole-file reads and writes.
#include "local_clock.h"
#include "message_notifier.h"

#include <gtest/gtest.h>

#ifdef _WIN32
#include <process.h>
#else
#include <unistd.h>
#endif

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

class FixedClock : public LocalClock {
  public:
    explicit FixedClock(LocalTime t) : t_(t) {}
    LocalTime now() const override { return t_; }

  private:
    LocalTime t_;
};

// Records the messages the core shows, for the life of the object.
class MessageRecorder : public MessageNotifier {
  public:
    MessageRecorder() { setMessageNotifier(this); }
    ~MessageRecorder() override { setMessageNotifier(nullptr); }
    void showMessage(const char* text) override { messages.emplace_back(text); }
    std::vector<std::string> messages;
};

// Tests of several trees and worktrees share one temporary folder: names carry the process.
inline long processId() {
#ifdef _WIN32
    return static_cast<long>(_getpid());
#else
    return static_cast<long>(getpid());
#endif
}

// A fresh folder per test, removed afterwards.
class ScratchFolder : public ::testing::Test {
  protected:
    void SetUp() override {
        const ::testing::TestInfo* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir_ = std::filesystem::temp_directory_path() /
               (std::string("tenmark-") + info->test_suite_name() + "-" + info->name() + "-" +
                std::to_string(processId()));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ignored;
        std::filesystem::remove_all(dir_, ignored);
    }
    std::string path(const std::string& name) const { return (dir_ / name).string(); }
    std::filesystem::path dir_;
};

inline std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << bytes;
}
