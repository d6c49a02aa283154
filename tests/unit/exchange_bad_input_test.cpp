// Input made to hurt: each is refused with a message naming the file, within bounded
// memory, and the document keeps what it held.
#include "exchange_limits.h"
#include "exchange_test_support.h"
#include "file_access.h"

#include <gtest/gtest.h>

#include <miniz.h>

#include <cstring>
#include <filesystem>

namespace {

std::string zipOf(const std::string& entry, const std::string& bytes) {
    mz_zip_archive zip;
    std::memset(&zip, 0, sizeof zip);
    void* archive = nullptr;
    size_t size = 0;
    EXPECT_TRUE(mz_zip_writer_init_heap(&zip, 0, 0));
    EXPECT_TRUE(mz_zip_writer_add_mem(&zip, entry.c_str(), bytes.data(), bytes.size(), MZ_BEST_COMPRESSION));
    EXPECT_TRUE(mz_zip_writer_finalize_heap_archive(&zip, &archive, &size));
    std::string out(static_cast<const char*>(archive), size);
    mz_free(archive);
    mz_zip_writer_end(&zip);
    return out;
}

// Sets a 32-bit little-endian field wherever the zip holds the entry's uncompressed size.
void claimSize(std::string& zip, uint32_t realSize, uint32_t claimed) {
    char real[4], fake[4];
    for (int i = 0; i < 4; ++i) {
        real[i] = static_cast<char>(realSize >> (8 * i));
        fake[i] = static_cast<char>(claimed >> (8 * i));
    }
    for (size_t at = zip.find(std::string(real, 4)); at != std::string::npos; at = zip.find(std::string(real, 4), at + 4))
        zip.replace(at, 4, fake, 4);
}

std::string repeated(const std::string& piece, size_t times) {
    std::string out;
    out.reserve(piece.size() * times);
    for (size_t i = 0; i < times; ++i) out += piece;
    return out;
}

struct Bad {
    const char* what;
    ExchangeFormat format;
    std::string bytes;
    const char* message; // a part of the message shown (UTF-8)
};

} // namespace

TEST(ExchangeBadInput, IsRefusedWithAMessageAndLeavesTheDocumentAlone) {
    const std::string kmlHead = "<kml xmlns=\"http://www.opengis.net/kml/2.2\"><Document>";
    const std::string bomb(40u * 1024 * 1024, ' ');
    std::string lyingBomb = zipOf("doc.kml", kmlHead + bomb);
    claimSize(lyingBomb, static_cast<uint32_t>(kmlHead.size() + bomb.size()), 100);
    const Bad cases[] = {
        {"zip bomb", ExchangeFormat::Kmz, zipOf("doc.kml", kmlHead + bomb), u8"展開すると大きすぎます"},
        {"zip bomb that hides its size", ExchangeFormat::Kmz, lyingBomb, "KMZ"},
        {"a million placemarks", ExchangeFormat::Kml,
         kmlHead + repeated("<Placemark><Point><coordinates>139.7,35.6</coordinates></Point></Placemark>", 1000000) +
             "</Document></kml>",
         u8"大きすぎて読めません"},
        {"a million empty placemarks", ExchangeFormat::Kml,
         kmlHead + repeated("<Placemark><Point/></Placemark>", 1000000) + "</Document></kml>",
         u8"要素が多すぎて"},
        {"entity expansion", ExchangeFormat::Kml,
         "<?xml version=\"1.0\"?><!DOCTYPE kml [<!ENTITY a \"aaaaaaaaaa\"><!ENTITY b \"&a;&a;&a;&a;&a;&a;&a;&a;\">"
         "<!ENTITY c \"&b;&b;&b;&b;&b;&b;&b;&b;\">]><kml><Placemark><name>&c;</name><Point><coordinates>139,35"
         "</coordinates></Point></Placemark></kml>",
         u8"実体宣言"},
        {"10 MB CSV field", ExchangeFormat::Csv, "name,lat,lon\r\nA,35,139\r\n\"" + std::string(10u << 20, 'x') + "\",35,139\r\n",
         u8"3 行目に長すぎる値"},
        {"unclosed CSV quote", ExchangeFormat::Csv, "139,35,\"open\r\n140,36,x\r\n", u8"1 行目で始まる引用符"},
        {"nesting without end", ExchangeFormat::GeoJson, std::string(100000, '['), u8"要素が多すぎて"},
        {"not JSON", ExchangeFormat::GeoJson, "{\"type\": \"FeatureCollection\", features: []}", u8"JSON として読めません"},
        {"not a zip", ExchangeFormat::Kmz, "PK\x03\x04 not really", "KMZ"},
        {"a zip without KML", ExchangeFormat::Kmz, zipOf("images/a.png", "png"), u8"KML ファイルがありません"},
        {"broken XML", ExchangeFormat::Gpx, "<gpx><wpt lat=\"35\" lon=\"139\"></gpx>", u8"XML として読めません"},
        {"KML given as GPX", ExchangeFormat::Gpx, kmlHead + "</Document></kml>", u8"GPX ファイルではありません"},
    };
    for (const Bad& c : cases) {
        MessageRecorder messages;
        PointDocument doc(testClock());
        doc.insertBlank(0);
        doc.setName(0, "kept");
        ExchangeReport report;
        EXPECT_EQ(readPoints(c.bytes.data(), c.bytes.size(), "bad.file", c.format, doc, ExchangeOptions(), report), -1)
            << c.what;
        ASSERT_EQ(messages.messages.size(), 1u) << c.what;
        std::string message = cp932ToUtf8(messages.messages[0]);
        EXPECT_NE(message.find("bad.file"), std::string::npos) << c.what << ": " << message;
        EXPECT_NE(message.find(c.message), std::string::npos) << c.what << ": " << message;
        EXPECT_EQ(doc.count(), 1) << c.what;
        EXPECT_STREQ(doc.getName(0), "kept") << c.what;
    }
}

// A file over the limit is refused by its size, before a byte of it is read into memory.
class ExchangeFileSize : public ScratchFolder {};

TEST_F(ExchangeFileSize, AFileOverTheLimitIsRefusedUnread) {
    std::string big = path("big.gpx");
    writeBytes(big, "<gpx>");
    std::filesystem::resize_file(big, kMaxExchangeBytes + 1); // sparse: nothing is written
    MessageRecorder messages;
    PointDocument doc(testClock());
    ExchangeReport report;
    EXPECT_EQ(importPoints(big.c_str(), ExchangeFormat::Gpx, doc, ExchangeOptions(), report), -1);
    ASSERT_EQ(messages.messages.size(), 1u);
    EXPECT_NE(cp932ToUtf8(messages.messages[0]).find(u8"大きすぎて読めません"), std::string::npos);

    FileContent content;
    EXPECT_EQ(platformFileSystem().readAll(big.c_str(), content, 4), FileError::TooLarge);
    EXPECT_EQ(content.bytes, nullptr);
}
