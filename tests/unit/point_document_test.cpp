#include "point_document.h"
#include "points_test_support.h"

#include <string>
#include <vector>

namespace {

const FixedClock kClock(LocalTime{2006, 6, 22, 6, 20, 58});

// A document holding points named P0, P1, ... in order.
void fillNamed(PointDocument& doc, int n) {
    for (int i = 0; i < n; ++i) {
        ASSERT_EQ(doc.insertBlank(i), 1);
        doc.setName(i, ("P" + std::to_string(i)).c_str());
    }
}

std::string names(const PointDocument& doc) {
    std::string all;
    for (int i = 0; i < doc.count(); ++i) all += std::string(all.empty() ? "" : " ") + doc.getName(i);
    return all;
}

} // namespace

TEST(PointDocument, NewDocumentIsEmptyAndNewRecordsHoldDefaults) {
    PointDocument doc(kClock);
    EXPECT_EQ(doc.count(), 0);
    EXPECT_FALSE(doc.isModified());
    EXPECT_FALSE(doc.isUsed(0));
    ASSERT_EQ(doc.insertBlank(0), 1);
    EXPECT_TRUE(doc.isModified());
    const PointRecord& r = *doc.recordAt(0);
    EXPECT_STREQ(r.markNumber, "00");
    EXPECT_STREQ(r.soundCode, "FFFF");
    EXPECT_STREQ(r.spare11, "00");
    EXPECT_STREQ(r.directionCode, "00");
    EXPECT_STREQ(r.spare16, "0000");
    EXPECT_STREQ(r.spare23, "01");
    EXPECT_STREQ(r.date, "20060622");
    EXPECT_STREQ(r.time, "062058");
    EXPECT_EQ(r.directionEnabled, 0);
    EXPECT_STREQ(r.name, "");
    EXPECT_STREQ(r.spare18, "");
}

TEST(PointDocument, InsertedRecordNeverInheritsAnotherRecordsFields) {
    PointDocument doc(kClock);
    fillNamed(doc, 3);
    doc.setPhone(2, "03-1111-2222");
    doc.removeAt(2);
    ASSERT_EQ(doc.insertBlank(1), 1);
    ASSERT_EQ(doc.insertBlank(3), 1);
    EXPECT_EQ(names(doc), "P0  P1 ");
    EXPECT_STREQ(doc.getPhone(3), "");
    EXPECT_STREQ(doc.getPhone(1), "");
}

TEST(PointDocument, FillsUpToTwoHundredAndThenRefuses) {
    PointDocument doc(kClock);
    fillNamed(doc, 199);
    EXPECT_EQ(doc.insertBlank(doc.count()), 1);
    EXPECT_EQ(doc.count(), 200);
    doc.setModified(false);
    EXPECT_EQ(doc.insertBlank(0), -1);
    EXPECT_EQ(doc.count(), 200);
    EXPECT_FALSE(doc.isModified());
    EXPECT_STREQ(doc.getName(0), "P0");
    EXPECT_STREQ(doc.getName(198), "P198");

    PointDocument small(kClock);
    EXPECT_EQ(small.insertBlank(200), -1);
    EXPECT_EQ(small.count(), 0);
}

TEST(PointDocument, RemovesOnlyUsedSlots) {
    PointDocument doc(kClock);
    fillNamed(doc, 3);
    EXPECT_EQ(doc.removeAt(2), 0);
    EXPECT_EQ(names(doc), "P0 P1");
    EXPECT_FALSE(doc.isUsed(2));
    doc.setModified(false);
    EXPECT_EQ(doc.removeAt(5), 0);
    EXPECT_FALSE(doc.isModified());
    doc.removeAt(0);
    doc.removeAt(0);
    EXPECT_EQ(doc.count(), 0);
    EXPECT_TRUE(doc.isModified());
}

