#include "point_document.h"
#include "points_test_support.h"

#include <string>

namespace {

const FixedClock kClock(LocalTime{2006, 6, 22, 10, 30, 0});
const std::string kHeader = "登録ポイント\r\n";
const std::string kTokyoLine =
    "#01\t#00\t#00\t#13946000\t#03540505\t#0800\t#0800\t#0800\t#0800\t#00C4\t#00\t#03\t#東京駅\t#01\t#02\t"
    "#0000\t#\t#\t#\t#\t#トウキョウエキ\t#20060622103000\t#01\t#03-0000-0000\t#B3\r\n";

void addTokyo(PointDocument& doc, int at) {
    ASSERT_EQ(doc.insertBlank(at), 1);
    doc.setMarkNumber(at, "01");
    doc.setName(at, "東京駅");
    doc.setLongitude(at, "139/46/00.0");
    doc.setLatitude(at, "035/40/50.5");
    doc.setVoiceWord(at, "トウキョウエキ");
    doc.setSoundCode(at, "00C4");
    doc.setDirectionEnabled(at, 1);
    doc.setDirectionCode(at, "02");
    doc.setPhone(at, "03-0000-0000");
}

std::string recordLine(const std::string& mark, const std::string& name) {
    return "#" + mark + "\t#00\t#00\t#13946000\t#03540505\t#0800\t#0800\t#0800\t#0800\t#FFFF\t#00\t#03\t#" + name +
           "\t#00\t#00\t#0000\t#\t#\t#\t#\t#\t#20060622103000\t#01\t#\t#B3\r\n";
}

void replaceFirst(std::string& text, const std::string& from, const std::string& to) {
    size_t at = text.find(from);
    ASSERT_NE(at, std::string::npos) << from;
    text.replace(at, from.size(), to);
}

class QpfFile : public ScratchFolder {
  protected:
    // Writes `bytes` as a file and loads it into `doc`; the result of loadFile.
    int loadBytes(PointDocument& doc, const std::string& bytes) {
        writeBytes(path("in.qpf"), bytes);
        return doc.loadFile(path("in.qpf").c_str());
    }
};

} // namespace

TEST_F(QpfFile, WritesTheWorkedExampleByteForByteAndReadsItBack) {
    PointDocument doc(kClock);
    addTokyo(doc, 0);
    ASSERT_EQ(doc.saveFile(path("a.qpf").c_str()), 0);
    EXPECT_EQ(readBytes(path("a.qpf")), kHeader + kTokyoLine);
    EXPECT_TRUE(doc.isModified()) << "saving leaves the mark to the file commands";

    PointDocument back(kClock);
    ASSERT_EQ(back.loadFile(path("a.qpf").c_str()), 0);
    ASSERT_EQ(back.count(), 1);
    EXPECT_FALSE(back.isModified());
    EXPECT_STREQ(back.getName(0), "東京駅");
    EXPECT_STREQ(back.getVoiceWord(0), "トウキョウエキ");
    EXPECT_STREQ(back.getLongitude(0), "139/46/00.0");
    EXPECT_STREQ(back.getLatitude(0), "035/40/50.5");
    EXPECT_STREQ(back.getDate(0), "2006/06/22");
    EXPECT_STREQ(back.getTime(0), "10:30:00");
    EXPECT_EQ(back.getDirectionEnabled(0), 1);
    EXPECT_STREQ(back.getDirectionCode(0), "02");
    EXPECT_STREQ(back.getPhone(0), "03-0000-0000");
    // Written again, the separators of date and time vanish: the same bytes come out.
    ASSERT_EQ(back.saveFile(path("b.qpf").c_str()), 0);
    EXPECT_EQ(readBytes(path("b.qpf")), kHeader + kTokyoLine);
}

TEST_F(QpfFile, EmptyListIsTheHeaderAlone) {
    PointDocument doc(kClock);
    ASSERT_EQ(doc.saveFile(path("e.qpf").c_str()), 0);
    EXPECT_EQ(readBytes(path("e.qpf")).size(), 14u);
    addTokyo(doc, 0);
    ASSERT_EQ(doc.loadFile(path("e.qpf").c_str()), 0);
    EXPECT_EQ(doc.count(), 0);
    EXPECT_FALSE(doc.isModified());
}

