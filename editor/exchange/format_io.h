#pragma once
// The readers and writers of each format. A reader takes the file's bytes and `name` (cp932,
// for messages), hands every point it finds to the collector and returns 0, or shows why the
// file cannot be read and returns -1. A writer cannot fail.
#include "export_points.h"
#include "foreign_points.h"

#include <string>
#include <vector>

int readGpx(const char* bytes, size_t size, const char* name, PointCollector& points);
int readKml(const char* bytes, size_t size, const char* name, PointCollector& points);
int readKmz(const char* bytes, size_t size, const char* name, PointCollector& points);
int readCsv(const char* bytes, size_t size, const char* name, PointCollector& points);
int readGeoJson(const char* bytes, size_t size, const char* name, PointCollector& points);

std::string writeGpx(const std::vector<ExportPoint>& points);
std::string writeKml(const std::vector<ExportPoint>& points);
std::string writeKmz(const std::vector<ExportPoint>& points);
std::string writeCsv(const std::vector<ExportPoint>& points);
std::string writeGeoJson(const std::vector<ExportPoint>& points);

// The name the KML writer gives the document's folder (UTF-8).
extern const char kFolderName[];
