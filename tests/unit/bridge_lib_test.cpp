// The bridge's conversions (module Lib) and its table of placed texts.
#include "lib.h"
#include "text_id_table.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(BridgeLib, OnlyMappleDocumentIsMapple) {
    EXPECT_EQ(MapKind::Mapple, mapKindOf("Mapple.Document"));
    EXPECT_EQ(MapKind::ProAtlas, mapKindOf("ProAtlasW.Map"));
    EXPECT_EQ(MapKind::ProAtlas, mapKindOf("ProAtlasSV.Map"));
    EXPECT_EQ(MapKind::ProAtlas, mapKindOf("mapple.document")) << "the comparison is case-sensitive";
    EXPECT_EQ(MapKind::ProAtlas, mapKindOf("Mapple.Document "));
    EXPECT_EQ(MapKind::ProAtlas, mapKindOf("Some.Other"));
    EXPECT_EQ(MapKind::ProAtlas, mapKindOf(""));
}

TEST(BridgeLib, SplitKeepsFurtherCommasInTheLabel) {
    TextExArgument parts;
    ASSERT_EQ(0, splitTextExArgument("35/41/23456,139/45/00000,東京,駅,北口", &parts));
    EXPECT_STREQ("35/41/23456", parts.latitude);
    EXPECT_STREQ("139/45/00000", parts.longitude);
    EXPECT_STREQ("東京,駅,北口", parts.label);
}

TEST(BridgeLib, SplitAllowsEmptyParts) {
    TextExArgument parts;
    ASSERT_EQ(0, splitTextExArgument(",,", &parts));
    EXPECT_STREQ("", parts.latitude);
    EXPECT_STREQ("", parts.longitude);
    EXPECT_STREQ("", parts.label);
}

TEST(BridgeLib, SplitRefusesFewerThanTwoCommas) {
    TextExArgument parts;
    EXPECT_EQ(-1, splitTextExArgument("", &parts));
    EXPECT_EQ(-1, splitTextExArgument("35/41/23456", &parts));
    EXPECT_EQ(-1, splitTextExArgument("35/41/23456,139/45/00000", &parts));
    EXPECT_EQ(-1, splitTextExArgument(nullptr, &parts));
}

TEST(BridgeLib, SplitOfDoubleByteLabelNeverCutsACharacter) {
    // 0x82 0x2C is not a character, but even a crafted label cannot make a trail byte a comma:
    // cp932 trail bytes start at 0x40.
    TextExArgument parts;
    ASSERT_EQ(0, splitTextExArgument("1,2,\x82\xA0\x82\xA2", &parts));
    EXPECT_STREQ("\x82\xA0\x82\xA2", parts.label);
}

TEST(BridgeLib, ColoursArePackedRedGreenBlue) {
    EXPECT_EQ(16777160, packColour(200, 255, 255));
    EXPECT_EQ(13140032, packColour(64, 128, 200));
}

TEST(BridgeLib, CoordinateConversionsBothWays) {
    char text[32];
    ASSERT_GT(coordToText(128483456, text, sizeof text), 0);
    EXPECT_STREQ("35/41/23456", text);
    ASSERT_GT(coordToText(3600000, text, sizeof text), 0);
    EXPECT_STREQ("1/00/00000", text);
    int32_t value = 0;
    ASSERT_EQ(0, textToCoord("1/00/00000", &value));
    EXPECT_EQ(3600000, value);
    ASSERT_EQ(0, textToCoord("035/41/23456", &value));
    EXPECT_EQ(128483456, value);
    EXPECT_EQ(0, coordToText(0, text, sizeof text));
    EXPECT_STREQ("", text);
}

TEST(TextIdTable, FillsFromZeroAndRefusesWhenFull) {
    TextIdTable table;
    clearTextIds(&table);
    EXPECT_EQ(0, table.count);
    for (int16_t id : table.ids)
        ASSERT_EQ(-1, id);
    for (int i = 0; i < kTextIdCapacity; ++i)
        ASSERT_EQ(0, addTextId(&table, static_cast<int16_t>(i)));
    EXPECT_TRUE(textIdsFull(table));
    EXPECT_EQ(-1, addTextId(&table, 5000));
    EXPECT_EQ(kTextIdCapacity, table.count);
    EXPECT_EQ(1000, table.ids[1000]);
    clearTextIds(&table);
    EXPECT_FALSE(textIdsFull(table));
    EXPECT_EQ(-1, table.ids[1000]);
}

} // namespace
