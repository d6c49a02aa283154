#include "buffered_writer.h"
#include "cp932_text.h"
#include "file_access.h"

#include <new>
#include <string>
#include <windows.h>

namespace {

// Core paths are cp932 whatever the system's code page.
std::wstring widePath(const char* path) {
    return cp932ToWide(path);
}

FileError causeOf(DWORD err) {
    switch (err) {
    case ERROR_SUCCESS:
        return FileError::None;
    case ERROR_FILE_NOT_FOUND:
        return FileError::NotFound;
    case ERROR_ACCESS_DENIED:
        return FileError::AccessDenied;
    case ERROR_SHARING_VIOLATION:
        return FileError::SharingViolation;
    default:
        return FileError::Other;
    }
}

std::wstring folderOf(const std::wstring& path) {
    size_t cut = path.find_last_of(L"\\/:");
    if (cut == std::wstring::npos) return L".";
    // Keep the separator of a root ("\", "C:\"), where the folder would otherwise vanish.
    bool root = path[cut] == L':' || cut == 0 || path[cut - 1] == L':';
    return path.substr(0, root ? cut + 1 : cut);
}

class Win32Writer : public BufferedFileWriter {
  public:
    Win32Writer(std::wstring target, HANDLE targetHandle, bool created, std::wstring temp, HANDLE tempHandle)
        : target_(std::move(target)), temp_(std::move(temp)), targetHandle_(targetHandle),
          tempHandle_(tempHandle), created_(created) {}

    ~Win32Writer() override {
        if (tempHandle_ != INVALID_HANDLE_VALUE) {
            CloseHandle(tempHandle_);
            DeleteFileW(temp_.c_str());
        }
        if (targetHandle_ != INVALID_HANDLE_VALUE) {
            CloseHandle(targetHandle_);
            if (created_) DeleteFileW(target_.c_str());
        }
    }

    FileError commit() override {
        bool written = flushBuffer() && FlushFileBuffers(tempHandle_);
        written = CloseHandle(tempHandle_) && written;
        tempHandle_ = INVALID_HANDLE_VALUE;
        // The old file stays held until its replacement is complete.
        CloseHandle(targetHandle_);
        targetHandle_ = INVALID_HANDLE_VALUE;
        bool replaced = written && (ReplaceFileW(target_.c_str(), temp_.c_str(), nullptr,
                                                 REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr) ||
                                    MoveFileExW(temp_.c_str(), target_.c_str(),
                                                MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH));
        if (replaced) return FileError::None;
        // A replace that fails half way can leave the old file gone: then the complete
        // temporary file is the only copy of the points, and it stays.
        bool oldFileGone = !created_ && GetFileAttributesW(target_.c_str()) == INVALID_FILE_ATTRIBUTES;
        if (!(written && oldFileGone)) DeleteFileW(temp_.c_str());
        if (created_) DeleteFileW(target_.c_str());
        return FileError::Other;
    }

  protected:
    bool writeThrough(const char* data, size_t size) override {
        while (size > 0) {
            DWORD chunk = size > 0x40000000 ? 0x40000000 : static_cast<DWORD>(size);
            DWORD written = 0;
            if (!WriteFile(tempHandle_, data, chunk, &written, nullptr) || written == 0) return false;
            data += written;
            size -= written;
        }
        return true;
    }

  private:
    std::wstring target_, temp_;
    HANDLE targetHandle_, tempHandle_;
    bool created_;
};

class Win32FileSystem : public FileSystem {
  public:
    FileError readAll(const char* path, FileContent& content, size_t limit) override {
        HANDLE h = CreateFileW(widePath(path).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h == INVALID_HANDLE_VALUE) return causeOf(GetLastError());
        LARGE_INTEGER size;
        if (!GetFileSizeEx(h, &size) || size.QuadPart > 0x7FFFFFFF) {
            CloseHandle(h);
            return FileError::Other;
        }
        size_t total = static_cast<size_t>(size.QuadPart);
        if (total > limit) {
            CloseHandle(h);
            return FileError::TooLarge;
        }
        std::unique_ptr<char[]> bytes(new (std::nothrow) char[total + 1]);
        if (!bytes) {
            CloseHandle(h);
            return FileError::Other;
        }
        size_t got = 0;
        while (got < total) {
            DWORD n = 0;
            if (!ReadFile(h, bytes.get() + got, static_cast<DWORD>(total - got), &n, nullptr)) {
                CloseHandle(h);
                return FileError::Other;
            }
            if (n == 0) break;
            got += n;
        }
        CloseHandle(h);
        bytes[got] = '\0';
        content.bytes = std::move(bytes);
        content.size = got;
        return FileError::None;
    }

    std::unique_ptr<FileWriter> beginReplace(const char* path, FileError& error) override {
        std::wstring target = widePath(path);
        HANDLE targetHandle = CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                                          FILE_ATTRIBUTE_NORMAL, nullptr);
        if (targetHandle == INVALID_HANDLE_VALUE) {
            error = causeOf(GetLastError());
            return nullptr;
        }
        bool created = GetLastError() != ERROR_ALREADY_EXISTS;
        wchar_t temp[MAX_PATH + 16];
        HANDLE tempHandle = INVALID_HANDLE_VALUE;
        bool named = GetTempFileNameW(folderOf(target).c_str(), L"qpf", 0, temp) != 0;
        if (named) {
            tempHandle = CreateFileW(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        }
        if (tempHandle == INVALID_HANDLE_VALUE) {
            error = causeOf(GetLastError());
            if (error == FileError::None) error = FileError::Other;
            // GetTempFileName made the file it named.
            if (named) DeleteFileW(temp);
            CloseHandle(targetHandle);
            if (created) DeleteFileW(target.c_str());
            return nullptr;
        }
        error = FileError::None;
        return std::make_unique<Win32Writer>(target, targetHandle, created, temp, tempHandle);
    }
};

} // namespace

FileSystem& platformFileSystem() {
    static Win32FileSystem fileSystem;
    return fileSystem;
}
