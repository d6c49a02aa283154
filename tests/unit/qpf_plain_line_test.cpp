// The word-wide reading of plain record lines against the byte-wise reading: the same
// records byte for byte, including what lies beyond each terminator.
#include "point_document.h"
#include "qpf_format.h"
#include "qpf_plain_line.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

// The worked example's 24 values.
std::vector<std::string> exampleValues() {
    return {"01", "00", "00", "13946000", "03540505", "0800", "0800", "0800", "0800", "00C4", "00", "03",
            "東京駅", "01", "02", "0000", "", "", "", "", "トウキョウエキ", "20060622103000", "01",
            "03-0000-0000"};
}

std::string line(const std::vector<std::string>& values, const std::string& tail = "B3\r\n") {
    std::string text;
    for (const std::string& v : values) text += "#" + v + "\t";
    return text + "#" + tail;
}

std::string withValue(int field, const std::string& value) {
    std::vector<std::string> values = exampleValues();
    values[static_cast<size_t>(field - 1)] = value;
    return line(values);
}

// Parses `bytes` (an exactly sized copy) both ways into records that held the same bytes.
void expectSameRecords(const std::string& bytes) {
    std::vector<char> exact(bytes.begin(), bytes.end());
    std::vector<PointRecord> a(4), b(4);
    for (size_t i = 0; i < sizeof(PointRecord) * 4; ++i)
        reinterpret_cast<unsigned char*>(a.data())[i] = reinterpret_cast<unsigned char*>(b.data())[i] =
            static_cast<unsigned char>(i * 37 + 11);
    ASSERT_EQ(parseQpf(exact.data(), exact.size(), a.data(), 4), parseQpfByteWise(exact.data(), exact.size(), b.data(), 4));
    EXPECT_EQ(std::memcmp(a.data(), b.data(), sizeof(PointRecord) * 4), 0);
}

bool isPlain(const std::string& text) {
    PointRecord r;
    return readPlainLine(text.data(), text.data() + text.size(), r) != nullptr;
}

} // namespace

TEST(PlainLine, EdgeValuesReadAsTheByteWiseReaderReadsThem) {
    const std::string longName = std::string(61, 'a') + "東京"; // a double-byte character at the cut
    const struct {
        int field;
        std::string value;
    } cases[] = {
        {1, ""}, {1, "1234567"}, {1, "12345678"}, {1, "123456\x81\x40"},
        {11, "123456789"}, {11, "1234567890"}, {24, std::string(21, '9')}, {24, std::string(22, '9')},
        {18, std::string(127, 'x')}, {18, std::string(128, 'x')}, {13, longName}, {13, "a b"},
        {21, "ア イ"}, {21, "  ア"}, {21, "   "}, {21, std::string(70, '\x83')},
        {4, ""}, {4, "1394600"}, {4, "139460000"}, {4, "1394:000"}, {4, "139/6000"}, {4, " 13946000"},
        {4, "99999999999"}, {5, "0354050\x80"},
        {22, ""}, {22, "2006062"}, {22, "20060622"}, {22, "2006062210300"}, {22, "20060622103000123"},
        {14, "00"}, {14, "0"}, {14, "000"}, {14, "01"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("field " + std::to_string(c.field) + " value " + c.value);
        std::string text = withValue(c.field, c.value);
        EXPECT_TRUE(isPlain(text + text));
        expectSameRecords("header\r\n" + text + text);
    }
}

TEST(PlainLine, OtherLinesAndTheEndOfTheFileTakeTheByteWiseReading) {
    const std::string example = line(exampleValues());
    const std::string notPlain[] = {
        withValue(13, "a\tb"),                 // a TAB inside a value
        withValue(13, "a#b"),                  // one field too many
        withValue(13, std::string("a\0b", 3)), // a zero byte
        "##" + example.substr(1),              // a run of "#"
        line(std::vector<std::string>(23, "1")), // 24 fields only
    };
    for (const std::string& text : notPlain) {
        EXPECT_FALSE(isPlain(text + "\n" + example));
        expectSameRecords(text);
        expectSameRecords(example + text + "\n" + example);
    }
    // 8 bytes from the 25th "#" are needed, 7 are not; without a LF the line ends at the
    // file's end.
    EXPECT_FALSE(isPlain(line(exampleValues(), "B3\r\n12")));
    expectSameRecords(line(exampleValues(), "B3\r\n12"));
    EXPECT_TRUE(isPlain(line(exampleValues(), "B3\r\n123")));
    expectSameRecords(line(exampleValues(), "B3\r\n123"));
    EXPECT_TRUE(isPlain(line(exampleValues(), "B3xxxxx")));
    expectSameRecords(line(exampleValues(), "B3xxxxx") + line(exampleValues(), "B3xxxxx"));
}
