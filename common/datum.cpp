#include "datum.h"

#include <cmath>
#include <cstring>

namespace {

struct Ellipsoid {
    double a;  // semi-major axis, m
    double e2; // first eccentricity squared
};

constexpr Ellipsoid makeEllipsoid(double a, double inverseFlattening) {
    return Ellipsoid{a, (2.0 - 1.0 / inverseFlattening) / inverseFlattening};
}

constexpr Ellipsoid kBessel = makeEllipsoid(6377397.155, 299.1528128);
constexpr Ellipsoid kWgs84 = makeEllipsoid(6378137.0, 298.257223563);

// Tokyo to WGS84, geocentric, m.
constexpr double kDx = -146.414;
constexpr double kDy = 507.337;
constexpr double kDz = 680.507;

constexpr double kPi = 3.14159265358979323846;
constexpr double kRadian = kPi / 180.0;

struct Xyz {
    double x, y, z;
};

Xyz toGeocentric(const Ellipsoid& e, LatLon p, double height) {
    double phi = p.lat * kRadian, lambda = p.lon * kRadian;
    double s = std::sin(phi), c = std::cos(phi);
    double n = e.a / std::sqrt(1.0 - e.e2 * s * s);
    return Xyz{(n + height) * c * std::cos(lambda), (n + height) * c * std::sin(lambda),
               (n * (1.0 - e.e2) + height) * s};
}

// Geocentric to geodetic by fixed-point iteration on the latitude; it converges to far below
// a millimetre in a handful of steps anywhere away from the poles.
LatLon toGeodetic(const Ellipsoid& e, Xyz q) {
    double p = std::hypot(q.x, q.y);
    double lambda = std::atan2(q.y, q.x);
    double phi = std::atan2(q.z, p * (1.0 - e.e2));
    for (int i = 0; i < 10; ++i) {
        double s = std::sin(phi);
        double n = e.a / std::sqrt(1.0 - e.e2 * s * s);
        double next = std::atan2(q.z + e.e2 * n * s, p);
        bool done = std::fabs(next - phi) < 1e-14;
        phi = next;
        if (done) break;
    }
    return LatLon{phi / kRadian, lambda / kRadian};
}

// The points lie on the ellipsoid (height 0) on the side they are given on.
LatLon shift(const Ellipsoid& from, const Ellipsoid& to, LatLon p, double sign) {
    Xyz q = toGeocentric(from, p, 0.0);
    q.x += sign * kDx;
    q.y += sign * kDy;
    q.z += sign * kDz;
    return toGeodetic(to, q);
}

bool equalsIgnoringCase(const char* a, const char* b) {
    for (; *a != '\0' && *b != '\0'; ++a, ++b) {
        char x = (*a >= 'a' && *a <= 'z') ? static_cast<char>(*a - 'a' + 'A') : *a;
        char y = (*b >= 'a' && *b <= 'z') ? static_cast<char>(*b - 'a' + 'A') : *b;
        if (x != y) return false;
    }
    return *a == *b;
}

} // namespace

LatLon tokyoToWgs84(LatLon tokyo) {
    return shift(kBessel, kWgs84, tokyo, 1.0);
}

LatLon wgs84ToTokyo(LatLon wgs84) {
    // Subtracting the shift from a point at WGS84 height 0 misses the Tokyo ellipsoid by the
    // height the forward shift leaves, a few decimetres off horizontally. Correct by the
    // forward shift's own error until it vanishes: each step gains about four orders.
    LatLon tokyo = shift(kWgs84, kBessel, wgs84, -1.0);
    for (int i = 0; i < 8; ++i) {
        LatLon back = tokyoToWgs84(tokyo);
        double dLat = wgs84.lat - back.lat, dLon = wgs84.lon - back.lon;
        tokyo.lat += dLat;
        tokyo.lon += dLon;
        if (std::fabs(dLat) < 1e-12 && std::fabs(dLon) < 1e-12) break;
    }
    return tokyo;
}

const char* datumName(Datum datum) {
    return datum == Datum::Tokyo ? "Tokyo" : "WGS84";
}

bool parseDatumName(const char* text, Datum& datum) {
    if (text == nullptr) return false;
    if (equalsIgnoringCase(text, "Tokyo")) {
        datum = Datum::Tokyo;
        return true;
    }
    if (equalsIgnoringCase(text, "WGS84")) {
        datum = Datum::Wgs84;
        return true;
    }
    return false;
}
