// Web Mercator as the tile servers cut it: 256-pixel tiles, zoom z has 2^z by 2^z of them.
// Positions are "unit" coordinates: the whole world is [0, 1) across and down.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

namespace mapview {

constexpr int kTileSize = 256;
constexpr int kMinZoom = 5;
constexpr int kMaxZoom = 18;
// Beyond this latitude the projection runs off to infinity; the square world ends here.
constexpr double kMaxMercatorLatitude = 85.0511287798;
constexpr double kEarthRadiusMetres = 6378137.0;

struct TileKey {
    int z = 0;
    int x = 0;
    int y = 0;
};

inline bool operator==(const TileKey& a, const TileKey& b) {
    return a.z == b.z && a.x == b.x && a.y == b.y;
}
inline bool operator!=(const TileKey& a, const TileKey& b) {
    return !(a == b);
}
inline bool operator<(const TileKey& a, const TileKey& b) {
    if (a.z != b.z) return a.z < b.z;
    if (a.x != b.x) return a.x < b.x;
    return a.y < b.y;
}

struct TileKeyHash {
    size_t operator()(const TileKey& k) const {
        return std::hash<uint64_t>()((static_cast<uint64_t>(k.z) << 58) ^ (static_cast<uint64_t>(k.x) << 29) ^
                                     static_cast<uint64_t>(k.y));
    }
};

// True for a tile that exists: zoom 0..30, x and y inside 0..2^z-1.
bool ValidTile(const TileKey& key);

struct UnitPoint {
    double x = 0; // 0 at 180 degrees west, 1 at 180 degrees east
    double y = 0; // 0 at the top (85.05 degrees north), 1 at the bottom
};

UnitPoint UnitFromLonLat(double lonDegrees, double latDegrees);
void LonLatFromUnit(UnitPoint p, double* lonDegrees, double* latDegrees);

// Pixels across the whole world at a zoom: 256 * 2^zoom.
double WorldPixels(int zoom);

// The tile holding a point at a zoom (clamped into the world).
TileKey TileAt(UnitPoint p, int zoom);

// Ground metres per pixel at a latitude and zoom.
double MetresPerPixel(double latDegrees, int zoom);

// The tiles a view of width x height pixels centred on `centre` at `zoom` touches,
// nearest the centre first (ties in row order, so the order is the same every time).
std::vector<TileKey> VisibleTiles(UnitPoint centre, int zoom, int width, int height);

// The tile at zoom - levels that holds `key`, and where inside it `key` lies: the source
// square (in the parent's pixels) to scale up in its place.
struct ParentPart {
    TileKey parent;
    double left = 0, top = 0, size = 0;
};
ParentPart ParentOf(const TileKey& key, int levels);

} // namespace mapview
