// Draws the offline base map: sea, land, lakes and islands in lakes filled, their shores
// drawn, at any zoom. Rings are cut to the window before GDI sees them, so even the closest
// zoom hands it only small coordinates.
#pragma once

#include <windows.h>

#include <string>

#include "basemap_data.h"
#include "tile_layer.h"

namespace mapview {

class BaseMapLayer {
  public:
    // Reads the data file; -1 when it is missing or damaged (then only the sea is drawn).
    int load(const std::wstring& path);
    bool loaded() const { return !map_.details.empty(); }
    void paint(HDC dc, const TileView& view) const;

  private:
    BaseMap map_;
    UnitPoint regionLow_, regionHigh_; // the data's region, where rings were closed
};

// The file beside the program.
std::wstring BaseMapPath();

} // namespace mapview
