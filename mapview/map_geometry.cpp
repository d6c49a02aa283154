#include "map_geometry.h"

#include <algorithm>
#include <cmath>

#include "map_layers.h"
#include "tile_math.h"

namespace mapview {

namespace {

constexpr double kPi = 3.14159265358979323846;

// Far-away points still give coordinates GDI can draw.
constexpr double kPixelLimit = 1e6;

int32_t RoundAngle(double degrees) {
    const double v = std::lround(std::max(-1e9, std::min(1e9, degrees * kPerDegree)));
    return static_cast<int32_t>(v);
}

Viewport Make(GeoPoint centre, double world, int zoom, Datum datum, int width, int height) {
    Viewport view;
    view.width = width > 0 ? width : 1;
    view.height = height > 0 ? height : 1;
    view.centre = centre;
    view.datum = datum;
    view.zoom = zoom;
    view.world = world;
    double cx = 0, cy = 0;
    ToWorld(view, centre, &cx, &cy);
    // The centre falls on the middle pixel exactly, so a click there reads back the centre.
    view.originX = cx - view.width / 2;
    view.originY = cy - view.height / 2;
    double lat = 0, lon = 0;
    ToWgs84Degrees(centre, datum, &lat, &lon);
    view.lonFactor = std::max(0.1, std::cos(lat * kPi / 180.0));
    view.scale =
        std::max<int32_t>(1, static_cast<int32_t>(std::lround(360.0 * kPerDegree / world * view.lonFactor)));
    return view;
}

} // namespace

void ToWgs84Degrees(GeoPoint p, Datum datum, double* latDegrees, double* lonDegrees) {
    LatLon ll{p.lat / static_cast<double>(kPerDegree), p.lon / static_cast<double>(kPerDegree)};
    if (datum == Datum::Tokyo) ll = tokyoToWgs84(ll);
    *latDegrees = ll.lat;
    *lonDegrees = ll.lon;
}

GeoPoint FromWgs84Degrees(double latDegrees, double lonDegrees, Datum datum) {
    LatLon ll{latDegrees, lonDegrees};
    if (datum == Datum::Tokyo) ll = wgs84ToTokyo(ll);
    return ClampToMap(GeoPoint{RoundAngle(ll.lat), RoundAngle(ll.lon)});
}

void ToWorld(const Viewport& view, GeoPoint p, double* worldX, double* worldY) {
    double lat = 0, lon = 0;
    ToWgs84Degrees(p, view.datum, &lat, &lon);
    const UnitPoint u = UnitFromLonLat(lon, lat);
    *worldX = u.x * view.world;
    *worldY = u.y * view.world;
}

GeoPoint ToGeoAtWorld(const Viewport& view, double worldX, double worldY) {
    double lon = 0, lat = 0;
    LonLatFromUnit(UnitPoint{worldX / view.world, worldY / view.world}, &lon, &lat);
    return FromWgs84Degrees(lat, lon, view.datum);
}

Viewport MakeViewport(GeoPoint centre, int32_t scale, int width, int height, Datum datum) {
    double lat = 0, lon = 0;
    ToWgs84Degrees(centre, datum, &lat, &lon);
    const double lonFactor = std::max(0.1, std::cos(lat * kPi / 180.0));
    const double world = 360.0 * kPerDegree * lonFactor / std::max<int32_t>(1, scale);
    return Make(centre, world, -1, datum, width, height);
}

Viewport ViewportAtZoom(GeoPoint centre, int zoom, Datum datum, int width, int height) {
    zoom = std::max(kMinZoom, std::min(kMaxZoom, zoom));
    return Make(centre, WorldPixels(zoom), zoom, datum, width, height);
}

Viewport ViewportForClient(GeoPoint centre, int layer, int clientWidth, int clientHeight) {
    const MapLayer* found = LayerByNumber(layer);
    const MapLayer* used = found != nullptr ? found : LayerByNumber(kDefaultLayer);
    return ViewportAtZoom(centre, used->homeZoom, kDefaultDatum, clientWidth,
                          clientHeight - kStatusBandHeight);
}

void ToPixel(const Viewport& view, GeoPoint p, int* x, int* y) {
    double wx = 0, wy = 0;
    ToWorld(view, p, &wx, &wy);
    *x = static_cast<int>(std::floor(std::max(-kPixelLimit, std::min(kPixelLimit, wx - view.originX)) + 0.5));
    *y = static_cast<int>(std::floor(std::max(-kPixelLimit, std::min(kPixelLimit, wy - view.originY)) + 0.5));
}

GeoPoint ToGeo(const Viewport& view, int x, int y) {
    return ToGeoAtWorld(view, view.originX + x, view.originY + y);
}

void VisibleRange(const Viewport& view, GeoPoint* low, GeoPoint* high) {
    *low = ToGeo(view, 0, view.height);
    *high = ToGeo(view, view.width, 0);
}

int FitPoints(const std::vector<GeoPoint>& points, Datum datum, int width, int height, int margin,
              int maxZoom, int* zoom, GeoPoint* centre) {
    if (points.empty()) return -1;
    double x0 = 2, y0 = 2, x1 = -1, y1 = -1;
    for (const GeoPoint& p : points) {
        double lat = 0, lon = 0;
        ToWgs84Degrees(p, datum, &lat, &lon);
        const UnitPoint u = UnitFromLonLat(lon, lat);
        x0 = std::min(x0, u.x);
        x1 = std::max(x1, u.x);
        y0 = std::min(y0, u.y);
        y1 = std::max(y1, u.y);
    }
    const double w = std::max(1, width - 2 * margin), h = std::max(1, height - 2 * margin);
    int z = std::max(kMinZoom, std::min(kMaxZoom, maxZoom));
    while (z > kMinZoom && ((x1 - x0) * WorldPixels(z) > w || (y1 - y0) * WorldPixels(z) > h))
        --z;
    *zoom = z;
    double lon = 0, lat = 0;
    LonLatFromUnit(UnitPoint{(x0 + x1) / 2, (y0 + y1) / 2}, &lon, &lat);
    *centre = FromWgs84Degrees(lat, lon, datum);
    return 0;
}

std::vector<int32_t> GridValues(int32_t low, int32_t high, int32_t step, size_t maxLines) {
    std::vector<int32_t> values;
    if (step <= 0 || high < low) return values;
    int64_t v = (static_cast<int64_t>(low) + step - 1) / step * step;
    if (low < 0) v = static_cast<int64_t>(low) / step * step; // rounds towards zero, i.e. up
    for (; v <= high && values.size() < maxLines; v += step)
        values.push_back(static_cast<int32_t>(v));
    return values;
}

} // namespace mapview
