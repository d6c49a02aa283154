#include "buffered_writer.h"
#include "cp932_text.h"
#include "file_access.h"

#include <cerrno>
#include <cstdlib>
#include <new>
#include <string>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <fcntl.h>

namespace {

bool isAscii(const char* text) {
    for (; *text != '\0'; ++text) {
        if (static_cast<unsigned char>(*text) >= 0x80) return false;
    }
    return true;
}

// Core paths are cp932; the file system here names files in UTF-8. Both agree on ASCII,
// so such a path (the usual case) skips the converter, which costs more than a small read.
std::string osPath(const char* path) {
    if (isAscii(path)) return path;
    std::string converted = cp932ToUtf8(path);
    return converted.find("\xEF\xBF\xBD") == std::string::npos ? converted : std::string(path);
}

std::string folderOf(const std::string& path) {
    size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool folderExists(const std::string& path) {
    struct stat st;
    return stat(folderOf(path).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

FileError causeOf(int err, const std::string& path, bool reading) {
    switch (err) {
    case ENOENT:
        // A missing folder is a bad path, not a missing file.
        return reading && folderExists(path) ? FileError::NotFound : FileError::Other;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
        return FileError::AccessDenied;
    case EWOULDBLOCK:
        return FileError::SharingViolation;
    default:
        return FileError::Other;
    }
}

// Opens and takes the exclusive lock that stands for "share mode 0". `size` receives the
// file's size, -1 when it could not be read (the status is taken once, for both uses).
int openExclusive(const std::string& path, int flags, FileError& error, bool reading, off_t& size) {
    int fd = ::open(path.c_str(), flags | O_CLOEXEC, 0666);
    if (fd < 0) {
        error = causeOf(errno, path, reading);
        return -1;
    }
    struct stat st;
    bool known = fstat(fd, &st) == 0;
    size = known ? st.st_size : -1;
    if (known && S_ISDIR(st.st_mode)) {
        ::close(fd);
        error = FileError::AccessDenied;
        return -1;
    }
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        error = causeOf(errno, path, reading);
        ::close(fd);
        return -1;
    }
    error = FileError::None;
    return fd;
}

class PosixWriter : public BufferedFileWriter {
  public:
    PosixWriter(std::string target, int targetFd, bool created, std::string temp, int tempFd)
        : target_(std::move(target)), temp_(std::move(temp)), targetFd_(targetFd), tempFd_(tempFd),
          created_(created) {}

    ~PosixWriter() override {
        if (tempFd_ >= 0) {
            ::close(tempFd_);
            ::unlink(temp_.c_str());
        }
        if (targetFd_ >= 0) {
            if (created_) ::unlink(target_.c_str());
            ::close(targetFd_);
        }
    }

    FileError commit() override {
        bool ok = flushBuffer() && ::fsync(tempFd_) == 0;
        struct stat st;
        if (ok && fstat(targetFd_, &st) == 0) fchmod(tempFd_, st.st_mode & 07777);
        ok = ::close(tempFd_) == 0 && ok;
        tempFd_ = -1;
        if (!ok || ::rename(temp_.c_str(), target_.c_str()) != 0) {
            ::unlink(temp_.c_str());
            return FileError::Other;
        }
        created_ = false;
        ::close(targetFd_);
        targetFd_ = -1;
        return FileError::None;
    }

  protected:
    bool writeThrough(const char* data, size_t size) override {
        while (size > 0) {
            ssize_t n = ::write(tempFd_, data, size);
            if (n < 0 && errno == EINTR) continue;
            if (n <= 0) return false;
            data += n;
            size -= static_cast<size_t>(n);
        }
        return true;
    }

  private:
    std::string target_, temp_;
    int targetFd_, tempFd_;
    bool created_;
};

class PosixFileSystem : public FileSystem {
  public:
    FileError readAll(const char* path, FileContent& content, size_t limit) override {
        std::string os = osPath(path);
        FileError error;
        off_t length;
        int fd = openExclusive(os, O_RDONLY, error, true, length);
        if (fd < 0) return error;
        if (length < 0) {
            ::close(fd);
            return FileError::Other;
        }
        size_t size = static_cast<size_t>(length);
        if (size > limit) {
            ::close(fd);
            return FileError::TooLarge;
        }
        std::unique_ptr<char[]> bytes(new (std::nothrow) char[size + 1]);
        if (!bytes) {
            ::close(fd);
            return FileError::Other;
        }
        size_t got = 0;
        while (got < size) {
            ssize_t n = ::read(fd, bytes.get() + got, size - got);
            if (n < 0 && errno == EINTR) continue;
            if (n < 0) {
                ::close(fd);
                return FileError::Other;
            }
            if (n == 0) break;
            got += static_cast<size_t>(n);
        }
        ::close(fd);
        bytes[got] = '\0';
        content.bytes = std::move(bytes);
        content.size = got;
        return FileError::None;
    }

    std::unique_ptr<FileWriter> beginReplace(const char* path, FileError& error) override {
        std::string os = osPath(path);
        bool existed = ::access(os.c_str(), F_OK) == 0;
        off_t unused;
        int targetFd = openExclusive(os, O_WRONLY | O_CREAT, error, false, unused);
        if (targetFd < 0) return nullptr;
        std::string temp = folderOf(os) + "/.qpf-save-XXXXXX";
        int tempFd = mkstemp(&temp[0]);
        if (tempFd < 0) {
            error = causeOf(errno, os, false);
            if (!existed) ::unlink(os.c_str());
            ::close(targetFd);
            return nullptr;
        }
        return std::make_unique<PosixWriter>(os, targetFd, !existed, temp, tempFd);
    }
};

} // namespace

FileSystem& platformFileSystem() {
    static PosixFileSystem fileSystem;
    return fileSystem;
}
