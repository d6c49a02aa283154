// Nothing is lost on the way out and back in: for every format and both datums, the points
// of a QPF file written out and read back give the same QPF bytes, and nothing had to be
// changed to fit.
#include "exchange_test_support.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

namespace {

// cp932 text that converts to Unicode and back: ASCII, kana (full and half width), kanji,
// symbols, a NEC special character; "#", TAB and the QPF separators never.
const char* const kPieces[] = {"A", "z", "0", " ", "-", "&", "<", ">", "\"", "'", "\\", "~", "@", "東", "京",
                               "駅", "ア", "ン", "ｱ", "ﾝ", "ー", "①", "※", "〒", "髙", "ヴ", "々", "、"};

std::string randomText(std::mt19937& rng, size_t maxBytes, bool blanks = true) {
    std::string utf8;
    size_t bytes = 0;
    size_t want = std::uniform_int_distribution<size_t>(0, maxBytes)(rng);
    for (;;) {
        std::string cp932;
        utf8ToCp932(kPieces[rng() % (sizeof kPieces / sizeof kPieces[0])], cp932);
        if (!blanks && cp932 == " ") continue;
        if (bytes + cp932.size() > want) break;
        bytes += cp932.size();
        utf8 += cp932;
    }
    return utf8;
}

std::string coord(std::mt19937& rng, int low, int high) {
    char text[32];
    std::snprintf(text, sizeof text, "%03d/%02d/%02d.%d", std::uniform_int_distribution<int>(low, high)(rng),
                  static_cast<int>(rng() % 60), static_cast<int>(rng() % 60), static_cast<int>(rng() % 10));
    return text;
}

// A QPF file's worth of points with every field filled at random, written and read back, so
// that the document holds what a QPF file can hold.
void randomDocument(std::mt19937& rng, int count, PointDocument& doc, const std::string& qpf) {
    PointDocument made(testClock());
    for (int i = 0; i < count; ++i) {
        made.insertBlank(i);
        PointRecord r = *made.recordAt(i);
        std::snprintf(r.markNumber, sizeof r.markNumber, "%02d", static_cast<int>(rng() % 56));
        copyInto(r.name, randomText(rng, 20).c_str());
        copyInto(r.voiceWord, randomText(rng, 20, false).c_str());
        copyInto(r.longitude, coord(rng, i == 0 ? 0 : 122, i == 0 ? 0 : 154).c_str());
        copyInto(r.latitude, coord(rng, i == 0 ? 0 : 20, i == 0 ? 0 : 46).c_str());
        if (i == 0) copyInto(r.latitude, "000/00/00.0"); // an empty record's 0/0
        std::snprintf(r.soundCode, sizeof r.soundCode, "%04X", static_cast<unsigned>(rng() % 0x10000));
        r.directionEnabled = static_cast<int32_t>(rng() % 2);
        std::snprintf(r.directionCode, sizeof r.directionCode, "%02d", static_cast<int>(rng() % 8));
        for (char* spare : {r.spare11, r.spare16, r.spare23}) copyTruncated(spare, randomText(rng, 7).c_str(), 7);
        for (char* spare : {r.spare17, r.spare19, r.spare20}) copyTruncated(spare, randomText(rng, 63).c_str(), 63);
        copyInto(r.spare18, randomText(rng, 127).c_str());
        copyInto(r.phone, randomText(rng, 21).c_str());
        std::snprintf(r.date, sizeof r.date, "%04d/%02d/%02d", 1990 + static_cast<int>(rng() % 40),
                      1 + static_cast<int>(rng() % 12), 1 + static_cast<int>(rng() % 28));
        std::snprintf(r.time, sizeof r.time, "%02d:%02d:%02d", static_cast<int>(rng() % 24),
                      static_cast<int>(rng() % 60), static_cast<int>(rng() % 60));
        made.replaceRecord(i, r);
    }
    ASSERT_EQ(made.saveFile(qpf.c_str()), 0);
    ASSERT_EQ(doc.loadFile(qpf.c_str()), 0);
}

class ExchangeRoundTrip : public ScratchFolder {};

} // namespace

TEST_F(ExchangeRoundTrip, EveryFormatAndDatumGivesBackTheSameQpfBytes) {
    std::mt19937 rng(20240503);
    const ExchangeFormat formats[] = {ExchangeFormat::Gpx, ExchangeFormat::Kml, ExchangeFormat::Kmz,
                                      ExchangeFormat::Csv, ExchangeFormat::GeoJson};
    MessageRecorder messages;
    for (int round = 0; round < 6; ++round) {
        PointDocument a(testClock());
        randomDocument(rng, round == 0 ? 200 : 1 + static_cast<int>(rng() % 30), a, path("a.qpf"));
        std::string original = readBytes(path("a.qpf"));
        for (ExchangeFormat format : formats) {
            for (Datum datum : {Datum::Wgs84, Datum::Tokyo}) {
                ExchangeOptions options;
                options.recordDatum = datum;
                std::string out = exchangeFormatName(format) + std::string(".") + exchangeFormatName(format);
                ExchangeReport report;
                ASSERT_EQ(exportPoints(path(out).c_str(), format, a, options, report), 0);
                PointDocument b(testClock());
                ASSERT_EQ(importPoints(path(out).c_str(), format, b, options, report), 0);
                ASSERT_EQ(b.saveFile(path("b.qpf").c_str()), 0);
                SCOPED_TRACE(std::string(exchangeFormatName(format)) + " " + datumName(datum) + " round " +
                             std::to_string(round));
                EXPECT_TRUE(report.empty()) << reportText(report);
                ASSERT_EQ(readBytes(path("b.qpf")), original) << dumpText(a) << "----\n" << dumpText(b);
            }
        }
    }
    EXPECT_TRUE(messages.messages.empty());
}
