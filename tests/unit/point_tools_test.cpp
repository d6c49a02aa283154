// Finding, duplicate finding and sorting of the main points.
#include "point_duplicates.h"
#include "point_find.h"
#include "point_sort.h"
#include "points_test_support.h"

#include <string>
#include <vector>

namespace {

const FixedClock kClock(LocalTime{2006, 6, 22, 6, 20, 58});

struct Point {
    const char* name;
    const char* reading;
    const char* longitude;
    const char* latitude;
    const char* mark;
    const char* phone;
};

void fill(PointDocument& doc, const std::vector<Point>& points) {
    for (const Point& p : points) {
        int i = doc.count();
        ASSERT_EQ(doc.insertBlank(i), 1);
        doc.setName(i, p.name);
        doc.setVoiceWord(i, p.reading);
        doc.setLongitude(i, p.longitude);
        doc.setLatitude(i, p.latitude);
        doc.setMarkNumber(i, p.mark);
        doc.setPhone(i, p.phone);
    }
}

std::string names(const PointDocument& doc) {
    std::string all;
    for (int i = 0; i < doc.count(); ++i)
        all += std::string(i == 0 ? "" : " ") + doc.getName(i);
    return all;
}

} // namespace

TEST(FindText, MatchesTheFormsPeopleTypeAlike) {
    struct Case {
        const char* stored;
        const char* typed;
        bool found;
    } cases[] = {
        {"トウキョウエキ", "ｷｮｳ", true},
        {"ｶﾞｿﾘﾝｽﾀﾝﾄﾞ", "ガソリン", true},
        {"ガソリン", "ｶﾞｿ", true},
        {"パン屋", "ﾊﾟﾝ", true},
        {"ハンバーガー", "ﾊﾟﾝ", false},
        {"ヴィラ", "ｳﾞｨ", true},
        {"ウィ", "ｳﾞｨ", false},
        {"ｶﾞ", "カ", false},
        {"ＡＢＣマート", "abc", true},
        {"abc", "ＡＢＣ", true},
        {"ＴＥＬ０３－１２３４", "03-12", true},
        {"おんせん", "オンセン", true},
        {"ムーン", "むーん", true},
        {"東京駅", "京駅", true},
        // The trail byte of ア is "A": a match never starts inside a character.
        {"ア", "A", false},
        {"ﾅﾞ", "ナ゛", true},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(containsFolded(foldForFind(c.stored), foldForFind(c.typed)), c.found)
            << c.stored << " / " << c.typed;
    }
}

TEST(FindText, FindsTheNextPointByNameReadingOrPhoneGoingRound) {
    PointDocument doc(kClock);
    fill(doc, {{"駅前", "エキマエ", "", "", "01", ""},
               {"公園", "コウエン", "", "", "01", "03-1111"},
               {"駅裏", "ｴｷｳﾗ", "", "", "01", ""},
               {"港", "ミナト", "", "", "01", "045-222"}});
    EXPECT_EQ(findNextPoint(doc, "エキ", -1), 0);
    EXPECT_EQ(findNextPoint(doc, "エキ", 0), 2);
    EXPECT_EQ(findNextPoint(doc, "エキ", 2), 0);
    EXPECT_EQ(findNextPoint(doc, "１１１", 3), 1);
    EXPECT_EQ(findNextPoint(doc, "港", 3), 3);
    EXPECT_EQ(findNextPoint(doc, "空港", -1), -1);
    EXPECT_EQ(findNextPoint(doc, "", -1), -1);
}

TEST(Duplicates, MarksPointsNearAnotherOrSharingItsName) {
    // At 35.68 N one second of latitude is 30.8 m and one of longitude 25.1 m.
    PointDocument doc(kClock);
    fill(doc, {{"A", "", "139/46/00.0", "035/40/50.0", "01", ""},
               {"B", "", "139/46/00.0", "035/40/50.9", "01", ""}, // 27.8 m north of A
               {"C", "", "139/47/00.0", "035/40/50.0", "01", ""},
               {"D", "", "139/47/01.2", "035/40/50.0", "01", ""}, // 30.1 m east of C
               {"E", "", "139/50/00.0", "035/41/00.0", "01", ""},
               {"E", "", "", "", "01", ""}, // same name, no position
               {"", "", "139/55/00.0", "035/42/00.0", "01", ""},
               {"", "", "139/58/00.0", "035/42/00.0", "01", ""}, // empty names are no match
               {"G", "", "139/59/00.0", "", "01", ""},
               {"H", "", "139/59/00.0", "", "01", ""}}); // no latitude: no position
    std::vector<bool> marked;
    EXPECT_EQ(findDuplicates(doc, marked), 4);
    EXPECT_EQ(marked, (std::vector<bool>{true, true, false, false, true, true, false, false, false, false}));
    EXPECT_EQ(findDuplicates(doc, marked, 31.0), 6);
    EXPECT_TRUE(marked[2] && marked[3]);
}

