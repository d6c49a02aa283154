#include "field_conversions.h"

#include <cstdlib>

#include "text_bytes.h"

#include <climits>
#include <cstdint>
#include <initializer_list>
#include <cstdio>
#include <cstring>

namespace {

const char kPackSeparators[] = "' ,./\t\n";
const char kCheckSeparators[] = "' ,.\t\n";
// Digits beyond this stop counting, so no sum of pieces can overflow.
const long long kPieceCeiling = 1000000000000LL;

// A piece of a text cut at a set of separators; runs of separators count as one.
struct Piece {
    const char* begin;
    size_t length;
};

// Cuts `text` into at most `maxPieces` pieces; returns how many were found.
int cutPieces(const char* text, const char* separators, Piece* pieces, int maxPieces) {
    int found = 0;
    const char* p = text;
    while (found < maxPieces) {
        p += std::strspn(p, separators);
        if (*p == '\0') break;
        size_t length = std::strcspn(p, separators);
        pieces[found++] = Piece{p, length};
        p += length;
    }
    return found;
}

// An integer from the piece's leading decimal digits, a leading sign allowed; saturates.
long long pieceValue(const char* p, size_t length) {
    size_t i = 0;
    bool negative = false;
    if (i < length && (p[i] == '+' || p[i] == '-')) {
        negative = p[i] == '-';
        ++i;
    }
    long long value = 0;
    for (; i < length && p[i] >= '0' && p[i] <= '9'; ++i) {
        if (value < kPieceCeiling) value = value * 10 + (p[i] - '0');
    }
    return negative ? -value : value;
}

long long pieceAt(const Piece* pieces, int found, int index) {
    return index < found ? pieceValue(pieces[index].begin, pieces[index].length) : 0;
}

// Copies `count` bytes; returns the end of the copy.
char* copyBytes(char* out, const char* text, size_t count) {
    std::memcpy(out, text, count);
    return out + count;
}

// Copies `length` bytes of `text` with `mark` inserted at offset `first` and then at the
// smaller offset `second`, each insertion going to the end when its offset lies beyond it.
// Built in one go: the second mark lands before the first, at most at the same place.
void copyWithTwoMarks(char* out, const char* text, size_t length, size_t first, size_t second, char mark) {
    size_t late = first < length ? first : length;
    size_t early = second < late ? second : late;
    char* p = copyBytes(out, text, early);
    *p++ = mark;
    p = copyBytes(p, text + early, late - early);
    *p++ = mark;
    p = copyBytes(p, text + late, length - late);
    *p = '\0';
}

// Copies `text` without every `drop` character, appending at `out`; returns the new end.
char* appendWithout(char* out, const char* end, const char* text, char drop) {
    for (const char* p = text; *p != '\0' && out < end; ++p) {
        if (*p != drop) *out++ = *p;
    }
    return out;
}

// Writes a non-negative number zero-padded to `width` digits; returns the end.
char* writeDigits(char* out, long value, int width) {
    char reversed[24];
    int n = 0;
    do {
        reversed[n++] = static_cast<char>('0' + value % 10);
        value /= 10;
    } while (value > 0);
    while (n < width)
        reversed[n++] = '0';
    while (n > 0)
        *out++ = reversed[--n];
    return out;
}

// Writes a value below 100 as two digits; returns the end.
char* writeTwoDigits(char* out, uint32_t value) {
    out[0] = static_cast<char>('0' + value / 10);
    out[1] = static_cast<char>('0' + value % 10);
    return out + 2;
}

} // namespace

PackedCoord packCoord(const char* text) {
    Piece pieces[4];
    int found = cutPieces(text, kPackSeparators, pieces, 4);
    long long degrees = pieceAt(pieces, found, 0);
    long long minutes = pieceAt(pieces, found, 1);
    long long seconds = pieceAt(pieces, found, 2);
    long long tenths = 0;
    if (found > 3) {
        // Up to three decimals, filled with "0" on the right, then whole tenths only.
        char decimals[4] = {'0', '0', '0', '\0'};
        size_t take = pieces[3].length < 3 ? pieces[3].length : 3;
        std::memcpy(decimals, pieces[3].begin, take);
        tenths = pieceValue(decimals, 3) / 100;
    }
    PackedCoord packed;
    std::snprintf(packed.text, sizeof packed.text, "%08lld",
                  degrees * 100000 + minutes * 1000 + seconds * 10 + tenths);
    return packed;
}

