// Reading and writing a document as a QPF file.
#include "field_conversions.h"
#include "file_access.h"
#include "message_notifier.h"
#include "point_document.h"
#include "point_messages.h"
#include "qpf_format.h"

#include <cstdio>
#include <cstring>

namespace {

class LineWriter {
  public:
    explicit LineWriter(FileWriter& out) : out_(out) {}
    // Fields 1 to 24: "#", the value, TAB.
    void field(const char* value) {
        put("#", 1);
        put(value, std::strlen(value));
        put("\t", 1);
    }
    void put(const char* data, size_t size) { ok_ = ok_ && out_.write(data, size); }
    bool ok() const { return ok_; }

  private:
    FileWriter& out_;
    bool ok_ = true;
};

void reportFileError(FileError error) {
    if (const char* message = fileErrorMessage(error)) showMessage(message);
}

} // namespace

bool writeRecordLine(FileWriter& out, const PointRecord& r) {
    LineWriter line(out);
    line.field(r.markNumber);
    line.field("00");
    line.field("00");
    line.field(packCoord(r.longitude).text);
    line.field(packCoord(r.latitude).text);
    for (int i = 0; i < 4; ++i) line.field("0800");
    line.field(r.soundCode);
    line.field(r.spare11);
    line.field(nameCount(r.name).text);
    line.field(r.name);
    line.field(r.directionEnabled != 0 ? "01" : "00");
    line.field(r.directionCode);
    line.field(r.spare16);
    line.field(r.spare17);
    line.field(r.spare18);
    line.field(r.spare19);
    line.field(r.spare20);
    line.field(r.voiceWord);
    line.field(dateTimeField(r.date, r.time).text);
    line.field(r.spare23);
    line.field(r.phone);
    line.put("#", 1);
    line.put(checkValue(r.longitude, r.latitude).text, 2);
    line.put("\r\n", 2);
    return line.ok();
}

int PointDocument::saveFile(const char* path) const {
    FileError error = FileError::None;
    std::unique_ptr<FileWriter> out = files_->beginReplace(path, error);
    if (!out) {
        reportFileError(error);
        return -1;
    }
    bool ok = out->write(QPF_HEADER, std::strlen(QPF_HEADER));
    for (int i = 0; ok && i < count_; ++i) ok = writeRecordLine(*out, slots_[i]);
    // Destroying the writer without a commit keeps the previous file.
    error = ok ? out->commit() : FileError::Other;
    if (error != FileError::None) {
        reportFileError(error);
        return -1;
    }
    return 0;
}

int PointDocument::loadFile(const char* path) {
    if (!hasQpfExtension(path)) {
        char message[1100];
        std::snprintf(message, sizeof message, MSG_UNKNOWN_FILE_FORMAT, path);
        showMessage(message);
        return -1;
    }
    FileContent content;
    FileError error = files_->readAll(path, content);
    if (error != FileError::None) {
        reportFileError(error);
        return -1;
    }
    takeQpfBytes(content.bytes.get(), content.size);
    return 0;
}

void PointDocument::takeQpfBytes(const char* bytes, size_t size) {
    count_ = parseQpf(bytes, size, slots_.get(), kMaxPoints);
    modified_ = false;
}
