#include "map_layers.h"

#include <cmath>
#include <cstring>

#include "map_coord.h"
#include "mapview_texts.h"
#include "tile_math.h"

namespace mapview {

namespace {

struct LayerTable {
    MapLayer layers[kLayerCount];
    LayerTable() {
        static const char* const names[kLayerCount] = {kLayerName1, kLayerName2, kLayerName3, kLayerName4,
                                                       kLayerName5, kLayerName6, kLayerName7};
        static const int32_t grid[kLayerCount] = {60 * kPerMinute, 30 * kPerMinute, 10 * kPerMinute,
                                                  5 * kPerMinute,  2 * kPerMinute,  kPerMinute,
                                                  kPerMinute};
        // Two zooms per layer: 5-6 for the whole country, 17-18 for a street.
        for (int i = 0; i < kLayerCount; ++i) {
            const int low = kMinZoom + 2 * i;
            layers[i] = MapLayer{i + 1, names[i], ScaleAtZoom(low + 1), grid[i], low, low + 1, low + 1};
        }
    }
};

const LayerTable& Table() {
    static const LayerTable table;
    return table;
}

} // namespace

int32_t ScaleAtZoom(int zoom) {
    const double degreesPerPixel =
        360.0 / WorldPixels(zoom) * std::cos(36.0 * 3.14159265358979323846 / 180.0);
    return static_cast<int32_t>(std::lround(degreesPerPixel * kPerDegree));
}

int LayerOfZoom(int zoom) {
    for (const MapLayer& layer : Table().layers) {
        if (zoom <= layer.maxZoom) return layer.number;
    }
    return kLayerCount;
}

const MapLayer* LayerByNumber(int number) {
    if (number < 1 || number > kLayerCount) return nullptr;
    return &Table().layers[number - 1];
}

const MapLayer* LayerByName(const char* name) {
    if (name == nullptr) return nullptr;
    for (const MapLayer& layer : Table().layers) {
        if (std::strcmp(layer.name, name) == 0) return &layer;
    }
    return nullptr;
}

const MapLayer* FindLayer(const char* text) {
    if (text == nullptr) return nullptr;
    const char* p = text;
    while (*p == ' ')
        ++p;
    if (*p >= '0' && *p <= '9') {
        int number = 0;
        while (*p >= '0' && *p <= '9' && number < 1000)
            number = number * 10 + (*p++ - '0');
        while (*p == ' ')
            ++p;
        return *p == '\0' ? LayerByNumber(number) : nullptr;
    }
    return LayerByName(text);
}

} // namespace mapview
