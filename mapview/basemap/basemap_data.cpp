#include "basemap_data.h"

#include <algorithm>
#include <cstring>

namespace mapview {

namespace {

constexpr double kUnit = 1e5; // stored coordinates are 1e-5 degree
constexpr uint64_t kMaxRings = 1000000;
constexpr uint64_t kMaxPoints = 20000000;

class Reader {
  public:
    explicit Reader(const std::string& bytes) : p_(bytes.data()), end_(bytes.data() + bytes.size()) {}
    bool bytes(const char* expected, size_t n) {
        if (static_cast<size_t>(end_ - p_) < n || std::memcmp(p_, expected, n) != 0) return false;
        p_ += n;
        return true;
    }
    bool byte(uint8_t* v) {
        if (p_ == end_) return false;
        *v = static_cast<uint8_t>(*p_++);
        return true;
    }
    // A zig-zag varint of at most 64 bits.
    bool varint(int64_t* v) {
        uint64_t raw = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            if (p_ == end_) return false;
            const uint8_t b = static_cast<uint8_t>(*p_++);
            raw |= static_cast<uint64_t>(b & 0x7F) << shift;
            if ((b & 0x80) == 0) {
                *v = static_cast<int64_t>(raw >> 1) ^ -static_cast<int64_t>(raw & 1);
                return true;
            }
        }
        return false;
    }
    bool count(uint64_t limit, uint64_t* n) {
        int64_t v = 0;
        if (!varint(&v) || v < 0 || static_cast<uint64_t>(v) > limit) return false;
        *n = static_cast<uint64_t>(v);
        return true;
    }
    size_t left() const { return static_cast<size_t>(end_ - p_); }

  private:
    const char* p_;
    const char* end_;
};

bool ReadRing(Reader& r, uint64_t* pointsLeft, BaseRing* ring) {
    int64_t level = 0, closed = 0;
    uint64_t n = 0;
    if (!r.varint(&level) || level < 1 || level > 4 || !r.varint(&closed) || (closed != 0 && closed != 1)) {
        return false;
    }
    // Each point takes at least two bytes: a count beyond that is a lie.
    if (!r.count(std::min<uint64_t>(*pointsLeft, r.left() / 2), &n) || n < 2) return false;
    *pointsLeft -= n;
    ring->level = static_cast<int>(level);
    ring->closed = closed == 1;
    ring->points.reserve(static_cast<size_t>(n));
    int64_t x = 0, y = 0;
    for (uint64_t i = 0; i < n; ++i) {
        int64_t dx = 0, dy = 0;
        if (!r.varint(&dx) || !r.varint(&dy)) return false;
        // Deltas beyond the world are damage; checked before adding so nothing overflows.
        if (dx < -36000000 || dx > 36000000 || dy < -18000000 || dy > 18000000) return false;
        x += dx;
        y += dy;
        if (x < -18000000 || x > 18000000 || y < -9000000 || y > 9000000) return false;
        ring->points.push_back(UnitFromLonLat(x / kUnit, y / kUnit));
    }
    ring->low = ring->high = ring->points.front();
    for (const UnitPoint& p : ring->points) {
        ring->low.x = std::min(ring->low.x, p.x);
        ring->low.y = std::min(ring->low.y, p.y);
        ring->high.x = std::max(ring->high.x, p.x);
        ring->high.y = std::max(ring->high.y, p.y);
    }
    return true;
}

} // namespace


int ReadBaseMap(const std::string& bytes, BaseMap* map) {
    *map = BaseMap();
    Reader r(bytes);
    uint8_t version = 0;
    int64_t box[4];
    uint64_t details = 0;
    if (!r.bytes("MVBM", 4) || !r.byte(&version) || version != 1) return -1;
    for (int64_t& v : box) {
        if (!r.varint(&v) || v < -18000000 || v > 18000000) return -1;
    }
    if (!r.count(8, &details) || details == 0) return -1;
    BaseMap result;
    result.west = box[0] / kUnit;
    result.south = box[1] / kUnit;
    result.east = box[2] / kUnit;
    result.north = box[3] / kUnit;
    uint64_t pointsLeft = kMaxPoints;
    for (uint64_t d = 0; d < details; ++d) {
        uint64_t rings = 0;
        if (!r.count(std::min<uint64_t>(kMaxRings, r.left()), &rings)) return -1;
        std::vector<BaseRing> detail(static_cast<size_t>(rings));
        for (BaseRing& ring : detail) {
            if (!ReadRing(r, &pointsLeft, &ring)) return -1;
        }
        result.details.push_back(std::move(detail));
    }
    if (r.left() != 0) return -1;
    *map = std::move(result);
    return 0;
}

} // namespace mapview
