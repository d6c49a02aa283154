// The Tokyo datum <-> WGS84 shift against published and independently computed values, and
// the inverse's round trip across Japan.
#include "datum.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

double dms(double d, double m, double s) {
    return d + m / 60.0 + s / 3600.0;
}

// Ground distance between two nearby points, m.
double metres(LatLon a, LatLon b) {
    const double perDegree = 111320.0;
    double north = (a.lat - b.lat) * perDegree;
    double east = (a.lon - b.lon) * perDegree * std::cos(a.lat * 3.14159265358979 / 180.0);
    return std::hypot(north, east);
}

} // namespace

TEST(Datum, OriginOfTheTokyoDatumLandsOnItsPublishedWgs84Position) {
    // The Japanese geodetic origin: Tokyo datum and its JGD2000 (WGS84 within ~1 m) values.
    LatLon tokyo{dms(35, 39, 17.5148), dms(139, 44, 40.5020)};
    LatLon published{dms(35, 39, 29.1572), dms(139, 44, 28.8759)};
    EXPECT_LT(metres(tokyoToWgs84(tokyo), published), 1.0);
}

TEST(Datum, ShiftMatchesTheGeocentricTranslationComputedIndependently) {
    // EPSG:15484 (Bessel 1841, -146.414/+507.337/+680.507 m) as computed by PROJ 9.1
    // (cs2cs +ellps=bessel +towgs84=...): Tokyo, Sapporo, Naha, Fukuoka, Ishigaki.
    struct Case {
        LatLon tokyo, wgs84;
    } cases[] = {
        {{35.6581, 139.7414}, {35.661340789, 139.738169138}},
        {{43.0642, 141.3469}, {43.066621731, 141.343158611}},
        {{26.2124, 127.6809}, {26.216427703, 127.678956309}},
        {{33.5904, 130.4017}, {33.593662207, 130.399358671}},
        {{24.3448, 124.1572}, {24.348979038, 124.155586859}},
    };
    for (const Case& c : cases) {
        LatLon w = tokyoToWgs84(c.tokyo);
        EXPECT_LT(metres(w, c.wgs84), 0.01) << c.tokyo.lat << "," << c.tokyo.lon;
        // The WGS84 side lies north-west of the Tokyo side all over Japan, by 400-700 m.
        EXPECT_GT(w.lat, c.tokyo.lat);
        EXPECT_LT(w.lon, c.tokyo.lon);
    }
}

TEST(Datum, InverseReturnsWithinOneCentimetreAcrossJapan) {
    double worst = 0.0;
    for (double lat = 20.0; lat <= 46.0; lat += 0.5) {
        for (double lon = 122.0; lon <= 154.0; lon += 0.5) {
            LatLon t{lat, lon};
            worst = std::fmax(worst, metres(wgs84ToTokyo(tokyoToWgs84(t)), t));
            LatLon w{lat, lon};
            worst = std::fmax(worst, metres(tokyoToWgs84(wgs84ToTokyo(w)), w));
        }
    }
    EXPECT_LT(worst, 0.01);
}

TEST(Datum, NamesReadBackAsTheirDatum) {
    Datum d = Datum::Wgs84;
    EXPECT_TRUE(parseDatumName("tokyo", d));
    EXPECT_EQ(d, Datum::Tokyo);
    EXPECT_STREQ(datumName(d), "Tokyo");
    EXPECT_TRUE(parseDatumName(datumName(Datum::Wgs84), d));
    EXPECT_EQ(d, Datum::Wgs84);
    EXPECT_FALSE(parseDatumName("JGD2000", d));
    EXPECT_FALSE(parseDatumName("", d));
    EXPECT_FALSE(parseDatumName(nullptr, d));
    EXPECT_EQ(d, Datum::Wgs84);
}
