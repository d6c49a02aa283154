// Brings tiles in off the window's thread: one worker reads the disk cache, four download
// (so never more than four requests are in flight), nearest the view's centre first. Tiles
// that leave the view are dropped from the queues. A tile that fails (no such tile, not an
// image, no answer in time, no connection) is not asked for again in this run. Finished
// tiles wait in a list the window takes when it is told by a posted message.
#pragma once

#include <windows.h>

#include <filesystem>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "tile_decode.h"
#include "tile_math.h"

namespace mapview {

enum class TileProblem {
    None,
    NotFound,    // the server has no such tile (404 or another error status)
    NotImage,    // the answer does not decode as an image
    TimedOut,    // no complete answer in time
    Unreachable, // no connection
    Blocked,     // downloads are limited to this machine
    CacheWrite,  // shown, but the cache folder could not take it
};

enum class TileOrigin { Disk, Network };

struct TileEvent {
    TileKey key;
    DecodedTile image; // empty when the tile failed
    TileOrigin origin = TileOrigin::Disk;
    TileProblem problem = TileProblem::None;
};

struct TileLoaderCounts {
    size_t waiting = 0; // queued or being fetched
    size_t failed = 0;  // not to be asked for again in this run
};

class TileLoader {
  public:
    TileLoader();
    ~TileLoader();
    TileLoader(const TileLoader&) = delete;
    TileLoader& operator=(const TileLoader&) = delete;

    // Starts the workers; finished tiles are announced with `message` posted to `notify`.
    void start(HWND notify, UINT message);

    // Switches to another source: queues, failures and unfinished tiles of the old one are
    // forgotten. Without a valid template nothing is downloaded (the cache is still read);
    // with an empty cache root nothing is cached.
    void setSource(const std::string& urlTemplate, const std::filesystem::path& cacheRoot,
                   const std::string& cacheFolder);

    // The tiles the view lacks, nearest first. Replaces whatever was queued before.
    void want(const std::vector<TileKey>& keys);

    // The tiles finished since the last call (the caller owns their bitmaps).
    std::vector<TileEvent> take();

    bool failed(const TileKey& key) const;
    TileLoaderCounts counts() const;
    // Writes the cache index; -1 when the cache folder cannot be written.
    int flushCache();
    // The cache folder could not be opened or written lately.
    bool cacheTrouble() const;

    struct Shared;

  private:
    std::shared_ptr<Shared> shared_;
    std::vector<std::thread> threads_;
};

// A short name of a problem, for the call record.
const char* TileProblemName(TileProblem problem);

} // namespace mapview