TEST_F(QpfFile, ReaderStopsAtTwoHundredRecordsAndAtALeading0xFF) {
    std::string many = kHeader;
    for (int i = 0; i < 250; ++i)
        many += recordLine(std::to_string(i), "N" + std::to_string(i));
    PointDocument doc(kClock);
    ASSERT_EQ(loadBytes(doc, many), 0);
    EXPECT_EQ(doc.count(), 200);
    EXPECT_STREQ(doc.getName(199), "N199");

    ASSERT_EQ(loadBytes(doc, kHeader + recordLine("01", "A") + recordLine("02", "B") + "\xFF" +
                                 recordLine("03", "C") + recordLine("04", "D")),
              0);
    EXPECT_EQ(doc.count(), 2);
    EXPECT_STREQ(doc.getName(1), "B");
}

TEST_F(QpfFile, ReaderSkipsOtherLinesAndToleratesBrokenOnes) {
    // No header, a blank-led line, LF-only endings, runs of LFs and of "#".
    std::string text = recordLine("01", "A") + " " + recordLine("02", "skipped") + "\n\n\nx\n" +
                       "##05##00#00#13946000\n" + "#07\t#00\t#00\t#\t#\n";
    PointDocument doc(kClock);
    ASSERT_EQ(loadBytes(doc, text), 0);
    ASSERT_EQ(doc.count(), 3);
    EXPECT_STREQ(doc.getName(0), "A");
    EXPECT_STREQ(doc.getMarkNumber(1), "05");
    EXPECT_STREQ(doc.getLongitude(1), "139/46/00.0");
    EXPECT_STREQ(doc.getLatitude(1), "000/00/00.0");
    // Fields 1 to 5 only: every later text empty, direction on, bare separators.
    EXPECT_STREQ(doc.getMarkNumber(2), "07");
    EXPECT_STREQ(doc.getLongitude(2), "000/00/00.0");
    EXPECT_STREQ(doc.getName(2), "");
    EXPECT_STREQ(doc.getSoundCode(2), "");
    EXPECT_EQ(doc.getDirectionEnabled(2), 1);
    EXPECT_STREQ(doc.getDate(2), "//");
    EXPECT_STREQ(doc.getTime(2), "::");
}

TEST_F(QpfFile, ReaderTakesTheFirstWordOfTheReadingButTheWholeName) {
    std::string line = recordLine("01", "a b");
    replaceFirst(line, "#\t#2006", "#ア イ\t#2006");
    PointDocument doc(kClock);
    ASSERT_EQ(loadBytes(doc, kHeader + line), 0);
    EXPECT_STREQ(doc.getName(0), "a b");
    EXPECT_STREQ(doc.getVoiceWord(0), "ア");
}

TEST_F(QpfFile, OverLongAndNegativeCoordinatesAreReadSafely) {
    std::string line =
        "#01\t#00\t#00\t#" + std::string(300, '9') + "\t#-3540505\t#" + std::string(500, 'x') + "\r\n";
    PointDocument doc(kClock);
    ASSERT_EQ(loadBytes(doc, line), 0);
    EXPECT_STREQ(doc.getLongitude(0), "21474/83/64.7");
    EXPECT_STREQ(doc.getLatitude(0), "000/00/00.0");
}

