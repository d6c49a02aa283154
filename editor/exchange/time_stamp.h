#pragma once
// Time stamps of other formats (ISO 8601, GPX's UTC) and the record's date and time, which
// are Japan time (UTC+9, no summer time).
#include <string>

// "2006-06-22T01:30:00Z" (any offset or none, which counts as UTC; a fraction is dropped)
// as the record's "2006/06/22" and "10:30:00". False for anything that is no real moment.
bool isoToRecordStamp(const std::string& iso, std::string& date, std::string& time);

// The record's date and time (with or without their separators) as an ISO 8601 UTC stamp.
// False when they are no real date and time.
bool recordStampToIso(const std::string& date, const std::string& time, std::string& iso);
