#include "map_model.h"

#include <algorithm>
#include <cstdio>

#include "cp932_text.h"
#include "map_layers.h"
#include "tile_math.h"

namespace mapview {

namespace {

// Where a fresh map opens: the middle of Tokyo.
constexpr GeoPoint kHome{35 * kPerDegree + 40 * kPerMinute + 52 * kPerSecond,
                         139 * kPerDegree + 46 * kPerMinute};

int32_t AddClamped(int32_t a, int32_t d) {
    const int64_t v = static_cast<int64_t>(a) + d;
    return static_cast<int32_t>(std::max<int64_t>(INT32_MIN, std::min<int64_t>(INT32_MAX, v)));
}

std::string Coord(int32_t value) {
    char buf[32];
    formatMapCoord(value, buf, sizeof buf, MapCoordDialect::MapView);
    return buf;
}

std::string Point(GeoPoint p) {
    return Coord(p.lat) + "," + Coord(p.lon);
}

} // namespace

std::string TruncateCp932(const std::string& text, size_t maxBytes) {
    size_t end = 0;
    while (end < text.size()) {
        const size_t width = isCp932LeadByte(static_cast<unsigned char>(text[end])) ? 2 : 1;
        if (end + width > maxBytes || end + width > text.size()) break;
        end += width;
    }
    return text.substr(0, end);
}

const char* FamilyName(MapFamily family) {
    return family == MapFamily::Mapple ? "Mapple" : "ProAtlas";
}

MapModel::MapModel(MapFamily family)
    : family_(family), centre_(kHome), mark_(kHome), zoom_(LayerByNumber(kDefaultLayer)->homeZoom) {}

int MapModel::addText(PlacedText text, int16_t* id) {
    if (texts_.size() >= kMaxTexts) return -1;
    // Identifiers run 1..32767 and wrap; skip any still in use so each names one text.
    for (;;) {
        const int16_t candidate = nextId_;
        nextId_ = nextId_ == INT16_MAX ? 1 : static_cast<int16_t>(nextId_ + 1);
        const bool used = std::any_of(texts_.begin(), texts_.end(),
                                      [candidate](const PlacedText& t) { return t.id == candidate; });
        if (!used) {
            text.id = candidate;
            break;
        }
    }
    text.at = ClampToMap(text.at);
    text.labelAt = ClampToMap(text.labelAt);
    text.label = TruncateCp932(text.label, kMaxLabelBytes);
    texts_.push_back(text);
    if (id != nullptr) *id = text.id;
    return 0;
}

int MapModel::deleteText(int16_t id) {
    const auto it =
        std::find_if(texts_.begin(), texts_.end(), [id](const PlacedText& t) { return t.id == id; });
    if (it == texts_.end()) return 0;
    texts_.erase(it);
    return 1;
}

int MapModel::addIcon(PlacedIcon icon) {
    if (icons_.size() >= kMaxIcons) return -1;
    icon.at = ClampToMap(icon.at);
    icon.label = TruncateCp932(icon.label, kMaxLabelBytes);
    icon.note = TruncateCp932(icon.note, kMaxLabelBytes);
    icon.size = std::max(4, std::min(64, icon.size));
    icon.lineWidth = std::max(0, std::min(10, icon.lineWidth));
    icons_.push_back(icon);
    return 0;
}

void MapModel::panBy(int32_t dLat, int32_t dLon) {
    setCentre(GeoPoint{AddClamped(centre_.lat, dLat), AddClamped(centre_.lon, dLon)});
}

int MapModel::placeMark(GeoPoint p) {
    if (!markEnabled_) return 0;
    p = ClampToMap(p);
    if (p == mark()) return 0;
    if (family_ == MapFamily::Mapple) {
        centre_ = p;
    } else {
        mark_ = p;
    }
    return 1;
}

int MapModel::moveMarkBy(int32_t dLat, int32_t dLon) {
    const GeoPoint m = mark();
    return placeMark(GeoPoint{AddClamped(m.lat, dLat), AddClamped(m.lon, dLon)});
}

int MapModel::layer() const {
    return LayerOfZoom(zoom_);
}

int MapModel::setLayer(int number) {
    const MapLayer* layer = LayerByNumber(number);
    if (layer == nullptr) return -1;
    if (zoom_ < layer->minZoom || zoom_ > layer->maxZoom) zoom_ = layer->homeZoom;
    return 0;
}

int MapModel::setZoom(int zoom) {
    zoom = std::max(kMinZoom, std::min(kMaxZoom, zoom));
    if (zoom == zoom_) return 0;
    zoom_ = zoom;
    return 1;
}

std::vector<std::string> MapModel::stateFields() const {
    std::vector<std::string> fields;
    const MapLayer* layer = LayerByNumber(this->layer());
    fields.push_back(std::string("family:") + FamilyName(family_));
    fields.push_back("layer:" + std::to_string(this->layer()) + "," + (layer != nullptr ? layer->name : ""));
    fields.push_back("centre:" + Point(centre_));
    fields.push_back("mark:" + Point(mark()) + (markEnabled_ ? ",on" : ",off"));
    fields.push_back(std::string("visible:") + (visible_ ? "1" : "0"));
    fields.push_back("texts:" + std::to_string(texts_.size()));
    fields.push_back("icons:" + std::to_string(icons_.size()));
    for (const PlacedText& t : texts_) {
        fields.push_back("text:" + std::to_string(t.id) + "," + Point(t.at) + "," + Point(t.labelAt) + "," +
                         std::to_string(t.style) + "," + std::to_string(t.frame) + "," + t.label);
    }
    for (const PlacedIcon& i : icons_) {
        char colours[64];
        std::snprintf(colours, sizeof colours, "%d,%d,%d,%lu,%lu,%d", i.kind, i.size, i.lineWidth,
                      static_cast<unsigned long>(i.fillColour), static_cast<unsigned long>(i.lineColour),
                      i.labelShown);
        fields.push_back("icon:" + Point(i.at) + "," + colours + "," + i.note + "," + i.label);
    }
    return fields;
}

} // namespace mapview
