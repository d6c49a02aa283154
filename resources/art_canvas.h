// A small RGBA canvas for drawing our icons and cursors at build time: shapes are filled
// by coverage (sub-pixel samples), so edges come out smooth at 16 and 32 pixels.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

struct Rgba {
    uint8_t r, g, b, a;
};

constexpr Rgba kTransparent{0, 0, 0, 0};
constexpr Rgba kBlack{0, 0, 0, 255};
constexpr Rgba kWhite{255, 255, 255, 255};

// Inside test in canvas coordinates (pixel x covers [x, x + 1)).
using Region = std::function<bool(double x, double y)>;

class Canvas {
  public:
    Canvas(int width, int height);

    int width() const { return width_; }
    int height() const { return height_; }
    Rgba at(int x, int y) const { return pixels_[static_cast<size_t>(y * width_ + x)]; }
    void set(int x, int y, Rgba colour);

    // Paints `colour` over every pixel in proportion to how much of it the region covers.
    void fill(const Region& region, Rgba colour);
    // Paints the region's outline band of the given width (inside the region).
    void outline(const Region& region, double width, Rgba colour);
    // Draws text in the built-in 3x5 font, each font pixel `scale` canvas pixels, centred
    // on (cx, cy), with a one-pixel halo of `halo` around the glyphs.
    void text(const char* digits, int scale, double cx, double cy, Rgba colour, Rgba halo);

  private:
    void blend(int x, int y, Rgba colour, double coverage);

    int width_;
    int height_;
    std::vector<Rgba> pixels_;
};

// Region helpers.
Region circle(double cx, double cy, double r);
Region ring(double cx, double cy, double outer, double inner);
Region rectangle(double x0, double y0, double x1, double y1);
Region polygon(std::vector<double> xy);
Region thickLine(double x0, double y0, double x1, double y1, double halfWidth);
Region unite(Region a, Region b);
Region subtract(Region a, Region b);