TEST(Sorting, OrdersByEachKeyStablyWithMissingValuesLast) {
    struct Case {
        SortKey key;
        bool descending;
        const char* expected;
    } cases[] = {
        {SortKey::Name, false, "ｲ1 イ2 ウ - -"},     {SortKey::Name, true, "ウ イ2 ｲ1 - -"},
        {SortKey::Reading, false, "ｲ1 イ2 - ウ -"},  {SortKey::Longitude, false, "ｲ1 ウ イ2 - -"},
        {SortKey::Longitude, true, "イ2 ウ ｲ1 - -"}, {SortKey::Latitude, false, "イ2 - ｲ1 ウ -"},
        {SortKey::Mark, false, "- - ウ ｲ1 イ2"},     {SortKey::Mark, true, "ｲ1 イ2 ウ - -"},
    };
    for (const Case& c : cases) {
        PointDocument doc(kClock);
        // The two nameless points, told apart by their phones, show that equal ones keep their order.
        fill(doc, {{"", "カ", "", "035/00/00.0", "05", "x"},
                   {"ｲ1", "ア", "99/59/59.9", "35/00/00.0", "10", ""},
                   {"ウ", "", "139/46/00.0", "036/00/00.0", "07", ""},
                   {"イ2", "ｱ", "139/46/00.1", "034/00/00.0", "10", ""},
                   {"", "", "", "", "05", "y"}});
        doc.setModified(false);
        ASSERT_TRUE(sortPoints(doc, c.key, c.descending)) << static_cast<int>(c.key);
        std::string got;
        for (int i = 0; i < doc.count(); ++i) {
            std::string name = doc.getName(i);
            if (name.empty()) name = "-";
            got += (i == 0 ? "" : " ") + name;
        }
        EXPECT_EQ(got, c.expected) << static_cast<int>(c.key) << (c.descending ? " descending" : "");
        EXPECT_TRUE(doc.isModified());
        int x = -1, y = -1;
        for (int i = 0; i < doc.count(); ++i) {
            if (std::string(doc.getPhone(i)) == "x") x = i;
            if (std::string(doc.getPhone(i)) == "y") y = i;
        }
        EXPECT_LT(x, y);
    }
}

TEST(Sorting, AnOrderThatStandsIsNoChangeAndTheSameKeyAgainReverses) {
    PointDocument doc(kClock);
    fill(doc, {{"A", "", "", "", "01", ""}, {"B", "", "", "", "02", ""}});
    doc.setModified(false);
    EXPECT_FALSE(sortPoints(doc, SortKey::Name, false));
    EXPECT_FALSE(doc.isModified());
    EXPECT_EQ(names(doc), "A B");

    SortDirection direction;
    EXPECT_FALSE(direction.next(SortKey::Name));
    EXPECT_TRUE(direction.next(SortKey::Name));
    EXPECT_FALSE(direction.next(SortKey::Name));
    EXPECT_FALSE(direction.next(SortKey::Mark));
    EXPECT_TRUE(direction.next(SortKey::Mark));
    direction.reset();
    EXPECT_FALSE(direction.next(SortKey::Mark));
}

TEST(Sorting, TellsWhereEachPointCameFrom) {
    PointDocument doc(kClock);
    fill(doc, {{"C", "", "", "", "01", ""}, {"A", "", "", "", "01", ""}, {"B", "", "", "", "01", ""}});
    std::vector<int> previous;
    ASSERT_TRUE(sortPoints(doc, SortKey::Name, false, &previous));
    EXPECT_EQ(previous, (std::vector<int>{1, 2, 0}));
}
