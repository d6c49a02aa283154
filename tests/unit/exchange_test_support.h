#pragma once
// Shared helpers for the exchange tests: documents and reports as UTF-8 text, test data.
#include "cp932_text.h"
#include "exchange.h"
#include "point_document.h"
#include "points_test_support.h"

#include <cstdlib>
#include <string>

// The document as `qpf dump` prints it (UTF-8, TAB-separated, one line per point).
inline std::string dumpText(const PointDocument& doc) {
    std::string out;
    for (int i = 0; i < doc.count(); ++i) {
        const PointRecord& r = *doc.recordAt(i);
        std::string enabled = std::to_string(r.directionEnabled);
        const char* fields[] = {r.markNumber, r.name,    r.longitude, r.latitude, r.voiceWord, r.soundCode,
                                r.spare11,    enabled.c_str(), r.directionCode, r.spare16, r.spare17, r.spare18,
                                r.phone,      r.date,    r.time,      r.spare19,  r.spare20,  r.spare23};
        for (size_t f = 0; f < sizeof fields / sizeof fields[0]; ++f) {
            out += (f ? "\t" : "") + cp932ToUtf8(fields[f]);
        }
        out += "\n";
    }
    return out;
}

inline std::string reportText(const ExchangeReport& report) {
    std::string out;
    for (const std::string& line : report.lines) out += cp932ToUtf8(line) + "\n";
    return out;
}

inline std::string exchangeData(const std::string& name) {
    const char* source = std::getenv("TENMARK_SOURCE_DIR");
    return std::string(source ? source : ".") + "/tests/data/exchange/" + name;
}

// 22 June 2006, 10:30:00: the stamp of every new record in these tests.
inline const LocalClock& testClock() {
    static FixedClock clock(LocalTime{2006, 6, 22, 10, 30, 0});
    return clock;
}
