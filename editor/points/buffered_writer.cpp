#include "buffered_writer.h"

#include <cstring>

bool BufferedFileWriter::write(const char* data, size_t size) {
    if (failed_) return false;
    if (used_ + size > sizeof buffer_) {
        if (!flushBuffer()) return false;
        if (size > sizeof buffer_) return (failed_ = !writeThrough(data, size)) == false;
    }
    std::memcpy(buffer_ + used_, data, size);
    used_ += size;
    return true;
}

bool BufferedFileWriter::flushBuffer() {
    if (failed_) return false;
    if (used_ > 0 && !writeThrough(buffer_, used_)) failed_ = true;
    used_ = 0;
    return !failed_;
}
