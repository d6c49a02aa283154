#pragma once
// What the edit dialog's 経度 and 緯度 boxes accept: a coordinate in any form the coordinate
// reader knows, of a place in and around Japan, to the record's DDD/MM/SS.s text.
#include "coord_input.h"

enum class CoordEntry { Ok, Empty, Invalid };

// Japan's extent, in whole degrees, that a typed coordinate must lie within.
constexpr long kJapanLatitudeMin = 20, kJapanLatitudeMax = 46;
constexpr long kJapanLongitudeMin = 122, kJapanLongitudeMax = 154;

// One coordinate of `axis` (UTF-8 text): Ok with `out` set, Empty for blanks only, Invalid
// for anything else, a place outside Japan's extent included.
CoordEntry readCoordEntry(const char* utf8, CoordAxis axis, CoordText& out);

// A "lat, lon" pair as web maps copy it (also in the other order with letters): true with
// both texts when both lie within Japan's extent.
bool readCoordEntryPair(const char* utf8, CoordText& latitude, CoordText& longitude);
