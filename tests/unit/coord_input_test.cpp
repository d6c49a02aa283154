// Coordinates as people write them, to the record's text and back.
#include "coord_input.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// The record text of a reading, or the status when it is not Ok.
std::string Read(const char* utf8, CoordAxis axis) {
    CoordReading r = readCoordInput(utf8, axis);
    switch (r.status) {
    case CoordStatus::Ok: return coordTextOfTenths(r.tenths).text;
    case CoordStatus::Empty: return "<empty>";
    case CoordStatus::Invalid: return "<invalid>";
    case CoordStatus::SouthOrWest: return "<south-or-west>";
    case CoordStatus::OutOfRange: return "<out-of-range>";
    }
    return "?";
}

const CoordAxis kLat = CoordAxis::Latitude;
const CoordAxis kLon = CoordAxis::Longitude;

} // namespace

TEST(CoordInput, ReadsEveryWrittenForm) {
    struct Case {
        const char* text;
        CoordAxis axis;
        const char* expected;
    } cases[] = {
        {"139.767125", kLon, "139/46/01.7"}, // 1.65" exactly: halves go up
        {"35.681236", kLat, "035/40/52.4"},
        {"139/46/01.65", kLon, "139/46/01.7"},
        {"35/40/50", kLat, "035/40/50.0"},
        {"35/40", kLat, "035/40/00.0"},
        {"139.41.41.5", kLon, "139/41/41.5"},
        {"139.41.41.53", kLon, "139/41/41.5"},
        {"139.41.41", kLon, "139/41/41.0"},
        {"139 41 41.5", kLon, "139/41/41.5"},
        {"35\xC2\xB0" "40'39.2\"N", kLat, "035/40/39.2"},
        {u8"N35°40′39.2″", kLat, "035/40/39.2"},
        {u8"35° 40′ 39.2″ N", kLat, "035/40/39.2"},
        {u8"35°40'39.2", kLat, "035/40/39.2"}, // a tail without its mark counts seconds
        {u8"35°40'39.2''", kLat, "035/40/39.2"},
        {"35d", kLat, "<invalid>"},
        {u8"35度40分39.25秒", kLat, "035/40/39.3"},
        {u8"北緯35度40分39.2秒", kLat, "035/40/39.2"},
        {u8"東経139度41分", kLon, "139/41/00.0"},
        {u8"35°40.65'", kLat, "035/40/39.0"},
        {u8"１３９．７６７１２５", kLon, "139/46/01.7"},
        {"  35.5  ", kLat, "035/30/00.0"},
        {"e139.5", kLon, "139/30/00.0"},
        {"+35.5", kLat, "035/30/00.0"},
        {"35/40/59.96", kLat, "035/41/00.0"}, // the rounding carries into the minutes
        {"90", kLat, "090/00/00.0"},
        {"180.0", kLon, "180/00/00.0"},
        {"0", kLat, "000/00/00.0"},
        {"-0", kLat, "000/00/00.0"},
    };
    for (const Case& c : cases) EXPECT_EQ(Read(c.text, c.axis), c.expected) << c.text;
}

TEST(CoordInput, RoundsOnTheDecimalValueNotOnItsNearestDouble) {
    // 139.005375 * 36000 is 5004193.5 exactly, but the double nearest 139.005375 times 36000
    // gives 5004193.499999999.
    EXPECT_EQ(Read("139.005375", kLon), "139/00/19.4");
    EXPECT_EQ(Read("139.0053749999999999999999", kLon), "139/00/19.3");
    EXPECT_EQ(Read("139/00/19.35", kLon), "139/00/19.4");
    EXPECT_EQ(Read("139/00/19.3499999999999999999", kLon), "139/00/19.3");
}

// Plain decimal degrees take a short path; an ideographic space at the end (read as a blank)
// sends the same text down the general one, and both must agree to the bit.
TEST(CoordInput, PlainDegreesReadAsTheGeneralPathReadsThem) {
    std::vector<std::string> texts = {"139.767125", " -35.5 ", "+ 7", ".5", "5.", ".", "-", "", "1.2.3",
                                      "00139.0053750", std::string(300, '9'), "\t35\t", "139.005375"};
    const char alphabet[] = " \t+-.0123456789";
    unsigned seed = 12345;
    for (int i = 0; i < 20000; ++i) {
        std::string t;
        for (int n = static_cast<int>(seed % 12); n > 0; --n) {
            seed = seed * 1103515245u + 12345u;
            t += alphabet[(seed >> 16) % (sizeof alphabet - 1)];
        }
        seed = seed * 1103515245u + 12345u;
        texts.push_back(t);
    }
    for (const std::string& t : texts) {
        for (CoordAxis axis : {kLat, kLon}) {
            CoordReading fast = readCoordInput(t.c_str(), axis);
            CoordReading general = readCoordInput((t + u8"\u3000").c_str(), axis);
            ASSERT_EQ(fast.status, general.status) << '"' << t << '"';
            EXPECT_EQ(fast.tenths, general.tenths) << '"' << t << '"';
            EXPECT_EQ(std::memcmp(&fast.degrees, &general.degrees, sizeof fast.degrees), 0) << '"' << t << '"';
            EXPECT_EQ(fast.hasLetter, general.hasLetter) << '"' << t << '"';
        }
    }
}

