// Map coordinate text D/MM/SSSSS: how every latitude and longitude crosses the map link.
// The numeric form counts thousandths of an arc second: ((D * 60 + MM) * 60) * 1000 + SSSSS.
#pragma once

#include <cstddef>
#include <cstdint>

// Who writes or reads the text. The map link writes 0 as the empty text, as the editor and the
// bridge always have; MapView answers in full ("0/00/00000") like the map applications it
// stands in for, and takes only plain non-negative texts within the map's range.
enum class MapCoordDialect { Link, MapView };

// Writes value as D/MM/SSSSS (degrees without leading zeros, minutes two digits, thousandths
// five digits); 0 gives the empty text, a negative value a leading "-".
// Returns the text length, or -1 when out (of size bytes) is too small. MapView writes 0 in
// full and refuses a negative value.
int formatMapCoord(int32_t value, char* out, size_t size, MapCoordDialect dialect = MapCoordDialect::Link);

// Reads a map coordinate text: degrees, then minutes and a seconds field in thousandths (which
// may carry decimals and is rounded), each after a "/"; missing fields count 0, the empty
// text is 0, a leading "-" negates. Returns 0, or -1 for any other character or a value
// beyond 32 bits (*value is then left alone). MapView also refuses a sign, decimals, an empty
// or over-long field, minutes or seconds of 60 and more, and anything beyond 180 degrees.
int parseMapCoord(const char* text, int32_t* value, MapCoordDialect dialect = MapCoordDialect::Link);

// The editor's coordinate text (DDD/MM/SS.s as held, or D.MM.SS.sss as captured; "/" and "."
// both separate) as map coordinate text: degrees and minutes unchanged, seconds and fraction
// as five-digit thousandths; 035/41/23.4 gives 035/41/23400. A text of three fields has no
// fraction. Only the first three fraction digits count. Returns the text length, or -1 when
// the text is not three or four numeric fields or out is too small.
int pointCoordToMapText(const char* coord, char* out, size_t size);

// A received map coordinate text in the editor's captured form D.MM.SS.sss: 35/41/23456 gives
// 35.41.23.456. The empty text (a coordinate of 0) gives the empty text, which the editor
// treats as no position. Returns the text length, or -1 for a text not of the D/MM/SSSSS
// shape or when out is too small.
int mapTextToCapturedCoord(const char* reply, char* out, size_t size);
