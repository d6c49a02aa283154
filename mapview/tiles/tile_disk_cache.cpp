#include "tile_disk_cache.h"

#include <chrono>
#include <fstream>
#include <system_error>

namespace mapview {

namespace fs = std::filesystem;

namespace {

constexpr uintmax_t kMaxIndexFileBytes = 64u * 1024 * 1024;

bool SafeFolderName(const std::string& name) {
    if (name.empty() || name.size() > 64) return false;
    for (char c : name) {
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-')) return false;
    }
    return true;
}

bool ReadWhole(const fs::path& path, uintmax_t limit, std::string* out) {
    std::error_code ec;
    const uintmax_t size = fs::file_size(path, ec);
    if (ec || size > limit) return false;
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    out->assign(static_cast<size_t>(size), '\0');
    if (size > 0 && !in.read(&(*out)[0], static_cast<std::streamsize>(size))) return false;
    return true;
}

// Written under a temporary name and renamed, so a reader never sees half a file.
bool WriteWhole(const fs::path& path, const std::string& bytes) {
    std::error_code ec;
    fs::create_directories(path.parent_path(), ec);
    fs::path temporary = path;
    temporary += ".part";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            fs::remove(temporary, ec);
            return false;
        }
    }
    fs::rename(temporary, path, ec);
    if (ec) {
        fs::remove(temporary, ec);
        return false;
    }
    return true;
}

} // namespace

int64_t NowSeconds() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

int TileDiskCache::open(const fs::path& root, const std::string& folder, int64_t limitBytes) {
    std::lock_guard<std::mutex> lock(mutex_);
    open_ = false;
    if (root.empty() || !SafeFolderName(folder)) return -1;
    folder_ = root / folder;
    limit_ = limitBytes > 0 ? limitBytes : kDefaultCacheLimitBytes;
    std::string text;
    index_ = ReadWhole(folder_ / "index.txt", kMaxIndexFileBytes, &text) ? TileCacheIndex::Parse(text)
                                                                         : TileCacheIndex();
    dirty_ = false;
    open_ = true;
    return 0;
}

fs::path TileDiskCache::tilePath(const TileKey& key) const {
    return folder_ / std::to_string(key.z) / (std::to_string(key.x) + "-" + std::to_string(key.y) + ".tile");
}

fs::path TileDiskCache::indexPath() const {
    return folder_ / "index.txt";
}

TileDiskCache::Found TileDiskCache::read(const TileKey& key, int64_t now, std::string* bytes) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!open_ || !ValidTile(key)) return Found::Missing;
    const CacheEntry* entry = index_.find(key);
    if (entry == nullptr) return Found::Missing;
    const bool expired = entry->expires <= now;
    if (!ReadWhole(tilePath(key), kMaxTileBytes, bytes) || bytes->empty()) {
        // Deleted from outside: forget it.
        index_.erase(key);
        dirty_ = true;
        return Found::Missing;
    }
    index_.touch(key, now);
    dirty_ = true;
    return expired ? Found::Expired : Found::Fresh;
}

int TileDiskCache::store(const TileKey& key, const std::string& bytes, int64_t expires, int64_t now) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!open_ || !ValidTile(key) || bytes.empty() || static_cast<int64_t>(bytes.size()) > kMaxTileBytes) {
        return -1;
    }
    if (!WriteWhole(tilePath(key), bytes)) return -1;
    CacheEntry entry;
    entry.key = key;
    entry.bytes = static_cast<int64_t>(bytes.size());
    entry.expires = expires;
    entry.lastUsed = now;
    index_.put(entry);
    for (const TileKey& old : index_.evictTo(limit_))
        removeFile(old);
    dirty_ = true;
    return 0;
}

void TileDiskCache::discard(const TileKey& key) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!open_ || index_.find(key) == nullptr) return;
    index_.erase(key);
    removeFile(key);
    dirty_ = true;
}

void TileDiskCache::removeFile(const TileKey& key) {
    std::error_code ec;
    fs::remove(tilePath(key), ec);
}

int TileDiskCache::flush() {
    std::lock_guard<std::mutex> lock(mutex_);
    if (!open_ || !dirty_) return 0;
    // Another MapView may have stored tiles meanwhile: keep its entries whose files exist.
    std::string text;
    if (ReadWhole(indexPath(), kMaxIndexFileBytes, &text)) {
        TileCacheIndex theirs = TileCacheIndex::Parse(text);
        for (const CacheEntry& e : theirs.entries()) {
            std::error_code ec;
            if (index_.find(e.key) == nullptr && !fs::exists(tilePath(e.key), ec)) theirs.erase(e.key);
        }
        TileCacheIndex merged = index_;
        merged.merge(theirs);
        for (const TileKey& old : merged.evictTo(limit_))
            removeFile(old);
        index_ = merged;
    }
    if (!WriteWhole(indexPath(), index_.serialize())) return -1;
    dirty_ = false;
    return 0;
}

int64_t TileDiskCache::totalBytes() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return index_.totalBytes();
}

size_t TileDiskCache::tileCount() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return index_.size();
}

} // namespace mapview
