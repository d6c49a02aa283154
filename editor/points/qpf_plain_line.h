#pragma once
// Record lines as the writer writes them, read a word at a time.
#include "point_record.h"

// Reads the record line at `line` (it opens with "#"; the file's bytes end at `limit`) into
// `record` when the line is plain up to its 25th "#": every one of fields 1 to 24 ends with
// a single TAB and holds no other TAB, no "#", no LF and no zero byte, and the file goes on
// for at least 8 bytes from that "#". Such a line is read exactly as the byte-wise reader reads
// it, byte for byte of the record, beyond each terminator too. Returns the line's end (its
// LF, or `limit`), or nullptr, with the record untouched, for any other line.
const char* readPlainLine(const char* line, const char* limit, PointRecord& record);
