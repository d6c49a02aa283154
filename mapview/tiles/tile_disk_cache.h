// The tiles a user has viewed, one file per tile under <root>/<source folder>/<z>/<x>-<y>.tile,
// with an index of sizes, expiry and last use. Only numbers and the source's own folder name
// make a path, so no URL can reach outside the cache folder. Safe to use from several threads;
// several MapView processes may share one folder (the index is merged when written).
#pragma once

#include <cstdint>
#include <filesystem>
#include <mutex>
#include <string>

#include "tile_cache_index.h"

namespace mapview {

constexpr int64_t kDefaultCacheLimitBytes = 256ll * 1024 * 1024;

class TileDiskCache {
  public:
    enum class Found { Missing, Fresh, Expired };

    // folder holds only [a-z0-9-] (a source key or CustomCacheFolder). Reads the index;
    // returns -1 when the folder name is not acceptable (the cache then stays closed).
    int open(const std::filesystem::path& root, const std::string& folder, int64_t limitBytes);
    bool isOpen() const { return open_; }

    // The tile's bytes when stored; counts as a use at `now`.
    Found read(const TileKey& key, int64_t now, std::string* bytes);
    // Stores (or replaces) a tile; then evicts the oldest beyond the limit. -1 when the tile
    // could not be written (read-only or full folder): the cache is unchanged then.
    int store(const TileKey& key, const std::string& bytes, int64_t expires, int64_t now);
    // Forgets a stored tile that turned out not to be one.
    void discard(const TileKey& key);
    // Writes the index when it changed since the last flush; -1 when it could not be written.
    int flush();

    std::filesystem::path tilePath(const TileKey& key) const;
    std::filesystem::path indexPath() const;
    int64_t totalBytes() const;
    size_t tileCount() const;

  private:
    void removeFile(const TileKey& key);

    mutable std::mutex mutex_;
    bool open_ = false;
    bool dirty_ = false;
    std::filesystem::path folder_;
    int64_t limit_ = kDefaultCacheLimitBytes;
    TileCacheIndex index_;
};

// Seconds since 1970 by the system clock.
int64_t NowSeconds();

} // namespace mapview