CoordText unpackCoord(long value) {
    CoordText coord;
    writeCoordText(coord.text, value);
    return coord;
}

size_t writeCoordText(char (&out)[32], long value) {
    if (value < 0 || value > INT_MAX) {
        long rest = value % 100000;
        std::snprintf(out, sizeof out, "%03ld/%02ld/%02ld.%01ld", value / 100000, rest / 1000,
                      (rest % 1000) / 10, rest % 10);
        return std::strlen(out);
    }
    // Formatted by hand in unsigned 32-bit arithmetic: every point of a file passes here
    // twice on loading.
    uint32_t v = static_cast<uint32_t>(value);
    uint32_t degrees = v / 100000;
    uint32_t rest = v % 100000;
    char* p = out;
    if (degrees < 1000) {
        *p++ = static_cast<char>('0' + degrees / 100);
        p = writeTwoDigits(p, degrees % 100);
    } else {
        p = writeDigits(p, degrees, 3);
    }
    *p++ = '/';
    p = writeTwoDigits(p, rest / 1000);
    *p++ = '/';
    p = writeTwoDigits(p, rest % 1000 / 10);
    *p++ = '.';
    *p++ = static_cast<char>('0' + rest % 10);
    *p = '\0';
    return static_cast<size_t>(p - out);
}

CheckValue checkValue(const char* longitudeText, const char* latitudeText) {
    long long sum = 0;
    for (const char* text : {longitudeText, latitudeText}) {
        Piece pieces[4];
        int found = cutPieces(text, kCheckSeparators, pieces, 4);
        for (int i = 0; i < found; ++i)
            sum += pieceValue(pieces[i].begin, pieces[i].length);
    }
    CheckValue check;
    std::snprintf(check.text, sizeof check.text, "%02X", static_cast<unsigned>(((sum % 256) + 256) % 256));
    return check;
}

NameCount nameCount(const char* name) {
    size_t n = characterCount(name);
    NameCount count;
    count.text[0] = static_cast<char>('0' + (n / 10) % 10);
    count.text[1] = static_cast<char>('0' + n % 10);
    count.text[2] = '\0';
    return count;
}

DateTimeField dateTimeField(const char* date, const char* time) {
    DateTimeField field;
    const char* end = field.text + sizeof field.text - 1;
    char* out = appendWithout(field.text, end, date, '/');
    out = appendWithout(out, end, time, ':');
    *out = '\0';
    return field;
}

SplitDateTime splitDateTime(const char* field) {
    SplitDateTime split;
    splitDateTimeInto(field, std::strlen(field), split.date, split.time);
    return split;
}

void splitDateTimeInto(const char* field, size_t length, char (&date)[16], char (&time)[16]) {
    size_t dateLength = length < 8 ? length : 8;
    copyWithTwoMarks(date, field, dateLength, 6, 4, '/');
    size_t timeLength = length < 6 ? length : 6;
    copyWithTwoMarks(time, field + length - timeLength, timeLength, 4, 2, ':');
}

long leadingDigits(const char* text) {
    const char* p = text + std::strspn(text, " \t");
    long long value = 0;
    for (; *p >= '0' && *p <= '9'; ++p) {
        value = value * 10 + (*p - '0');
        if (value > INT_MAX) value = INT_MAX;
    }
    return static_cast<long>(value);
}

long long tenthsOfCoordText(const char* text) {
    long long v = std::strtoll(packCoord(text != nullptr ? text : "").text, nullptr, 10);
    // Small enough that the arithmetic below cannot overflow.
    if (v > 1000000000000LL) v = 1000000000000LL;
    if (v < -1000000000000LL) v = -1000000000000LL;
    long long rest = v % 100000;
    return v / 100000 * 36000 + rest / 1000 * 600 + rest % 1000;
}
