// The platform file layer: the causes of failed opens and the save that never destroys the
// previous file.
#include "file_access.h"
#include "point_document.h"
#include "points_test_support.h"

#include <filesystem>
#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

namespace {

const FixedClock kClock(LocalTime{2006, 6, 22, 10, 30, 0});

// Holds a file open the way another program would: share mode 0, or an exclusive flock.
class HeldOpen {
  public:
    explicit HeldOpen(const std::string& path) {
#ifdef _WIN32
        handle_ = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, 0, nullptr);
        EXPECT_NE(handle_, INVALID_HANDLE_VALUE);
#else
        fd_ = ::open(path.c_str(), O_RDWR | O_CREAT, 0666);
        EXPECT_EQ(flock(fd_, LOCK_EX | LOCK_NB), 0);
#endif
    }
    ~HeldOpen() {
#ifdef _WIN32
        CloseHandle(handle_);
#else
        ::close(fd_);
#endif
    }

  private:
#ifdef _WIN32
    HANDLE handle_;
#else
    int fd_;
#endif
};

// Passes everything to the platform, but its writers fail after `budget` bytes, as on a full disk.
class FullDisk : public FileSystem {
  public:
    explicit FullDisk(size_t budget) : budget_(budget) {}
    FileError readAll(const char* path, FileContent& content, size_t limit) override {
        return platformFileSystem().readAll(path, content, limit);
    }
    std::unique_ptr<FileWriter> beginReplace(const char* path, FileError& error) override {
        std::unique_ptr<FileWriter> real = platformFileSystem().beginReplace(path, error);
        if (!real) return nullptr;
        return std::make_unique<Writer>(std::move(real), budget_);
    }

  private:
    class Writer : public FileWriter {
      public:
        Writer(std::unique_ptr<FileWriter> real, size_t budget) : real_(std::move(real)), budget_(budget) {}
        bool write(const char* data, size_t size) override {
            if (size > budget_) return false;
            budget_ -= size;
            return real_->write(data, size);
        }
        FileError commit() override { return real_->commit(); }

      private:
        std::unique_ptr<FileWriter> real_;
        size_t budget_;
    };
    size_t budget_;
};

class FileAccess : public ScratchFolder {
  protected:
    void SetUp() override {
        ScratchFolder::SetUp();
        doc_.insertBlank(0);
        doc_.setName(0, "keep");
    }
    size_t filesInFolder() const {
        return static_cast<size_t>(std::distance(std::filesystem::directory_iterator(dir_), {}));
    }
    PointDocument doc_{kClock};
    MessageRecorder recorder_;
};

} // namespace

TEST_F(FileAccess, MissingFileAndMissingFolderGiveTheirMessages) {
    EXPECT_EQ(doc_.loadFile(path("none.qpf").c_str()), -1);
    EXPECT_EQ(doc_.loadFile(path("nofolder/none.qpf").c_str()), -1);
    EXPECT_EQ(doc_.saveFile(path("nofolder/out.qpf").c_str()), -1);
    ASSERT_EQ(recorder_.messages.size(), 3u);
    EXPECT_EQ(recorder_.messages[0], "ファイルが見つかりませんでした。");
    EXPECT_EQ(recorder_.messages[1], "読み込みに失敗しました。");
    EXPECT_EQ(recorder_.messages[2], "読み込みに失敗しました。");
    EXPECT_EQ(doc_.count(), 1);
    EXPECT_STREQ(doc_.getName(0), "keep");
}

TEST_F(FileAccess, AFolderNamedLikeAFileIsAccessDenied) {
    std::filesystem::create_directories(path("folder.qpf"));
    EXPECT_EQ(doc_.loadFile(path("folder.qpf").c_str()), -1);
    EXPECT_EQ(doc_.saveFile(path("folder.qpf").c_str()), -1);
    ASSERT_EQ(recorder_.messages.size(), 2u);
    EXPECT_EQ(recorder_.messages[0], "ファイル アクセス禁止");
    EXPECT_EQ(recorder_.messages[1], "ファイル アクセス禁止");
    EXPECT_TRUE(std::filesystem::is_directory(path("folder.qpf")));
}

TEST_F(FileAccess, AFileHeldOpenElsewhereIsASharingViolationAndStaysIntact) {
    writeBytes(path("held.qpf"), "登録ポイント\r\n#01\t#00\t#00\t#1\t#2\t#0800\r\n");
    std::string before = readBytes(path("held.qpf"));
    {
        HeldOpen held(path("held.qpf"));
        EXPECT_EQ(doc_.loadFile(path("held.qpf").c_str()), -1);
        EXPECT_EQ(doc_.saveFile(path("held.qpf").c_str()), -1);
    }
    ASSERT_EQ(recorder_.messages.size(), 2u);
    EXPECT_EQ(recorder_.messages[0], "ファイルの共有違反です");
    EXPECT_EQ(recorder_.messages[1], "ファイルの共有違反です");
    EXPECT_EQ(readBytes(path("held.qpf")), before);
    EXPECT_STREQ(doc_.getName(0), "keep");
    EXPECT_EQ(doc_.loadFile(path("held.qpf").c_str()), 0);
}

TEST_F(FileAccess, AWriteFailureLeavesThePreviousFileAndNoLeftovers) {
    ASSERT_EQ(doc_.saveFile(path("old.qpf").c_str()), 0);
    std::string before = readBytes(path("old.qpf"));
    for (int i = 1; i < 50; ++i) doc_.insertBlank(i);
    FullDisk full(200);
    doc_.setFileSystem(full);
    EXPECT_EQ(doc_.saveFile(path("old.qpf").c_str()), -1);
    EXPECT_EQ(doc_.saveFile(path("new.qpf").c_str()), -1);
    ASSERT_EQ(recorder_.messages.size(), 2u);
    EXPECT_EQ(recorder_.messages[0], "読み込みに失敗しました。");
    EXPECT_EQ(readBytes(path("old.qpf")), before);
    EXPECT_FALSE(std::filesystem::exists(path("new.qpf")));
    EXPECT_EQ(filesInFolder(), 1u);

    doc_.setFileSystem(platformFileSystem());
    ASSERT_EQ(doc_.saveFile(path("old.qpf").c_str()), 0);
    EXPECT_GT(readBytes(path("old.qpf")).size(), before.size());
    EXPECT_EQ(filesInFolder(), 1u);
}

TEST_F(FileAccess, AJapaneseFileNameIsTheNameTheSystemShows) {
    // Core paths are cp932; ASCII ones pass unchanged, the others are converted.
    std::string name = dir_.string() + "/東京駅.qpf";
    ASSERT_EQ(doc_.saveFile(name.c_str()), 0);
    EXPECT_TRUE(std::filesystem::exists(dir_ / std::filesystem::u8path(u8"東京駅.qpf")));
    EXPECT_EQ(filesInFolder(), 1u);
    PointDocument back(kClock);
    ASSERT_EQ(back.loadFile(name.c_str()), 0);
    ASSERT_EQ(back.count(), 1);
    EXPECT_STREQ(back.getName(0), "keep");
}
