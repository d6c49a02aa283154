// Module map: turns the editor's commands into calls on the map application object.
#pragma once

#include "lib.h"
#include "map_automation.h"
#include "maplink_protocol.h"
#include "text_id_table.h"

#include <memory>

struct MapAdapter {
    MapKind kind = MapKind::ProAtlas;
    bool open = false;
    std::unique_ptr<MapAutomation> proAtlas;
    std::unique_ptr<MapAutomation> mapple;
    TextIdTable textIds;
    // MapPosition: the last map centre the poll saw, in thousandths of an arc second.
    int32_t positionLatitude = 0;
    int32_t positionLongitude = 0;
};

// Start-up state: no map, all text identifiers free.
void initMapAdapter(MapAdapter* map);

// SUB_INIT_MAP: opens the map application named by identifier. On failure to obtain the
// object shows the open error; a failing opening call leaves the map closed silently.
// Returns 0 when the map is open, -1 otherwise.
int openMap(MapAdapter* map, BridgeHost& host, const char* identifier);

// SUB_ADD_TEXT_EX: places the point "latitude,longitude,label" (a text for the ProAtlas
// family, the only icon for Mapple) and moves the map there. Ignored while no map is open,
// for an argument with fewer than two commas or malformed coordinates, and (ProAtlas family)
// when the text identifier table is full, so that every placed text stays deletable.
int addTextEx(MapAdapter* map, const char* argument);

// SUB_DELETE_TEXT: ProAtlas family: removes every text placed since the last delete or open.
int deleteTexts(MapAdapter* map);

// SUB_SET_LAYER: with a ProAtlas-family map open, switches to the named layer.
int setLayer(MapAdapter* map, const char* layer);

// SUB_GET_MARK_LAT / SUB_GET_MARK_LON: with a map open, replies with the mark's coordinate.
int replyMark(MapAdapter* map, BridgeHost& host, const MapLinkMessages& messages, SubCode which);

// Timer tick: with Mapple open, notifies the editor when the map's position has changed.
int pollMap(MapAdapter* map, BridgeHost& host, const MapLinkMessages& messages);

// Drops the Mapple object (window unload).
void releaseMapple(MapAdapter* map);
