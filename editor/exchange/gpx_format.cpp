// GPX 1.0 and 1.1: waypoints in, GPX 1.1 waypoints out, the record's fields in an extension
// of ours. Tracks and routes are geometry the record cannot hold.
#include "exchange_messages.h"
#include "format_io.h"
#include "message_notifier.h"
#include "time_stamp.h"
#include "xml_support.h"

#include <cstdio>
#include <cstring>
#include <sstream>

namespace {

// A coordinate attribute; a decimal comma (a writer's locale showing through) reads as a point.
std::string coordinateAttribute(const pugi::xml_node& wpt, const char* name) {
    std::string text = wpt.attribute(name).value();
    if (text.find('.') == std::string::npos && text.find(',') == text.rfind(',')) {
        size_t comma = text.find(',');
        if (comma != std::string::npos) text[comma] = '.';
    }
    return text;
}

void readWaypoint(const pugi::xml_node& wpt, PointCollector& points) {
    ForeignPoint p;
    p.hasPosition = wpt.attribute("lat") && wpt.attribute("lon");
    p.latitude = coordinateAttribute(wpt, "lat");
    p.longitude = coordinateAttribute(wpt, "lon");
    if (pugi::xml_node name = childElement(wpt, "name")) p.set(kFieldName, textOf(name), true);
    if (pugi::xml_node time = childElement(wpt, "time")) {
        std::string date, clock;
        if (isoToRecordStamp(textOf(time), date, clock)) {
            p.set(kFieldDate, date, false);
            p.set(kFieldTime, clock, false);
        }
    }
    // Our extension (GPX 1.1 puts it in <extensions>, 1.0 straight in the waypoint), and the
    // phone number another common extension carries.
    for (pugi::xml_node e = nextElement(wpt, wpt, true); e; e = nextElement(e, wpt, true)) {
        if (std::strcmp(localName(e), "PhoneNumber") == 0) p.set(kFieldPhone, textOf(e), false);
        if (namespaceOf(e) != kPointNamespace) continue;
        bool ours = false;
        int field = fieldOfName(localName(e), &ours);
        if (field >= 0 && ours) p.set(field, textOf(e), true);
    }
    points.add(p);
}

} // namespace

int readGpx(const char* bytes, size_t size, const char* name, PointCollector& points) {
    pugi::xml_document document;
    if (!parseXml(bytes, size, name, document)) return -1;
    pugi::xml_node gpx = document.document_element();
    if (!isElement(gpx, "gpx")) {
        char message[1100];
        std::snprintf(message, sizeof message, MSG_EX_NOT_GPX, name);
        showMessage(message);
        return -1;
    }
    for (pugi::xml_node child = gpx.first_child(); child; child = child.next_sibling()) {
        if (isElement(child, "wpt")) readWaypoint(child, points);
        else if (isElement(child, "trk")) points.ignore("trk");
        else if (isElement(child, "rte")) points.ignore("rte");
    }
    return 0;
}

std::string writeGpx(const std::vector<ExportPoint>& points) {
    pugi::xml_document document;
    addXmlDeclaration(document);
    pugi::xml_node gpx = document.append_child("gpx");
    gpx.append_attribute("version") = "1.1";
    gpx.append_attribute("creator") = "Tenmark";
    gpx.append_attribute("xmlns") = "http://www.topografix.com/GPX/1/1";
    gpx.append_attribute("xmlns:xsi") = "http://www.w3.org/2001/XMLSchema-instance";
    gpx.append_attribute("xsi:schemaLocation") =
        "http://www.topografix.com/GPX/1/1 http://www.topografix.com/GPX/1/1/gpx.xsd";
    gpx.append_attribute("xmlns:tm") = kPointNamespace;
    for (const ExportPoint& p : points) {
        pugi::xml_node wpt = gpx.append_child("wpt");
        wpt.append_attribute("lat") = p.latitude.c_str();
        wpt.append_attribute("lon") = p.longitude.c_str();
        // The schema fixes the order: time, then name, then extensions.
        std::string iso;
        if (recordStampToIso(p.values[kFieldDate], p.values[kFieldTime], iso)) {
            wpt.append_child("time").text() = iso.c_str();
        }
        wpt.append_child("name").text() = p.values[kFieldName].c_str();
        pugi::xml_node point = wpt.append_child("extensions").append_child("tm:point");
        for (int field = 0; field < kRecordFieldCount; ++field) {
            if (!isExtraField(field)) continue;
            std::string element = std::string("tm:") + kRecordFields[field].name;
            point.append_child(element.c_str()).text() = p.values[field].c_str();
        }
    }
    return savedXml(document);
}
