#include "map_coord_text.h"

#include <cstdio>
#include <cstring>

namespace {

constexpr int64_t kThousandthsPerDegree = 3600000;
constexpr int64_t kThousandthsPerMinute = 60000;
// Fields are read into 64 bits; anything longer than this many digits is out of range anyway.
constexpr size_t kMaxFieldDigits = 12;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Reads the digits of text[begin, end) into *value. An empty field is 0.
bool ReadDigits(const char* text, size_t begin, size_t end, int64_t* value) {
    if (end - begin > kMaxFieldDigits) return false;
    int64_t result = 0;
    for (size_t i = begin; i < end; ++i) {
        if (!IsDigit(text[i])) return false;
        result = result * 10 + (text[i] - '0');
    }
    *value = result;
    return true;
}

bool AllDigits(const char* text, size_t begin, size_t end) {
    for (size_t i = begin; i < end; ++i) {
        if (!IsDigit(text[i])) return false;
    }
    return true;
}

// Position of the next "/" at or after begin, or end.
size_t NextSeparator(const char* text, size_t begin, size_t end) {
    while (begin < end && text[begin] != '/')
        ++begin;
    return begin;
}

int CopyOut(const char* text, char* out, size_t size) {
    size_t length = strlen(text);
    if (out == nullptr || length + 1 > size) return -1;
    memcpy(out, text, length + 1);
    return static_cast<int>(length);
}

// The plain shape MapView takes: D (1-6 digits, leading zeros allowed), then optionally
// /MM (1-2 digits) and /SSSSS (1-5 digits), or the empty text.
bool IsPlainMapCoord(const char* text) {
    const size_t maxDigits[3] = {6, 2, 5};
    const char* p = text;
    if (*p == '\0') return true;
    for (int field = 0; field < 3; ++field) {
        size_t digits = 0;
        while (IsDigit(*p)) {
            ++digits;
            ++p;
        }
        if (digits == 0 || digits > maxDigits[field]) return false;
        if (*p == '\0') return true;
        if (*p != '/' || field == 2) return false;
        ++p;
    }
    return false;
}

} // namespace

int formatMapCoord(int32_t value, char* out, size_t size, MapCoordDialect dialect) {
    if (dialect == MapCoordDialect::MapView && value < 0) return -1;
    if (value == 0 && dialect == MapCoordDialect::Link) return CopyOut("", out, size);
    int64_t magnitude = value < 0 ? -static_cast<int64_t>(value) : value;
    long long degrees = magnitude / kThousandthsPerDegree;
    int64_t rest = magnitude % kThousandthsPerDegree;
    long long minutes = rest / kThousandthsPerMinute;
    long long thousandths = rest % kThousandthsPerMinute;
    char text[40];
    snprintf(text, sizeof text, "%s%lld/%02lld/%05lld", value < 0 ? "-" : "", degrees, minutes, thousandths);
    return CopyOut(text, out, size);
}

int parseMapCoord(const char* text, int32_t* value, MapCoordDialect dialect) {
    if (text == nullptr || value == nullptr) return -1;
    if (dialect == MapCoordDialect::MapView && !IsPlainMapCoord(text)) return -1;
    size_t end = strlen(text);
    size_t pos = 0;
    bool negative = end > 0 && text[0] == '-';
    if (negative) pos = 1;

    size_t cut = NextSeparator(text, pos, end);
    int64_t degrees = 0, minutes = 0, seconds = 0;
    if (!ReadDigits(text, pos, cut, &degrees)) return -1;
    if (cut < end) {
        pos = cut + 1;
        cut = NextSeparator(text, pos, end);
        if (!ReadDigits(text, pos, cut, &minutes)) return -1;
    }
    bool roundUp = false;
    if (cut < end) {
        // The seconds field is a decimal number of thousandths; it is rounded to a whole one.
        pos = cut + 1;
        size_t point = pos;
        while (point < end && text[point] != '.')
            ++point;
        if (!ReadDigits(text, pos, point, &seconds)) return -1;
        if (point < end) {
            if (!AllDigits(text, point + 1, end)) return -1;
            roundUp = point + 1 < end && text[point + 1] >= '5';
        }
    }
    int64_t total = (degrees * 60 + minutes) * kThousandthsPerMinute + seconds + (roundUp ? 1 : 0);
    if (negative) total = -total;
    if (dialect == MapCoordDialect::MapView &&
        (minutes >= 60 || seconds >= kThousandthsPerMinute || total > 180 * kThousandthsPerDegree))
        return -1;
    if (total > INT32_MAX || total < INT32_MIN) return -1;
    *value = static_cast<int32_t>(total);
    return 0;
}

int pointCoordToMapText(const char* coord, char* out, size_t size) {
    if (coord == nullptr) return -1;
    size_t end = strlen(coord);
    // Field boundaries: "/" and "." both separate.
    size_t starts[5] = {0};
    size_t ends[5] = {0};
    int fields = 0;
    size_t begin = 0;
    for (size_t i = 0; i <= end; ++i) {
        if (i < end && coord[i] != '/' && coord[i] != '.') continue;
        if (fields == 4) return -1;
        starts[fields] = begin;
        ends[fields] = i;
        ++fields;
        begin = i + 1;
    }
    if (fields < 3) return -1;
    // Degrees and minutes are only checked: they travel as written, leading zeros included.
    int64_t values[3] = {};
    for (int f = 0; f < 3; ++f) {
        if (starts[f] == ends[f] || !ReadDigits(coord, starts[f], ends[f], &values[f])) return -1;
    }
    int64_t wholeSeconds = values[2];
    if (wholeSeconds > 999999) return -1;
    // Only the first three fraction digits count: 4 is 400, 45 is 450, 456 is 456.
    int64_t fraction = 0;
    if (fields == 4) {
        if (!AllDigits(coord, starts[3], ends[3])) return -1;
        size_t count = ends[3] - starts[3];
        for (size_t i = 0; i < 3; ++i)
            fraction = fraction * 10 + (i < count ? coord[starts[3] + i] - '0' : 0);
    }
    char text[64];
    size_t prefixLength = ends[1];
    if (prefixLength + 1 + 12 > sizeof text) return -1;
    memcpy(text, coord, prefixLength);
    text[starts[1] - 1] = '/';
    snprintf(text + prefixLength, sizeof text - prefixLength, "/%05lld",
             static_cast<long long>(wholeSeconds * 1000 + fraction));
    return CopyOut(text, out, size);
}

int mapTextToCapturedCoord(const char* reply, char* out, size_t size) {
    if (reply == nullptr) return -1;
    size_t end = strlen(reply);
    if (end == 0) return CopyOut("", out, size);
    size_t pos = reply[0] == '-' ? 1 : 0;
    size_t first = NextSeparator(reply, pos, end);
    if (first == end) return -1;
    size_t second = NextSeparator(reply, first + 1, end);
    if (second == end) return -1;
    int64_t value = 0;
    if (first == pos || !ReadDigits(reply, pos, first, &value)) return -1;
    if (second == first + 1 || !ReadDigits(reply, first + 1, second, &value)) return -1;
    int64_t thousandths = 0;
    if (second + 1 == end || !ReadDigits(reply, second + 1, end, &thousandths)) return -1;
    char text[64];
    if (second + 1 + 24 > sizeof text) return -1;
    memcpy(text, reply, second);
    text[first] = '.';
    snprintf(text + second, sizeof text - second, ".%02lld.%03lld",
             static_cast<long long>(thousandths / 1000), static_cast<long long>(thousandths % 1000));
    return CopyOut(text, out, size);
}
