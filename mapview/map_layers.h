// The map's layers: each one a scale with its own graticule spacing and name.
#pragma once

#include <cstdint>

namespace mapview {

struct MapLayer {
    int number;       // 1 (widest) to kLayerCount (closest)
    const char* name; // cp932, what LayerName answers and ChangeLayer takes
    int32_t scale;    // thousandths of an arc second per pixel
    int32_t gridStep; // graticule spacing, thousandths of an arc second
};

constexpr int kLayerCount = 7;
constexpr int kDefaultLayer = 4;

// Layer by number, or nullptr outside 1..kLayerCount.
const MapLayer* LayerByNumber(int number);

// Layer named by a number text ("4", " 4") or by its own name; nullptr when none matches.
const MapLayer* FindLayer(const char* text);

// Layer with exactly this name; nullptr when none.
const MapLayer* LayerByName(const char* name);

} // namespace mapview
