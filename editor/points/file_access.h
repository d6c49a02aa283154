#pragma once
// Exclusive file access for QPF files. Paths are cp932. Two implementations: Win32 (share
// mode 0) and POSIX (an exclusive flock held by someone else counts as a sharing violation).
#include <cstddef>
#include <cstdint>
#include <memory>

// TooLarge: the file is longer than the reader's limit; nothing of it was read.
enum class FileError { None, NotFound, AccessDenied, SharingViolation, TooLarge, Other };

// The message the user sees for a failed open, read or write; nullptr for None.
const char* fileErrorMessage(FileError error);

// A whole file's bytes, read with one open for exclusive use.
struct FileContent {
    std::unique_ptr<char[]> bytes;
    size_t size = 0;
};

// Writes a file's new content beside it and replaces the old file only when everything was
// written, so a failure never destroys the previous content. Destroying an uncommitted
// writer leaves the old file as it was.
class FileWriter {
  public:
    virtual ~FileWriter() = default;
    virtual bool write(const char* data, size_t size) = 0;
    virtual FileError commit() = 0;
};

class FileSystem {
  public:
    virtual ~FileSystem() = default;
    // Refuses a file longer than `limit` before reading it; memory that cannot be had is a
    // failed read, not an exception.
    virtual FileError readAll(const char* path, FileContent& content, size_t limit = SIZE_MAX) = 0;
    // Opens `path` for exclusive writing (creating it when missing); on failure returns
    // nullptr and sets `error`.
    virtual std::unique_ptr<FileWriter> beginReplace(const char* path, FileError& error) = 0;
};

// The file system of the platform the program was built for.
FileSystem& platformFileSystem();
