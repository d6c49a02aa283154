// What one MapView map holds: its view, layer, mark, and the texts and icons clients placed.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "map_coord.h"

namespace mapview {

// The two kinds of map application MapView stands in for. The ProAtlas family keeps a mark
// apart from the view and reports its moves to an event window; in the Mapple family the
// mark is the centre of the view and clients poll it.
enum class MapFamily { ProAtlas, Mapple };

struct PlacedText {
    int16_t id = 0;
    GeoPoint at;      // the point the text belongs to
    GeoPoint labelAt; // where the label is drawn
    int style = 0;
    int frame = 0;     // 1: label drawn in a box
    std::string label; // cp932
};

struct PlacedIcon {
    GeoPoint at;
    std::string label; // cp932
    std::string note;  // cp932
    int kind = 0;
    int size = 25;     // pixels
    int lineWidth = 3; // pixels
    uint32_t fillColour = 0;
    uint32_t lineColour = 0;
    int labelShown = 1;
};

constexpr size_t kMaxTexts = 5000;
constexpr size_t kMaxIcons = 5000;
constexpr size_t kMaxLabelBytes = 1023;

// Copies at most maxBytes bytes of cp932 text without splitting a double-byte character.
std::string TruncateCp932(const std::string& text, size_t maxBytes);

class MapModel {
  public:
    explicit MapModel(MapFamily family);

    MapFamily family() const { return family_; }

    // Texts (ProAtlas family). addText gives the text a fresh identifier in 1..32767 and
    // returns 0, or -1 when the map holds kMaxTexts texts. deleteText returns 1 when a text
    // was removed and 0 when none had that identifier.
    int addText(PlacedText text, int16_t* id);
    int deleteText(int16_t id);
    const std::vector<PlacedText>& texts() const { return texts_; }

    // Icons (Mapple family). addIcon returns -1 when the map holds kMaxIcons icons.
    int addIcon(PlacedIcon icon);
    void deleteAllIcons() { icons_.clear(); }
    const std::vector<PlacedIcon>& icons() const { return icons_; }

    GeoPoint centre() const { return centre_; }
    void setCentre(GeoPoint p) { centre_ = ClampToMap(p); }
    void panBy(int32_t dLat, int32_t dLon);

    // The mark: the centre for the Mapple family, a point of its own otherwise. The moves
    // return 1 when the mark changed, 0 when it stayed (disabled, or already there).
    GeoPoint mark() const { return family_ == MapFamily::Mapple ? centre_ : mark_; }
    bool markEnabled() const { return markEnabled_; }
    void setMarkEnabled(bool on) { markEnabled_ = on; }
    int placeMark(GeoPoint p);
    int moveMarkBy(int32_t dLat, int32_t dLon);

    // The layer is the range the zoom lies in. Choosing a layer sets its own zoom unless the
    // zoom is in its range already (a person's closer look survives a client's repeat).
    int layer() const;
    int setLayer(int number); // -1 for a layer that does not exist
    int zoom() const { return zoom_; }
    // Clamped to kMinZoom..kMaxZoom; returns 1 when the zoom changed, else 0.
    int setZoom(int zoom);

    // Every point of the map through f (a change of datum keeps things where they are).
    template <class F> void convertPoints(F f) {
        centre_ = ClampToMap(f(centre_));
        mark_ = ClampToMap(f(mark_));
        for (PlacedText& t : texts_) {
            t.at = ClampToMap(f(t.at));
            t.labelAt = ClampToMap(f(t.labelAt));
        }
        for (PlacedIcon& i : icons_)
            i.at = ClampToMap(f(i.at));
    }

    bool visible() const { return visible_; }
    void setVisible(bool on) { visible_ = on; }

    // Where mark moves are reported (ProAtlas family): a window handle and message number.
    void setEventTarget(uint64_t window, uint32_t message) {
        eventWindow_ = window;
        eventMessage_ = message;
    }
    uint64_t eventWindow() const { return eventWindow_; }
    uint32_t eventMessage() const { return eventMessage_; }

    // The whole state as "key:value" fields (cp932), one per item, for tests and the call
    // record: family, layer, centre, mark, visibility, counts, then each text and icon with
    // its label last so commas inside labels stay readable.
    std::vector<std::string> stateFields() const;

  private:
    MapFamily family_;
    GeoPoint centre_;
    GeoPoint mark_;
    bool markEnabled_ = true;
    int zoom_;
    bool visible_ = true;
    int16_t nextId_ = 1;
    std::vector<PlacedText> texts_;
    std::vector<PlacedIcon> icons_;
    uint64_t eventWindow_ = 0;
    uint32_t eventMessage_ = 0;
};

const char* FamilyName(MapFamily family);

} // namespace mapview
