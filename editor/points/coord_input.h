#pragma once
// Coordinates as people write them, read into the record's DDD/MM/SS.s, and the record's text
// back out as decimal degrees. One parser for files from elsewhere and for typed text.
//
// Accepted (UTF-8; blanks anywhere between the parts; full-width digits and letters too):
//   decimal degrees           139.767125    35.681236N    N35.681236
//   our record text           139/46/01.6   35/40/50      (D/M or D/M/S)
//   dotted DMS                139.41.41.5   139.41.41     (D.M.S.s or D.M.S)
//   blank-separated DMS       139 41 41.5   35 40
//   marked DMS                35°40'39.2"N  N35°40′39.2″  35度40分39.2秒  35°40.65'
//   hemisphere                N S E W (either case) or 北緯 南緯 東経 西経, before or after
// Only the last part may carry decimals; minutes and seconds stay below 60. A leading "-" or
// S/W reads, but is reported: the record holds only north latitudes and east longitudes.
#include "field_conversions.h"

#include <cstddef>

enum class CoordAxis { Latitude, Longitude };

enum class CoordStatus {
    Ok,
    Empty,       // nothing but blanks
    Invalid,     // not a coordinate in any of the forms above, or a letter of the other axis
    SouthOrWest, // a south latitude or a west longitude (or negative)
    OutOfRange,  // beyond 90 degrees of latitude or 180 of longitude
};

// One coordinate read from text.
struct CoordReading {
    CoordStatus status = CoordStatus::Empty;
    // Tenths of an arc second, rounded to the nearest, halves up, on the exact decimal value
    // of the text. Valid with Ok (and with SouthOrWest, as the magnitude).
    long tenths = 0;
    // The value as a binary double, unrounded and signed (south and west negative), for
    // arithmetic such as a datum shift.
    double degrees = 0.0;
    // The axis a hemisphere letter named, when the text had one.
    bool hasLetter = false;
    CoordAxis letterAxis = CoordAxis::Latitude;
};

// Reads one coordinate of `axis`. A hemisphere letter of the other axis is Invalid.
CoordReading readCoordInput(const char* utf8, CoordAxis axis);

// A pasted pair: "35.681236, 139.767125" (latitude first, as web maps copy it), also with
// blanks, semicolon or TAB between, or with letters in either order ("139.7E 35.6N").
struct CoordPairReading {
    CoordStatus status = CoordStatus::Empty; // the first problem of the two, or Ok
    CoordReading latitude, longitude;
};
CoordPairReading readCoordPair(const char* utf8);

// DDD/MM/SS.s of a non-negative count of tenths of an arc second.
CoordText coordTextOfTenths(long tenths);

// Tenths of an arc second nearest to non-negative decimal degrees (halves up).
long tenthsOfDegrees(double degrees);

// The record's coordinate text as QPF stores it (packCoord), as decimal degrees
// D + M/60 + S/3600 with exactly 7 decimals, rounded halves up ("139.7666667").
struct DecimalDegreesText {
    char text[32];
};
DecimalDegreesText decimalDegreesOf(const char* coordText);
// The same value as a double (exactly the packed tenths / 36000).
double degreesOfCoordText(const char* coordText);
