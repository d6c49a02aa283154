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

bool isOneOf(char c, const char* set) { return c != '\0' && std::strchr(set, c) != nullptr; }

// Copies the span into `out` (of `size` bytes), leaving out the characters of `drop`.
void copySpan(char* out, size_t size, Span span, const char* drop = "") {
    size_t n = 0;
    for (size_t i = 0; i < span.length && n + 1 < size; ++i) {
        char c = span.begin[i];
        if (isOneOf(c, drop)) continue;
        out[n++] = c;
    }
    out[n] = '\0';
}

// Stores a field value through copyTruncated into a whole record buffer.
template <size_t N> void store(char (&field)[N], Span span, const char* drop = "\t") {
    char value[256];
    copySpan(value, sizeof value, span, drop);
    copyInto(field, value);
}

// Stores the part of the span before its first `stop` character, after leading ones.
template <size_t N> void storeFirstPiece(char (&field)[N], Span span, const char* stops) {
    size_t i = 0;
    while (i < span.length && isOneOf(span.begin[i], stops)) ++i;
    size_t end = i;
    while (end < span.length && !isOneOf(span.begin[end], stops)) ++end;
    store(field, Span{span.begin + i, end - i}, "");
}

long coordinateNumber(Span span) {
    char digits[64];
    copySpan(digits, sizeof digits, span);
    return leadingDigits(digits);
}

void fillRecord(PointRecord& r, const Span* f) {
    std::memset(&r, 0, sizeof r);
    store(r.markNumber, f[0]);
    copyInto(r.longitude, unpackCoord(coordinateNumber(f[3])).text);
    copyInto(r.latitude, unpackCoord(coordinateNumber(f[4])).text);
    store(r.soundCode, f[9]);
    store(r.spare11, f[10]);
    storeFirstPiece(r.name, f[12], "\t");
    char enabled[8];
    copySpan(enabled, sizeof enabled, f[13], "\t");
    r.directionEnabled = std::strcmp(enabled, "00") == 0 ? 0 : 1;
    store(r.directionCode, f[14]);
    store(r.spare16, f[15]);
    store(r.spare17, f[16]);
    store(r.spare18, f[17]);
    store(r.spare19, f[18]);
    store(r.spare20, f[19]);
    storeFirstPiece(r.voiceWord, f[20], " \t");
    char stamp[64];
    copySpan(stamp, sizeof stamp, f[21], "\t");
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
        size_t start = i;
        while (i < length && line[i] != '#') ++i;
        fields[n++] = Span{line + start, i - start};
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
