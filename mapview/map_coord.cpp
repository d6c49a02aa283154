#include "map_coord.h"

#include <cstdio>

#include "mapview_texts.h"

namespace mapview {

namespace {

// Reads 1 to maxDigits decimal digits ending at '/' or the end.
int ReadField(const char*& p, int maxDigits, int64_t* value) {
    int64_t v = 0;
    int digits = 0;
    while (*p >= '0' && *p <= '9') {
        if (++digits > maxDigits) return -1;
        v = v * 10 + (*p - '0');
        ++p;
    }
    if (digits == 0 || (*p != '\0' && *p != '/')) return -1;
    *value = v;
    return 0;
}

} // namespace

int ParseMapCoord(const char* text, int32_t* value) {
    if (text == nullptr || value == nullptr) return -1;
    if (*text == '\0') {
        *value = 0; // how clients write the coordinate 0
        return 0;
    }
    const char* p = text;
    int64_t degrees = 0, minutes = 0, thousandths = 0;
    // Degrees may carry leading zeros ("035"), so allow a few more digits than three.
    if (ReadField(p, 6, &degrees) != 0) return -1;
    if (*p == '/') {
        ++p;
        if (ReadField(p, 2, &minutes) != 0) return -1;
        if (*p == '/') {
            ++p;
            if (ReadField(p, 5, &thousandths) != 0) return -1;
            if (*p != '\0') return -1;
        }
    }
    if (minutes >= 60 || thousandths >= kPerMinute) return -1;
    const int64_t total = degrees * kPerDegree + minutes * kPerMinute + thousandths;
    if (total > kMaxLongitude) return -1;
    *value = static_cast<int32_t>(total);
    return 0;
}

int FormatMapCoord(int32_t value, char* out, size_t size) {
    if (out == nullptr || size == 0 || value < 0) return -1;
    const int n = std::snprintf(out, size, "%d/%02d/%05d", static_cast<int>(value / kPerDegree),
                                static_cast<int>(value % kPerDegree / kPerMinute),
                                static_cast<int>(value % kPerMinute));
    return n > 0 && static_cast<size_t>(n) < size ? 0 : -1;
}

int FormatDegreeMinute(int32_t value, char* out, size_t size) {
    if (out == nullptr || size == 0 || value < 0) return -1;
    const int degrees = static_cast<int>(value / kPerDegree);
    const int minutes = static_cast<int>(value % kPerDegree / kPerMinute);
    const int n = minutes == 0 ? std::snprintf(out, size, kFmtLabelDegree, degrees)
                               : std::snprintf(out, size, kFmtLabelDegreeMinute, degrees, minutes);
    return n > 0 && static_cast<size_t>(n) < size ? 0 : -1;
}

GeoPoint ClampToMap(GeoPoint p) {
    if (p.lat < 0) p.lat = 0;
    if (p.lat > kMaxLatitude) p.lat = kMaxLatitude;
    if (p.lon < 0) p.lon = 0;
    if (p.lon > kMaxLongitude) p.lon = kMaxLongitude;
    return p;
}

} // namespace mapview
