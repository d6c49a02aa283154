#include "map_layers.h"

#include <cstring>

#include "mapview_texts.h"

namespace mapview {

namespace {

// Scales chosen so a window of about 640 pixels spans from several degrees down to a minute.
const MapLayer kLayers[kLayerCount] = {
    {1, kLayerName1, 40000, 60 * 60000}, {2, kLayerName2, 15000, 30 * 60000},
    {3, kLayerName3, 6000, 10 * 60000},  {4, kLayerName4, 2000, 5 * 60000},
    {5, kLayerName5, 800, 2 * 60000},    {6, kLayerName6, 300, 60000},
    {7, kLayerName7, 120, 60000},
};

} // namespace

const MapLayer* LayerByNumber(int number) {
    if (number < 1 || number > kLayerCount) return nullptr;
    return &kLayers[number - 1];
}

const MapLayer* LayerByName(const char* name) {
    if (name == nullptr) return nullptr;
    for (const MapLayer& layer : kLayers) {
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
