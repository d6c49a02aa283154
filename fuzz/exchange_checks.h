#pragma once
// What the exchange fuzz targets check, shared with the tests that replay their corpora.
// Each returns false when a property does not hold (the fuzz targets then abort).
#include "cp932_text.h"
#include "exchange.h"
#include "field_conversions.h"
#include "file_access.h"
#include "message_notifier.h"
#include "point_document.h"
#include "point_messages.h"
#include "qpf_format.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

namespace exchange_checks {

// Keeps the core's messages off the console while inputs run by the thousand.
class QuietMessages : public MessageNotifier {
  public:
    QuietMessages() { setMessageNotifier(this); }
    ~QuietMessages() override { setMessageNotifier(nullptr); }
    void showMessage(const char*) override {}
};

class StringWriter : public FileWriter {
  public:
    bool write(const char* data, size_t size) override {
        bytes.append(data, size);
        return true;
    }
    FileError commit() override { return FileError::None; }
    std::string bytes;
};

// The QPF bytes the writer makes of a document.
inline std::string qpfBytes(const PointDocument& doc) {
    StringWriter out;
    out.write(QPF_HEADER, std::strlen(QPF_HEADER));
    for (int i = 0; i < doc.count(); ++i) writeRecordLine(out, *doc.recordAt(i));
    return out.bytes;
}

// Any bytes through a reader: nothing breaks, at most 200 points, and what was read writes
// out in the same format and reads back to as many points.
inline bool readerHolds(ExchangeFormat format, const char* data, size_t size) {
    QuietMessages quiet;
    ExchangeOptions options;
    options.recordDatum = size % 2 ? Datum::Tokyo : Datum::Wgs84;
    PointDocument doc;
    ExchangeReport report;
    if (readPoints(data, size, "fuzz", format, doc, options, report) != 0) return doc.count() == 0;
    if (doc.count() > kMaxPoints) return false;
    std::string written = writePoints(format, doc, options, report);
    PointDocument back;
    if (readPoints(written.data(), written.size(), "fuzz", format, back, options, report) != 0) return false;
    return back.count() == doc.count();
}

// Whether a record holds only what every format can carry: cp932 text that converts to
// Unicode and back without control characters, names and readings of at most 20 bytes,
// minutes and seconds below 60, a north latitude to 90 and an east longitude to 180.
inline bool carriable(const PointRecord& r) {
    for (const char* text : {r.markNumber, r.name, r.voiceWord, r.soundCode, r.spare11, r.directionCode, r.spare16,
                             r.spare17, r.spare18, r.phone, r.date, r.time, r.spare19, r.spare20, r.spare23}) {
        std::string back;
        if (!utf8ToCp932(cp932ToUtf8(text), back) || back != text) return false;
        for (const char* p = text; *p; ++p) {
            if (static_cast<unsigned char>(*p) < 0x20) return false;
        }
    }
    if (std::strlen(r.name) > 20 || std::strlen(r.voiceWord) > 20) return false;
    const long limits[2] = {180L * 36000, 90L * 36000};
    const char* coords[2] = {r.longitude, r.latitude};
    for (int k = 0; k < 2; ++k) {
        long v = std::atol(packCoord(coords[k]).text);
        long rest = v % 100000;
        if (v < 0 || rest / 1000 >= 60 || rest % 1000 / 10 >= 60) return false;
        if (v / 100000 * 36000 + rest / 1000 * 600 + rest % 1000 > limits[k]) return false;
    }
    return true;
}

// The input as a QPF file: when every point is carriable, it goes out to every format and
// back, and the QPF bytes are the same.
inline bool roundTripHolds(const char* data, size_t size) {
    QuietMessages quiet;
    std::unique_ptr<PointRecord[]> records(new PointRecord[kMaxPoints]());
    int n = parseQpf(data, size, records.get(), kMaxPoints);
    PointDocument a;
    for (int i = 0; i < n; ++i) {
        if (!carriable(records[i])) return true;
        a.insertBlank(i);
        a.replaceRecord(i, records[i]);
    }
    if (n == 0) return true;
    ExchangeOptions options;
    options.recordDatum = size % 2 ? Datum::Tokyo : Datum::Wgs84;
    std::string expected = qpfBytes(a);
    for (ExchangeFormat format : {ExchangeFormat::Gpx, ExchangeFormat::Kml, ExchangeFormat::Kmz,
                                  ExchangeFormat::Csv, ExchangeFormat::GeoJson}) {
        ExchangeReport report;
        std::string out = writePoints(format, a, options, report);
        PointDocument b;
        if (readPoints(out.data(), out.size(), "fuzz", format, b, options, report) != 0) return false;
        if (qpfBytes(b) != expected || !report.empty()) return false;
    }
    return true;
}

} // namespace exchange_checks
