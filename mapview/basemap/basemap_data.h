// The offline base map: shoreline rings of land and lakes in two levels of detail, read from
// japan_basemap.bin (made by make_basemap.py from GSHHG) and held in Web Mercator units.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "tile_math.h"

namespace mapview {

struct BaseRing {
    int level = 1;       // 1 land, 2 lake, 3 island in a lake, 4 pond on such an island
    bool closed = true;  // a ring to fill; otherwise only a line
    UnitPoint low, high; // bounding box (low.y is the top)
    std::vector<UnitPoint> points;
};

struct BaseMap {
    double west = 0, south = 0, east = 0, north = 0; // degrees: the region the data covers
    std::vector<std::vector<BaseRing>> details;      // coarsest first
};

// Reads the file's bytes; -1 (and an empty map) when they are not a base map.
int ReadBaseMap(const std::string& bytes, BaseMap* map);

} // namespace mapview
