// The map link's own texts, byte for byte (narrow literals are compiled as cp932).
#pragma once

// Registry: HKEY_LOCAL_MACHINE, this prefix followed by the product name.
#define TEXT_REGISTRY_KEY_PREFIX "SOFTWARE\\Vorn\\"
#define TEXT_VALUE_MAP_OBJECT "MapObject"
#define TEXT_VALUE_OBJECT_COUNT "o-cnt"
#define TEXT_VALUE_MAP_OBJECT_FORMAT "MapObject%02d"

// The map applications every list starts with, in this order.
#define TEXT_BUILTIN_MAP_OBJECT_1 "ProAtlasW2.Map"
#define TEXT_BUILTIN_MAP_OBJECT_2 "ProAtlasW3.Map"
#define TEXT_BUILTIN_MAP_OBJECT_3 "ProAtlasSV.Map"
#define TEXT_BUILTIN_MAP_OBJECT_4 "Mapple.Document"

// The layer the map is asked for (the bridge's command line is TEXT_BRIDGE_PROGRAM).
#define TEXT_MAP_LAYER "4"

// Capture
#define TEXT_CAPTURED_POINT_NAME "新しいポイント"
