#include "tile_layer.h"

#include <algorithm>
#include <cmath>

namespace mapview {

namespace {

constexpr int kParentLevels = 5;
constexpr int kChildLevels = 2;

void Draw(HDC dc, HDC source, const DecodedTile& tile, int x, int y, int w, int h, int sx, int sy, int sw,
          int sh) {
    HGDIOBJ old = SelectObject(source, tile.bitmap);
    if (tile.opaque) {
        if (w == sw && h == sh) {
            BitBlt(dc, x, y, w, h, source, sx, sy, SRCCOPY);
        } else {
            StretchBlt(dc, x, y, w, h, source, sx, sy, sw, sh, SRCCOPY);
        }
    } else {
        BLENDFUNCTION blend = {AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
        AlphaBlend(dc, x, y, w, h, source, sx, sy, sw, sh, blend);
    }
    SelectObject(source, old);
}

} // namespace

TileMemory::~TileMemory() {
    clear();
}

void TileMemory::put(const TileKey& key, const DecodedTile& tile) {
    auto it = tiles_.find(key);
    if (it != tiles_.end()) {
        if (it->second.tile.bitmap != tile.bitmap) DeleteObject(it->second.tile.bitmap);
        it->second.tile = tile;
        it->second.used = ++clock_;
        return;
    }
    tiles_.emplace(key, Entry{tile, ++clock_});
}

const DecodedTile* TileMemory::use(const TileKey& key) {
    auto it = tiles_.find(key);
    if (it == tiles_.end()) return nullptr;
    it->second.used = ++clock_;
    return &it->second.tile;
}

void TileMemory::clear() {
    for (auto& kv : tiles_)
        DeleteObject(kv.second.tile.bitmap);
    tiles_.clear();
}

void TileMemory::trim() {
    if (tiles_.size() <= capacity_) return;
    std::vector<std::pair<uint64_t, TileKey>> byUse;
    byUse.reserve(tiles_.size());
    for (const auto& kv : tiles_)
        byUse.emplace_back(kv.second.used, kv.first);
    std::sort(byUse.begin(), byUse.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 0; i < byUse.size() - capacity_; ++i) {
        auto it = tiles_.find(byUse[i].second);
        DeleteObject(it->second.tile.bitmap);
        tiles_.erase(it);
    }
}

std::vector<TileKey> TilesInView(const TileView& view) {
    const double world = WorldPixels(view.zoom);
    const UnitPoint centre{(view.originX + view.width / 2.0) / world,
                           (view.originY + view.height / 2.0) / world};
    return VisibleTiles(centre, view.zoom, view.width, view.height);
}

bool TilesCoverView(const TileView& view, const TileMemory& memory) {
    for (const TileKey& key : TilesInView(view)) {
        const DecodedTile* tile = memory.peek(key);
        if (tile == nullptr || !tile->opaque) return false;
    }
    return true;
}

void PaintTiles(HDC dc, const TileView& view, TileMemory& memory,
                const std::function<bool(const TileKey&)>& skip, TilePaintResult* result) {
    *result = TilePaintResult();
    HDC source = CreateCompatibleDC(dc);
    const int oldMode = SetStretchBltMode(dc, COLORONCOLOR);
    bool covered = true;
    for (const TileKey& key : TilesInView(view)) {
        const int x = ScreenX(view, static_cast<double>(key.x) * kTileSize);
        const int y = ScreenY(view, static_cast<double>(key.y) * kTileSize);
        if (const DecodedTile* tile = memory.use(key)) {
            Draw(dc, source, *tile, x, y, kTileSize, kTileSize, 0, 0, tile->width, tile->height);
            ++result->exact;
            covered = covered && tile->opaque;
            continue;
        }
        covered = false;
        if (skip && skip(key)) continue;
        result->missing.push_back(key);
        bool drawn = false;
        for (int levels = 1; levels <= kParentLevels && levels <= key.z; ++levels) {
            const ParentPart part = ParentOf(key, levels);
            const DecodedTile* parent = memory.use(part.parent);
            if (parent == nullptr) continue;
            const double f = parent->width / static_cast<double>(kTileSize);
            Draw(dc, source, *parent, x, y, kTileSize, kTileSize, static_cast<int>(part.left * f),
                 static_cast<int>(part.top * f), std::max(1, static_cast<int>(part.size * f)),
                 std::max(1, static_cast<int>(part.size * f)));
            drawn = true;
            break;
        }
        // Children from a closer view drawn before (zooming out) sharpen what the parent gives.
        for (int levels = 1; levels <= kChildLevels && key.z + levels <= kMaxZoom + 2; ++levels) {
            const int n = 1 << levels;
            const int size = kTileSize / n;
            for (int cy = 0; cy < n; ++cy) {
                for (int cx = 0; cx < n; ++cx) {
                    const TileKey child{key.z + levels, key.x * n + cx, key.y * n + cy};
                    const DecodedTile* tile = memory.use(child);
                    if (tile == nullptr) continue;
                    Draw(dc, source, *tile, x + cx * size, y + cy * size, size, size, 0, 0, tile->width,
                         tile->height);
                    drawn = true;
                }
            }
            if (drawn) break;
        }
        if (drawn) ++result->standIn;
    }
    result->covered = covered;
    SetStretchBltMode(dc, oldMode);
    DeleteDC(source);
}

} // namespace mapview
