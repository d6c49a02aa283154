#include "tile_math.h"

#include <algorithm>
#include <cmath>

namespace mapview {

namespace {

constexpr double kPi = 3.14159265358979323846;

double Clamp(double v, double low, double high) {
    return std::max(low, std::min(high, v));
}

} // namespace

bool ValidTile(const TileKey& key) {
    if (key.z < 0 || key.z > 30) return false;
    const int64_t n = int64_t{1} << key.z;
    return key.x >= 0 && key.y >= 0 && key.x < n && key.y < n;
}

UnitPoint UnitFromLonLat(double lonDegrees, double latDegrees) {
    const double lat = Clamp(latDegrees, -kMaxMercatorLatitude, kMaxMercatorLatitude) * kPi / 180.0;
    UnitPoint p;
    p.x = (lonDegrees + 180.0) / 360.0;
    p.y = (1.0 - std::asinh(std::tan(lat)) / kPi) / 2.0;
    return p;
}

void LonLatFromUnit(UnitPoint p, double* lonDegrees, double* latDegrees) {
    *lonDegrees = p.x * 360.0 - 180.0;
    *latDegrees = std::atan(std::sinh(kPi * (1.0 - 2.0 * p.y))) * 180.0 / kPi;
}

double WorldPixels(int zoom) {
    return std::ldexp(static_cast<double>(kTileSize), zoom);
}

TileKey TileAt(UnitPoint p, int zoom) {
    const double n = std::ldexp(1.0, zoom);
    TileKey key;
    key.z = zoom;
    key.x = static_cast<int>(Clamp(std::floor(p.x * n), 0, n - 1));
    key.y = static_cast<int>(Clamp(std::floor(p.y * n), 0, n - 1));
    return key;
}

double MetresPerPixel(double latDegrees, int zoom) {
    return std::cos(latDegrees * kPi / 180.0) * 2 * kPi * kEarthRadiusMetres / WorldPixels(zoom);
}

std::vector<TileKey> VisibleTiles(UnitPoint centre, int zoom, int width, int height) {
    std::vector<TileKey> tiles;
    if (width <= 0 || height <= 0 || zoom < 0 || zoom > 30) return tiles;
    const double world = WorldPixels(zoom);
    const double cx = centre.x * world, cy = centre.y * world;
    const double n = std::ldexp(1.0, zoom);
    const int x0 = static_cast<int>(Clamp(std::floor((cx - width / 2.0) / kTileSize), 0, n - 1));
    const int x1 = static_cast<int>(Clamp(std::floor((cx + width / 2.0) / kTileSize), 0, n - 1));
    const int y0 = static_cast<int>(Clamp(std::floor((cy - height / 2.0) / kTileSize), 0, n - 1));
    const int y1 = static_cast<int>(Clamp(std::floor((cy + height / 2.0) / kTileSize), 0, n - 1));
    struct Ranked {
        double distance;
        TileKey key;
    };
    std::vector<Ranked> ranked;
    for (int y = y0; y <= y1; ++y) {
        for (int x = x0; x <= x1; ++x) {
            const double dx = (x + 0.5) * kTileSize - cx;
            const double dy = (y + 0.5) * kTileSize - cy;
            ranked.push_back({dx * dx + dy * dy, TileKey{zoom, x, y}});
        }
    }
    std::stable_sort(ranked.begin(), ranked.end(),
                     [](const Ranked& a, const Ranked& b) { return a.distance < b.distance; });
    for (const Ranked& r : ranked)
        tiles.push_back(r.key);
    return tiles;
}

ParentPart ParentOf(const TileKey& key, int levels) {
    ParentPart part;
    levels = std::max(0, std::min(levels, key.z));
    part.parent = TileKey{key.z - levels, key.x >> levels, key.y >> levels};
    const int mask = (1 << levels) - 1;
    part.size = static_cast<double>(kTileSize) / (1 << levels);
    part.left = (key.x & mask) * part.size;
    part.top = (key.y & mask) * part.size;
    return part;
}

} // namespace mapview
