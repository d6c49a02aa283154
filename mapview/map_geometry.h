// Where map points fall in the window, and where the graticule lines go. The view is Web
// Mercator, as the tiles are cut; map points are in the datum clients exchange (the Tokyo
// datum or WGS84) and are shifted to WGS84, the tiles' datum, on the way to the screen.
#pragma once

#include <cstdint>
#include <vector>

#include "datum.h"
#include "map_coord.h"

namespace mapview {

// The datum of every coordinate exchanged over automation when the registry names none: the
// Tokyo datum, which the device files of this product's era and the map applications the
// bridge was written for used (Japan moved to JGD2000, equal to WGS84 within a metre, in 2002).
constexpr Datum kDefaultDatum = Datum::Tokyo;

struct Viewport {
    int width = 0;
    int height = 0;
    GeoPoint centre; // in `datum`
    Datum datum = Datum::Wgs84;
    int zoom = -1;      // the tile zoom; -1 for a view at some other scale
    double world = 0;   // pixels across the whole world
    double originX = 0; // world pixel of the window's top-left corner
    double originY = 0;
    int32_t scale = 1;    // thousandths of an arc second of latitude per pixel at the centre
    double lonFactor = 1; // cos(latitude of the centre)
};

// A view where a pixel at the centre spans `scale` thousandths of an arc second of latitude.
Viewport MakeViewport(GeoPoint centre, int32_t scale, int width, int height, Datum datum = Datum::Wgs84);

// A view at a tile zoom (kMinZoom..kMaxZoom).
Viewport ViewportAtZoom(GeoPoint centre, int zoom, Datum datum, int width, int height);

// The map window's status band under the map, in pixels.
constexpr int kStatusBandHeight = 58;

// The view of the map part of a window's client area at a layer's own zoom, in the default
// datum (the status band excluded).
Viewport ViewportForClient(GeoPoint centre, int layer, int clientWidth, int clientHeight);

void ToPixel(const Viewport& view, GeoPoint p, int* x, int* y);
GeoPoint ToGeo(const Viewport& view, int x, int y);
// The map point at a world pixel of the view's zoom (fractions allowed).
GeoPoint ToGeoAtWorld(const Viewport& view, double worldX, double worldY);
// A map point's world pixel at the view's zoom.
void ToWorld(const Viewport& view, GeoPoint p, double* worldX, double* worldY);

// A map point in WGS84 degrees, and back (rounded to the thousandth of a second).
void ToWgs84Degrees(GeoPoint p, Datum datum, double* latDegrees, double* lonDegrees);
GeoPoint FromWgs84Degrees(double latDegrees, double lonDegrees, Datum datum);

// The visible range: south-west and north-east corners.
void VisibleRange(const Viewport& view, GeoPoint* low, GeoPoint* high);

// The closest zoom at which every point fits in width x height less a margin on each side,
// and the centre that shows them; -1 when there are no points.
int FitPoints(const std::vector<GeoPoint>& points, Datum datum, int width, int height, int margin,
              int maxZoom, int* zoom, GeoPoint* centre);

// Multiples of step inside [low, high], at most maxLines of them (a guard against huge ranges).
std::vector<int32_t> GridValues(int32_t low, int32_t high, int32_t step, size_t maxLines = 400);

} // namespace mapview
