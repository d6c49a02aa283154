// libFuzzer target: the QPF reader on any bytes, then a write and a second read that must
// give back the same number of records. The word-wide reading must also store exactly the
// bytes of the byte-wise one, into records that held the same bytes before.
#include "file_access.h"
#include "point_document.h"
#include "qpf_format.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

// Keeps the files in memory so the fuzzer measures the reader, not the disk.
class MemoryFiles : public FileSystem {
  public:
    const uint8_t* input = nullptr;
    size_t inputSize = 0;
    std::unique_ptr<char[]> written;
    size_t writtenSize = 0;

    FileError readAll(const char* path, FileContent& content, size_t) override {
        bool second = std::strcmp(path, "second.qpf") == 0;
        const char* bytes = second ? written.get() : reinterpret_cast<const char*>(input);
        size_t size = second ? writtenSize : inputSize;
        content.bytes.reset(new char[size + 1]);
        if (size > 0) std::memcpy(content.bytes.get(), bytes, size);
        content.bytes[size] = '\0';
        content.size = size;
        return FileError::None;
    }

    std::unique_ptr<FileWriter> beginReplace(const char*, FileError& error) override {
        error = FileError::None;
        return std::make_unique<Writer>(*this);
    }

  private:
    class Writer : public FileWriter {
      public:
        explicit Writer(MemoryFiles& files) : files_(files) {}
        bool write(const char* data, size_t size) override {
            if (size_ + size > sizeof buffer_) return false;
            std::memcpy(buffer_ + size_, data, size);
            size_ += size;
            return true;
        }
        FileError commit() override {
            files_.written.reset(new char[size_]);
            std::memcpy(files_.written.get(), buffer_, size_);
            files_.writtenSize = size_;
            return FileError::None;
        }

      private:
        MemoryFiles& files_;
        char buffer_[200 * 1024];
        size_t size_ = 0;
    };
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static PointRecord wordWise[kMaxPoints], byteWise[kMaxPoints];
    // Filled alike beforehand, with a byte that varies from input to input.
    std::memset(wordWise, static_cast<int>(size * 31 + 7) & 0xFF, sizeof wordWise);
    std::memcpy(byteWise, wordWise, sizeof byteWise);
    const char* bytes = reinterpret_cast<const char*>(data);
    if (parseQpf(bytes, size, wordWise, kMaxPoints) != parseQpfByteWise(bytes, size, byteWise, kMaxPoints) ||
        std::memcmp(wordWise, byteWise, sizeof wordWise) != 0)
        std::abort();

    static MemoryFiles files;
    files.input = data;
    files.inputSize = size;
    PointDocument doc;
    doc.setFileSystem(files);
    if (doc.loadFile("first.qpf") != 0) std::abort();
    if (doc.saveFile("out.qpf") != 0) std::abort();
    PointDocument back;
    back.setFileSystem(files);
    if (back.loadFile("second.qpf") != 0 || back.count() != doc.count()) std::abort();
    return 0;
}
