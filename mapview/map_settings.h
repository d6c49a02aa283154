// MapView's settings, read once at start. Under HKEY_CURRENT_USER\Software\Vorn\MapView
// (REG_SZ): "TileUrl" a template with {z}, {x}, {y} that overrides the chosen source,
// "TileCacheDir" the cache folder, "SearchUrl" a template with {q}, and "TileSource" the
// source chosen in the menu. The datum is the whole product's, shared with the editor:
// HKEY_CURRENT_USER\Software\Vorn\Tenmark "Datum", "Tokyo" or "WGS84".
#pragma once

#include <string>

#include "datum.h"
#include "map_geometry.h"
#include "tile_source.h"

namespace mapview {

constexpr char kDefaultSearchUrl[] = "https://msearch.gsi.go.jp/address-search/AddressSearch?q={q}";

struct MapSettings {
    std::string tileUrl;       // UTF-8; empty: the chosen source's own
    std::wstring tileCacheDir; // never empty after reading: the default when not set
    std::string searchUrl;     // UTF-8
    TileSourceId source = kDefaultSource;
    bool tilesOff = false; // "TileSource" "none": the offline base map only, nothing downloaded
    Datum datum = kDefaultDatum;
    bool datumStored = false; // the registry named a datum
};

MapSettings ReadMapSettings();

// The menu's choices, remembered for the next start; -1 when they could not be written.
int WriteTileSource(TileSourceId source);
int WriteTilesOff();
int WriteDatum(Datum datum);

// The default cache folder: <local application data>\Vorn\MapView\TileCache.
std::wstring DefaultTileCacheDir();

} // namespace mapview
