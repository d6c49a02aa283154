#pragma once
// What the readers take at most, so that no file can make them use unbounded memory.
#include <cstddef>

// Bytes of a file (and of the KML a KMZ inflates to).
constexpr size_t kMaxExchangeBytes = 32u * 1024 * 1024;
// Elements and attributes of an XML document (its "<" and "=" counted before parsing).
constexpr size_t kMaxXmlItems = 2000000;
// Values and containers of a JSON document, and how deeply they may nest.
constexpr size_t kMaxJsonItems = 2000000;
constexpr size_t kMaxJsonDepth = 200;
// One CSV field, and the fields of one row that are looked at.
constexpr size_t kMaxCsvField = 64u * 1024;
constexpr size_t kMaxCsvColumns = 256;
