#include "basemap_layer.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <vector>

namespace mapview {

namespace {

constexpr COLORREF kSea = RGB(182, 210, 230);
constexpr COLORREF kLand = RGB(241, 238, 226);
constexpr COLORREF kShore = RGB(120, 146, 170);
constexpr int kFineFromZoom = 9;
constexpr wchar_t kBaseMapFile[] = L"japan_basemap.bin";

// Edge bits of a clipped vertex: which window edge (or which edge of the data's region) it
// lies on. A segment between two vertices sharing a bit runs along that edge: filled, never
// drawn as shore.
enum : unsigned { kLeft = 1, kRight = 2, kTop = 4, kBottom = 8 };

struct Vertex {
    double x, y;
    unsigned edges;
};

// Sutherland-Hodgman against one side of the window.
template <class Inside, class Cut>
void ClipSide(const std::vector<Vertex>& in, std::vector<Vertex>* out, unsigned bit, Inside inside, Cut cut) {
    out->clear();
    if (in.empty()) return;
    Vertex prev = in.back();
    bool prevIn = inside(prev);
    for (const Vertex& v : in) {
        const bool vIn = inside(v);
        if (vIn != prevIn) {
            Vertex c = cut(prev, v);
            c.edges = bit | (prev.edges & v.edges);
            out->push_back(c);
        }
        if (vIn) out->push_back(v);
        prev = v;
        prevIn = vIn;
    }
}

void Clip(std::vector<Vertex>* ring, double x0, double y0, double x1, double y1) {
    std::vector<Vertex> tmp;
    auto atX = [](double x) {
        return [x](const Vertex& a, const Vertex& b) {
            const double t = (x - a.x) / (b.x - a.x);
            return Vertex{x, a.y + t * (b.y - a.y), 0};
        };
    };
    auto atY = [](double y) {
        return [y](const Vertex& a, const Vertex& b) {
            const double t = (y - a.y) / (b.y - a.y);
            return Vertex{a.x + t * (b.x - a.x), y, 0};
        };
    };
    ClipSide(
        *ring, &tmp, kLeft, [x0](const Vertex& v) { return v.x >= x0; }, atX(x0));
    ClipSide(
        tmp, ring, kRight, [x1](const Vertex& v) { return v.x <= x1; }, atX(x1));
    ClipSide(
        *ring, &tmp, kTop, [y0](const Vertex& v) { return v.y >= y0; }, atY(y0));
    ClipSide(
        tmp, ring, kBottom, [y1](const Vertex& v) { return v.y <= y1; }, atY(y1));
}

struct Batch {
    std::vector<POINT> points;
    std::vector<INT> counts;
    void add(const std::vector<POINT>& ring) {
        if (ring.size() < 3) return;
        points.insert(points.end(), ring.begin(), ring.end());
        counts.push_back(static_cast<INT>(ring.size()));
    }
};

struct Lines {
    std::vector<POINT> points;
    std::vector<DWORD> counts;
    void run(const std::vector<POINT>& run) {
        if (run.size() < 2) return;
        points.insert(points.end(), run.begin(), run.end());
        counts.push_back(static_cast<DWORD>(run.size()));
    }
};

} // namespace

std::wstring BaseMapPath() {
    wchar_t path[MAX_PATH * 2];
    const DWORD n = GetModuleFileNameW(nullptr, path, ARRAYSIZE(path));
    if (n == 0 || n >= ARRAYSIZE(path)) return kBaseMapFile;
    std::wstring p(path, n);
    const size_t slash = p.find_last_of(L"\\/");
    return (slash == std::wstring::npos ? std::wstring() : p.substr(0, slash + 1)) + kBaseMapFile;
}

int BaseMapLayer::load(const std::wstring& path) {
    map_ = BaseMap();
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return -1;
    LARGE_INTEGER size;
    std::string bytes;
    bool ok = GetFileSizeEx(file, &size) && size.QuadPart > 0 && size.QuadPart < 64 * 1024 * 1024;
    if (ok) {
        bytes.resize(static_cast<size_t>(size.QuadPart));
        DWORD read = 0;
        ok = ReadFile(file, &bytes[0], static_cast<DWORD>(bytes.size()), &read, nullptr) &&
             read == bytes.size();
    }
    CloseHandle(file);
    if (!ok || ReadBaseMap(bytes, &map_) != 0) return -1;
    regionLow_ = UnitFromLonLat(map_.west, map_.north);
    regionHigh_ = UnitFromLonLat(map_.east, map_.south);
    return 0;
}

void BaseMapLayer::paint(HDC dc, const TileView& view) const {
    RECT all = {0, 0, view.width, view.height};
    HBRUSH sea = CreateSolidBrush(kSea);
    FillRect(dc, &all, sea);
    if (map_.details.empty()) {
        DeleteObject(sea);
        return;
    }
    const std::vector<BaseRing>& rings =
        map_.details[view.zoom >= kFineFromZoom && map_.details.size() > 1 ? 1 : 0];
    const double world = WorldPixels(view.zoom);
    // A little beyond the window, so the cut edges never show.
    const double x0 = -4, y0 = -4, x1 = view.width + 4, y1 = view.height + 4;
    const double minX = (view.originX + x0) / world, maxX = (view.originX + x1) / world;
    const double minY = (view.originY + y0) / world, maxY = (view.originY + y1) / world;

    Batch fills[4];
    Lines shores;
    std::vector<Vertex> clipped;
    std::vector<POINT> pts, run;
    for (const BaseRing& ring : rings) {
        if (ring.high.x < minX || ring.low.x > maxX || ring.high.y < minY || ring.low.y > maxY) continue;
        clipped.clear();
        for (const UnitPoint& p : ring.points) {
            unsigned edges = 0;
            if (p.x == regionLow_.x || p.x == regionHigh_.x) edges |= 0x10 << (p.x == regionLow_.x ? 0 : 1);
            if (p.y == regionLow_.y || p.y == regionHigh_.y) edges |= 0x40 << (p.y == regionLow_.y ? 0 : 1);
            clipped.push_back(Vertex{p.x * world - view.originX, p.y * world - view.originY, edges});
        }
        if (ring.closed && clipped.size() > 1 && clipped.front().x == clipped.back().x &&
            clipped.front().y == clipped.back().y) {
            clipped.pop_back();
        }
        if (ring.closed) Clip(&clipped, x0, y0, x1, y1);
        if (clipped.size() < 2) continue;
        pts.clear();
        for (const Vertex& v : clipped)
            pts.push_back(POINT{static_cast<LONG>(std::lround(v.x)), static_cast<LONG>(std::lround(v.y))});
        if (ring.closed) fills[ring.level - 1].add(pts);
        // Shores: every segment that does not run along a cut edge.
        run.clear();
        const size_t n = clipped.size();
        const size_t segments = ring.closed ? n : n - 1;
        for (size_t i = 0; i < segments; ++i) {
            const size_t j = (i + 1) % n;
            if ((clipped[i].edges & clipped[j].edges) != 0) {
                shores.run(run);
                run.clear();
                continue;
            }
            if (run.empty()) run.push_back(pts[i]);
            run.push_back(pts[j]);
        }
        shores.run(run);
    }
    HBRUSH land = CreateSolidBrush(kLand);
    HGDIOBJ oldPen = SelectObject(dc, GetStockObject(NULL_PEN));
    HGDIOBJ oldBrush = SelectObject(dc, land);
    SetPolyFillMode(dc, WINDING);
    for (int level = 0; level < 4; ++level) {
        if (fills[level].counts.empty()) continue;
        SelectObject(dc, level % 2 == 0 ? land : sea);
        PolyPolygon(dc, fills[level].points.data(), fills[level].counts.data(),
                    static_cast<int>(fills[level].counts.size()));
    }
    HPEN shorePen = CreatePen(PS_SOLID, 1, kShore);
    SelectObject(dc, shorePen);
    if (!shores.counts.empty()) {
        PolyPolyline(dc, shores.points.data(), shores.counts.data(),
                     static_cast<DWORD>(shores.counts.size()));
    }
    SelectObject(dc, oldPen);
    SelectObject(dc, oldBrush);
    DeleteObject(shorePen);
    DeleteObject(land);
    DeleteObject(sea);
}

} // namespace mapview
