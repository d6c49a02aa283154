#include "map_coord.h"

#include <cstdio>

#include "mapview_texts.h"

namespace mapview {

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