TEST(PointDocument, MovesARecordBeforeTheTarget) {
    struct Case {
        int to, from;
        const char* expected;
    } cases[] = {
        {0, 3, "P3 P0 P1 P2 P4"},
        {4, 1, "P0 P2 P3 P1 P4"},
        {5, 0, "P1 P2 P3 P4 P0"},
        {2, 2, "P0 P1 P2 P3 P4"},
        {3, 2, "P0 P1 P2 P3 P4"},
    };
    for (const Case& c : cases) {
        PointDocument doc(kClock);
        fillNamed(doc, 5);
        doc.setPhone(c.from, "moved");
        doc.setModified(false);
        doc.moveRecord(c.to, c.from);
        EXPECT_EQ(names(doc), c.expected) << c.to << " <- " << c.from;
        EXPECT_EQ(doc.count(), 5);
        EXPECT_EQ(doc.isModified(), c.to != c.from);
        int landed = c.to > c.from ? c.to - 1 : c.to;
        EXPECT_STREQ(doc.getPhone(landed), "moved");
    }
}

TEST(PointDocument, MovingInAFullListKeepsAllRecords) {
    PointDocument doc(kClock);
    fillNamed(doc, 200);
    doc.moveRecord(200, 0);
    doc.moveRecord(0, 199);
    EXPECT_EQ(doc.count(), 200);
    EXPECT_STREQ(doc.getName(0), "P0");
    EXPECT_STREQ(doc.getName(1), "P1");
    EXPECT_STREQ(doc.getName(199), "P199");
}

TEST(PointDocument, SettersCutAndMarkModifiedOnlyOnChange) {
    PointDocument doc(kClock);
    fillNamed(doc, 1);
    doc.setModified(false);
    doc.setName(0, "P0");
    EXPECT_FALSE(doc.isModified());
    doc.setName(0, "あいうえおかきくけこさ");
    EXPECT_TRUE(doc.isModified());
    EXPECT_STREQ(doc.getName(0), "あいうえおかきくけこ");
    doc.setVoiceWord(0, "abcdefghijklmnopqrsア");
    EXPECT_STREQ(doc.getVoiceWord(0), "abcdefghijklmnopqrs");
    // Other fields are cut only at their buffer: phone holds 21 bytes.
    doc.setPhone(0, "0123456789012345678901234");
    EXPECT_STREQ(doc.getPhone(0), "012345678901234567890");
    doc.setModified(false);
    doc.setDirectionEnabled(0, 0);
    EXPECT_FALSE(doc.isModified());
    doc.setDirectionEnabled(0, 1);
    EXPECT_TRUE(doc.isModified());
    // A free position is never written.
    doc.setName(1, "nowhere");
    EXPECT_EQ(doc.count(), 1);
    EXPECT_STREQ(doc.getName(1), "");
}

TEST(PointDocument, ClearAllKeepsTheModifiedMark) {
    PointDocument doc(kClock);
    fillNamed(doc, 2);
    doc.setModified(false);
    doc.clearAll();
    EXPECT_EQ(doc.count(), 0);
    EXPECT_FALSE(doc.isModified());
}

TEST(SoundCodeTable, LooksUpByPositionIgnoringLetterCase) {
    EXPECT_EQ(PointDocument::soundIndexOfCode("00c4"), 64);
    EXPECT_EQ(PointDocument::soundIndexOfCode("00C4"), 64);
    EXPECT_EQ(PointDocument::soundIndexOfCode(""), 0);
    EXPECT_EQ(PointDocument::soundIndexOfCode("1234"), 0);
    EXPECT_EQ(PointDocument::soundIndexOfCode("005a"), 1);
    EXPECT_EQ(PointDocument::soundIndexOfCode("023D"), 30);
    EXPECT_STREQ(PointDocument::soundCodeAt(31), "0004");
    EXPECT_STREQ(PointDocument::soundNameAt(0), "設定なし");
    EXPECT_STREQ(PointDocument::soundNameAt(64), "マンボ");
    EXPECT_STREQ(PointDocument::directionNameAt(3), "南東");
    EXPECT_STREQ(PointDocument::directionNameAt(7), "北西");
    EXPECT_STREQ(PointDocument::directionNameAt(8), "");
}
