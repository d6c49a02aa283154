#pragma once
// Points in and out of the formats other programs use: GPX, KML, KMZ, CSV and GeoJSON (and
// QPF, through the core), always through the point record, so QPF's limits hold whatever the
// output. Portable. Texts are UTF-8 inside this layer; the one cp932 boundary converts.
//
// Failures return -1 after the message was shown (showMessage); on success the changes made
// to fit (a character cp932 lacks, a value cut, a point left out, geometry ignored) are in
// the report, for the caller to show.
#include "datum.h"

#include <string>
#include <vector>

class FileSystem;
class PointDocument;

enum class ExchangeFormat { Qpf, Gpx, Kml, Kmz, Csv, GeoJson };

// "qpf" "gpx" "kml" "kmz" "csv" "geojson" (lower case, as on the command line).
bool exchangeFormatFromName(const char* name, ExchangeFormat& format);
const char* exchangeFormatName(ExchangeFormat format);
// From the extension of a path (cp932): .qpf .gpx .kml .kmz .csv .geojson .json, any case.
bool exchangeFormatFromPath(const char* path, ExchangeFormat& format);

struct ExchangeReport {
    // cp932 lines, in the order the changes were made, then one per kind left out or ignored.
    std::vector<std::string> lines;
    bool empty() const { return lines.empty(); }
};

// The datum of the coordinates the point record holds (the device's files). GPX, KML and
// GeoJSON are WGS84 by definition and CSV is taken as WGS84, so with Tokyo every coordinate
// is shifted on its way in and out. QPF to QPF never shifts.
struct ExchangeOptions {
    Datum recordDatum = Datum::Wgs84;
};

// Reads `path` (cp932) in `format` into `document`, replacing its points; `modified` becomes
// false. On -1 the document is unchanged. A file holding no usable point reads as 0 points.
int importPoints(const char* path, ExchangeFormat format, PointDocument& document, const ExchangeOptions& options,
                 ExchangeReport& report);
int importPoints(const char* path, ExchangeFormat format, PointDocument& document, const ExchangeOptions& options,
                 ExchangeReport& report, FileSystem& files);

// Writes every point of `document` to `path` in `format`. On -1 nothing was written and a
// file already there is untouched.
int exportPoints(const char* path, ExchangeFormat format, const PointDocument& document,
                 const ExchangeOptions& options, ExchangeReport& report);
int exportPoints(const char* path, ExchangeFormat format, const PointDocument& document,
                 const ExchangeOptions& options, ExchangeReport& report, FileSystem& files);

// The same on bytes in memory (not QPF), for tests and fuzzing. `name` (cp932) stands for the
// file in messages. readPoints returns 0 or -1 (message shown); writePoints always succeeds.
int readPoints(const char* bytes, size_t size, const char* name, ExchangeFormat format, PointDocument& document,
               const ExchangeOptions& options, ExchangeReport& report);
std::string writePoints(ExchangeFormat format, const PointDocument& document, const ExchangeOptions& options,
                        ExchangeReport& report);
