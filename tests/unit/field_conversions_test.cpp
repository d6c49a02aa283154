#include "field_conversions.h"

#include <gtest/gtest.h>

#include <string>

TEST(PackCoord, AcceptsEverySeparatorAndDropsExtraDecimals) {
    EXPECT_STREQ(packCoord("139/46/00.0").text, "13946000");
    EXPECT_STREQ(packCoord("139 46 00.0").text, "13946000");
    EXPECT_STREQ(packCoord("139,46,00.0").text, "13946000");
    EXPECT_STREQ(packCoord("139'46'00\t0").text, "13946000");
    EXPECT_STREQ(packCoord("").text, "00000000");
    EXPECT_STREQ(packCoord("35/40/50.5").text, "03540505");
    EXPECT_STREQ(packCoord("035/40/50.05").text, "03540500");
    EXPECT_STREQ(packCoord("035/40/50.59").text, "03540505");
    EXPECT_STREQ(packCoord("139/46/0").text, "13946000");
    EXPECT_STREQ(packCoord("//139//46").text, "13946000");
}

TEST(PackCoord, OverLongDigitRunsDoNotOverflow) {
    std::string huge(400, '9');
    std::string text = huge + "/" + huge + "/" + huge + "." + huge;
    EXPECT_GT(std::string(packCoord(text.c_str()).text).size(), 8u);
}

TEST(UnpackCoord, PadsEveryPart) {
    EXPECT_STREQ(unpackCoord(0).text, "000/00/00.0");
    EXPECT_STREQ(unpackCoord(13946000).text, "139/46/00.0");
    EXPECT_STREQ(unpackCoord(3540505).text, "035/40/50.5");
    for (const char* text : {"139/46/00.0", "035/40/50.5", "999/99/99.9", "000/00/00.1"}) {
        EXPECT_STREQ(unpackCoord(std::stol(packCoord(text).text)).text, text);
    }
}

TEST(CheckValue, CountsDegreesAndTenthsOnly) {
    EXPECT_STREQ(checkValue("139/46/00.0", "035/40/50.5").text, "B3");
    EXPECT_STREQ(checkValue("", "").text, "00");
    EXPECT_STREQ(checkValue("180/00/00.9", "090/00/00.9").text, "20");
    EXPECT_STREQ(checkValue("139/59/59.0", "035/00/00.5").text, "B3");
}

TEST(NameCount, CountsDoubleByteCharactersOnce) {
    EXPECT_STREQ(nameCount("").text, "00");
    EXPECT_STREQ(nameCount("東京駅").text, "03");
    EXPECT_STREQ(nameCount("abcdefghijklmnopqrst").text, "20");
    EXPECT_STREQ(nameCount("ab東京").text, "04");
}

TEST(DateTime, JoinsAndSplitsBothForms) {
    EXPECT_STREQ(dateTimeField("2006/06/22", "10:30:00").text, "20060622103000");
    EXPECT_STREQ(dateTimeField("20060622", "103000").text, "20060622103000");
    const struct {
        const char* field;
        const char* date;
        const char* time;
    } splits[] = {
        {"20060622103000", "2006/06/22", "10:30:00"},
        {"", "//", "::"},
        {"2006", "2006//", "20:06:"},
        // The second mark goes into the text that already holds the first.
        {"2006062", "2006/06/2", "00:60:62"},
        {"123", "123//", "12:3:"},
    };
    for (const auto& expected : splits) {
        SplitDateTime split = splitDateTime(expected.field);
        EXPECT_STREQ(split.date, expected.date) << expected.field;
        EXPECT_STREQ(split.time, expected.time) << expected.field;
    }
}

TEST(LeadingDigits, SkipsBlanksAndSaturates) {
    EXPECT_EQ(leadingDigits(" \t13946000x"), 13946000);
    EXPECT_EQ(leadingDigits(""), 0);
    EXPECT_EQ(leadingDigits("-5"), 0);
    EXPECT_EQ(leadingDigits("99999999999999999999999"), 2147483647);
}
