// Files of the shapes other programs write, read into points: every field, every change
// made to fit and every point left out, against the kept expectation beside each file.
#include "exchange_test_support.h"

#include <gtest/gtest.h>

namespace {

struct Golden {
    const char* file;
    ExchangeFormat format;
};

const Golden kGolden[] = {
    {"web_map_export.kml", ExchangeFormat::Kml}, {"onsen.kmz", ExchangeFormat::Kmz},
    {"phone.gpx", ExchangeFormat::Gpx},          {"poi_loader.csv", ExchangeFormat::Csv},
    {"shift_jis.csv", ExchangeFormat::Csv},      {"points.geojson", ExchangeFormat::GeoJson},
};

} // namespace

// TENMARK_UPDATE_GOLDEN=1 rewrites the expectations (to be read through before committing).
TEST(ExchangeGolden, FilesFromElsewhereReadAsTheirUsersExpect) {
    for (const Golden& g : kGolden) {
        MessageRecorder messages;
        PointDocument doc(testClock());
        ExchangeReport report;
        ASSERT_EQ(importPoints(exchangeData(g.file).c_str(), g.format, doc, ExchangeOptions(), report), 0) << g.file;
        EXPECT_TRUE(messages.messages.empty()) << g.file;
        EXPECT_FALSE(doc.isModified());
        std::string actual = dumpText(doc) + "--\n" + reportText(report);
        std::string expectedPath = exchangeData(std::string(g.file) + ".expected");
        if (std::getenv("TENMARK_UPDATE_GOLDEN")) writeBytes(expectedPath, actual);
        EXPECT_EQ(actual, readBytes(expectedPath)) << g.file;
    }
}

TEST(ExchangeGolden, TokyoDatumShiftsEveryPointOnTheWayIn) {
    PointDocument wgs(testClock()), tokyo(testClock());
    ExchangeReport report;
    ExchangeOptions options;
    ASSERT_EQ(importPoints(exchangeData("phone.gpx").c_str(), ExchangeFormat::Gpx, wgs, options, report), 0);
    options.recordDatum = Datum::Tokyo;
    ASSERT_EQ(importPoints(exchangeData("phone.gpx").c_str(), ExchangeFormat::Gpx, tokyo, options, report), 0);
    ASSERT_EQ(tokyo.count(), wgs.count());
    // Tokyo tower, 35.658581 N 139.745433 E in WGS84, on the Tokyo datum as PROJ 9.1 puts it
    // with the same three parameters.
    EXPECT_STREQ(wgs.getLatitude(0), "035/39/30.9");
    EXPECT_STREQ(tokyo.getLatitude(0), "035/39/19.2");
    EXPECT_STREQ(wgs.getLongitude(0), "139/44/43.6");
    EXPECT_STREQ(tokyo.getLongitude(0), "139/44/55.2");
}