TEST_F(QpfFile, NumbersAndStampsInOtherShapesFollowTheGeneralRules) {
    // Written files hold bare digits; any other shape is read by the general rules. A
    // coordinate is its leading digits after blanks and TABs, however many; a stamp loses
    // its TABs and gives the date from its first 8 bytes and the time from its last 6.
    auto line = [](const std::string& lon, const std::string& lat, const std::string& stamp) {
        std::string text = kTokyoLine;
        replaceFirst(text, "#13946000\t#03540505\t", "#" + lon + "\t#" + lat + "\t");
        replaceFirst(text, "#20060622103000\t", "#" + stamp + "\t");
        return text;
    };
    const struct {
        std::string longitude, latitude, stamp; // as in the file
        const char* read[4];                    // longitude, latitude, date, time
    } shapes[] = {
        {"139\t46000",
         "0000000000003540505",
         "2006\t0622\t103000",
         {"000/00/13.9", "035/40/50.5", "2006/06/22", "10:30:00"}},
        {std::string(70, ' ') + "123456",
         "12345678x",
         "20060622-1030",
         {"001/23/45.6", "123/45/67.8", "2006/06/22", "2-:10:30"}},
        {"1234567890", " \t35\t", "2006062", {"12345/67/89.0", "000/00/03.5", "2006/06/2", "00:60:62"}},
        {"\t \t7\t8",
         "12 34",
         "20060622" + std::string(60, 'x') + "12\t34\t56",
         {"000/00/00.7", "000/00/01.2", "2006/06/22", "12:34:56"}},
    };
    std::string text = kHeader;
    for (const auto& shape : shapes)
        text += line(shape.longitude, shape.latitude, shape.stamp);
    PointDocument doc(kClock);
    ASSERT_EQ(loadBytes(doc, text), 0);
    ASSERT_EQ(doc.count(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_STREQ(doc.getLongitude(i), shapes[i].read[0]) << i;
        EXPECT_STREQ(doc.getLatitude(i), shapes[i].read[1]) << i;
        EXPECT_STREQ(doc.getDate(i), shapes[i].read[2]) << i;
        EXPECT_STREQ(doc.getTime(i), shapes[i].read[3]) << i;
        EXPECT_STREQ(doc.getPhone(i), "03-0000-0000") << "the fields after stay in place";
    }
}

TEST_F(QpfFile, NameCountAndEmptyCoordinatesAreWritten) {
    PointDocument doc(kClock);
    doc.insertBlank(0);
    doc.setName(0, "abcdefghijklmnopqrst");
    ASSERT_EQ(doc.saveFile(path("c.qpf").c_str()), 0);
    std::string bytes = readBytes(path("c.qpf"));
    EXPECT_NE(bytes.find("#00000000\t#00000000\t"), std::string::npos);
    EXPECT_NE(bytes.find("#20\t#abcdefghijklmnopqrst\t"), std::string::npos);
    EXPECT_NE(bytes.find("#00\r\n"), std::string::npos);
}

TEST_F(QpfFile, AHashTypedIntoANameKeepsEveryLaterFieldInPlace) {
    PointDocument doc(kClock);
    addTokyo(doc, 0);
    doc.setName(0, "A#B\tC");
    doc.setPhone(0, "03#1");
    ASSERT_EQ(doc.saveFile(path("h.qpf").c_str()), 0);
    PointDocument back(kClock);
    ASSERT_EQ(back.loadFile(path("h.qpf").c_str()), 0);
    EXPECT_STREQ(back.getName(0), "A＃B C");
    EXPECT_STREQ(back.getDirectionCode(0), "02");
    EXPECT_STREQ(back.getVoiceWord(0), "トウキョウエキ");
    EXPECT_STREQ(back.getPhone(0), "03＃1");
    EXPECT_STREQ(back.getDate(0), "2006/06/22");
}

TEST_F(QpfFile, RefusesOtherExtensionsBeforeTouchingTheFile) {
    MessageRecorder recorder;
    PointDocument doc(kClock);
    addTokyo(doc, 0);
    for (const char* name : {"a.qpf.txt", "a", "a.qp", "a.qpfx"}) {
        writeBytes(path(name), kHeader);
        EXPECT_EQ(doc.loadFile(path(name).c_str()), -1) << name;
    }
    ASSERT_EQ(recorder.messages.size(), 4u);
    EXPECT_EQ(recorder.messages[0], path("a.qpf.txt") + "\n    は認識できないファイルです");
    EXPECT_EQ(doc.count(), 1);
    EXPECT_TRUE(doc.isModified());
    for (const char* name : {"b.qpf", "B.Qpf", "C.QPF"}) {
        writeBytes(path(name), kHeader);
        EXPECT_EQ(doc.loadFile(path(name).c_str()), 0) << name;
    }
}

TEST_F(QpfFile, RoundTripKeepsSpareFields) {
    std::string line = kTokyoLine;
    replaceFirst(line, "#0000\t#\t#\t#\t#\t", "#1234\t#s17\t#s18\t#s19\t#s20\t");
    replaceFirst(line, "#01\t#03-0000", "#09\t#03-0000");
    PointDocument doc(kClock);
    ASSERT_EQ(loadBytes(doc, kHeader + line), 0);
    ASSERT_EQ(doc.saveFile(path("t.qpf").c_str()), 0);
    EXPECT_EQ(readBytes(path("t.qpf")), kHeader + line);
}
