// Draws one map: the offline base map and the tiles under the graticule with labels, placed
// texts and icons, the mark, the scale bar, the credits and the status band.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "map_geometry.h"
#include "map_model.h"
#include "tile_layer.h"

namespace mapview {

class BaseMapLayer;

// What lies under the clients' map and what the status band tells besides the position.
struct MapBackdrop {
    const BaseMapLayer* baseMap = nullptr;
    TileMemory* tiles = nullptr; // none: no tiles drawn
    std::function<bool(const TileKey&)> skipTile;
    std::string tileCredit;      // UTF-8, shown while tiles show
    const char* datumLabel = ""; // cp932
    std::string message;         // cp932: the second status line
    TilePaintResult tileResult;  // filled by PaintMap
};

void PaintMap(HDC dc, const RECT& client, const Viewport& view, int statusHeight, const MapModel& model,
              HFONT font, MapBackdrop* backdrop);

} // namespace mapview
