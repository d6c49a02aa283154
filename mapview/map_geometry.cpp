#include "map_geometry.h"

#include <algorithm>
#include <cmath>

#include "map_layers.h"

namespace mapview {

Viewport MakeViewport(GeoPoint centre, int32_t scale, int width, int height) {
    Viewport view;
    view.width = width > 0 ? width : 1;
    view.height = height > 0 ? height : 1;
    view.centre = centre;
    view.scale = scale > 0 ? scale : 1;
    const double radians = centre.lat / static_cast<double>(kPerDegree) * 3.14159265358979323846 / 180.0;
    // Never below 0.1: near the pole the view would otherwise stretch without bound.
    view.lonFactor = std::max(0.1, std::cos(radians));
    return view;
}

Viewport ViewportForClient(GeoPoint centre, int layer, int clientWidth, int clientHeight) {
    const MapLayer* found = LayerByNumber(layer);
    const MapLayer* used = found != nullptr ? found : LayerByNumber(kDefaultLayer);
    return MakeViewport(centre, used->scale, clientWidth, clientHeight - kStatusBandHeight);
}

void ToPixel(const Viewport& view, GeoPoint p, int* x, int* y) {
    const double dx = (static_cast<double>(p.lon) - view.centre.lon) * view.lonFactor / view.scale;
    const double dy = (static_cast<double>(p.lat) - view.centre.lat) / view.scale;
    // Clamp so far-away points still give drawable coordinates.
    const double limit = 1e6;
    *x = static_cast<int>(std::lround(std::max(-limit, std::min(limit, view.width / 2 + dx))));
    *y = static_cast<int>(std::lround(std::max(-limit, std::min(limit, view.height / 2 - dy))));
}

GeoPoint ToGeo(const Viewport& view, int x, int y) {
    const double lon =
        view.centre.lon + (x - view.width / 2) * static_cast<double>(view.scale) / view.lonFactor;
    const double lat = view.centre.lat - (y - view.height / 2) * static_cast<double>(view.scale);
    return ClampToMap(GeoPoint{static_cast<int32_t>(std::lround(std::max(-1e9, std::min(1e9, lat)))),
                               static_cast<int32_t>(std::lround(std::max(-1e9, std::min(1e9, lon))))});
}

void VisibleRange(const Viewport& view, GeoPoint* low, GeoPoint* high) {
    *low = ToGeo(view, 0, view.height);
    *high = ToGeo(view, view.width, 0);
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
