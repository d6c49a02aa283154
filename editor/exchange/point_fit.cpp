// Foreign points into point records: every value through the one cp932 boundary and the
// record's own limits, each change said once per point and field.
#include "exchange_messages.h"
#include "exchange_text.h"
#include "foreign_points.h"
#include "point_document.h"
#include "text_bytes.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

class FitReport {
  public:
    FitReport(ExchangeReport& report, int point) : report_(report), point_(point) {}
    void say(const char* format, int field, long number = 0) {
        char line[256];
        std::snprintf(line, sizeof line, format, point_, kRecordFields[field].name, static_cast<int>(number));
        report_.lines.emplace_back(line);
    }

  private:
    ExchangeReport& report_;
    int point_;
};

// The value as cp932, each character cp932 lacks (and each zero byte) as "?".
std::string toCp932(const std::string& utf8, int field, FitReport& said) {
    size_t replaced = 0;
    std::string cp932 = importedCp932(utf8, replaced);
    if (replaced > 0) said.say(MSG_EX_REPLACED, field, static_cast<long>(replaced));
    return cp932;
}

// Stores a text field as the record's setters would: QPF's separators kept out, then cut
// at the field's limit without splitting a character.
void fitText(PointRecord& record, int field, const std::string& utf8, FitReport& said) {
    std::string cp932 = toCp932(utf8, field, said);
    // "#" may double in length when replaced; room for all of it.
    std::vector<char> kept(cp932.size() * 2 + 1);
    copyFieldValue(kept.data(), cp932.c_str(), cp932.size() * 2);
    if (std::strcmp(kept.data(), cp932.c_str()) != 0) said.say(MSG_EX_SEPARATORS, field);
    const RecordField& f = kRecordFields[field];
    size_t stored = copyTruncated(fieldBuffer(record, field), kept.data(), f.limit);
    if (stored < std::strlen(kept.data())) said.say(MSG_EX_CUT, field, static_cast<long>(f.limit));
}

// A mark number of one digit from elsewhere takes the record's two-digit form ("5" is "05").
std::string markForm(const std::string& value) {
    if (value.size() == 1 && value[0] >= '0' && value[0] <= '9') return "0" + value;
    return value;
}

void fitDirectionEnabled(PointRecord& record, const std::string& value, FitReport& said) {
    const char* text = value.c_str();
    char* end = nullptr;
    long v = std::strtol(text, &end, 10);
    while (*end == ' ') ++end;
    bool integer = end != text && *end == '\0' && v >= -2147483647L && v <= 2147483647L;
    if (!integer) {
        said.say(MSG_EX_NOT_INTEGER, kFieldDirectionEnabled, record.directionEnabled);
        return;
    }
    record.directionEnabled = static_cast<int32_t>(v);
}

} // namespace

void fillDocument(PointDocument& document, const PointCollector& points, ExchangeReport& report) {
    document.clearAll();
    int i = 0;
    for (const TakenPoint& taken : points.taken()) {
        if (document.insertBlank(i) != 1) break;
        PointRecord record = *document.recordAt(i);
        copyInto(record.latitude, taken.latitude.text);
        copyInto(record.longitude, taken.longitude.text);
        FitReport said(report, i + 1);
        const ForeignPoint& p = taken.point;
        for (int field = 0; field < kRecordFieldCount; ++field) {
            if (p.given[field] == 0) continue;
            if (field == kFieldDirectionEnabled) {
                fitDirectionEnabled(record, p.values[field], said);
            } else if (field == kFieldMarkNumber && p.given[field] == 1) {
                // Under our own name the value is the record's, kept as it stands.
                fitText(record, field, markForm(p.values[field]), said);
            } else {
                fitText(record, field, p.values[field], said);
            }
        }
        document.replaceRecord(i, record);
        ++i;
    }
    points.reportLeftOut(report);
    document.setModified(false);
}
