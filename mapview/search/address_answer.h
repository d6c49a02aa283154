// The address search's answer: a JSON array of GeoJSON Point features,
// [{"geometry":{"coordinates":[lon,lat],"type":"Point"},"properties":{"title":"..."}}, ...].
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace mapview {

struct FoundPlace {
    std::string title; // UTF-8
    double lat = 0;
    double lon = 0;
};

enum class AnswerKind { Found, Empty, Malformed };

// Answers longer than this are refused unread.
constexpr size_t kMaxAnswerBytes = 2 * 1024 * 1024;
// At most this many places are kept.
constexpr size_t kMaxPlaces = 100;
constexpr size_t kMaxTitleBytes = 256;

// Reads an answer. Features without a usable point (not a Point, coordinates missing, not
// numbers, outside -180..180 / -90..90) are skipped; an array with features but not one
// usable is Malformed, and so is anything that is not a JSON array. Never throws.
AnswerKind ParseAddressAnswer(const std::string& body, std::vector<FoundPlace>* places);

// The search URL: the template with "{q}" replaced by the query (UTF-8), percent-encoded
// except for unreserved characters. -1 when the template has no {q} or is not http(s).
int BuildSearchUrl(const std::string& urlTemplate, const std::string& query, std::string* url);

} // namespace mapview