TEST(CoordInput, RefusesWhatIsNotACoordinateOfItsAxis) {
    struct Case {
        const char* text;
        CoordAxis axis;
        const char* expected;
    } cases[] = {
        {"", kLat, "<empty>"},
        {" \t ", kLat, "<empty>"},
        {"-35.5", kLat, "<south-or-west>"},
        {"35.5S", kLat, "<south-or-west>"},
        {u8"西経139度", kLon, "<south-or-west>"},
        {"W139.5", kLon, "<south-or-west>"},
        {"35.5E", kLat, "<invalid>"},
        {"N139.5", kLon, "<invalid>"},
        {"90.0001", kLat, "<out-of-range>"},
        {"181", kLon, "<out-of-range>"},
        {"119325", kLat, "<out-of-range>"},     // does not wrap around in a 32-bit long
        {"4295000000", kLon, "<out-of-range>"},
        {"35/60/00", kLat, "<invalid>"},
        {"35/40/60", kLat, "<invalid>"},
        {"35.5/40", kLat, "<invalid>"},
        {"35.4.5.6.7", kLat, "<invalid>"},
        {u8"35°40'39\"12", kLat, "<invalid>"},
        {u8"40'35°", kLat, "<invalid>"},
        {"35/40 39", kLat, "<invalid>"},
        {"35 40 39 12", kLat, "<invalid>"},
        {"35,5", kLat, "<invalid>"},
        {"N35.5N", kLat, "<invalid>"},
        {"abc", kLat, "<invalid>"},
        {"1e2", kLat, "<invalid>"},
        {"\xff\xfe", kLat, "<invalid>"},
        {".", kLat, "<invalid>"},
    };
    for (const Case& c : cases) EXPECT_EQ(Read(c.text, c.axis), c.expected) << c.text;
}

TEST(CoordInput, PairsTakeTheLatitudeFirstUnlessLettersSayOtherwise) {
    struct Case {
        const char* text;
        const char* latitude;
        const char* longitude;
    } cases[] = {
        {"35.681236, 139.767125", "035/40/52.4", "139/46/01.7"},
        {"35.681236 139.767125", "035/40/52.4", "139/46/01.7"},
        {"35.681236;139.767125", "035/40/52.4", "139/46/01.7"},
        {"35.681236\t139.767125", "035/40/52.4", "139/46/01.7"},
        {"139.767125E 35.681236N", "035/40/52.4", "139/46/01.7"},
        {"E139.767125, 35.681236", "035/40/52.4", "139/46/01.7"},
        {u8"N35°40′52.4″ E139°46′01.7″", "035/40/52.4", "139/46/01.7"},
        {u8"35° 40′ 52.4″ 139° 46′ 01.7″", "035/40/52.4", "139/46/01.7"},
        {u8"35.681236、139.767125", "035/40/52.4", "139/46/01.7"},
    };
    for (const Case& c : cases) {
        CoordPairReading p = readCoordPair(c.text);
        ASSERT_EQ(p.status, CoordStatus::Ok) << c.text;
        EXPECT_STREQ(coordTextOfTenths(p.latitude.tenths).text, c.latitude) << c.text;
        EXPECT_STREQ(coordTextOfTenths(p.longitude.tenths).text, c.longitude) << c.text;
    }
    EXPECT_EQ(readCoordPair("35.681236, -139.767125").status, CoordStatus::SouthOrWest);
    EXPECT_EQ(readCoordPair("135.6, 35.6").status, CoordStatus::OutOfRange);
    EXPECT_EQ(readCoordPair("35.6N, 139.7N").status, CoordStatus::Invalid);
    EXPECT_EQ(readCoordPair("35.68").status, CoordStatus::Invalid);
    EXPECT_EQ(readCoordPair("1, 2, 3").status, CoordStatus::Invalid);
    EXPECT_EQ(readCoordPair("35.6, ").status, CoordStatus::Invalid);
    EXPECT_EQ(readCoordPair("  ").status, CoordStatus::Empty);
}

TEST(CoordInput, RecordTextBecomesSevenDecimalsThatReadBackToTheSameTenth) {
    EXPECT_STREQ(decimalDegreesOf("139/46/00.0").text, "139.7666667");
    EXPECT_STREQ(decimalDegreesOf("035/40/50.5").text, "35.6806944");
    EXPECT_STREQ(decimalDegreesOf("180/00/00.0").text, "180.0000000");
    // An absurd stored text gives an absurd but well-defined answer (no overflow).
    EXPECT_STREQ(decimalDegreesOf("99999999999999/00/00.0").text, "10000000.0000000");
    EXPECT_STREQ(decimalDegreesOf("").text, "0.0000000");
    EXPECT_STREQ(decimalDegreesOf("35 40 50.5").text, "35.6806944"); // as QPF stores it
    EXPECT_DOUBLE_EQ(degreesOfCoordText("035/30/00.0"), 35.5);
    for (long t = 0; t <= 180L * 36000; t += 997) {
        CoordText text = coordTextOfTenths(t);
        CoordReading back = readCoordInput(decimalDegreesOf(text.text).text, kLon);
        ASSERT_EQ(back.status, CoordStatus::Ok);
        ASSERT_EQ(back.tenths, t) << text.text;
        ASSERT_EQ(tenthsOfDegrees(degreesOfCoordText(text.text)), t) << text.text;
    }
}
