// The point edit dialog, run modally for real and driven through its controls.
#include "editing_dialog_driver.h"
#include "editing_test_support.h"

#include "edit_dialog_ids.h"
#include "point_document.h"
#include "point_edit_dialog.h"
#include "editor_texts.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <functional>
#include <string>

using namespace editing_test;

namespace {

const wchar_t kCaption[] = L"編集";
constexpr int kKoujichu = 2; // "工事中" in the sound list

class PointEditDialogTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        InitControls();
        setMessageNotifier(&notifier_);
    }
    static void TearDownTestSuite() { setMessageNotifier(nullptr); }

    // Appends a point with these fields and clears the document's modified mark.
    int AddPoint(const char* mark, const char* sound, const char* direction, int directionEnabled,
                 const char* name = "地点") {
        int i = document_.count();
        document_.insertBlank(i);
        document_.setName(i, name);
        document_.setLongitude(i, "139/45/12.3");
        document_.setLatitude(i, "035/40/01.2");
        document_.setVoiceWord(i, "チテン");
        document_.setPhone(i, "03-1234-5678");
        document_.setMarkNumber(i, mark);
        document_.setSoundCode(i, sound);
        document_.setDirectionCode(i, direction);
        document_.setDirectionEnabled(i, directionEnabled);
        document_.setModified(false);
        return i;
    }

    // Runs EditPoint while `script` drives the dialog it opens.
    int Edit(bool isNew, int index, const std::function<void(const Driver&, HWND)>& script) {
        MarkIconSource icons = [this](int k) { return marks_.Make(k); };
        return RunDriven([&] { return EditPoint(nullptr, document_, icons, isNew, index); },
                         [&](const Driver& driver) {
                             HWND dialog = driver.WaitForDialog(kCaption);
                             ASSERT_NE(dialog, nullptr) << "the edit dialog did not open";
                             script(driver, dialog);
                         });
    }

    static int PreviewMark(HWND dialog) {
        auto icon =
            reinterpret_cast<HICON>(SendDlgItemMessageW(dialog, IDC_EDIT_MARK_PREVIEW, STM_GETICON, 0, 0));
        int index = TestMarkIcons::IndexOf(icon);
        return index < 0 ? 0 : index + 1;
    }

    static BoxNotifier notifier_;
    FixedClock clock_;
    PointDocument document_{clock_};
    TestMarkIcons marks_;
};

BoxNotifier PointEditDialogTest::notifier_;

