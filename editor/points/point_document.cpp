#include "point_document.h"

#include "code_tables.h"
#include "file_access.h"
#include "message_notifier.h"
#include "point_messages.h"
#include "text_bytes.h"

#include <cstdio>
#include <cstring>

namespace {

// Calls `f(text, other, size)` for every text field of `a`, with the same field of `b`.
template <typename F> void forEachText(PointRecord& a, const PointRecord& b, F f) {
#define TEXT_FIELD(member) f(a.member, b.member, sizeof a.member)
    TEXT_FIELD(markNumber);
    TEXT_FIELD(name);
    TEXT_FIELD(longitude);
    TEXT_FIELD(latitude);
    TEXT_FIELD(voiceWord);
    TEXT_FIELD(soundCode);
    TEXT_FIELD(spare11);
    TEXT_FIELD(directionCode);
    TEXT_FIELD(spare16);
    TEXT_FIELD(spare17);
    TEXT_FIELD(spare18);
    TEXT_FIELD(phone);
    TEXT_FIELD(date);
    TEXT_FIELD(spare19);
    TEXT_FIELD(spare20);
    TEXT_FIELD(time);
    TEXT_FIELD(spare23);
#undef TEXT_FIELD
}

} // namespace

PointDocument::PointDocument(const LocalClock& clock)
    : slots_(new PointRecord[kMaxPoints]()), clock_(clock), files_(&platformFileSystem()) {}

PointDocument::~PointDocument() = default;

void PointDocument::storeText(char* stored, size_t size, const char* text, size_t limit) {
    char value[128];
    if (limit > size - 1) limit = size - 1;
    copyFieldValue(value, text, limit);
    if (std::strcmp(value, stored) == 0) return;
    std::memcpy(stored, value, std::strlen(value) + 1);
    modified_ = true;
}

void PointDocument::setDirectionEnabled(int i, int value) {
    if (!isUsed(i) || slots_[i].directionEnabled == value) return;
    slots_[i].directionEnabled = value;
    modified_ = true;
}

void PointDocument::makeNew(PointRecord& record) const {
    std::memset(&record, 0, sizeof record);
    std::strcpy(record.markNumber, "00");
    std::strcpy(record.soundCode, "FFFF");
    std::strcpy(record.spare11, "00");
    std::strcpy(record.directionCode, "00");
    std::strcpy(record.spare16, "0000");
    std::strcpy(record.spare23, "01");
    // One reading of the clock for all six values.
    LocalTime t = clock_.now();
    std::snprintf(record.date, sizeof record.date, "%4u%02u%02u", t.year % 10000, t.month % 100, t.day % 100);
    std::snprintf(record.time, sizeof record.time, "%02u%02u%02u", t.hour % 100, t.minute % 100, t.second % 100);
}

int PointDocument::insertBlank(int i) {
    if (i >= kMaxPoints || count_ >= kMaxPoints) return -1;
    if (i < 0) i = 0;
    if (i > count_) i = count_;
    std::memmove(&slots_[i + 1], &slots_[i], sizeof(PointRecord) * static_cast<size_t>(count_ - i));
    makeNew(slots_[i]);
    ++count_;
    modified_ = true;
    return 1;
}

void PointDocument::replaceRecord(int i, const PointRecord& record) {
    if (!isUsed(i)) return;
    PointRecord ended = record;
    bool changed = ended.directionEnabled != slots_[i].directionEnabled;
    forEachText(ended, slots_[i], [&changed](char* text, const char* stored, size_t size) {
        text[size - 1] = '\0';
        changed = changed || std::strcmp(text, stored) != 0;
    });
    if (!changed) return;
    slots_[i] = ended;
    modified_ = true;
}

int PointDocument::removeAt(int i) {
    if (!isUsed(i)) return 0;
    std::memmove(&slots_[i], &slots_[i + 1], sizeof(PointRecord) * static_cast<size_t>(count_ - i - 1));
    --count_;
    modified_ = true;
    return 0;
}

void PointDocument::moveRecord(int to, int from) {
    if (to == from || !isUsed(from) || to < 0 || to > count_) return;
    PointRecord moving = slots_[from];
    if (to < from) {
        std::memmove(&slots_[to + 1], &slots_[to], sizeof(PointRecord) * static_cast<size_t>(from - to));
        slots_[to] = moving;
    } else {
        // The records between shift down; the moved one lands just before the old `to`.
        std::memmove(&slots_[from], &slots_[from + 1], sizeof(PointRecord) * static_cast<size_t>(to - from - 1));
        slots_[to - 1] = moving;
    }
    modified_ = true;
}

int PointDocument::replaceRecords(int first, int removed, const PointRecord* records, int inserted) {
    if (first < 0 || removed < 0 || inserted < 0 || first + removed > count_) return -1;
    if (count_ - removed + inserted > kMaxPoints) return -1;
    int tail = count_ - first - removed;
    std::memmove(&slots_[first + inserted], &slots_[first + removed], sizeof(PointRecord) * static_cast<size_t>(tail));
    if (inserted > 0) std::memcpy(&slots_[first], records, sizeof(PointRecord) * static_cast<size_t>(inserted));
    count_ += inserted - removed;
    modified_ = true;
    return 1;
}

int PointDocument::soundIndexOfCode(const char* code) {
    char upper[64];
    copyTruncated(upper, code, sizeof upper - 1);
    upperSingleByte(upper);
    if (upper[0] == '\0') return 0;
    for (int k = 0; k < kSoundCodeCount; ++k) {
        if (std::strcmp(upper, SoundCodeTable[k].code) == 0) return k;
    }
    return 0;
}

const char* PointDocument::soundCodeAt(int k) {
    return k >= 0 && k < kSoundCodeCount ? SoundCodeTable[k].code : "";
}

const char* PointDocument::soundNameAt(int k) {
    return k >= 0 && k < kSoundCodeCount ? SoundCodeTable[k].name : "";
}

const char* PointDocument::directionNameAt(int k) {
    return k >= 0 && k < kDirectionCount ? DirectionTable[k].name : "";
}

void showTooManyPoints() {
    char text[64];
    std::snprintf(text, sizeof text, MSG_TOO_MANY_POINTS_FORMAT, kMaxPoints);
    showMessage(text);
}
