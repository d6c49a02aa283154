#include "tile_cache_index.h"

#include <algorithm>
#include <cstdio>

namespace mapview {

namespace {

constexpr char kHeader[] = "MapViewTileIndex 1";

// Reads a decimal number of at most 18 digits, with an optional leading "-".
bool Number(const std::string& text, size_t* i, int64_t* value) {
    while (*i < text.size() && text[*i] == ' ')
        ++*i;
    bool negative = false;
    if (*i < text.size() && text[*i] == '-') {
        negative = true;
        ++*i;
    }
    int digits = 0;
    int64_t v = 0;
    while (*i < text.size() && text[*i] >= '0' && text[*i] <= '9') {
        if (++digits > 18) return false;
        v = v * 10 + (text[*i] - '0');
        ++*i;
    }
    if (digits == 0) return false;
    *value = negative ? -v : v;
    return true;
}

bool ParseLine(const std::string& line, CacheEntry* entry) {
    size_t i = 0;
    int64_t f[6];
    for (int64_t& v : f) {
        if (!Number(line, &i, &v)) return false;
    }
    while (i < line.size() && (line[i] == ' ' || line[i] == '\r'))
        ++i;
    if (i != line.size()) return false;
    if (f[0] < 0 || f[0] > 30 || f[1] < 0 || f[2] < 0 || f[1] > INT32_MAX || f[2] > INT32_MAX) return false;
    entry->key = TileKey{static_cast<int>(f[0]), static_cast<int>(f[1]), static_cast<int>(f[2])};
    if (!ValidTile(entry->key)) return false;
    if (f[3] <= 0 || f[3] > kMaxTileBytes) return false;
    entry->bytes = f[3];
    entry->expires = f[4];
    entry->lastUsed = f[5];
    return true;
}

} // namespace

TileCacheIndex TileCacheIndex::Parse(const std::string& text) {
    TileCacheIndex index;
    size_t begin = 0;
    bool first = true;
    while (begin < text.size()) {
        size_t end = text.find('\n', begin);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(begin, end - begin);
        begin = end + 1;
        if (first) {
            first = false;
            // Another format (or another version) is not guessed at: start empty.
            if (line != kHeader && line != std::string(kHeader) + "\r") return index;
            continue;
        }
        CacheEntry entry;
        if (!ParseLine(line, &entry)) continue;
        if (index.entries_.size() >= kMaxIndexEntries && index.find(entry.key) == nullptr) continue;
        index.put(entry);
    }
    return index;
}

std::string TileCacheIndex::serialize() const {
    std::vector<const CacheEntry*> sorted;
    sorted.reserve(entries_.size());
    for (const auto& kv : entries_)
        sorted.push_back(&kv.second);
    std::sort(sorted.begin(), sorted.end(),
              [](const CacheEntry* a, const CacheEntry* b) { return a->key < b->key; });
    std::string text = std::string(kHeader) + "\n";
    char line[128];
    for (const CacheEntry* e : sorted) {
        std::snprintf(line, sizeof line, "%d %d %d %lld %lld %lld\n", e->key.z, e->key.x, e->key.y,
                      static_cast<long long>(e->bytes), static_cast<long long>(e->expires),
                      static_cast<long long>(e->lastUsed));
        text += line;
    }
    return text;
}

const CacheEntry* TileCacheIndex::find(const TileKey& key) const {
    const auto it = entries_.find(key);
    return it == entries_.end() ? nullptr : &it->second;
}

std::vector<CacheEntry> TileCacheIndex::entries() const {
    std::vector<CacheEntry> all;
    all.reserve(entries_.size());
    for (const auto& kv : entries_)
        all.push_back(kv.second);
    return all;
}

void TileCacheIndex::put(const CacheEntry& entry) {
    auto it = entries_.find(entry.key);
    if (it != entries_.end()) {
        totalBytes_ -= it->second.bytes;
        it->second = entry;
    } else {
        entries_.emplace(entry.key, entry);
    }
    totalBytes_ += entry.bytes;
}

void TileCacheIndex::touch(const TileKey& key, int64_t now) {
    auto it = entries_.find(key);
    if (it != entries_.end() && it->second.lastUsed < now) it->second.lastUsed = now;
}

void TileCacheIndex::erase(const TileKey& key) {
    auto it = entries_.find(key);
    if (it == entries_.end()) return;
    totalBytes_ -= it->second.bytes;
    entries_.erase(it);
}

void TileCacheIndex::merge(const TileCacheIndex& other) {
    for (const auto& kv : other.entries_) {
        const CacheEntry& theirs = kv.second;
        auto it = entries_.find(kv.first);
        if (it == entries_.end()) {
            if (entries_.size() < kMaxIndexEntries) put(theirs);
            continue;
        }
        CacheEntry merged = it->second;
        // The later store wins the size and expiry; the later view wins the use time.
        if (theirs.expires > merged.expires) {
            merged.expires = theirs.expires;
            merged.bytes = theirs.bytes;
        }
        merged.lastUsed = std::max(merged.lastUsed, theirs.lastUsed);
        put(merged);
    }
}

std::vector<TileKey> TileCacheIndex::evictTo(int64_t limitBytes) {
    std::vector<TileKey> removed;
    if (totalBytes_ <= limitBytes) return removed;
    std::vector<CacheEntry> byAge;
    byAge.reserve(entries_.size());
    for (const auto& kv : entries_)
        byAge.push_back(kv.second);
    std::sort(byAge.begin(), byAge.end(), [](const CacheEntry& a, const CacheEntry& b) {
        return a.lastUsed != b.lastUsed ? a.lastUsed < b.lastUsed : a.key < b.key;
    });
    for (const CacheEntry& e : byAge) {
        if (totalBytes_ <= limitBytes) break;
        erase(e.key);
        removed.push_back(e.key);
    }
    return removed;
}

} // namespace mapview
