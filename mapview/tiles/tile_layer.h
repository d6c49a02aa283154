// The tiles in memory and their drawing: each visible tile from memory, or while it loads
// its parent (up to five levels up) scaled up and its children scaled down in its place.
#pragma once

#include <windows.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <unordered_map>
#include <vector>

#include "tile_decode.h"
#include "tile_math.h"

namespace mapview {

// Where the screen lies on the world at one zoom: world pixel of the screen's top-left.
struct TileView {
    int zoom = 0;
    double originX = 0;
    double originY = 0;
    int width = 0;
    int height = 0;
};

// Screen pixel of a world pixel: the same rounding for every tile and point, so tiles meet.
inline int ScreenX(const TileView& v, double worldX) {
    return static_cast<int>(std::floor(worldX - v.originX + 0.5));
}
inline int ScreenY(const TileView& v, double worldY) {
    return static_cast<int>(std::floor(worldY - v.originY + 0.5));
}

class TileMemory {
  public:
    explicit TileMemory(size_t capacity = 400) : capacity_(capacity) {}
    ~TileMemory();
    TileMemory(const TileMemory&) = delete;
    TileMemory& operator=(const TileMemory&) = delete;

    // Takes the bitmap (a tile already held is replaced).
    void put(const TileKey& key, const DecodedTile& tile);
    // The tile, counted as used now; nullptr when not held.
    const DecodedTile* use(const TileKey& key);
    bool has(const TileKey& key) const { return tiles_.count(key) != 0; }
    // The tile without counting a use; nullptr when not held.
    const DecodedTile* peek(const TileKey& key) const {
        const auto it = tiles_.find(key);
        return it == tiles_.end() ? nullptr : &it->second.tile;
    }
    void clear();
    // Lets go of the tiles used longest ago beyond the capacity.
    void trim();
    size_t size() const { return tiles_.size(); }

  private:
    struct Entry {
        DecodedTile tile;
        uint64_t used = 0;
    };
    size_t capacity_;
    uint64_t clock_ = 0;
    std::unordered_map<TileKey, Entry, TileKeyHash> tiles_;
};

struct TilePaintResult {
    int exact = 0;                // tiles drawn from their own image
    int standIn = 0;              // tiles drawn from a parent or children
    bool covered = false;         // every visible tile was drawn whole and opaque
    std::vector<TileKey> missing; // visible tiles not in memory, nearest the centre first
};

// The visible tiles, nearest the centre first, for a view.
std::vector<TileKey> TilesInView(const TileView& view);

// True when every visible tile is in memory, exact and opaque (the base map can be skipped).
bool TilesCoverView(const TileView& view, const TileMemory& memory);

// Draws what memory holds for the view. `skip` names tiles to leave out (failed ones: the
// base map shows there).
void PaintTiles(HDC dc, const TileView& view, TileMemory& memory,
                const std::function<bool(const TileKey&)>& skip, TilePaintResult* result);

} // namespace mapview