TEST_F(PointEditDialogTest, NewPointWithDefaultsStoresTheDefaultsOfANewRecord) {
    std::string name, mark, date, sound;
    bool dateEnabled = true, timeEnabled = true, commentEnabled = true, on = true, off = true,
         offChecked = false;
    int preview = -1, selection = -1;
    int result = Edit(true, 0, [&](const Driver& d, HWND dialog) {
        name = d.TextCp932(dialog, IDC_EDIT_NAME);
        mark = d.TextCp932(dialog, IDC_EDIT_MARK_NUMBER);
        date = d.TextCp932(dialog, IDC_EDIT_DATE);
        selection = d.Selection(dialog, IDC_EDIT_SOUND_LIST);
        sound = d.TextCp932(dialog, IDC_EDIT_SOUND_LIST);
        dateEnabled = d.Enabled(dialog, IDC_EDIT_DATE);
        timeEnabled = d.Enabled(dialog, IDC_EDIT_TIME);
        commentEnabled = d.Enabled(dialog, IDC_EDIT_COMMENT);
        on = d.Enabled(dialog, IDC_EDIT_DIRECTION_ON);
        off = d.Enabled(dialog, IDC_EDIT_DIRECTION_OFF);
        offChecked = d.Checked(dialog, IDC_EDIT_DIRECTION_OFF);
        preview = PreviewMark(dialog);
        d.Click(dialog, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(name, "");
    EXPECT_EQ(mark, "1");
    EXPECT_EQ(date, "");
    EXPECT_EQ(selection, 0);
    EXPECT_EQ(sound, "設定なし");
    EXPECT_FALSE(dateEnabled);
    EXPECT_FALSE(timeEnabled);
    EXPECT_FALSE(commentEnabled);
    EXPECT_FALSE(on);
    EXPECT_FALSE(off);
    EXPECT_TRUE(offChecked);
    EXPECT_EQ(preview, 1);

    ASSERT_EQ(document_.count(), 1);
    EXPECT_STREQ(document_.getMarkNumber(0), "01");
    EXPECT_STREQ(document_.getSoundCode(0), "FFFF");
    EXPECT_EQ(document_.getDirectionEnabled(0), 0);
    EXPECT_STREQ(document_.getDirectionCode(0), "00");
    EXPECT_STREQ(document_.getName(0), "");
    EXPECT_STREQ(document_.getLongitude(0), "");
    EXPECT_STREQ(document_.getLatitude(0), "");
    EXPECT_STREQ(document_.getVoiceWord(0), "");
    EXPECT_STREQ(document_.getPhone(0), "");
    EXPECT_STREQ(document_.getDate(0), "20240506");
    EXPECT_STREQ(document_.getTime(0), "070809");
    EXPECT_TRUE(document_.isModified());
}

TEST_F(PointEditDialogTest, CancellingANewPointOpensNoRecord) {
    AddPoint("03", "FFFF", "00", 0);
    int result = Edit(true, 0, [&](const Driver& d, HWND dialog) {
        d.SetText(dialog, IDC_EDIT_NAME, L"消える");
        d.Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(document_.count(), 1);
    EXPECT_STREQ(document_.getName(0), "地点");
    EXPECT_FALSE(document_.isModified());
}

TEST_F(PointEditDialogTest, EscapeCancelsAnExistingPointUnchanged) {
    int i = AddPoint("03", "00C1", "02", 1);
    int result = Edit(false, i, [&](const Driver& d, HWND dialog) {
        d.SetText(dialog, IDC_EDIT_NAME, L"変更");
        d.Click(dialog, IDC_EDIT_DIRECTION_NEXT);
        SendMessageW(dialog, WM_CLOSE, 0, 0);
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_STREQ(document_.getName(i), "地点");
    EXPECT_STREQ(document_.getDirectionCode(i), "02");
    EXPECT_FALSE(document_.isModified());
}

TEST_F(PointEditDialogTest, ShowsTheStoredFieldsAndWritesOnlyWhatChanged) {
    int i = AddPoint("07", "00C1", "02", 1, "東京タワー");
    std::string name, voice, phone, longitude, latitude, date, time, comment;
    int result = Edit(false, i, [&](const Driver& d, HWND dialog) {
        name = d.TextCp932(dialog, IDC_EDIT_NAME);
        voice = d.TextCp932(dialog, IDC_EDIT_VOICE_WORD);
        phone = d.TextCp932(dialog, IDC_EDIT_PHONE);
        longitude = d.TextCp932(dialog, IDC_EDIT_LONGITUDE);
        latitude = d.TextCp932(dialog, IDC_EDIT_LATITUDE);
        date = d.TextCp932(dialog, IDC_EDIT_DATE);
        time = d.TextCp932(dialog, IDC_EDIT_TIME);
        comment = d.TextCp932(dialog, IDC_EDIT_COMMENT);
        d.SetText(dialog, IDC_EDIT_PHONE, L"06-9999-0000");
        d.SetText(dialog, IDC_EDIT_VOICE_WORD, L"トウキョウタワー");
        d.Click(dialog, IDOK);
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(name, "東京タワー");
    EXPECT_EQ(voice, "チテン");
    EXPECT_EQ(phone, "03-1234-5678");
    EXPECT_EQ(longitude, "139/45/12.3");
    EXPECT_EQ(latitude, "035/40/01.2");
    EXPECT_EQ(date, "20240506");
    EXPECT_EQ(time, "070809");
    EXPECT_EQ(comment, "");
    EXPECT_STREQ(document_.getPhone(i), "06-9999-0000");
    EXPECT_STREQ(document_.getVoiceWord(i), "トウキョウタワー");
    EXPECT_STREQ(document_.getName(i), "東京タワー");
    EXPECT_STREQ(document_.getMarkNumber(i), "07");
    EXPECT_STREQ(document_.getSoundCode(i), "00C1");
    EXPECT_STREQ(document_.getDirectionCode(i), "02");
    EXPECT_EQ(document_.getDirectionEnabled(i), 1);
    EXPECT_TRUE(document_.isModified());
}

TEST_F(PointEditDialogTest, OkWithNothingTouchedLeavesThePointUnmodified) {
    int i = AddPoint("12", "01D3", "05", 1);
    int result = Edit(false, i, [&](const Driver& d, HWND dialog) { d.Click(dialog, IDOK); });
    EXPECT_EQ(result, IDOK);
    EXPECT_FALSE(document_.isModified());
}

TEST_F(PointEditDialogTest, SoundListHoldsTheWholeTableInOrder) {
    int i = AddPoint("01", "FFFF", "00", 0);
    int count = 0;
    std::string first, last;
    Edit(false, i, [&](const Driver& d, HWND dialog) {
        HWND list = GetDlgItem(dialog, IDC_EDIT_SOUND_LIST);
        count = static_cast<int>(SendMessageW(list, CB_GETCOUNT, 0, 0));
        wchar_t text[64] = L"";
        SendMessageW(list, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(text));
        first = Cp932(text);
        SendMessageW(list, CB_GETLBTEXT, count - 1, reinterpret_cast<LPARAM>(text));
        last = Cp932(text);
        d.Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(count, 65);
    EXPECT_EQ(first, "設定なし");
    EXPECT_EQ(last, "マンボ");
}

TEST_F(PointEditDialogTest, DirectionControlsFollowTheSoundAndTheOptionButtons) {
    int i = AddPoint("01", "FFFF", "01", 0);
    struct State {
        bool on, off, previous, next, box, onChecked;
    };
    auto read = [](const Driver& d, HWND dialog) {
        return State{
            d.Enabled(dialog, IDC_EDIT_DIRECTION_ON),       d.Enabled(dialog, IDC_EDIT_DIRECTION_OFF),
            d.Enabled(dialog, IDC_EDIT_DIRECTION_PREVIOUS), d.Enabled(dialog, IDC_EDIT_DIRECTION_NEXT),
            d.Enabled(dialog, IDC_EDIT_DIRECTION),          d.Checked(dialog, IDC_EDIT_DIRECTION_ON)};
    };
    State atOpen{}, afterSound{}, afterOn{}, afterNone{};
    std::string box;
    int result = Edit(false, i, [&](const Driver& d, HWND dialog) {
        atOpen = read(d, dialog);
        d.ChooseWithKeys(dialog, IDC_EDIT_SOUND_LIST, kKoujichu);
        afterSound = read(d, dialog);
        d.Click(dialog, IDC_EDIT_DIRECTION_ON);
        afterOn = read(d, dialog);
        box = d.TextCp932(dialog, IDC_EDIT_DIRECTION);
        d.ChooseWithKeys(dialog, IDC_EDIT_SOUND_LIST, 0);
        afterNone = read(d, dialog);
        d.ChooseWithKeys(dialog, IDC_EDIT_SOUND_LIST, kKoujichu);
        d.Click(dialog, IDOK);
    });
    EXPECT_FALSE(atOpen.on || atOpen.off || atOpen.previous || atOpen.next || atOpen.box);
    EXPECT_TRUE(afterSound.on && afterSound.off);
    EXPECT_FALSE(afterSound.previous || afterSound.next || afterSound.box);
    EXPECT_TRUE(afterOn.previous && afterOn.next && afterOn.box && afterOn.onChecked);
    EXPECT_EQ(box, "北東゜");
    ASSERT_GE(box.size(), 2u);
    EXPECT_EQ(box.substr(box.size() - 2), "\x81\x4B"); // not the degree sign 0x818B
    // Back to "設定なし": everything off again, the check kept.
    EXPECT_FALSE(afterNone.on || afterNone.off || afterNone.previous || afterNone.next || afterNone.box);
    EXPECT_TRUE(afterNone.onChecked);
    EXPECT_EQ(result, IDOK);
    EXPECT_STREQ(document_.getSoundCode(i), "00C1");
    EXPECT_EQ(document_.getDirectionEnabled(i), 1);
    EXPECT_STREQ(document_.getDirectionCode(i), "01");
}

TEST_F(PointEditDialogTest, ArrowsWrapAroundBothEnds) {
    int i = AddPoint("01", "00C1", "00", 1);
    std::string atOpen, afterPrevious, afterNext;
    Edit(false, i, [&](const Driver& d, HWND dialog) {
        atOpen = d.TextCp932(dialog, IDC_EDIT_DIRECTION);
        d.Click(dialog, IDC_EDIT_DIRECTION_PREVIOUS);
        afterPrevious = d.TextCp932(dialog, IDC_EDIT_DIRECTION);
        d.Click(dialog, IDC_EDIT_DIRECTION_NEXT);
        afterNext = d.TextCp932(dialog, IDC_EDIT_DIRECTION);
        d.Click(dialog, IDC_EDIT_DIRECTION_PREVIOUS);
        d.Click(dialog, IDOK);
    });
    EXPECT_EQ(atOpen, "北゜");
    EXPECT_EQ(afterPrevious, "北西゜");
    EXPECT_EQ(afterNext, "北゜");
    EXPECT_STREQ(document_.getDirectionCode(i), "07");
}

TEST_F(PointEditDialogTest, TwoStepsForwardStoresTheNewDirection) {
    int i = AddPoint("01", "00C1", "03", 1);
    Edit(false, i, [&](const Driver& d, HWND dialog) {
        d.Click(dialog, IDC_EDIT_DIRECTION_NEXT);
        d.Click(dialog, IDC_EDIT_DIRECTION_NEXT);
        d.Click(dialog, IDOK);
    });
    EXPECT_STREQ(document_.getDirectionCode(i), "05");
}

TEST_F(PointEditDialogTest, EightStepsForwardComeBackAndStoreNothing) {
    int i = AddPoint("01", "00C1", "03", 1);
    std::string box;
    Edit(false, i, [&](const Driver& d, HWND dialog) {
        for (int k = 0; k < 8; ++k)
            d.Click(dialog, IDC_EDIT_DIRECTION_NEXT);
        box = d.TextCp932(dialog, IDC_EDIT_DIRECTION);
        d.Click(dialog, IDOK);
    });
    EXPECT_EQ(box, "南東゜");
    EXPECT_STREQ(document_.getDirectionCode(i), "03");
    EXPECT_FALSE(document_.isModified());
}

TEST_F(PointEditDialogTest, ADirectionOutsideTheTableIsShownAsItsNumberAndKept) {
    int i = AddPoint("01", "00C1", "09", 1);
    std::string box;
    Edit(false, i, [&](const Driver& d, HWND dialog) {
        box = d.TextCp932(dialog, IDC_EDIT_DIRECTION);
        d.Click(dialog, IDOK);
    });
    EXPECT_EQ(box, "09゜");
    EXPECT_STREQ(document_.getDirectionCode(i), "09");
    EXPECT_FALSE(document_.isModified());
}

TEST_F(PointEditDialogTest, AMarkAboveTheBoxRangeIsShownAndKeptUntilTheUserChangesIt) {
    int i = AddPoint("45", "FFFF", "00", 0);
    std::string box;
    int preview = 0;
    Edit(false, i, [&](const Driver& d, HWND dialog) {
        box = d.TextCp932(dialog, IDC_EDIT_MARK_NUMBER);
        preview = PreviewMark(dialog);
        d.Click(dialog, IDOK);
    });
    EXPECT_EQ(box, "45");
    EXPECT_EQ(preview, 45);
    EXPECT_STREQ(document_.getMarkNumber(i), "45");
    EXPECT_FALSE(document_.isModified());

    // Stepping down with the arrow key starts from the top of the range.
    Edit(false, i, [&](const Driver& d, HWND dialog) {
        HWND box1010 = GetDlgItem(dialog, IDC_EDIT_MARK_NUMBER);
        SendMessageW(box1010, WM_KEYDOWN, VK_DOWN, 0);
        SendMessageW(box1010, WM_KEYUP, VK_DOWN, 0xC0000001);
        box = d.TextCp932(dialog, IDC_EDIT_MARK_NUMBER);
        preview = PreviewMark(dialog);
        d.Click(dialog, IDOK);
    });
    EXPECT_EQ(box, "30");
    EXPECT_EQ(preview, 30);
    EXPECT_STREQ(document_.getMarkNumber(i), "30");
}

TEST_F(PointEditDialogTest, MarkZeroShowsNoIconAndStoresNothingNew) {
    int i = AddPoint("00", "FFFF", "00", 0);
    std::string box;
    int preview = -1;
    Edit(false, i, [&](const Driver& d, HWND dialog) {
        box = d.TextCp932(dialog, IDC_EDIT_MARK_NUMBER);
        preview = PreviewMark(dialog);
        d.Click(dialog, IDOK);
    });
    EXPECT_EQ(box, "0");
    EXPECT_EQ(preview, 0);
    EXPECT_STREQ(document_.getMarkNumber(i), "00");
    EXPECT_FALSE(document_.isModified());
}

TEST_F(PointEditDialogTest, ThePreviewFollowsTheBoxAndOkStoresTheLastValidNumber) {
    int i = AddPoint("05", "FFFF", "00", 0);
    int atOpen = 0, at7 = 0, at40 = -1, atLetters = -1, at0 = -1;
    Edit(false, i, [&](const Driver& d, HWND dialog) {
        atOpen = PreviewMark(dialog);
        d.SetText(dialog, IDC_EDIT_MARK_NUMBER, L"7");
        at7 = PreviewMark(dialog);
        d.SetText(dialog, IDC_EDIT_MARK_NUMBER, L"0");
        at0 = PreviewMark(dialog);
        d.SetText(dialog, IDC_EDIT_MARK_NUMBER, L"40");
        at40 = PreviewMark(dialog);
        d.SetText(dialog, IDC_EDIT_MARK_NUMBER, L"ab");
        atLetters = PreviewMark(dialog);
        d.Click(dialog, IDOK);
    });
    EXPECT_EQ(atOpen, 5);
    EXPECT_EQ(at7, 7);
    EXPECT_EQ(at0, 0);
    EXPECT_EQ(at40, 0);
    EXPECT_EQ(atLetters, 0);
    // 0 was the last number the box could hold.
    EXPECT_STREQ(document_.getMarkNumber(i), "00");
}

TEST_F(PointEditDialogTest, TypingAnOutOfRangeNumberKeepsTheLastValidPosition) {
    int i = AddPoint("05", "FFFF", "00", 0);
    Edit(false, i, [&](const Driver& d, HWND dialog) {
        d.SetText(dialog, IDC_EDIT_MARK_NUMBER, L"40");
        d.Click(dialog, IDOK);
    });
    EXPECT_STREQ(document_.getMarkNumber(i), "05");
    EXPECT_FALSE(document_.isModified());
}

TEST_F(PointEditDialogTest, ALowerCaseKnownCodeIsShownAndStoredInUpperCase) {
    int i = AddPoint("01", "00c4", "00", 0);
    std::string shown;
    Edit(false, i, [&](const Driver& d, HWND dialog) {
        shown = d.TextCp932(dialog, IDC_EDIT_SOUND_LIST);
        d.Click(dialog, IDOK);
    });
    EXPECT_EQ(shown, "マンボ");
    EXPECT_STREQ(document_.getSoundCode(i), "00C4");
}

TEST_F(PointEditDialogTest, CancelKeepsALowerCaseCode) {
    int i = AddPoint("01", "00c4", "00", 0);
    Edit(false, i, [&](const Driver& d, HWND dialog) { d.Click(dialog, IDCANCEL); });
    EXPECT_STREQ(document_.getSoundCode(i), "00c4");
}

TEST_F(PointEditDialogTest, AnUnknownSoundCodeIsKeptUnlessTheUserChoosesASound) {
    int i = AddPoint("01", "1234", "00", 0);
    std::string shown;
    Edit(false, i, [&](const Driver& d, HWND dialog) {
        shown = d.TextCp932(dialog, IDC_EDIT_SOUND_LIST);
        d.Click(dialog, IDOK);
    });
    EXPECT_EQ(shown, "設定なし");
    EXPECT_STREQ(document_.getSoundCode(i), "1234");
    EXPECT_FALSE(document_.isModified());

    Edit(false, i, [&](const Driver& d, HWND dialog) { d.Click(dialog, IDCANCEL); });
    EXPECT_STREQ(document_.getSoundCode(i), "1234");

    // Choosing "設定なし" on purpose (away and back) stores its code.
    Edit(false, i, [&](const Driver& d, HWND dialog) {
        d.ChooseWithKeys(dialog, IDC_EDIT_SOUND_LIST, kKoujichu);
        d.ChooseWithKeys(dialog, IDC_EDIT_SOUND_LIST, 0);
        d.Click(dialog, IDOK);
    });
    EXPECT_STREQ(document_.getSoundCode(i), "FFFF");

    document_.setSoundCode(i, "1234");
    Edit(false, i, [&](const Driver& d, HWND dialog) {
        d.ChooseWithKeys(dialog, IDC_EDIT_SOUND_LIST, kKoujichu);
        d.Click(dialog, IDOK);
    });
    EXPECT_STREQ(document_.getSoundCode(i), "00C1");
}

TEST_F(PointEditDialogTest, WithNoSoundSelectedAtOkTheStoredCodeIsKept) {
    int i = AddPoint("01", "00C1", "00", 0);
    int selection = 0;
    bool arrowsAvailable = false;
    Edit(false, i, [&](const Driver& d, HWND dialog) {
        // Typing into the list's own edit field takes the selection away.
        HWND edit = GetWindow(GetDlgItem(dialog, IDC_EDIT_SOUND_LIST), GW_CHILD);
        d.Type(edit, L"ベル");
        selection = d.Selection(dialog, IDC_EDIT_SOUND_LIST);
        // Option buttons pass the missing selection on: the controls count as available.
        d.Click(dialog, IDC_EDIT_DIRECTION_ON);
        arrowsAvailable = d.Enabled(dialog, IDC_EDIT_DIRECTION_NEXT);
        d.Click(dialog, IDOK);
    });
    EXPECT_EQ(selection, CB_ERR);
    EXPECT_TRUE(arrowsAvailable);
    EXPECT_STREQ(document_.getSoundCode(i), "00C1");
    EXPECT_EQ(document_.getDirectionEnabled(i), 1);
}

TEST_F(PointEditDialogTest, ALongNameIsStoredAsItsFirstTwentyBytes) {
    int i = AddPoint("01", "FFFF", "00", 0);
    Edit(false, i, [&](const Driver& d, HWND dialog) {
        d.SetText(dialog, IDC_EDIT_NAME, L"ABCDEFGHIJKLMNOPQRSTUVWXY");
        d.SetText(dialog, IDC_EDIT_VOICE_WORD, L"アイウエオカキクケコサ"); // 11 double-byte: 22 bytes
        d.Click(dialog, IDOK);
    });
    EXPECT_STREQ(document_.getName(i), "ABCDEFGHIJKLMNOPQRST");
    EXPECT_STREQ(document_.getVoiceWord(i), "アイウエオカキクケコ");
}

TEST_F(PointEditDialogTest, TextThatCp932CannotHoldIsRefusedWithTheBoxFocused) {
    int i = AddPoint("01", "FFFF", "00", 0);
    std::string message;
    bool stillOpen = false, focusOnPhone = false;
    int result = Edit(false, i, [&](const Driver& d, HWND dialog) {
        d.SetText(dialog, IDC_EDIT_NAME, L"新宿");
        d.SetText(dialog, IDC_EDIT_PHONE, L"03\u301c1234"); // WAVE DASH: a best-fit mapping exists
        d.ClickAsync(dialog, IDOK);
        message = AnswerMessageBox(d, ExeTitle().c_str());
        stillOpen = IsWindowVisible(dialog) != FALSE;
        focusOnPhone = d.WaitForFocus(GetDlgItem(dialog, IDC_EDIT_PHONE));
        d.SetText(dialog, IDC_EDIT_PHONE, L"03\uff5e1234"); // FULLWIDTH TILDE is cp932 0x8160
        d.Click(dialog, IDOK);
    });
    EXPECT_EQ(message, MSG_TEXT_NOT_STORABLE);
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(focusOnPhone);
    EXPECT_EQ(result, IDOK);
    EXPECT_STREQ(document_.getName(i), "新宿");
    EXPECT_STREQ(document_.getPhone(i), "03\x81\x60"
                                        "1234");
}

TEST_F(PointEditDialogTest, AnAccentedLetterIsNotTurnedIntoAPlainOne) {
    int i = AddPoint("01", "FFFF", "00", 0, "cafe");
    std::string message;
    Edit(false, i, [&](const Driver& d, HWND dialog) {
        d.SetText(dialog, IDC_EDIT_NAME, L"caf\u00e9");
        d.ClickAsync(dialog, IDOK);
        message = AnswerMessageBox(d, ExeTitle().c_str());
        d.Click(dialog, IDCANCEL);
    });
    EXPECT_EQ(message, MSG_TEXT_NOT_STORABLE);
    EXPECT_STREQ(document_.getName(i), "cafe");
    EXPECT_FALSE(document_.isModified());
}

TEST_F(PointEditDialogTest, StoredBytesThatDoNotSurviveTheBoxAreKeptWhenUntouched) {
    // 0x85 0x40 is no cp932 character: the box cannot show it faithfully.
    int i = AddPoint("01", "FFFF", "00", 0, "A\x85\x40Z");
    Edit(false, i, [&](const Driver& d, HWND dialog) { d.Click(dialog, IDOK); });
    EXPECT_STREQ(document_.getName(i), "A\x85\x40Z");
    EXPECT_FALSE(document_.isModified());
}

TEST_F(PointEditDialogTest, EditPointRefusesAPositionWithNoPoint) {
    AddPoint("01", "FFFF", "00", 0);
    MarkIconSource icons = [this](int k) { return marks_.Make(k); };
    EXPECT_EQ(EditPoint(nullptr, document_, icons, false, 1), -1);
    EXPECT_EQ(EditPoint(nullptr, document_, icons, true, 2), -1);
    EXPECT_EQ(document_.count(), 1);
}

// The 経度 and 緯度 boxes: coordinates as people have them, stored as the record's text.
TEST_F(PointEditDialogTest, TypedCoordinatesAreStoredAsTheRecordsText) {
    struct Case {
        const wchar_t* longitude;
        const wchar_t* latitude;
        const char* storedLongitude;
        const char* storedLatitude;
    } cases[] = {
        {L"139.767125", L"35.681236", "139/46/01.7", "035/40/52.4"},
        {L"139.46.01.7", L"35.40.52.4", "139/46/01.7", "035/40/52.4"},
        {L"139°46′01.7″E", L"N35°40'52.4\"", "139/46/01.7", "035/40/52.4"},
        {L"", L"", "", ""},
    };
    for (const Case& c : cases) {
        int i = AddPoint("01", "FFFF", "00", 0);
        std::string shown;
        int result = Edit(false, i, [&](const Driver& d, HWND dialog) {
            d.SetText(dialog, IDC_EDIT_LONGITUDE, c.longitude);
            d.SetText(dialog, IDC_EDIT_LATITUDE, c.latitude);
            // Leaving a box shows what will be stored.
            SendMessageW(dialog, WM_NEXTDLGCTL,
                         reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDC_EDIT_LONGITUDE)), TRUE);
            SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(GetDlgItem(dialog, IDC_EDIT_NAME)),
                         TRUE);
            shown = d.TextCp932(dialog, IDC_EDIT_LONGITUDE);
            d.Click(dialog, IDOK);
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(shown, c.storedLongitude);
        EXPECT_STREQ(document_.getLongitude(i), c.storedLongitude);
        EXPECT_STREQ(document_.getLatitude(i), c.storedLatitude);
    }
}

TEST_F(PointEditDialogTest, APairPastedIntoEitherBoxFillsBoth) {
    for (int box : {IDC_EDIT_LONGITUDE, IDC_EDIT_LATITUDE}) {
        int i = AddPoint("01", "FFFF", "00", 0);
        std::string longitude, latitude;
        Edit(false, i, [&](const Driver& d, HWND dialog) {
            const wchar_t copied[] = L"35.681236, 139.767125";
            ASSERT_TRUE(OpenClipboard(nullptr));
            EmptyClipboard();
            HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, sizeof copied);
            memcpy(GlobalLock(data), copied, sizeof copied);
            GlobalUnlock(data);
            SetClipboardData(CF_UNICODETEXT, data);
            CloseClipboard();
            SendMessageW(GetDlgItem(dialog, box), WM_PASTE, 0, 0);
            longitude = d.TextCp932(dialog, IDC_EDIT_LONGITUDE);
            latitude = d.TextCp932(dialog, IDC_EDIT_LATITUDE);
            d.Click(dialog, IDOK);
        });
        EXPECT_EQ(longitude, "139/46/01.7") << box;
        EXPECT_EQ(latitude, "035/40/52.4") << box;
        EXPECT_STREQ(document_.getLongitude(i), "139/46/01.7") << box;
        EXPECT_STREQ(document_.getLatitude(i), "035/40/52.4") << box;
    }
}

TEST_F(PointEditDialogTest, NoCoordinateOfJapanIsRefusedWithTheBoxFocused) {
    int i = AddPoint("01", "FFFF", "00", 0);
    std::string first, second;
    bool stillOpen = false, focused = false;
    int result = Edit(false, i, [&](const Driver& d, HWND dialog) {
        d.SetText(dialog, IDC_EDIT_LATITUDE, L"10.5"); // south of Japan
        d.ClickAsync(dialog, IDOK);
        first = AnswerMessageBox(d, ExeTitle().c_str());
        stillOpen = IsWindowVisible(dialog) != FALSE;
        focused = d.WaitForFocus(GetDlgItem(dialog, IDC_EDIT_LATITUDE));
        d.SetText(dialog, IDC_EDIT_LATITUDE, L"35.68");
        d.SetText(dialog, IDC_EDIT_LONGITUDE, L"東京");
        d.ClickAsync(dialog, IDOK);
        second = AnswerMessageBox(d, ExeTitle().c_str());
        d.SetText(dialog, IDC_EDIT_LONGITUDE, L"");
        d.Click(dialog, IDOK);
    });
    EXPECT_EQ(first, MSG_LATITUDE_INVALID);
    EXPECT_EQ(second, MSG_LONGITUDE_INVALID);
    EXPECT_TRUE(stillOpen);
    EXPECT_TRUE(focused);
    EXPECT_EQ(result, IDOK);
    EXPECT_STREQ(document_.getLatitude(i), "035/40/48.0");
    EXPECT_STREQ(document_.getLongitude(i), "") << "an emptied box stays allowed";
}

} // namespace
