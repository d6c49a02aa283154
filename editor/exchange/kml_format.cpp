// KML 2.2: every Placemark with a Point (its first, also inside MultiGeometry), through
// Documents and Folders in document order; the record's fields as ExtendedData. Written as
// one Folder with a Placemark per point.
#include "exchange_messages.h"
#include "format_io.h"
#include "message_notifier.h"
#include "time_stamp.h"
#include "xml_support.h"

#include <cstdio>
#include <cstring>

const char kFolderName[] = u8"登録ポイント";

namespace {

// The geometry a Placemark without a Point holds, named as KML names it.
const char* const kGeometries[] = {"LineString", "LinearRing", "Polygon", "Model", "Track", "MultiTrack"};

bool isBlankChar(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The first tuple lon,lat[,alt] of a coordinates text; blanks may stand around the commas.
bool firstTuple(const std::string& text, std::string& lon, std::string& lat) {
    std::string joined;
    for (size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (isBlankChar(c)) {
            size_t j = i;
            while (j < text.size() && isBlankChar(text[j])) ++j;
            bool nearComma = (!joined.empty() && joined.back() == ',') || (j < text.size() && text[j] == ',');
            if (!nearComma && !joined.empty() && j < text.size()) joined += ' ';
            i = j - 1;
            continue;
        }
        joined += c;
    }
    std::string tuple = joined.substr(0, joined.find(' '));
    size_t comma = tuple.find(',');
    if (comma == std::string::npos) return false;
    size_t second = tuple.find(',', comma + 1);
    lon = tuple.substr(0, comma);
    lat = tuple.substr(comma + 1, second == std::string::npos ? std::string::npos : second - comma - 1);
    return true;
}

void readExtendedData(const pugi::xml_node& data, ForeignPoint& p) {
    for (pugi::xml_node e = nextElement(data, data, true); e; e = nextElement(e, data, true)) {
        const char* local = localName(e);
        if (std::strcmp(local, "Data") == 0) {
            p.setByName(e.attribute("name").value(), textOf(childElement(e, "value")));
        } else if (std::strcmp(local, "SimpleData") == 0) {
            p.setByName(e.attribute("name").value(), textOf(e));
        }
    }
}

void readPlacemark(const pugi::xml_node& placemark, PointCollector& points) {
    ForeignPoint p;
    pugi::xml_node point, other;
    // The first Point in document order wins, so the walk ends there; each element's name is
    // looked at once.
    for (pugi::xml_node e = nextElement(placemark, placemark, true); e && !point;
         e = nextElement(e, placemark, true)) {
        const char* local = localName(e);
        if (std::strcmp(local, "Point") == 0) {
            point = e;
        } else if (!other) {
            for (const char* g : kGeometries) {
                if (std::strcmp(local, g) == 0) other = e;
            }
        }
    }
    if (!point && other) {
        points.ignore(localName(other));
        return;
    }
    // The Placemark's own parts, in one pass over its children (the first of each counts).
    pugi::xml_node name, stamp, data;
    for (pugi::xml_node child = placemark.first_child(); child; child = child.next_sibling()) {
        if (child.type() != pugi::node_element) continue;
        const char* local = localName(child);
        if (!name && std::strcmp(local, "name") == 0) {
            name = child;
        } else if (!stamp && std::strcmp(local, "TimeStamp") == 0) {
            stamp = child;
        } else if (!data && std::strcmp(local, "ExtendedData") == 0) {
            data = child;
        }
    }
    if (name) p.set(kFieldName, textOf(name), true);
    if (pugi::xml_node when = childElement(stamp, "when")) {
        std::string date, clock;
        if (isoToRecordStamp(textOf(when), date, clock)) {
            p.set(kFieldDate, date, false);
            p.set(kFieldTime, clock, false);
        }
    }
    if (data) readExtendedData(data, p);
    if (point) p.hasPosition = firstTuple(textOf(childElement(point, "coordinates")), p.longitude, p.latitude);
    points.add(p);
}

} // namespace

// Reads a parsed KML document (also the one inside a KMZ).
int readKmlDocument(const pugi::xml_document& document, const char* name, PointCollector& points) {
    pugi::xml_node kml = document.document_element();
    if (!isElement(kml, "kml")) {
        char message[1100];
        std::snprintf(message, sizeof message, MSG_EX_NOT_KML, name);
        showMessage(message);
        return -1;
    }
    for (pugi::xml_node e = nextElement(kml, kml, true); e;) {
        bool descend = true;
        if (isElement(e, "Placemark")) {
            readPlacemark(e, points);
            descend = false;
        } else if (isElement(e, "NetworkLink")) {
            points.networkLink();
            descend = false;
        }
        e = nextElement(e, kml, descend);
    }
    return 0;
}

int readKml(const char* bytes, size_t size, const char* name, PointCollector& points) {
    pugi::xml_document document;
    if (!parseXml(bytes, size, name, document)) return -1;
    return readKmlDocument(document, name, points);
}

std::string writeKml(const std::vector<ExportPoint>& points) {
    pugi::xml_document document;
    addXmlDeclaration(document);
    pugi::xml_node kml = document.append_child("kml");
    kml.append_attribute("xmlns") = "http://www.opengis.net/kml/2.2";
    pugi::xml_node folder = kml.append_child("Document").append_child("Folder");
    folder.append_child("name").text() = kFolderName;
    for (const ExportPoint& p : points) {
        pugi::xml_node placemark = folder.append_child("Placemark");
        placemark.append_child("name").text() = p.values[kFieldName].c_str();
        pugi::xml_node data = placemark.append_child("ExtendedData");
        for (int field = 0; field < kRecordFieldCount; ++field) {
            if (!isExtraField(field)) continue;
            pugi::xml_node d = data.append_child("Data");
            d.append_attribute("name") = kRecordFields[field].name;
            d.append_child("value").text() = p.values[field].c_str();
        }
        std::string coordinates = p.longitude + "," + p.latitude;
        placemark.append_child("Point").append_child("coordinates").text() = coordinates.c_str();
    }
    return savedXml(document);
}
