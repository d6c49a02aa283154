// Web Mercator tile numbers, visible tiles, sources and caching headers.
#include <gtest/gtest.h>

#include <cmath>

#include "tile_expiry.h"
#include "tile_math.h"
#include "map_geometry.h"
#include "scale_bar.h"
#include "tile_source.h"

namespace mapview {
namespace {

struct KnownTile {
    double lon, lat;
    TileKey tile;
};

TEST(TileMath, KnownTileNumbers) {
    // Tokyo Station and Sapporo Station, as the tile servers number them.
    const KnownTile known[] = {
        {139.7671, 35.6812, {5, 28, 12}},
        {139.7671, 35.6812, {10, 909, 403}},
        {139.7671, 35.6812, {18, 232847, 103226}},
        {141.3469, 43.0686, {5, 28, 11}},
        {141.3469, 43.0686, {15, 29249, 12032}},
        {0, 0, {1, 1, 1}},
        {-180, 85.06, {3, 0, 0}},
        {180, -85.06, {3, 7, 7}},
    };
    for (const KnownTile& k : known) {
        const TileKey got = TileAt(UnitFromLonLat(k.lon, k.lat), k.tile.z);
        EXPECT_EQ(k.tile, got) << k.lon << "," << k.lat << " z" << k.tile.z << ": " << got.x << "/" << got.y;
    }
}

TEST(TileMath, UnitCoordinatesRoundTrip) {
    for (double lat : {-80.0, -35.5, 0.0, 20.4253, 35.6812, 45.5}) {
        for (double lon : {-179.9, 0.0, 122.9, 139.7671, 153.98}) {
            double lon2 = 0, lat2 = 0;
            LonLatFromUnit(UnitFromLonLat(lon, lat), &lon2, &lat2);
            EXPECT_NEAR(lon, lon2, 1e-9);
            EXPECT_NEAR(lat, lat2, 1e-9);
        }
    }
    // Zoom 0 is one 256-pixel tile; a pixel at zoom 18 near Tokyo is about half a metre.
    EXPECT_EQ(256.0, WorldPixels(0));
    EXPECT_NEAR(0.485, MetresPerPixel(35.68, 18), 0.001);
}

TEST(TileMath, VisibleTilesCoverTheViewNearestFirst) {
    const UnitPoint centre = UnitFromLonLat(139.7671, 35.6812);
    const std::vector<TileKey> tiles = VisibleTiles(centre, 12, 1280, 1024);
    ASSERT_FALSE(tiles.empty());
    EXPECT_EQ(TileAt(centre, 12), tiles.front());
    // A 1280 x 1024 view touches 6 or 7 columns and 5 or 6 rows.
    EXPECT_GE(tiles.size(), 30u);
    EXPECT_LE(tiles.size(), 42u);
    const double world = WorldPixels(12);
    double last = -1;
    for (const TileKey& t : tiles) {
        const double dx = (t.x + 0.5) * 256 - centre.x * world, dy = (t.y + 0.5) * 256 - centre.y * world;
        const double d = std::sqrt(dx * dx + dy * dy);
        EXPECT_GE(d, last);
        last = d;
        EXPECT_LT(std::fabs(dx), 640 + 128 + 1e-6);
        EXPECT_LT(std::fabs(dy), 512 + 128 + 1e-6);
    }
    // At the world's corner only tiles that exist.
    for (const TileKey& t : VisibleTiles(UnitPoint{0, 0}, 2, 800, 800))
        EXPECT_TRUE(ValidTile(t));
}

TEST(TileMath, ParentPartIsTheQuarterThatHoldsTheTile) {
    const ParentPart p = ParentOf(TileKey{12, 3639, 1613}, 1);
    EXPECT_EQ((TileKey{11, 1819, 806}), p.parent);
    EXPECT_EQ(128, p.left);
    EXPECT_EQ(128, p.top);
    EXPECT_EQ(128, p.size);
    const ParentPart q = ParentOf(TileKey{12, 3639, 1613}, 3);
    EXPECT_EQ((TileKey{9, 454, 201}), q.parent);
    EXPECT_EQ(7 * 32, q.left);
    EXPECT_EQ(5 * 32, q.top);
}

TEST(TileSources, TemplatesExpandAndNameTheirCredit) {
    std::string url;
    const TileSource& pale = SourceById(kDefaultSource);
    ASSERT_EQ(0, ExpandTileUrl(pale.urlTemplate, TileKey{5, 28, 12}, &url));
    EXPECT_EQ("https://cyberjapandata.gsi.go.jp/xyz/pale/5/28/12.png", url);
    ASSERT_EQ(0, ExpandTileUrl("http://127.0.0.1:8123/t/{z}/{y}/{x}?x={x}", TileKey{3, 5, 6}, &url));
    EXPECT_EQ("http://127.0.0.1:8123/t/3/6/5?x=5", url);
    for (const char* bad :
         {"", "ftp://h/{z}/{x}/{y}", "http://h/{z}/{x}", "http:///{z}/{x}/{y}", "h/{z}/{x}/{y}"})
        EXPECT_EQ(-1, ExpandTileUrl(bad, TileKey{3, 5, 6}, &url)) << bad;
    EXPECT_EQ(-1, ExpandTileUrl(pale.urlTemplate, TileKey{3, 8, 0}, &url));

    EXPECT_EQ(SourceById(TileSourceId::Osm).credit,
              CreditForTemplate("https://a.tile.openstreetmap.org/{z}/{x}/{y}.png"));
    EXPECT_EQ(pale.credit, CreditForTemplate("https://CyberJapanData.GSI.go.jp/xyz/std/{z}/{x}/{y}.png"));
    EXPECT_NE(std::string::npos, CreditForTemplate("http://127.0.0.1:9/{z}/{x}/{y}").find("127.0.0.1"));
    EXPECT_EQ("::1", UrlHost("http://[::1]:80/x"));
    EXPECT_EQ("example.org", UrlHost("https://user@Example.org:8443"));
    EXPECT_EQ(&SourceById(TileSourceId::Photo), SourceByKey("seamlessphoto"));
    EXPECT_EQ(nullptr, SourceByKey("../pale"));
}

TEST(TileSources, CustomFolderNamesNeverCarryTheUrl) {
    const std::string a = CustomCacheFolder("http://127.0.0.1:1/../../{z}/{x}/{y}");
    const std::string b = CustomCacheFolder("http://127.0.0.1:2/../../{z}/{x}/{y}");
    EXPECT_NE(a, b);
    EXPECT_EQ(a, CustomCacheFolder("http://127.0.0.1:1/../../{z}/{x}/{y}"));
    EXPECT_EQ(std::string::npos, a.find_first_not_of("abcdefghijklmnopqrstuvwxyz0123456789-"));
}

TEST(TileExpiry, HttpDatesInAllThreeForms) {
    EXPECT_EQ(784111777, ParseHttpDate("Sun, 06 Nov 1994 08:49:37 GMT"));
    EXPECT_EQ(784111777, ParseHttpDate("Sunday, 06-Nov-94 08:49:37 GMT"));
    EXPECT_EQ(784111777, ParseHttpDate("Sun Nov  6 08:49:37 1994"));
    EXPECT_EQ(951782400, ParseHttpDate("Tue, 29 Feb 2000 00:00:00 GMT"));
    for (const char* bad : {"", "0", "-1", "Sun, 06 Nov 1994 08:49:37", "Sun, 32 Nov 1994 08:49:37 GMT",
                            "Sun, 06 Foo 1994 08:49:37 GMT", "Sun, 06 Nov 1994 25:49:37 GMT", "tomorrow"})
        EXPECT_EQ(-1, ParseHttpDate(bad)) << bad;
}

TEST(TileExpiry, MaxAgeThenExpiresThenSevenDays) {
    const int64_t now = 1700000000;
    struct Case {
        const char *cacheControl, *expires, *date;
        int64_t lifetime;
    } cases[] = {
        {"public, max-age=3600", "Sun, 06 Nov 1994 08:49:37 GMT", "", 3600},
        {"MAX-AGE=\"60\"", "", "", 60},
        {"no-cache", "", "", 0},
        {"private", "", "", kDefaultTileLifetimeSeconds},
        {"max-age=abc", "", "", kDefaultTileLifetimeSeconds},
        {"", "Sun, 06 Nov 1994 09:49:37 GMT", "Sun, 06 Nov 1994 08:49:37 GMT", 3600},
        {"", "Sun, 06 Nov 1994 08:49:37 GMT", "Sun, 06 Nov 1994 09:49:37 GMT", 0},
        {"", "0", "", 0},
        {"", "", "", kDefaultTileLifetimeSeconds},
    };
    for (const Case& c : cases)
        EXPECT_EQ(now + c.lifetime, TileExpiry(c.cacheControl, c.expires, c.date, now))
            << c.cacheControl << "|" << c.expires;
    EXPECT_EQ(now + 10LL * 365 * 86400, TileExpiry("max-age=99999999999999999999", "", "", now));
}

TEST(MapDatum, TokyoPointsDrawShiftedAndReadBackTheSameText) {
    // Tokyo Station as a Tokyo-datum point lies about 450 m from the same numbers in WGS84.
    const GeoPoint tokyo{128443300, 503158800}; // 35/40/43.300, 139/45/58.800
    double lat = 0, lon = 0;
    ToWgs84Degrees(tokyo, Datum::Tokyo, &lat, &lon);
    EXPECT_NEAR(11.6, (lat - tokyo.lat / 3600000.0) * 3600, 0.3);  // WGS84 latitude about 11.6" larger
    EXPECT_NEAR(-11.6, (lon - tokyo.lon / 3600000.0) * 3600, 0.3); // longitude about 11.6" smaller
    // What a click or a search hands back is the same text the client sent.
    for (int32_t dLat = -3 * kPerDegree; dLat <= 10 * kPerDegree; dLat += 1234567) {
        for (int32_t dLon = -10 * kPerDegree; dLon <= 10 * kPerDegree; dLon += 2345671) {
            const GeoPoint p{tokyo.lat + dLat, tokyo.lon + dLon};
            ToWgs84Degrees(p, Datum::Tokyo, &lat, &lon);
            EXPECT_EQ(p, FromWgs84Degrees(lat, lon, Datum::Tokyo));
        }
    }
    // And through the screen: the centre pixel of a view reads back its centre in either datum.
    for (Datum d : {Datum::Tokyo, Datum::Wgs84}) {
        const Viewport view = ViewportAtZoom(tokyo, 18, d, 640, 480);
        EXPECT_EQ(tokyo, ToGeo(view, 320, 240));
    }
}

TEST(MapGeometry, FitPointsShowsThemAllAtTheClosestZoom) {
    const std::vector<GeoPoint> points = {{35 * kPerDegree, 139 * kPerDegree},
                                          {36 * kPerDegree, 140 * kPerDegree}};
    int zoom = 0;
    GeoPoint centre;
    ASSERT_EQ(0, FitPoints(points, Datum::Wgs84, 800, 600, 40, 16, &zoom, &centre));
    const Viewport fitted = ViewportAtZoom(centre, zoom, Datum::Wgs84, 800, 600);
    const Viewport closer = ViewportAtZoom(centre, zoom + 1, Datum::Wgs84, 800, 600);
    bool allIn = true, oneOut = false;
    for (const GeoPoint& p : points) {
        int x = 0, y = 0;
        ToPixel(fitted, p, &x, &y);
        allIn = allIn && x >= 40 && x <= 760 && y >= 40 && y <= 560;
        ToPixel(closer, p, &x, &y);
        oneOut = oneOut || x < 40 || x > 760 || y < 40 || y > 560;
    }
    EXPECT_TRUE(allIn);
    EXPECT_TRUE(oneOut);
    EXPECT_EQ(-1, FitPoints({}, Datum::Wgs84, 800, 600, 40, 16, &zoom, &centre));
}

TEST(ScaleBar, RoundLengthsThatFit) {
    struct Case {
        double metresPerPixel;
        int maxPixels;
        double metres;
        int pixels;
    } cases[] = {
        {1.0, 150, 100, 100}, {1.0, 99, 50, 50},        {38.2, 150, 5000, 131},
        {0.5, 150, 50, 100},  {2000, 150, 200000, 100},
    };
    for (const Case& c : cases) {
        const ScaleBar bar = ChooseScaleBar(c.metresPerPixel, c.maxPixels);
        EXPECT_EQ(c.metres, bar.metres) << c.metresPerPixel;
        EXPECT_EQ(c.pixels, bar.pixels) << c.metresPerPixel;
    }
    EXPECT_EQ(0, ChooseScaleBar(0, 100).pixels);
    char text[32];
    FormatScaleLength(5000, text, sizeof text);
    EXPECT_STREQ("5 km", text);
    FormatScaleLength(50, text, sizeof text);
    EXPECT_STREQ("50 m", text);
}

} // namespace
} // namespace mapview
