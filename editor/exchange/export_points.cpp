#include "export_points.h"

#include "coord_input.h"
#include "datum.h"
#include "exchange_messages.h"
#include "exchange_text.h"
#include "point_document.h"

#include <cstdio>

namespace {

void say(ExchangeReport& report, const char* format, int point, int field, int number = 0) {
    char line[256];
    std::snprintf(line, sizeof line, format, point, kRecordFields[field].name, number);
    report.lines.emplace_back(line);
}

int replaceControls(std::string& text) {
    int n = 0;
    for (char& c : text) {
        if (static_cast<unsigned char>(c) < 0x20) {
            c = '?';
            ++n;
        }
    }
    return n;
}

std::string degreesText(double degrees) {
    char text[40];
    std::snprintf(text, sizeof text, "%.7f", degrees);
    return text;
}

} // namespace

bool isExtraField(int field) {
    return field != kFieldName && field != kFieldLatitude && field != kFieldLongitude;
}

std::vector<ExportPoint> exportPointsOf(const PointDocument& document, const ExchangeOptions& options,
                                        ExportText text, ExchangeReport& report) {
    std::vector<ExportPoint> points;
    for (int i = 0; i < document.count(); ++i) {
        const PointRecord& r = *document.recordAt(i);
        ExportPoint p;
        double lat = degreesOfCoordText(r.latitude), lon = degreesOfCoordText(r.longitude);
        // 0/0 is what an empty record holds: it is never shifted, either way.
        if (options.recordDatum == Datum::Tokyo && (lat != 0.0 || lon != 0.0)) {
            LatLon wgs = tokyoToWgs84(LatLon{lat, lon});
            p.latitude = degreesText(wgs.lat);
            p.longitude = degreesText(wgs.lon);
        } else {
            p.latitude = decimalDegreesOf(r.latitude).text;
            p.longitude = decimalDegreesOf(r.longitude).text;
        }
        for (int field = 0; field < kRecordFieldCount; ++field) {
            if (field == kFieldLatitude || field == kFieldLongitude) continue;
            if (field == kFieldDirectionEnabled) {
                p.values[field] = std::to_string(r.directionEnabled);
                continue;
            }
            bool undecodable = false;
            p.values[field] = exportedUtf8(fieldBuffer(r, field), undecodable);
            if (undecodable) say(report, MSG_EX_UNDECODABLE, i + 1, field);
            if (text == ExportText::Xml) {
                int controls = replaceControls(p.values[field]);
                if (controls > 0) say(report, MSG_EX_CONTROL, i + 1, field, controls);
            }
        }
        points.push_back(std::move(p));
    }
    return points;
}
