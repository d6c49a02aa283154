#include "field_conversions.h"
#include "qpf_format.h"
#include "text_bytes.h"

#include <cstring>

namespace {

constexpr int kFieldCount = 25;

// A byte range of the file's copy in memory.
struct Span {
    const char* begin = nullptr;
    size_t length = 0;
};

// Copies the span without its TABs into `out` (room for `cap` bytes and a terminator).
// Whole runs between TABs are copied at once: this is the reader's hot path. Returns the
// bytes copied; `cut` tells whether text was left over.
size_t copyWithoutTabs(char* out, size_t cap, Span span, bool& cut) {
    size_t n = 0;
    const char* p = span.begin;
    const char* end = span.begin + span.length;
    cut = false;
    while (p < end) {
        const char* tab = static_cast<const char*>(std::memchr(p, '\t', static_cast<size_t>(end - p)));
        const char* stop = tab ? tab : end;
        size_t take = static_cast<size_t>(stop - p);
        if (take > cap - n) {
            take = cap - n;
            cut = true;
        }
        std::memcpy(out + n, p, take);
        n += take;
        if (cut) break;
        p = tab ? tab + 1 : end;
    }
    out[n] = '\0';
    return n;
}

size_t copyWithoutTabs(char* out, size_t cap, Span span) {
    bool cut;
    return copyWithoutTabs(out, cap, span, cut);
}

// Stores a field's text without TABs into a whole record buffer, cut like copyTruncated.
template <size_t N> void store(char (&field)[N], Span span) {
    bool cut;
    size_t n = copyWithoutTabs(field, N - 1, span, cut);
    if (cut) field[fittingBytes(field, n)] = '\0';
}

bool isStop(char c, bool blankStops) { return c == '\t' || (blankStops && c == ' '); }

// Stores the part of the span before its first stop character, after leading ones.
template <size_t N> void storeFirstPiece(char (&field)[N], Span span, bool blankStops) {
    size_t i = 0;
    while (i < span.length && isStop(span.begin[i], blankStops)) ++i;
    size_t end = i;
    while (end < span.length && !isStop(span.begin[end], blankStops)) ++end;
    store(field, Span{span.begin + i, end - i});
}

long coordinateNumber(Span span) {
    char digits[64];
    copyWithoutTabs(digits, sizeof digits - 1, span);
    return leadingDigits(digits);
}

// Every field is written, so the record needs no clearing first.
void fillRecord(PointRecord& r, const Span* f) {
    store(r.markNumber, f[0]);
    copyInto(r.longitude, unpackCoord(coordinateNumber(f[3])).text);
    copyInto(r.latitude, unpackCoord(coordinateNumber(f[4])).text);
    store(r.soundCode, f[9]);
    store(r.spare11, f[10]);
    storeFirstPiece(r.name, f[12], false);
    char enabled[8];
    copyWithoutTabs(enabled, sizeof enabled - 1, f[13]);
    r.directionEnabled = std::strcmp(enabled, "00") == 0 ? 0 : 1;
    store(r.directionCode, f[14]);
    store(r.spare16, f[15]);
    store(r.spare17, f[16]);
    store(r.spare18, f[17]);
    store(r.spare19, f[18]);
    store(r.spare20, f[19]);
    storeFirstPiece(r.voiceWord, f[20], true);
    char stamp[64];
    copyWithoutTabs(stamp, sizeof stamp - 1, f[21]);
    SplitDateTime split = splitDateTime(stamp);
    copyInto(r.date, split.date);
    copyInto(r.time, split.time);
    store(r.spare23, f[22]);
    store(r.phone, f[23]);
}

// Cuts a record line at "#"; runs of "#" count as one separator.
void cutFields(const char* line, size_t length, Span* fields) {
    int n = 0;
    size_t i = 0;
    while (n < kFieldCount) {
        while (i < length && line[i] == '#') ++i;
        if (i >= length) break;
        const void* hash = std::memchr(line + i, '#', length - i);
        size_t stop = hash ? static_cast<size_t>(static_cast<const char*>(hash) - line) : length;
        fields[n++] = Span{line + i, stop - i};
        i = stop;
    }
}

} // namespace

int parseQpf(const char* bytes, size_t size, PointRecord* records, int capacity) {
    int taken = 0;
    size_t pos = 0;
    while (pos < size && taken < capacity) {
        while (pos < size && bytes[pos] == '\n') ++pos;
        if (pos >= size) break;
        const char* line = bytes + pos;
        const void* lf = std::memchr(line, '\n', size - pos);
        size_t length = lf ? static_cast<size_t>(static_cast<const char*>(lf) - line) : size - pos;
        pos += length;
        if (static_cast<unsigned char>(line[0]) == 0xFF) break;
        if (line[0] != '#') continue;
        Span fields[kFieldCount];
        cutFields(line, length, fields);
        fillRecord(records[taken++], fields);
    }
    return taken;
}

bool hasQpfExtension(const char* path) {
    // Walk by characters: 0x5C can be the trail byte of a double-byte character.
    const char* element = path;
    for (const char* p = path; *p != '\0'; ++p) {
        if (isLeadByte(static_cast<unsigned char>(*p)) && p[1] != '\0') {
            ++p;
        } else if (*p == '\\' || *p == '/') {
            element = p + 1;
        }
    }
    const char* dot = std::strrchr(element, '.');
    if (dot == nullptr || std::strlen(dot) != 4) return false;
    char extension[5];
    std::memcpy(extension, dot, 5);
    upperSingleByte(extension);
    return std::strcmp(extension, ".QPF") == 0;
}
