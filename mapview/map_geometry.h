// Where map points fall in the window, and where the graticule lines go.
#pragma once

#include <cstdint>
#include <vector>

#include "map_coord.h"

namespace mapview {

// A window-sized view of the map: equal-distance projection around the centre, longitude
// squeezed by the cosine of the centre's latitude so shapes look right near Japan.
struct Viewport {
    int width = 0;
    int height = 0;
    GeoPoint centre;
    int32_t scale = 1;    // thousandths of an arc second per pixel of latitude
    double lonFactor = 1; // cos(latitude of the centre)
};

Viewport MakeViewport(GeoPoint centre, int32_t scale, int width, int height);

// The map window's status band under the map, in pixels.
constexpr int kStatusBandHeight = 40;

// The view of the map part of a window's client area at a layer (the status band excluded).
Viewport ViewportForClient(GeoPoint centre, int layer, int clientWidth, int clientHeight);

void ToPixel(const Viewport& view, GeoPoint p, int* x, int* y);
GeoPoint ToGeo(const Viewport& view, int x, int y);

// The visible range: south-west and north-east corners.
void VisibleRange(const Viewport& view, GeoPoint* low, GeoPoint* high);

// Multiples of step inside [low, high], at most maxLines of them (a guard against huge ranges).
std::vector<int32_t> GridValues(int32_t low, int32_t high, int32_t step, size_t maxLines = 400);

} // namespace mapview
