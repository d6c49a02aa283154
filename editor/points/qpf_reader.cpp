#include "field_conversions.h"
#include "qpf_format.h"
#include "qpf_plain_line.h"
#include "text_bytes.h"

#include <climits>
#include <cstdint>
#include <cstring>

namespace {

// The unread rest of one record line. Fields are read in file order, each up to the "#"
// that ends it; a run of "#" counts as one separator. Fields missing at the end of a short
// line read as empty text.
//
// This byte-wise reading takes any line; lines as the writer writes them are read word-wide
// (qpf_plain_line.h) into the same bytes. Each field is read in one pass with plain loops:
// fields are a few bytes long, and a library call per field or per TAB costs more.
// The loops work on local pointers, since a store through char* could alias the cursor.
// The field readers are inline so that every field gets its own copy of the loop, whose
// exit the branch predictor then learns per field.
struct LineCursor {
    const char* p;
    const char* end;
};

// Steps over the "#" run that opens the next field.
LineCursor& nextField(LineCursor& c) {
    const char* p = c.p;
    while (p != c.end && *p == '#')
        ++p;
    c.p = p;
    return c;
}

void skipField(LineCursor& c) {
    const char* p = c.p;
    while (p != c.end && *p != '#')
        ++p;
    c.p = p;
}

// What ends the text a field contributes: only the field's end, or also a TAB (and a blank)
// when just its first piece is taken.
struct WholeField {
    static bool stops(char) { return false; }
};
template <bool BlankStops> struct FirstPiece {
    static bool stops(char c) { return c == '\t' || (BlankStops && c == ' '); }
};

// Copies the field into `out` (room for `cap` bytes and a terminator), dropping TABs, up to
// its end or a stop byte. Text beyond the room is cut like copyTruncated, never splitting a
// double-byte character.
template <typename Text> inline void copyField(char* out, size_t cap, LineCursor& c) {
    const char* p = c.p;
    const char* const end = c.end;
    char* o = out;
    char* const full = out + cap;
    bool cut = false;
    for (; p != end && *p != '#' && !Text::stops(*p); ++p) {
        if (*p == '\t') continue;
        if (o != full) {
            *o++ = *p;
        } else {
            cut = true;
        }
    }
    c.p = p;
    *o = '\0';
    if (cut) out[fittingBytes(out, cap)] = '\0';
}

// The field's text without its TABs, into a whole record buffer.
template <size_t N> void store(char (&field)[N], LineCursor& c) {
    copyField<WholeField>(field, N - 1, c);
}

// The part of the field before its first stop byte, after leading ones.
template <bool BlankStops, size_t N> void storeFirstPiece(char (&field)[N], LineCursor& c) {
    while (c.p != c.end && FirstPiece<BlankStops>::stops(*c.p))
        ++c.p;
    copyField<FirstPiece<BlankStops>>(field, N - 1, c);
    skipField(c);
}

// Gathers the field's text without TABs up to a zero byte, at most `cap` bytes; returns
// how many.
inline size_t gatherText(char* out, size_t cap, LineCursor& c) {
    const char* p = c.p;
    const char* const end = c.end;
    size_t n = 0;
    for (; p != end && *p != '#' && n < cap; ++p) {
        if (*p == '\0') break;
        if (*p != '\t') out[n++] = *p;
    }
    c.p = p;
    skipField(c);
    return n;
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// A coordinate field's number: its leading decimal digits after blanks and TABs (no digits
// give 0, a too long run stays at the largest int).
inline long coordinateNumber(LineCursor& c) {
    const char* p = c.p;
    const char* const end = c.end;
    while (p != end && (*p == ' ' || *p == '\t'))
        ++p;
    long long value = 0;
    for (; p != end && isDigit(*p); ++p) {
        value = value * 10 + (*p - '0');
        if (value > INT_MAX) value = INT_MAX;
    }
    c.p = p;
    skipField(c);
    return static_cast<long>(value);
}

// Direction on unless the field without TABs reads exactly "00".
int32_t directionEnabled(LineCursor& c) {
    char text[3];
    size_t n = gatherText(text, sizeof text, c);
    return n == 2 && text[0] == '0' && text[1] == '0' ? 0 : 1;
}

// Field 22 becomes the date and the time: its first 8 and its last 6 bytes once its TABs
// are gone (the text ends at a zero byte).
void storeDateTime(PointRecord& r, LineCursor& c) {
    // A longer text is kept as its first 8 bytes and a window of its last 6, which splits
    // the same way.
    char stamp[14];
    size_t n = 0;
    const char* p = c.p;
    for (; p != c.end && *p != '#' && *p != '\0'; ++p) {
        if (*p == '\t') continue;
        if (n == sizeof stamp) {
            std::memmove(stamp + 8, stamp + 9, 5);
            --n;
        }
        stamp[n++] = *p;
    }
    c.p = p;
    skipField(c);
    splitDateTimeInto(stamp, n, r.date, r.time);
}

// Every field is written, so the record needs no clearing first.
void fillRecord(PointRecord& r, LineCursor c) {
    store(r.markNumber, nextField(c));
    skipField(nextField(c));
    skipField(nextField(c));
    writeCoordText(r.longitude, coordinateNumber(nextField(c)));
    writeCoordText(r.latitude, coordinateNumber(nextField(c)));
    for (int i = 0; i < 4; ++i)
        skipField(nextField(c));
    store(r.soundCode, nextField(c));
    store(r.spare11, nextField(c));
    skipField(nextField(c));
    storeFirstPiece<false>(r.name, nextField(c));
    r.directionEnabled = directionEnabled(nextField(c));
    store(r.directionCode, nextField(c));
    store(r.spare16, nextField(c));
    store(r.spare17, nextField(c));
    store(r.spare18, nextField(c));
    store(r.spare19, nextField(c));
    store(r.spare20, nextField(c));
    storeFirstPiece<true>(r.voiceWord, nextField(c));
    storeDateTime(r, nextField(c));
    store(r.spare23, nextField(c));
    store(r.phone, nextField(c));
}

// The end of the line at `line`: its LF, or the end of the bytes.
const char* endOfLine(const char* line, const char* limit) {
    const void* lf = std::memchr(line, '\n', static_cast<size_t>(limit - line));
    return lf ? static_cast<const char*>(lf) : limit;
}

// With `wordWise`, lines as the writer writes them take the word-wide reading, which stores
// the same bytes; all others, and every line without it, are read byte by byte.
int parse(const char* bytes, size_t size, PointRecord* records, int capacity, bool wordWise) {
    const char* const limit = bytes + size;
    int taken = 0;
    size_t pos = 0;
    while (pos < size && taken < capacity) {
        while (pos < size && bytes[pos] == '\n')
            ++pos;
        if (pos >= size) break;
        const char* line = bytes + pos;
        if (static_cast<unsigned char>(line[0]) == 0xFF) break;
        const char* lineEnd = nullptr;
        if (line[0] == '#') {
            PointRecord& record = records[taken++];
            if (wordWise) lineEnd = readPlainLine(line, limit, record);
            if (lineEnd == nullptr) {
                lineEnd = endOfLine(line, limit);
                fillRecord(record, LineCursor{line, lineEnd});
            }
        } else {
            lineEnd = endOfLine(line, limit);
        }
        pos = static_cast<size_t>(lineEnd - bytes);
    }
    return taken;
}

} // namespace

int parseQpf(const char* bytes, size_t size, PointRecord* records, int capacity) {
    return parse(bytes, size, records, capacity, true);
}

int parseQpfByteWise(const char* bytes, size_t size, PointRecord* records, int capacity) {
    return parse(bytes, size, records, capacity, false);
}

bool hasQpfExtension(const char* path) {
    const char* element = lastPathElement(path);
    const char* dot = std::strrchr(element, '.');
    if (dot == nullptr || std::strlen(dot) != 4) return false;
    char extension[5];
    std::memcpy(extension, dot, 5);
    upperSingleByte(extension);
    return std::strcmp(extension, ".QPF") == 0;
}
