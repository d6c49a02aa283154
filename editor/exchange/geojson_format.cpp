// GeoJSON (RFC 7946): a FeatureCollection, a Feature or a bare geometry; Point gives one
// point and MultiPoint one per position, each with the feature's properties. Written as a
// FeatureCollection of Points with the record's fields as properties.
#include "exchange_limits.h"
#include "exchange_messages.h"
#include "format_io.h"
#include "json_tree.h"
#include "message_notifier.h"

#include <nlohmann/json.hpp>

#include <cstdio>
#include <cstdlib>

namespace {

// A JSON number's text in plain decimal notation ("1.3976e2" is "139.76"), so that the
// coordinate reader sees its exact value. Absurd exponents are left as they are (and then
// not read).
std::string plainDecimal(const std::string& number) {
    size_t e = number.find_first_of("eE");
    if (e == std::string::npos) return number;
    long exponent = std::strtol(number.c_str() + e + 1, nullptr, 10);
    if (exponent > 40 || exponent < -40) return number;
    std::string mantissa = number.substr(0, e);
    std::string sign;
    if (!mantissa.empty() && (mantissa[0] == '-' || mantissa[0] == '+')) {
        sign = mantissa[0] == '-' ? "-" : "";
        mantissa.erase(0, 1);
    }
    size_t dot = mantissa.find('.');
    std::string digits = dot == std::string::npos ? mantissa : mantissa.substr(0, dot) + mantissa.substr(dot + 1);
    long point = static_cast<long>(dot == std::string::npos ? mantissa.size() : dot) + exponent;
    if (point <= 0) return sign + "0." + std::string(static_cast<size_t>(-point), '0') + digits;
    if (point >= static_cast<long>(digits.size()))
        return sign + digits + std::string(static_cast<size_t>(point) - digits.size(), '0');
    return sign + digits.substr(0, static_cast<size_t>(point)) + "." + digits.substr(static_cast<size_t>(point));
}

std::string coordinateText(const JsonValue& v) {
    if (v.kind == JsonValue::Kind::Number) return plainDecimal(v.text);
    if (v.kind == JsonValue::Kind::String) return v.text;
    return std::string();
}

// A property's value as field text; objects, arrays and null give none.
bool propertyText(const JsonValue& v, std::string& text) {
    switch (v.kind) {
    case JsonValue::Kind::String:
    case JsonValue::Kind::Number: text = v.text; return true;
    case JsonValue::Kind::Boolean: text = v.text == "true" ? "1" : "0"; return true;
    default: return false;
    }
}

void addPosition(const ForeignPoint& properties, const JsonValue* position, PointCollector& points) {
    ForeignPoint p = properties;
    if (position && position->kind == JsonValue::Kind::Array && position->items.size() >= 2) {
        p.longitude = coordinateText(position->items[0]);
        p.latitude = coordinateText(position->items[1]);
        p.hasPosition = true;
    }
    points.add(p);
}

const char* typeOf(const JsonValue* v) {
    const JsonValue* type = v ? v->member("type") : nullptr;
    return type && type->kind == JsonValue::Kind::String ? type->text.c_str() : "";
}

void readGeometry(const ForeignPoint& properties, const JsonValue* geometry, PointCollector& points) {
    std::string type = typeOf(geometry);
    const JsonValue* coordinates = geometry ? geometry->member("coordinates") : nullptr;
    if (type == "Point") {
        addPosition(properties, coordinates, points);
    } else if (type == "MultiPoint") {
        if (!coordinates || coordinates->kind != JsonValue::Kind::Array || coordinates->items.empty()) {
            addPosition(properties, nullptr, points);
            return;
        }
        for (const JsonValue& position : coordinates->items) addPosition(properties, &position, points);
    } else if (type == "GeometryCollection") {
        // Like a KML MultiGeometry: its first Point or MultiPoint.
        const JsonValue* members = geometry->member("geometries");
        if (members && members->kind == JsonValue::Kind::Array) {
            for (const JsonValue& g : members->items) {
                std::string t = typeOf(&g);
                if (t == "Point" || t == "MultiPoint") {
                    readGeometry(properties, &g, points);
                    return;
                }
            }
        }
        points.ignore(type);
    } else if (geometry == nullptr || geometry->kind == JsonValue::Kind::Null) {
        addPosition(properties, nullptr, points);
    } else {
        points.ignore(type.empty() ? std::string("geometry") : type);
    }
}

void readFeature(const JsonValue& feature, PointCollector& points) {
    ForeignPoint properties;
    const JsonValue* props = feature.member("properties");
    if (props && props->kind == JsonValue::Kind::Object) {
        for (const auto& m : props->members) {
            std::string text;
            if (propertyText(m.second, text)) properties.setByName(m.first, text);
        }
    }
    readGeometry(properties, feature.member("geometry"), points);
}

void tell(const char* format, const char* name, int number = 0) {
    char message[1200];
    std::snprintf(message, sizeof message, format, name, number);
    showMessage(message);
}

} // namespace

int readGeoJson(const char* bytes, size_t size, const char* name, PointCollector& points) {
    JsonValue root;
    size_t offset = 0;
    switch (parseJson(bytes, size, root, offset)) {
    case JsonResult::Ok: break;
    case JsonResult::TooLarge: tell(MSG_EX_TOO_MANY_ELEMENTS, name, static_cast<int>(kMaxJsonItems)); return -1;
    case JsonResult::Malformed: tell(MSG_EX_BAD_JSON, name, static_cast<int>(offset)); return -1;
    }
    std::string type = typeOf(&root);
    if (type == "FeatureCollection") {
        const JsonValue* features = root.member("features");
        if (features && features->kind == JsonValue::Kind::Array) {
            for (const JsonValue& f : features->items) readFeature(f, points);
            return 0;
        }
    } else if (type == "Feature") {
        readFeature(root, points);
        return 0;
    } else if (type == "Point" || type == "MultiPoint" || type == "GeometryCollection" || type == "LineString" ||
               type == "MultiLineString" || type == "Polygon" || type == "MultiPolygon") {
        readGeometry(ForeignPoint(), &root, points);
        return 0;
    }
    tell(MSG_EX_NOT_GEOJSON, name);
    return -1;
}

namespace {

std::string quoted(const std::string& text) {
    return nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

} // namespace

std::string writeGeoJson(const std::vector<ExportPoint>& points) {
    std::string out = "{\n  \"type\": \"FeatureCollection\",\n  \"features\": [";
    for (size_t i = 0; i < points.size(); ++i) {
        const ExportPoint& p = points[i];
        out += i == 0 ? "\n" : ",\n";
        out += "    {\n      \"type\": \"Feature\",\n";
        out += "      \"geometry\": {\"type\": \"Point\", \"coordinates\": [" + p.longitude + ", " + p.latitude + "]},\n";
        out += "      \"properties\": {\n        \"name\": " + quoted(p.values[kFieldName]);
        for (int field = 0; field < kRecordFieldCount; ++field) {
            if (!isExtraField(field)) continue;
            out += ",\n        \"" + std::string(kRecordFields[field].name) + "\": ";
            // directionEnabled is the record's one integer.
            out += field == kFieldDirectionEnabled ? p.values[field] : quoted(p.values[field]);
        }
        out += "\n      }\n    }";
    }
    out += points.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return out;
}
