#include "art_canvas.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr int kSamples = 4; // per axis: 16 samples per pixel

// 3x5 glyphs, one row per string, '#' set.
struct Glyph {
    char c;
    const char* rows[5];
};
const Glyph kFont[] = {
    {'0', {"###", "#.#", "#.#", "#.#", "###"}}, {'1', {".#.", "##.", ".#.", ".#.", "###"}},
    {'2', {"###", "..#", "###", "#..", "###"}}, {'3', {"###", "..#", ".##", "..#", "###"}},
    {'4', {"#.#", "#.#", "###", "..#", "..#"}}, {'5', {"###", "#..", "###", "..#", "###"}},
    {'6', {"###", "#..", "###", "#.#", "###"}}, {'7', {"###", "..#", ".#.", ".#.", ".#."}},
    {'8', {"###", "#.#", "###", "#.#", "###"}}, {'9', {"###", "#.#", "###", "..#", "###"}},
    {'?', {"###", "..#", ".##", "...", ".#."}},
};

const Glyph* findGlyph(char c) {
    for (const Glyph& glyph : kFont) {
        if (glyph.c == c) return &glyph;
    }
    return nullptr;
}

} // namespace

Canvas::Canvas(int width, int height)
    : width_(width), height_(height), pixels_(static_cast<size_t>(width * height), kTransparent) {}

void Canvas::set(int x, int y, Rgba colour) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
    pixels_[static_cast<size_t>(y * width_ + x)] = colour;
}

void Canvas::blend(int x, int y, Rgba colour, double coverage) {
    if (x < 0 || y < 0 || x >= width_ || y >= height_ || coverage <= 0) return;
    Rgba& dst = pixels_[static_cast<size_t>(y * width_ + x)];
    double srcA = colour.a / 255.0 * coverage;
    double dstA = dst.a / 255.0;
    double outA = srcA + dstA * (1 - srcA);
    if (outA <= 0) return;
    auto mix = [&](uint8_t s, uint8_t d) {
        return static_cast<uint8_t>(std::lround((s * srcA + d * dstA * (1 - srcA)) / outA));
    };
    dst = Rgba{mix(colour.r, dst.r), mix(colour.g, dst.g), mix(colour.b, dst.b),
               static_cast<uint8_t>(std::lround(outA * 255))};
}

void Canvas::fill(const Region& region, Rgba colour) {
    for (int y = 0; y < height_; ++y) {
        for (int x = 0; x < width_; ++x) {
            int hits = 0;
            for (int sy = 0; sy < kSamples; ++sy) {
                for (int sx = 0; sx < kSamples; ++sx) {
                    if (region(x + (sx + 0.5) / kSamples, y + (sy + 0.5) / kSamples)) ++hits;
                }
            }
            blend(x, y, colour, static_cast<double>(hits) / (kSamples * kSamples));
        }
    }
}

void Canvas::outline(const Region& region, double width, Rgba colour) {
    Region band = [region, width](double x, double y) {
        if (!region(x, y)) return false;
        const double d = width * 0.7071;
        return !(region(x - width, y) && region(x + width, y) && region(x, y - width) &&
                 region(x, y + width) && region(x - d, y - d) && region(x + d, y - d) &&
                 region(x - d, y + d) && region(x + d, y + d));
    };
    fill(band, colour);
}

void Canvas::text(const char* digits, int scale, double cx, double cy, Rgba colour, Rgba halo) {
    const int count = static_cast<int>(std::strlen(digits));
    const int glyphW = 3 * scale;
    const int gap = scale;
    const int totalW = count * glyphW + (count - 1) * gap;
    const int totalH = 5 * scale;
    const int left = static_cast<int>(std::floor(cx - totalW / 2.0 + 0.5));
    const int top = static_cast<int>(std::floor(cy - totalH / 2.0 + 0.5));
    auto inGlyph = [&](int px, int py) {
        if (px < left || py < top || py >= top + totalH) return false;
        int offset = px - left;
        int index = offset / (glyphW + gap);
        int within = offset % (glyphW + gap);
        if (index >= count || within >= glyphW) return false;
        const Glyph* glyph = findGlyph(digits[index]);
        if (glyph == nullptr) return false;
        return glyph->rows[(py - top) / scale][within / scale] == '#';
    };
    for (int y = top - 1; y <= top + totalH; ++y) {
        for (int x = left - 1; x <= left + totalW; ++x) {
            if (inGlyph(x, y)) continue;
            bool near = false;
            for (int dy = -1; dy <= 1 && !near; ++dy) {
                for (int dx = -1; dx <= 1 && !near; ++dx)
                    near = inGlyph(x + dx, y + dy);
            }
            if (near) blend(x, y, halo, 1.0);
        }
    }
    for (int y = top; y < top + totalH; ++y) {
        for (int x = left; x < left + totalW; ++x) {
            if (inGlyph(x, y)) set(x, y, colour);
        }
    }
}

Region circle(double cx, double cy, double r) {
    return [=](double x, double y) { return (x - cx) * (x - cx) + (y - cy) * (y - cy) <= r * r; };
}

Region ring(double cx, double cy, double outer, double inner) {
    return subtract(circle(cx, cy, outer), circle(cx, cy, inner));
}

Region rectangle(double x0, double y0, double x1, double y1) {
    return [=](double x, double y) { return x >= x0 && x < x1 && y >= y0 && y < y1; };
}

Region polygon(std::vector<double> xy) {
    return [xy](double x, double y) {
        // Even-odd rule.
        bool inside = false;
        const size_t n = xy.size() / 2;
        for (size_t i = 0, j = n - 1; i < n; j = i++) {
            double xi = xy[2 * i], yi = xy[2 * i + 1], xj = xy[2 * j], yj = xy[2 * j + 1];
            if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
        }
        return inside;
    };
}

Region thickLine(double x0, double y0, double x1, double y1, double halfWidth) {
    return [=](double x, double y) {
        double dx = x1 - x0, dy = y1 - y0;
        double length2 = dx * dx + dy * dy;
        double t = length2 > 0 ? ((x - x0) * dx + (y - y0) * dy) / length2 : 0;
        t = std::clamp(t, 0.0, 1.0);
        double px = x0 + t * dx - x, py = y0 + t * dy - y;
        return px * px + py * py <= halfWidth * halfWidth;
    };
}

Region unite(Region a, Region b) {
    return [a, b](double x, double y) { return a(x, y) || b(x, y); };
}

Region subtract(Region a, Region b) {
    return [a, b](double x, double y) { return a(x, y) && !b(x, y); };
}
