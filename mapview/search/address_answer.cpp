#include "address_answer.h"

#include <cmath>
#include <cstdio>

#include <nlohmann/json.hpp>

namespace mapview {

namespace {

using nlohmann::json;

// Cuts UTF-8 at a character boundary.
std::string CutUtf8(const std::string& text, size_t limit) {
    if (text.size() <= limit) return text;
    size_t end = limit;
    while (end > 0 && (static_cast<unsigned char>(text[end]) & 0xC0) == 0x80)
        --end;
    return text.substr(0, end);
}

bool ReadPlace(const json& feature, FoundPlace* place) {
    if (!feature.is_object()) return false;
    const auto geometry = feature.find("geometry");
    if (geometry == feature.end() || !geometry->is_object()) return false;
    const auto type = geometry->find("type");
    if (type != geometry->end() && !(type->is_string() && type->get_ref<const std::string&>() == "Point")) {
        return false;
    }
    const auto coordinates = geometry->find("coordinates");
    if (coordinates == geometry->end() || !coordinates->is_array() || coordinates->size() < 2) return false;
    const json& lon = (*coordinates)[0];
    const json& lat = (*coordinates)[1];
    if (!lon.is_number() || !lat.is_number()) return false;
    place->lon = lon.get<double>();
    place->lat = lat.get<double>();
    if (!std::isfinite(place->lon) || !std::isfinite(place->lat) || std::fabs(place->lon) > 180 ||
        std::fabs(place->lat) > 90) {
        return false;
    }
    place->title.clear();
    const auto properties = feature.find("properties");
    if (properties != feature.end() && properties->is_object()) {
        const auto title = properties->find("title");
        if (title != properties->end() && title->is_string())
            place->title = CutUtf8(title->get<std::string>(), kMaxTitleBytes);
    }
    return true;
}

} // namespace

AnswerKind ParseAddressAnswer(const std::string& body, std::vector<FoundPlace>* places) {
    places->clear();
    if (body.size() > kMaxAnswerBytes) return AnswerKind::Malformed;
    try {
        const json answer = json::parse(body, nullptr, false);
        if (answer.is_discarded() || !answer.is_array()) return AnswerKind::Malformed;
        if (answer.empty()) return AnswerKind::Empty;
        for (const json& feature : answer) {
            FoundPlace place;
            if (!ReadPlace(feature, &place)) continue;
            places->push_back(place);
            if (places->size() >= kMaxPlaces) break;
        }
    } catch (...) {
        // The library's own checks: whatever it refuses is a malformed answer.
        places->clear();
        return AnswerKind::Malformed;
    }
    return places->empty() ? AnswerKind::Malformed : AnswerKind::Found;
}

int BuildSearchUrl(const std::string& urlTemplate, const std::string& query, std::string* url) {
    const size_t at = urlTemplate.find("{q}");
    if (at == std::string::npos) return -1;
    if (urlTemplate.compare(0, 7, "http://") != 0 && urlTemplate.compare(0, 8, "https://") != 0) return -1;
    std::string encoded;
    for (unsigned char c : query) {
        if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
            c == '.' || c == '_' || c == '~') {
            encoded += static_cast<char>(c);
        } else {
            char hex[4];
            std::snprintf(hex, sizeof hex, "%%%02X", c);
            encoded += hex;
        }
    }
    *url = urlTemplate.substr(0, at) + encoded + urlTemplate.substr(at + 3);
    return 0;
}

} // namespace mapview
