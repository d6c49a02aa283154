#include "point_position.h"

#include "field_conversions.h"
#include "point_document.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

const double kEarthRadiusMeters = 6371008.8;
const double kPi = 3.14159265358979323846;

} // namespace

bool coordTenths(const char* text, long long& tenths) {
    if (std::strpbrk(text, "0123456789") == nullptr) return false;
    tenths = tenthsOfCoordText(text);
    return true;
}

bool pointDegrees(const PointDocument& doc, int i, double& longitude, double& latitude) {
    long long x = 0;
    long long y = 0;
    if (!coordTenths(doc.getLongitude(i), x) || !coordTenths(doc.getLatitude(i), y)) return false;
    longitude = x / 36000.0;
    latitude = y / 36000.0;
    return true;
}

double distanceMeters(double longitude1, double latitude1, double longitude2, double latitude2) {
    double radians = kPi / 180.0;
    double east = (longitude2 - longitude1) * std::cos((latitude1 + latitude2) / 2 * radians);
    double north = latitude2 - latitude1;
    return std::sqrt(east * east + north * north) * radians * kEarthRadiusMeters;
}
