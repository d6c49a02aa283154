#include "coord_entry.h"

namespace {

bool withinJapan(const CoordReading& reading, CoordAxis axis) {
    long min = axis == CoordAxis::Latitude ? kJapanLatitudeMin : kJapanLongitudeMin;
    long max = axis == CoordAxis::Latitude ? kJapanLatitudeMax : kJapanLongitudeMax;
    return reading.status == CoordStatus::Ok && reading.tenths >= min * 36000 &&
           reading.tenths <= max * 36000;
}

} // namespace

CoordEntry readCoordEntry(const char* utf8, CoordAxis axis, CoordText& out) {
    CoordReading reading = readCoordInput(utf8, axis);
    if (reading.status == CoordStatus::Empty) return CoordEntry::Empty;
    if (!withinJapan(reading, axis)) return CoordEntry::Invalid;
    out = coordTextOfTenths(reading.tenths);
    return CoordEntry::Ok;
}

bool readCoordEntryPair(const char* utf8, CoordText& latitude, CoordText& longitude) {
    CoordPairReading pair = readCoordPair(utf8);
    if (pair.status != CoordStatus::Ok || !withinJapan(pair.latitude, CoordAxis::Latitude) ||
        !withinJapan(pair.longitude, CoordAxis::Longitude))
        return false;
    latitude = coordTextOfTenths(pair.latitude.tenths);
    longitude = coordTextOfTenths(pair.longitude.tenths);
    return true;
}
