// MapView's portable parts: coordinate texts, layers, the map model, the view geometry and
// the call record lines. Built natively (with sanitizers) and under Wine.
#include <gtest/gtest.h>

#include <string>

#include "call_record.h"
#include "map_coord.h"
#include "map_geometry.h"
#include "map_layers.h"
#include "map_model.h"

namespace mapview {
namespace {

int32_t Parse(const char* text) {
    int32_t v = -7;
    EXPECT_EQ(0, parseMapCoord(text, &v, MapCoordDialect::MapView)) << text;
    return v;
}

std::string Format(int32_t v) {
    char buf[32];
    EXPECT_GT(formatMapCoord(v, buf, sizeof buf, MapCoordDialect::MapView), 0);
    return buf;
}

TEST(MapCoordText, ReadsWireForm) {
    EXPECT_EQ(128483456, Parse("35/41/23456"));
    EXPECT_EQ(128483456, Parse("035/41/23456"));
    EXPECT_EQ(3600000, Parse("1/00/00000"));
    EXPECT_EQ(0, Parse(""));
    EXPECT_EQ(35 * kPerDegree + 41 * kPerMinute, Parse("35/41"));
    EXPECT_EQ(35 * kPerDegree, Parse("35"));
    EXPECT_EQ(kMaxLongitude, Parse("180/00/00000"));
}

TEST(MapCoordText, RefusesWhatIsNoCoordinate) {
    int32_t v = 42;
    for (const char* bad :
         {"35/60/00000", "35/41/60000", "35/41/234567", "a/00/00000", "35.5/00/00000", "35/41/23456/1",
          "-1/00/00000", "180/00/00001", "35//", "35/1x/00000", "/41/23456", "35/"}) {
        EXPECT_EQ(-1, parseMapCoord(bad, &v, MapCoordDialect::MapView)) << bad;
    }
    EXPECT_EQ(42, v);
    EXPECT_EQ(-1, parseMapCoord(nullptr, &v, MapCoordDialect::MapView));
}

TEST(MapCoordText, WritesWireFormAndRoundTrips) {
    EXPECT_EQ("35/41/23456", Format(128483456));
    EXPECT_EQ("1/00/00000", Format(3600000));
    EXPECT_EQ("0/00/00000", Format(0));
    for (int32_t v : {0, 1, 59999, 60000, 3599999, 128483456, kMaxLatitude, kMaxLongitude}) {
        EXPECT_EQ(v, Parse(Format(v).c_str()));
    }
    char small[8];
    EXPECT_EQ(-1, formatMapCoord(128483456, small, sizeof small, MapCoordDialect::MapView));
    EXPECT_EQ(-1, formatMapCoord(-1, small, sizeof small, MapCoordDialect::MapView));
}

TEST(MapCoordText, GraticuleLabelsInDegreesAndMinutes) {
    char buf[32];
    ASSERT_EQ(0, FormatDegreeMinute(35 * kPerDegree, buf, sizeof buf));
    EXPECT_EQ(std::string("35\x81\x8B"), buf); // the degree sign in cp932
    ASSERT_EQ(0, FormatDegreeMinute(139 * kPerDegree + 5 * kPerMinute, buf, sizeof buf));
    EXPECT_EQ(std::string("139\x81\x8B"
                          "05'"),
              buf);
}

TEST(MapLayers, FoundByNumberTextOrName) {
    const MapLayer* four = FindLayer("4");
    ASSERT_NE(nullptr, four);
    EXPECT_EQ(4, four->number);
    EXPECT_EQ(four, FindLayer(" 4 "));
    EXPECT_EQ(four, FindLayer(four->name));
    EXPECT_EQ(four, LayerByName(four->name));
    EXPECT_EQ(nullptr, FindLayer("0"));
    EXPECT_EQ(nullptr, FindLayer("8"));
    EXPECT_EQ(nullptr, FindLayer("4x"));
    EXPECT_EQ(nullptr, FindLayer(""));
    EXPECT_EQ(nullptr, FindLayer("99999999999"));
    EXPECT_EQ(nullptr, LayerByName("4"));
}

TEST(MapLayers, CloserLayersHaveSmallerScaleAndDistinctNames) {
    for (int n = 2; n <= kLayerCount; ++n) {
        EXPECT_LT(LayerByNumber(n)->scale, LayerByNumber(n - 1)->scale);
        EXPECT_LE(LayerByNumber(n)->gridStep, LayerByNumber(n - 1)->gridStep);
        EXPECT_STRNE(LayerByNumber(n)->name, LayerByNumber(n - 1)->name);
    }
}

PlacedText TextAt(int32_t lat, int32_t lon, const char* label) {
    PlacedText t;
    t.at = GeoPoint{lat, lon};
    t.labelAt = t.at;
    t.label = label;
    return t;
}

TEST(MapModelTexts, IdsAreFreshAndDeleteRemovesOnlyThatText) {
    MapModel model(MapFamily::ProAtlas);
    int16_t a = 0, b = 0;
    ASSERT_EQ(0, model.addText(TextAt(1, 2, "a"), &a));
    ASSERT_EQ(0, model.addText(TextAt(3, 4, "b"), &b));
    EXPECT_NE(a, b);
    EXPECT_GT(a, 0);
    EXPECT_EQ(1, model.deleteText(a));
    EXPECT_EQ(0, model.deleteText(a));
    ASSERT_EQ(1u, model.texts().size());
    EXPECT_EQ("b", model.texts()[0].label);
}

TEST(MapModelTexts, IdsWrapWithoutReusingOneInUse) {
    MapModel model(MapFamily::ProAtlas);
    int16_t first = 0, id = 0;
    ASSERT_EQ(0, model.addText(TextAt(1, 1, "kept"), &first));
    for (int i = 0; i < 32767; ++i) {
        ASSERT_EQ(0, model.addText(TextAt(1, 1, "x"), &id));
        ASSERT_EQ(1, model.deleteText(id));
    }
    // The counter has gone round once; the text still on the map keeps its identifier.
    ASSERT_EQ(0, model.addText(TextAt(1, 1, "y"), &id));
    EXPECT_NE(first, id);
    EXPECT_GT(id, 0);
}

TEST(MapModelTexts, FullMapRefusesMore) {
    MapModel model(MapFamily::ProAtlas);
    int16_t id = 0;
    for (size_t i = 0; i < kMaxTexts; ++i)
        ASSERT_EQ(0, model.addText(TextAt(1, 1, "x"), &id));
    EXPECT_EQ(-1, model.addText(TextAt(1, 1, "x"), &id));
    EXPECT_EQ(kMaxTexts, model.texts().size());
}

TEST(MapModelTexts, LongLabelsAreCutAtACharacterBoundary) {
    MapModel model(MapFamily::ProAtlas);
    std::string label = "a";
    for (int i = 0; i < 600; ++i)
        label += "\x82\xA0"; // 1201 bytes, a lead byte at every odd offset
    int16_t id = 0;
    ASSERT_EQ(0, model.addText(TextAt(1, 1, label.c_str()), &id));
    EXPECT_EQ(kMaxLabelBytes, model.texts()[0].label.size());
    EXPECT_EQ("a\x82\xA0", model.texts()[0].label.substr(0, 3));
    EXPECT_EQ("\x82\xA0", model.texts()[0].label.substr(kMaxLabelBytes - 2));
    EXPECT_EQ("\x82\xA0", TruncateCp932("\x82\xA0\x82", 3));
    EXPECT_EQ("", TruncateCp932("\x82\xA0", 1));
}

TEST(MapModelMark, ProAtlasMarkIsApartFromTheView) {
    MapModel model(MapFamily::ProAtlas);
    const GeoPoint centre = model.centre();
    EXPECT_EQ(1, model.placeMark(GeoPoint{100, 200}));
    EXPECT_EQ(0, model.placeMark(GeoPoint{100, 200}));
    EXPECT_EQ(centre, model.centre());
    EXPECT_EQ((GeoPoint{100, 200}), model.mark());
    model.setCentre(GeoPoint{5000, 6000});
    EXPECT_EQ((GeoPoint{100, 200}), model.mark());
    EXPECT_EQ(1, model.moveMarkBy(-1000, 0)); // clamped at the equator, still a move
    EXPECT_EQ((GeoPoint{0, 200}), model.mark());
    EXPECT_EQ(0, model.moveMarkBy(-1000, 0));
}

TEST(MapModelMark, DisabledMarkDoesNotMove) {
    MapModel model(MapFamily::ProAtlas);
    model.setMarkEnabled(false);
    const GeoPoint before = model.mark();
    EXPECT_EQ(0, model.placeMark(GeoPoint{1, 1}));
    EXPECT_EQ(0, model.moveMarkBy(1000, 1000));
    EXPECT_EQ(before, model.mark());
}

TEST(MapModelMark, MappleMarkIsTheCentre) {
    MapModel model(MapFamily::Mapple);
    EXPECT_EQ(1, model.placeMark(GeoPoint{100, 200}));
    EXPECT_EQ((GeoPoint{100, 200}), model.centre());
    model.setCentre(GeoPoint{kMaxLatitude + 5, -3});
    EXPECT_EQ((GeoPoint{kMaxLatitude, 0}), model.mark());
}

TEST(MapModelIcons, KeptWithClampedSizesUntilDeleted) {
    MapModel model(MapFamily::Mapple);
    PlacedIcon icon;
    icon.at = GeoPoint{10, 20};
    icon.size = 500;
    icon.lineWidth = -4;
    icon.label = "x";
    ASSERT_EQ(0, model.addIcon(icon));
    ASSERT_EQ(1u, model.icons().size());
    EXPECT_EQ(64, model.icons()[0].size);
    EXPECT_EQ(0, model.icons()[0].lineWidth);
    model.deleteAllIcons();
    EXPECT_TRUE(model.icons().empty());
}

TEST(MapModelState, FieldsNameEverythingWithLabelsLast) {
    MapModel model(MapFamily::ProAtlas);
    int16_t id = 0;
    ASSERT_EQ(0, model.addText(TextAt(128483456, 3600000, "a,b"), &id));
    ASSERT_EQ(0, model.setLayer(2));
    EXPECT_EQ(-1, model.setLayer(kLayerCount + 1));
    const std::vector<std::string> f = model.stateFields();
    ASSERT_GE(f.size(), 8u);
    EXPECT_EQ("family:ProAtlas", f[0]);
    EXPECT_EQ(std::string("layer:2,") + LayerByNumber(2)->name, f[1]);
    EXPECT_EQ("texts:1", f[5]);
    EXPECT_EQ("icons:0", f[6]);
    EXPECT_EQ("text:" + std::to_string(id) + ",35/41/23456,1/00/00000,35/41/23456,1/00/00000,0,0,a,b", f[7]);
}

TEST(MapGeometry, PixelsAndPlacesAgree) {
    const GeoPoint centre{35 * kPerDegree, 139 * kPerDegree};
    const Viewport view = MakeViewport(centre, 2000, 640, 480);
    int x = 0, y = 0;
    ToPixel(view, centre, &x, &y);
    EXPECT_EQ(320, x);
    EXPECT_EQ(240, y);
    // North is up, east is right.
    ToPixel(view, GeoPoint{centre.lat + 20000, centre.lon + 20000}, &x, &y);
    EXPECT_EQ(230, y);
    EXPECT_GT(x, 320);
    EXPECT_LT(x, 330); // longitude shrinks with the cosine of 35 degrees
    for (int px : {0, 17, 320, 639}) {
        for (int py : {0, 100, 479}) {
            int bx = 0, by = 0;
            ToPixel(view, ToGeo(view, px, py), &bx, &by);
            EXPECT_EQ(px, bx);
            EXPECT_EQ(py, by);
        }
    }
}

TEST(MapGeometry, GridValuesAreTheMultiplesInRange) {
    EXPECT_EQ((std::vector<int32_t>{60000, 120000}), GridValues(1, 179999, 60000));
    EXPECT_EQ((std::vector<int32_t>{0, 60000}), GridValues(0, 60000, 60000));
    EXPECT_TRUE(GridValues(5, 4, 60000).empty());
    EXPECT_TRUE(GridValues(0, 100, 0).empty());
    EXPECT_EQ(400u, GridValues(0, kMaxLongitude, 1).size());
}

TEST(CallRecord, FieldsStayOnOneLineAndReadBack) {
    const std::vector<std::string> fields{"&BSTR:a\tb", "back\\slash", "two\nlines\r", ""};
    const std::string line = CallRecordLine(42, "ProAtlas", "AddTextEx", fields);
    EXPECT_EQ(std::string::npos, line.find('\n'));
    EXPECT_EQ(0u, line.find("42\tProAtlas\tAddTextEx\t&BSTR:a\\tb\t"));
    const std::vector<std::string> back = SplitRecordLine(line);
    ASSERT_EQ(7u, back.size());
    EXPECT_EQ("42", back[0]);
    EXPECT_EQ("AddTextEx", back[2]);
    for (size_t i = 0; i < fields.size(); ++i)
        EXPECT_EQ(fields[i], back[3 + i]);
}

} // namespace
} // namespace mapview
