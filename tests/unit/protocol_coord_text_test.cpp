// Map coordinate text in both directions, and the editor's forms of it.
#include "map_coord_text.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

std::string Format(int32_t value) {
    char text[32];
    EXPECT_GE(formatMapCoord(value, text, sizeof text), 0);
    return text;
}

int32_t Parse(const char* text) {
    int32_t value = 777;
    EXPECT_EQ(0, parseMapCoord(text, &value)) << text;
    return value;
}

bool Rejected(const char* text) {
    int32_t value = 777;
    return parseMapCoord(text, &value) == -1 && value == 777;
}

std::string ToMapText(const char* coord) {
    char text[64];
    if (pointCoordToMapText(coord, text, sizeof text) < 0) return "<rejected>";
    return text;
}

std::string ToCaptured(const char* reply) {
    char text[64];
    if (mapTextToCapturedCoord(reply, text, sizeof text) < 0) return "<rejected>";
    return text;
}

TEST(MapCoordText, FormatsDegreesMinutesThousandths) {
    EXPECT_EQ("35/41/23456", Format(128483456));
    EXPECT_EQ("1/00/00000", Format(3600000));
    EXPECT_EQ("0/00/00001", Format(1));
    EXPECT_EQ("0/59/59999", Format(3599999));
    EXPECT_EQ("139/45/00000", Format(503100000));
    EXPECT_EQ("", Format(0)) << "zero travels as the empty text";
    EXPECT_EQ("-1/00/00000", Format(-3600000));
    EXPECT_EQ("-596/31/23648", Format(INT32_MIN));
    EXPECT_EQ("596/31/23647", Format(INT32_MAX));
}

TEST(MapCoordText, FormatRefusesSmallBuffer) {
    char text[11];
    EXPECT_EQ(-1, formatMapCoord(128483456, text, sizeof text));
    char fits[12];
    EXPECT_EQ(11, formatMapCoord(128483456, fits, sizeof fits));
}

TEST(MapCoordText, ParsesFieldsWithLeadingZerosAndMissingOnes) {
    EXPECT_EQ(128483456, Parse("035/41/23456"));
    EXPECT_EQ(128483456, Parse("35/41/23456"));
    EXPECT_EQ(3600000, Parse("1/00/00000"));
    EXPECT_EQ(0, Parse(""));
    EXPECT_EQ(126000000, Parse("35"));
    EXPECT_EQ(128460000, Parse("35/41"));
    EXPECT_EQ(-3600000, Parse("-1/00/00000"));
}

TEST(MapCoordText, SecondsFieldIsDecimalAndRounded) {
    EXPECT_EQ(128483457, Parse("35/41/23456.5"));
    EXPECT_EQ(128483456, Parse("35/41/23456.4999"));
    EXPECT_EQ(128483456, Parse("35/41/23456."));
    EXPECT_EQ(-3600001, Parse("-1/00/00000.5")) << "rounded away from zero";
}

TEST(MapCoordText, RoundTripsAcrossTheRange) {
    const int32_t values[] = {1,         59999,     60000,     3599999,    3600000,
                              128483456, 503100000, INT32_MAX, -128483456, INT32_MIN};
    for (int32_t value : values) {
        char text[32];
        ASSERT_GT(formatMapCoord(value, text, sizeof text), 0);
        EXPECT_EQ(value, Parse(text)) << text;
    }
}

TEST(MapCoordText, RejectsMalformedTexts) {
    EXPECT_TRUE(Rejected("35/4a/23456"));
    EXPECT_TRUE(Rejected("35/41/23456/7"));
    EXPECT_TRUE(Rejected("35.41.23456"));
    EXPECT_TRUE(Rejected(" 35/41/23456"));
    EXPECT_TRUE(Rejected("35/41/2345x"));
    EXPECT_TRUE(Rejected("35/41/1.2.3"));
    EXPECT_TRUE(Rejected("東京"));
    EXPECT_TRUE(Rejected("--1"));
    EXPECT_TRUE(Rejected("600"));               // 600 degrees is beyond 32 bits
    EXPECT_TRUE(Rejected("99999999999999999")); // longer than any field can be
    EXPECT_TRUE(Rejected(nullptr));
}

TEST(PointCoordToMapText, FileAndCapturedForms) {
    EXPECT_EQ("035/41/23400", ToMapText("035/41/23.4"));
    EXPECT_EQ("35/41/23456", ToMapText("35.41.23.456"));
    EXPECT_EQ("139/46/00000", ToMapText("139/46/00.0"));
    EXPECT_EQ("035/40/50500", ToMapText("035/40/50.5"));
    EXPECT_EQ("35/41/23450", ToMapText("35/41/23.45"));
    EXPECT_EQ("35/41/23456", ToMapText("35/41/23.4567")) << "only three fraction digits count";
    EXPECT_EQ("35/41/23000", ToMapText("35/41/23.")) << "an empty fraction is zero";
    EXPECT_EQ("35/41/23000", ToMapText("35/41/23")) << "three fields carry no fraction";
    EXPECT_EQ("35/41/05000", ToMapText("35.41.5"));
}

TEST(PointCoordToMapText, RejectsTextsWithoutTheFields) {
    EXPECT_EQ("<rejected>", ToMapText(""));
    EXPECT_EQ("<rejected>", ToMapText("35/41"));
    EXPECT_EQ("<rejected>", ToMapText("35/41/23.4.5"));
    EXPECT_EQ("<rejected>", ToMapText("35//23.4"));
    EXPECT_EQ("<rejected>", ToMapText("35 41 23.4"));
    EXPECT_EQ("<rejected>", ToMapText("35/41/2a.4"));
    EXPECT_EQ("<rejected>", ToMapText("35,41/23.4")) << "a comma would split the wire argument";
    char small[8];
    EXPECT_EQ(-1, pointCoordToMapText("035/41/23.4", small, sizeof small));
}

TEST(MapTextToCapturedCoord, InsertsTheSecondsPoint) {
    EXPECT_EQ("35.41.23.456", ToCaptured("35/41/23456"));
    EXPECT_EQ("135.41.23.456", ToCaptured("135/41/23456"));
    EXPECT_EQ("1.00.00.000", ToCaptured("1/00/00000"));
    EXPECT_EQ("", ToCaptured("")) << "a coordinate of 0 is no position";
    EXPECT_EQ("35.41.01.000", ToCaptured("35/41/1000")) << "an unpadded seconds field keeps its value";
}

TEST(MapTextToCapturedCoord, RejectsOtherShapes) {
    EXPECT_EQ("<rejected>", ToCaptured("35/41"));
    EXPECT_EQ("<rejected>", ToCaptured("35/41/"));
    EXPECT_EQ("<rejected>", ToCaptured("35.41.23456"));
    EXPECT_EQ("<rejected>", ToCaptured("35/41/23456/1"));
    EXPECT_EQ("<rejected>", ToCaptured("35/4x/23456"));
}

TEST(MapCoordText, EditorAndBridgeFormsMeet) {
    // What the editor sends for a point is read by the bridge as the same position it shows.
    int32_t value = 0;
    char wire[32];
    ASSERT_GT(pointCoordToMapText("035/41/23.4", wire, sizeof wire), 0);
    ASSERT_EQ(0, parseMapCoord(wire, &value));
    char reply[32];
    ASSERT_GT(formatMapCoord(value, reply, sizeof reply), 0);
    EXPECT_EQ("35.41.23.400", ToCaptured(reply));
}

} // namespace
