// Angles as MapView holds them: thousandths of an arc second, and their text forms.
#pragma once

#include <cstddef>
#include <cstdint>

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

// Reads the map coordinate text "D/MM/SSSSS" (degrees, minutes, thousandths of a second).
// Missing minute or second fields count as 0 and the empty text is 0, as clients send them;
// anything that is not digits and separators, or a field out of range, is refused with -1.
int ParseMapCoord(const char* text, int32_t* value);

// Writes "D/MM/SSSSS" for a value of 0 or more; returns -1 when out does not hold it.
int FormatMapCoord(int32_t value, char* out, size_t size);

// Writes a graticule label (cp932): "35°" on whole degrees, "35°40'" otherwise.
int FormatDegreeMinute(int32_t value, char* out, size_t size);

// Keeps a point inside the map's range: north latitude 0..90, east longitude 0..180 degrees.
GeoPoint ClampToMap(GeoPoint p);

} // namespace mapview
