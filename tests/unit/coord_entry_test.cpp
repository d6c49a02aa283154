// The edit dialog's coordinate boxes: the forms people paste and type, within Japan.
#include "coord_entry.h"

#include <gtest/gtest.h>

#include <string>

// UTF-8 on purpose: the dialog hands the reader its text as UTF-8.
#define U8(text) reinterpret_cast<const char*>(u8##text)

TEST(CoordEntry, TakesEveryCommonFormWithinJapanAndRefusesTheRest) {
    struct Case {
        const char* typed;
        CoordAxis axis;
        CoordEntry result;
        const char* stored;
    } cases[] = {
        {U8("139.767125"), CoordAxis::Longitude, CoordEntry::Ok, "139/46/01.7"},
        {U8("139.46.01.7"), CoordAxis::Longitude, CoordEntry::Ok, "139/46/01.7"},
        {U8("139/46/01.65"), CoordAxis::Longitude, CoordEntry::Ok, "139/46/01.7"},
        {U8("139°46′01.7″E"), CoordAxis::Longitude, CoordEntry::Ok, "139/46/01.7"},
        {U8("35°40'52.4\"N"), CoordAxis::Latitude, CoordEntry::Ok, "035/40/52.4"},
        {U8("35.681236"), CoordAxis::Latitude, CoordEntry::Ok, "035/40/52.4"},
        {U8("  "), CoordAxis::Latitude, CoordEntry::Empty, ""},
        {U8("10.5"), CoordAxis::Latitude, CoordEntry::Invalid, ""},    // south of Japan
        {U8("139.7"), CoordAxis::Latitude, CoordEntry::Invalid, ""},   // no latitude at all
        {U8("35.6N"), CoordAxis::Longitude, CoordEntry::Invalid, ""},  // the other axis
        {U8("139.7W"), CoordAxis::Longitude, CoordEntry::Invalid, ""}, // west
        {U8("東京駅"), CoordAxis::Longitude, CoordEntry::Invalid, ""},
    };
    for (const Case& c : cases) {
        CoordText out{};
        EXPECT_EQ(readCoordEntry(c.typed, c.axis, out), c.result) << c.typed;
        if (c.result == CoordEntry::Ok) {
            EXPECT_STREQ(out.text, c.stored) << c.typed;
        }
    }
}

TEST(CoordEntry, APastedPairFillsBothWhenItLiesInJapan) {
    CoordText latitude{}, longitude{};
    ASSERT_TRUE(readCoordEntryPair(U8("35.681236, 139.767125"), latitude, longitude));
    EXPECT_STREQ(latitude.text, "035/40/52.4");
    EXPECT_STREQ(longitude.text, "139/46/01.7");
    ASSERT_TRUE(readCoordEntryPair(U8("139.767125E 35.681236N"), latitude, longitude));
    EXPECT_STREQ(latitude.text, "035/40/52.4");
    EXPECT_FALSE(readCoordEntryPair(U8("139.767125, 35.681236"), latitude, longitude)) << "latitude first";
    EXPECT_FALSE(readCoordEntryPair(U8("48.8584, 2.2945"), latitude, longitude));
    EXPECT_FALSE(readCoordEntryPair(U8("139.767125"), latitude, longitude));
}
