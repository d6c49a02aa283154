#include "foreign_points.h"

#include "exchange_text.h"
#include "datum.h"
#include "exchange_messages.h"
#include "point_document.h"

#include <cstdio>

void ForeignPoint::set(int field, const std::string& value, bool ours) {
    if (field < 0 || field >= kRecordFieldCount || field == kFieldLatitude || field == kFieldLongitude) return;
    unsigned char rank = ours ? 2 : 1;
    if (given[field] >= rank) return;
    // Under our own name an empty value is a value; elsewhere an empty cell means none, and
    // the field keeps a new record's default.
    if (!ours && value.find_first_not_of(" \t") == std::string::npos) return;
    values[field] = value;
    given[field] = rank;
}

void ForeignPoint::setByName(const std::string& name, const std::string& value) {
    bool ours = false;
    int field = fieldOfName(name, &ours);
    if (field >= 0) set(field, value, ours);
}

namespace {

bool readable(const CoordReading& r) {
    return r.status == CoordStatus::Ok || r.status == CoordStatus::SouthOrWest;
}

} // namespace

void PointCollector::add(ForeignPoint& point) {
    if (!point.hasPosition) {
        ++noPosition_;
        return;
    }
    CoordReading lat = readCoordInput(point.latitude.c_str(), CoordAxis::Latitude);
    CoordReading lon = readCoordInput(point.longitude.c_str(), CoordAxis::Longitude);
    if (!readable(lat) || !readable(lon)) {
        ++noPosition_;
        return;
    }
    long latTenths = lat.tenths, lonTenths = lon.tenths;
    bool southOrWest = lat.status == CoordStatus::SouthOrWest || lon.status == CoordStatus::SouthOrWest;
    // 0/0 is what an empty record holds: it is never shifted, either way. Whether QPF can
    // hold a point is judged in the record's datum.
    if (options_.recordDatum == Datum::Tokyo && (latTenths != 0 || lonTenths != 0)) {
        LatLon tokyo = wgs84ToTokyo(LatLon{lat.degrees, lon.degrees});
        const double halfTenth = 0.5 / 36000.0;
        southOrWest = tokyo.lat < -halfTenth || tokyo.lon < -halfTenth;
        latTenths = tenthsOfDegrees(tokyo.lat);
        lonTenths = tenthsOfDegrees(tokyo.lon);
    }
    if (southOrWest) {
        ++southOrWest_;
        return;
    }
    if (static_cast<int>(taken_.size()) >= kMaxPoints) {
        ++beyond_;
        return;
    }
    TakenPoint t;
    t.latitude = coordTextOfTenths(latTenths);
    t.longitude = coordTextOfTenths(lonTenths);
    t.point = std::move(point);
    taken_.push_back(std::move(t));
}

void PointCollector::ignore(const std::string& kind) {
    for (auto& entry : ignored_) {
        if (entry.first == kind) {
            ++entry.second;
            return;
        }
    }
    ignored_.emplace_back(kind, 1);
}

void PointCollector::reportLeftOut(ExchangeReport& report) const {
    char line[512];
    auto add = [&](const char* format, int count) {
        if (count == 0) return;
        std::snprintf(line, sizeof line, format, count);
        report.lines.emplace_back(line);
    };
    add(MSG_EX_LEFT_BEYOND, beyond_);
    add(MSG_EX_LEFT_SOUTH_WEST, southOrWest_);
    add(MSG_EX_LEFT_NO_POSITION, noPosition_);
    for (const auto& entry : ignored_) {
        // The kind is the file's own element or type name.
        size_t replaced = 0;
        std::string kind = importedCp932(entry.first.substr(0, 64), replaced);
        std::snprintf(line, sizeof line, MSG_EX_IGNORED, kind.c_str(), entry.second);
        report.lines.emplace_back(line);
    }
    add(MSG_EX_NETWORK_LINK, networkLinks_);
}
