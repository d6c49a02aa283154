// libFuzzer target: the tile cache index reader on any bytes. What it reads must write
// out and read back the same, with sizes that add up, and evict down to any limit.
#include "tile_cache_index.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    mapview::TileCacheIndex index = mapview::TileCacheIndex::Parse(text);
    const std::string written = index.serialize();
    mapview::TileCacheIndex back = mapview::TileCacheIndex::Parse(written);
    if (back.serialize() != written || back.totalBytes() != index.totalBytes()) std::abort();
    int64_t sum = 0;
    for (const mapview::CacheEntry& e : back.entries()) {
        if (!mapview::ValidTile(e.key) || e.bytes <= 0 || e.bytes > mapview::kMaxTileBytes) std::abort();
        sum += e.bytes;
    }
    if (sum != back.totalBytes()) std::abort();
    const int64_t limit = back.totalBytes() / 2;
    back.evictTo(limit);
    if (back.totalBytes() > limit) std::abort();
    return 0;
}
