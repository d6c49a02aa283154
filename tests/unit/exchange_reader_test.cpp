// The readers on the variants that files from elsewhere show, and the writers' own changes.
#include "exchange_test_support.h"

#include <gtest/gtest.h>

#include <miniz.h>

#include <cstring>

namespace {

// "name@lon,lat; ..." then " | " and the report lines joined by "; " (all UTF-8).
std::string Read(ExchangeFormat format, const std::string& bytes) {
    MessageRecorder messages;
    PointDocument doc(testClock());
    ExchangeReport report;
    if (readPoints(bytes.data(), bytes.size(), "in", format, doc, ExchangeOptions(), report) != 0) {
        return "<refused> " + (messages.messages.empty() ? "" : cp932ToUtf8(messages.messages[0]));
    }
    std::string out;
    for (int i = 0; i < doc.count(); ++i) {
        out += (i ? "; " : "") + cp932ToUtf8(doc.getName(i)) + "@" + doc.getLongitude(i) + "," + doc.getLatitude(i);
        if (*doc.getPhone(i)) out += std::string(" tel ") + doc.getPhone(i);
        if (*doc.getVoiceWord(i)) out += " " + cp932ToUtf8(doc.getVoiceWord(i));
    }
    std::string lines = reportText(report);
    for (char& c : lines) {
        if (c == '\n') c = ';';
    }
    return lines.empty() ? out : out + " | " + lines;
}

std::string utf16le(const std::string& ascii) {
    std::string out = "\xFF\xFE";
    for (char c : ascii) {
        out += c;
        out += '\0';
    }
    return out;
}

std::string zipOf(const char* entry, const std::string& bytes) {
    mz_zip_archive zip;
    std::memset(&zip, 0, sizeof zip);
    void* archive = nullptr;
    size_t size = 0;
    mz_zip_writer_init_heap(&zip, 0, 0);
    mz_zip_writer_add_mem(&zip, "images/x.png", "png", 3, MZ_NO_COMPRESSION);
    mz_zip_writer_add_mem(&zip, entry, bytes.data(), bytes.size(), MZ_DEFAULT_COMPRESSION);
    mz_zip_writer_finalize_heap_archive(&zip, &archive, &size);
    std::string out(static_cast<const char*>(archive), size);
    mz_free(archive);
    mz_zip_writer_end(&zip);
    return out;
}

const char kPoint[] = "<Placemark><name>P</name><Point><coordinates>139.5,35.5</coordinates></Point></Placemark>";

} // namespace

