#include "point_history.h"
#include "points_test_support.h"

#include <cstring>
#include <string>

namespace {

const FixedClock kClock(LocalTime{2006, 6, 22, 6, 20, 58});

std::string names(const PointDocument& doc) {
    std::string all;
    for (int i = 0; i < doc.count(); ++i)
        all += std::string(i == 0 ? "" : " ") + doc.getName(i);
    return all;
}

// A record as a file brings it: every field set, spare ones included.
PointRecord fileRecord(const char* name) {
    PointRecord r = {};
    std::strcpy(r.markNumber, "07");
    std::strcpy(r.name, name);
    std::strcpy(r.longitude, "139/46/01.7");
    std::strcpy(r.latitude, "035/40/52.4");
    std::strcpy(r.soundCode, "1234");
    std::strcpy(r.spare11, "99");
    r.directionEnabled = 1;
    std::strcpy(r.directionCode, "12");
    std::strcpy(r.spare17, "kept");
    std::strcpy(r.spare18, "kept too");
    std::strcpy(r.date, "1999/12/31");
    std::strcpy(r.time, "23:59:59");
    std::strcpy(r.spare23, "02");
    return r;
}

// P0 .. P(n-1) as read from a file: unmodified, with a fresh history.
void loadNamed(PointDocument& doc, PointHistory& history, int n) {
    for (int i = 0; i < n; ++i) {
        PointRecord r = fileRecord(("P" + std::to_string(i)).c_str());
        ASSERT_EQ(doc.replaceRecords(i, 0, &r, 1), 1);
    }
    doc.setModified(false);
    history.reset(doc);
}

} // namespace

TEST(PointDocument, ReplacesARangeByWholeRecordsWithinTheLimit) {
    PointDocument doc(kClock);
    PointHistory unused;
    loadNamed(doc, unused, 4);
    PointRecord x = fileRecord("X");
    ASSERT_EQ(doc.replaceRecords(1, 2, &x, 1), 1);
    EXPECT_EQ(names(doc), "P0 X P3");
    EXPECT_EQ(std::memcmp(doc.recordAt(1), &x, sizeof x), 0);
    EXPECT_TRUE(doc.isModified());
    EXPECT_EQ(doc.replaceRecords(2, 2, &x, 1), -1);
    std::vector<PointRecord> many(198, x);
    EXPECT_EQ(doc.replaceRecords(0, 0, many.data(), 198), -1);
    EXPECT_EQ(names(doc), "P0 X P3");
}

TEST(PointHistory, UndoAndRedoBringBackWholeRecordsOfEveryKindOfChange) {
    PointDocument doc(kClock);
    PointHistory history;
    loadNamed(doc, history, 5);
    PointRecord before = *doc.recordAt(2);

    doc.setName(2, "changed");
    doc.setSoundCode(2, "FFFF");
    ASSERT_TRUE(history.record(doc));
    doc.insertBlank(0);
    ASSERT_TRUE(history.record(doc));
    doc.removeAt(4);
    doc.removeAt(1);
    ASSERT_TRUE(history.record(doc));
    doc.moveRecord(0, 3);
    ASSERT_TRUE(history.record(doc));
    const std::string last = names(doc);
    EXPECT_EQ(last, "P4  P1 changed");

    const char* back[] = {" P1 changed P4", " P0 P1 changed P3 P4", "P0 P1 changed P3 P4", "P0 P1 P2 P3 P4"};
    for (const char* expected : back) {
        ASSERT_TRUE(history.undo(doc));
        EXPECT_EQ(names(doc), expected);
    }
    EXPECT_FALSE(history.undo(doc));
    EXPECT_EQ(std::memcmp(doc.recordAt(2), &before, sizeof before), 0);
    EXPECT_FALSE(doc.isModified());

    for (int i = 0; i < 4; ++i)
        ASSERT_TRUE(history.redo(doc));
    EXPECT_FALSE(history.redo(doc));
    EXPECT_EQ(names(doc), last);
    EXPECT_TRUE(doc.isModified());
    EXPECT_STREQ(doc.getSoundCode(3), "FFFF");
    EXPECT_STREQ(doc.recordAt(0)->spare18, "kept too");
}

TEST(PointHistory, TellsWhichRecordsAnUndoOrRedoPutInPlace) {
    PointDocument doc(kClock);
    PointHistory history;
    loadNamed(doc, history, 5);
    doc.removeAt(1);
    doc.removeAt(1);
    history.record(doc);
    HistoryRange range;
    ASSERT_TRUE(history.undo(doc, &range));
    EXPECT_EQ(range.first, 1);
    EXPECT_EQ(range.count, 2);
    ASSERT_TRUE(history.redo(doc, &range));
    EXPECT_EQ(range.first, 1);
    EXPECT_EQ(range.count, 0);
}

TEST(PointHistory, KnowsTheSavedStateWhereverItLies) {
    PointDocument doc(kClock);
    PointHistory history;
    loadNamed(doc, history, 2);
    doc.setName(0, "A");
    history.record(doc);
    history.markSaved();
    doc.setModified(false);
    doc.setName(0, "B");
    history.record(doc);

    history.undo(doc);
    EXPECT_FALSE(doc.isModified()); // back at the save
    history.undo(doc);
    EXPECT_TRUE(doc.isModified()); // the file holds "A", not the loaded "P0"
    history.redo(doc);
    EXPECT_FALSE(doc.isModified());

    // A new change after undoing past the save leaves no way back to it.
    history.undo(doc);
    doc.setName(1, "C");
    history.record(doc);
    EXPECT_FALSE(history.canRedo());
    history.undo(doc);
    EXPECT_EQ(names(doc), "P0 P1");
    EXPECT_TRUE(doc.isModified());
}

TEST(PointHistory, KeepsAHundredStepsAndDropsTheOldest) {
    PointDocument doc(kClock);
    PointHistory history;
    loadNamed(doc, history, 1);
    for (int i = 1; i <= 101; ++i) {
        doc.setName(0, ("N" + std::to_string(i)).c_str());
        ASSERT_TRUE(history.record(doc));
    }
    int undone = 0;
    while (history.undo(doc))
        ++undone;
    EXPECT_EQ(undone, 100);
    EXPECT_STREQ(doc.getName(0), "N1");
    // The loaded state is gone with the oldest step, so nothing here is what the file holds.
    EXPECT_TRUE(doc.isModified());
}

TEST(PointHistory, AChangeNobodyRecordedIsNotLostByAnUndo) {
    PointDocument doc(kClock);
    PointHistory history;
    loadNamed(doc, history, 2);
    EXPECT_FALSE(history.record(doc));
    doc.setName(0, "A");
    history.record(doc);
    doc.setName(1, "B"); // not recorded
    ASSERT_TRUE(history.undo(doc));
    EXPECT_EQ(names(doc), "A P1");
    ASSERT_TRUE(history.undo(doc));
    EXPECT_EQ(names(doc), "P0 P1");
    ASSERT_TRUE(history.redo(doc));
    ASSERT_TRUE(history.redo(doc));
    EXPECT_EQ(names(doc), "A B");
}
