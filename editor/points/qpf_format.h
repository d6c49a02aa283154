#pragma once
// The QPF text layout, apart from file access: one record line from a record, and the
// records of a file's bytes.
#include "point_record.h"

#include <cstddef>

class FileWriter;

// Parses QPF bytes (which need no terminator) into `records`, at most `capacity`; returns
// how many were taken. Safe on any bytes.
int parseQpf(const char* bytes, size_t size, PointRecord* records, int capacity);

// parseQpf reading every line byte by byte: the same records, byte for byte, more slowly.
// The reference that the word-wide reading of plain lines is checked against.
int parseQpfByteWise(const char* bytes, size_t size, PointRecord* records, int capacity);

// Writes one record line, CR LF included; false when the writer failed.
bool writeRecordLine(FileWriter& out, const PointRecord& record);

// True when the path's extension, upper-cased, is exactly ".QPF".
bool hasQpfExtension(const char* path);
