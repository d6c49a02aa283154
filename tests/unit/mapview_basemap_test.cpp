// The offline base map: the committed data file reads, covers Japan and refuses damage.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "basemap_data.h"

namespace mapview {
namespace {

std::string CommittedFile() {
    const char* root = std::getenv("TENMARK_SOURCE_DIR");
    std::ifstream in(std::string(root != nullptr ? root : ".") + "/mapview/basemap/japan_basemap.bin",
                     std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

// Even-odd: inside a ring when a ray to the east crosses it an odd number of times.
bool Inside(const BaseRing& ring, UnitPoint p) {
    bool in = false;
    for (size_t i = 0, j = ring.points.size() - 1; i < ring.points.size(); j = i++) {
        const UnitPoint a = ring.points[i], b = ring.points[j];
        if ((a.y > p.y) != (b.y > p.y) && p.x < (b.x - a.x) * (p.y - a.y) / (b.y - a.y) + a.x) in = !in;
    }
    return in;
}

// The deepest level of ring that holds the point: 1 land, 2 lake, 0 sea.
int LevelAt(const std::vector<BaseRing>& rings, double lon, double lat) {
    const UnitPoint p = UnitFromLonLat(lon, lat);
    int level = 0;
    for (const BaseRing& ring : rings) {
        if (ring.closed && ring.level > level && Inside(ring, p)) level = ring.level;
    }
    return level;
}

TEST(BaseMap, CommittedDataShowsJapanLandLakesAndSea) {
    const std::string bytes = CommittedFile();
    ASSERT_FALSE(bytes.empty());
    BaseMap map;
    ASSERT_EQ(0, ReadBaseMap(bytes, &map));
    EXPECT_EQ(122, map.west);
    EXPECT_EQ(46, map.north);
    ASSERT_EQ(2u, map.details.size());
    EXPECT_LT(map.details[0].size(), map.details[1].size());
    for (const std::vector<BaseRing>& detail : map.details) {
        EXPECT_EQ(1, LevelAt(detail, 139.7671, 35.6812)); // Tokyo Station
        EXPECT_EQ(1, LevelAt(detail, 141.3469, 43.0686)); // Sapporo
        EXPECT_EQ(1, LevelAt(detail, 127.68, 26.21));     // Naha
        EXPECT_EQ(0, LevelAt(detail, 140.0, 30.0));       // the Pacific
        EXPECT_EQ(0, LevelAt(detail, 135.0, 40.0));       // the Sea of Japan
        EXPECT_EQ(2, LevelAt(detail, 136.08, 35.25));     // Lake Biwa
    }
}

TEST(BaseMap, DamagedDataIsRefusedWhole) {
    const std::string bytes = CommittedFile();
    BaseMap map;
    for (size_t cut : {size_t{0}, size_t{3}, size_t{5}, size_t{40}, bytes.size() / 2, bytes.size() - 1}) {
        EXPECT_EQ(-1, ReadBaseMap(bytes.substr(0, cut), &map)) << cut;
        EXPECT_TRUE(map.details.empty());
    }
    EXPECT_EQ(-1, ReadBaseMap(bytes + "x", &map));
    std::string version = bytes;
    version[4] = 2;
    EXPECT_EQ(-1, ReadBaseMap(version, &map));
    // A ring claiming more points than the file could hold.
    EXPECT_EQ(-1, ReadBaseMap(std::string("MVBM\x01\x00\x00\x00\x00\x02\x02\x02\x02\xfe\xff\xff\xff\x0f", 18),
                              &map));
}

} // namespace
} // namespace mapview
