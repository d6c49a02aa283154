// The map's layers: each one a range of tile zooms with its own graticule spacing and name.
// Clients choose layers; a person zooms, and the layer follows the zoom.
#pragma once

#include <cstdint>

namespace mapview {

struct MapLayer {
    int number;       // 1 (widest) to kLayerCount (closest)
    const char* name; // cp932, what LayerName answers and ChangeLayer takes
    int32_t scale;    // thousandths of an arc second of latitude per pixel at homeZoom, at 36°N
    int32_t gridStep; // graticule spacing, thousandths of an arc second
    int minZoom;      // the zooms that belong to the layer
    int maxZoom;
    int homeZoom; // the zoom a client's choice of the layer sets
};

constexpr int kLayerCount = 7;
constexpr int kDefaultLayer = 4;

// Layer by number, or nullptr outside 1..kLayerCount.
const MapLayer* LayerByNumber(int number);

// Layer named by a number text ("4", " 4") or by its own name; nullptr when none matches.
const MapLayer* FindLayer(const char* text);

// Layer with exactly this name; nullptr when none.
const MapLayer* LayerByName(const char* name);

// The layer a zoom belongs to (zooms outside kMinZoom..kMaxZoom count as the nearest end).
int LayerOfZoom(int zoom);

// Thousandths of an arc second of latitude per pixel at a zoom, at 36°N: the arrow keys'
// step, the same wherever the mark is.
int32_t ScaleAtZoom(int zoom);

} // namespace mapview
