// Draws one map: graticule with labels, placed texts and icons, the mark, the status band.
#pragma once

#include <windows.h>

#include "map_geometry.h"
#include "map_model.h"

namespace mapview {

void PaintMap(HDC dc, const RECT& client, const Viewport& view, int statusHeight, const MapModel& model,
              HFONT font);

} // namespace mapview