TEST(ExchangeReader, ReadsTheVariantsFilesFromElsewhereShow) {
    std::string many = "<kml><Document>";
    for (int i = 0; i < 250; ++i) many += kPoint;
    many += "</Document></kml>";
    struct Case {
        const char* what;
        ExchangeFormat format;
        std::string bytes;
        const char* expected;
    } cases[] = {
        {"KML with a namespace prefix and coordinates across lines", ExchangeFormat::Kml,
         "<k:kml xmlns:k=\"http://www.opengis.net/kml/2.2\"><k:Folder><k:Placemark><k:name>N</k:name><k:Point>"
         "<k:coordinates>\n  139.5 ,\n 35.5 , 10 \n 140,36</k:coordinates></k:Point></k:Placemark></k:Folder></k:kml>",
         "N@139/30/00.0,035/30/00.0"},
        {"KML that only links to another", ExchangeFormat::Kml,
         "<kml><NetworkLink><Link><href>http://example.invalid/a.kml</href></Link></NetworkLink></kml>",
         u8" | ネットワーク リンク 1 個は読みませんでした (リンク先のファイルを読み込んでください);"},
        {"KML declared Shift_JIS", ExchangeFormat::Kml,
         "<?xml version=\"1.0\" encoding=\"Shift_JIS\"?><kml><Placemark><name>\x93\x8c\x8b\x9e</name><Point>"
         "<coordinates>139.5,35.5</coordinates></Point></Placemark></kml>",
         u8"東京@139/30/00.0,035/30/00.0"},
        {"more than 200 placemarks", ExchangeFormat::Kml, many, nullptr},
        {"KMZ without doc.kml", ExchangeFormat::Kmz, zipOf("layers/first.kml", std::string("<kml>") + kPoint + "</kml>"),
         "P@139/30/00.0,035/30/00.0"},
        {"GPX 1.0 with our fields straight in the waypoint and a decimal comma", ExchangeFormat::Gpx,
         "<gpx version=\"1.0\" xmlns=\"http://www.topografix.com/GPX/1/0\" xmlns:q=\"urn:tenmark:point:1\">"
         "<wpt lat=\"35,5\" lon=\"139.5\"><time>2020-01-01T00:00:00Z</time><name>W</name><q:phone>03</q:phone>"
         "<other:phone xmlns:other=\"urn:other\">99</other:phone></wpt></gpx>",
         "W@139/30/00.0,035/30/00.0 tel 03"},
        {"CSV in UTF-16 with TABs", ExchangeFormat::Csv, utf16le("name\tlat\tlon\r\nT\t35.5\t139.5\r\n"),
         "T@139/30/00.0,035/30/00.0"},
        {"CSV with a BOM, semicolons and both our and alias names", ExchangeFormat::Csv,
         "\xEF\xBB\xBFlat;latitude;lon;longitude;tel;name\n1;35.5;2;139.5; 03 ;S\n", "S@139/30/00.0,035/30/00.0 tel  03 "},
        {"CSV whose first row is data even though a cell reads like a name", ExchangeFormat::Csv,
         "139.5,35.5,x\n140,36,y\n", "x@139/30/00.0,035/30/00.0; y@140/00/00.0,036/00/00.0"},
        {"GeoJSON bare Point", ExchangeFormat::GeoJson, "{\"type\":\"Point\",\"coordinates\":[139.5,35.5]}",
         "@139/30/00.0,035/30/00.0"},
        {"GeoJSON Feature in a GeometryCollection and an empty MultiPoint", ExchangeFormat::GeoJson,
         "{\"type\":\"FeatureCollection\",\"features\":[{\"type\":\"Feature\",\"properties\":{\"name\":\"G\"},"
         "\"geometry\":{\"type\":\"GeometryCollection\",\"geometries\":[{\"type\":\"LineString\",\"coordinates\":[]},"
         "{\"type\":\"Point\",\"coordinates\":[139.5,35.5]}]}},{\"type\":\"Feature\",\"properties\":null,"
         "\"geometry\":{\"type\":\"MultiPoint\",\"coordinates\":[]}}]}",
         u8"G@139/30/00.0,035/30/00.0 | 座標がないか読めない 1 地点は読みませんでした;"},
    };
    for (const Case& c : cases) {
        std::string got = Read(c.format, c.bytes);
        if (c.expected) {
            EXPECT_EQ(got, c.expected) << c.what;
        }
    }
    std::string got = Read(ExchangeFormat::Kml, many);
    EXPECT_NE(got.find(u8"200 地点を超える 50 地点は読みませんでした"), std::string::npos) << got;
    EXPECT_EQ(std::count(got.begin(), got.end(), '@'), 200);
}

TEST(ExchangeReader, WritersSayWhatTheFormatCannotHold) {
    PointDocument doc(testClock());
    doc.insertBlank(0);
    PointRecord r = *doc.recordAt(0);
    std::strcpy(r.name, "a\x01" "b");   // XML 1.0 has no control characters
    std::strcpy(r.spare17, "\x85\x40"); // no cp932 character
    doc.replaceRecord(0, r);
    ExchangeReport xml, csv;
    writePoints(ExchangeFormat::Kml, doc, ExchangeOptions(), xml);
    EXPECT_EQ(reportText(xml), u8"地点 1 の name: XML に書けない制御文字 1 個を \"?\" にしました\n"
                               u8"地点 1 の spare17: cp932 の文字でないバイトを U+FFFD にしました\n");
    std::string written = writePoints(ExchangeFormat::Csv, doc, ExchangeOptions(), csv);
    EXPECT_EQ(reportText(csv), u8"地点 1 の spare17: cp932 の文字でないバイトを U+FFFD にしました\n");
    EXPECT_NE(written.find("a\x01" "b"), std::string::npos);
}

TEST(ExchangeReader, FormatComesFromTheExtensionInAnyCase) {
    struct Case {
        const char* path;
        bool known;
        ExchangeFormat format;
    } cases[] = {
        {"a.GPX", true, ExchangeFormat::Gpx},        {"dir.kml/b.Kmz", true, ExchangeFormat::Kmz},
        {"c.json", true, ExchangeFormat::GeoJson},   {"d.geojson", true, ExchangeFormat::GeoJson},
        {"e.qpf", true, ExchangeFormat::Qpf},        {"f.CSV", true, ExchangeFormat::Csv},
        {"g.txt", false, ExchangeFormat::Qpf},       {"kml", false, ExchangeFormat::Qpf},
        {"\x95\x5c.kml", true, ExchangeFormat::Kml}, {"h.kml.bak", false, ExchangeFormat::Qpf},
    };
    for (const Case& c : cases) {
        ExchangeFormat f = ExchangeFormat::Qpf;
        EXPECT_EQ(exchangeFormatFromPath(c.path, f), c.known) << c.path;
        if (c.known) {
            EXPECT_EQ(f, c.format) << c.path;
        }
    }
}
