#pragma once
// A FileWriter base that gathers small writes into one buffer before they reach the file.
#include "file_access.h"

class BufferedFileWriter : public FileWriter {
  public:
    bool write(const char* data, size_t size) override;

  protected:
    // Writes bytes to the new file; false on any failure.
    virtual bool writeThrough(const char* data, size_t size) = 0;
    bool flushBuffer();

  private:
    char buffer_[8192];
    size_t used_ = 0;
    bool failed_ = false;
};
