// The disk cache's index: for each stored tile its size, when it expires and when it was
// last shown. Kept as a small text file beside the tiles; a damaged index loses entries
// (their tiles are fetched again), never the program.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "tile_math.h"

namespace mapview {

struct CacheEntry {
    TileKey key;
    int64_t bytes = 0;
    int64_t expires = 0;  // seconds since 1970
    int64_t lastUsed = 0; // seconds since 1970
};

// A tile file larger than this is no tile.
constexpr int64_t kMaxTileBytes = 4 * 1024 * 1024;
// An index never holds more entries than this (about 20 GB of tiles).
constexpr size_t kMaxIndexEntries = 1000000;

class TileCacheIndex {
  public:
    // Reads the index text; lines that are not entries are skipped, later lines win.
    static TileCacheIndex Parse(const std::string& text);
    std::string serialize() const;

    const CacheEntry* find(const TileKey& key) const;
    void put(const CacheEntry& entry);
    void touch(const TileKey& key, int64_t now);
    void erase(const TileKey& key);
    // Takes what another process stored meanwhile: entries this index lacks, and for shared
    // ones the later use and the later expiry.
    void merge(const TileCacheIndex& other);

    std::vector<CacheEntry> entries() const;
    size_t size() const { return entries_.size(); }
    int64_t totalBytes() const { return totalBytes_; }

    // Removes the entries used longest ago until the total is at most limitBytes and
    // returns their keys, oldest first, so their files can be deleted.
    std::vector<TileKey> evictTo(int64_t limitBytes);

  private:
    std::unordered_map<TileKey, CacheEntry, TileKeyHash> entries_;
    int64_t totalBytes_ = 0;
};

} // namespace mapview
