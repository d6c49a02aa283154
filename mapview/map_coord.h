// Angles as MapView holds them: thousandths of an arc second, and their text forms.
#pragma once

#include <cstddef>
#include <cstdint>

#include "map_coord_text.h"

namespace mapview {

constexpr int32_t kPerSecond = 1000;
constexpr int32_t kPerMinute = 60 * kPerSecond;
constexpr int32_t kPerDegree = 60 * kPerMinute;
constexpr int32_t kMaxLatitude = 90 * kPerDegree;
constexpr int32_t kMaxLongitude = 180 * kPerDegree;

struct GeoPoint {
    int32_t lat = 0;
    int32_t lon = 0;
};

inline bool operator==(const GeoPoint& a, const GeoPoint& b) {
    return a.lat == b.lat && a.lon == b.lon;
}
inline bool operator!=(const GeoPoint& a, const GeoPoint& b) {
    return !(a == b);
}

// Writes a graticule label (cp932): "35°" on whole degrees, "35°40'" otherwise.
int FormatDegreeMinute(int32_t value, char* out, size_t size);

// Keeps a point inside the map's range: north latitude 0..90, east longitude 0..180 degrees.
GeoPoint ClampToMap(GeoPoint p);

} // namespace mapview
