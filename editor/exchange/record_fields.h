#pragma once
// The fields of the point record by the names `qpf dump` prints, in its order, and the names
// other programs give them (column headers, data and property names).
#include "point_record.h"

#include <cstddef>
#include <string>

enum RecordFieldIndex {
    kFieldMarkNumber,
    kFieldName,
    kFieldLongitude,
    kFieldLatitude,
    kFieldVoiceWord,
    kFieldSoundCode,
    kFieldSpare11,
    kFieldDirectionEnabled,
    kFieldDirectionCode,
    kFieldSpare16,
    kFieldSpare17,
    kFieldSpare18,
    kFieldPhone,
    kFieldDate,
    kFieldTime,
    kFieldSpare19,
    kFieldSpare20,
    kFieldSpare23,
    kRecordFieldCount
};

struct RecordField {
    const char* name; // as `qpf dump` prints it
    size_t offset;    // of the text buffer in PointRecord (unused for directionEnabled)
    size_t size;      // the buffer's size
    size_t limit;     // the most bytes the record keeps
};

extern const RecordField kRecordFields[kRecordFieldCount];

// The text buffer of a field (not for directionEnabled, which is an integer).
char* fieldBuffer(PointRecord& record, int field);
const char* fieldBuffer(const PointRecord& record, int field);

// The field a name from a file stands for (UTF-8; blanks around and ASCII letter case do not
// matter): ours, and the usual aliases, Japanese ones among them. -1 when unknown.
// `ours` (when given) tells whether it was our own name rather than an alias.
int fieldOfName(const std::string& utf8Name, bool* ours = nullptr);
