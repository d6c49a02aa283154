#include "point_edit_values.h"

#include "field_conversions.h"
#include "point_document.h"
#include "text_bytes.h"

#include <cstdio>
#include <cstring>

void fillNewPointValues(PointEditValues& values) {
    values = PointEditValues();
}

void fillPointValues(const PointDocument& document, int index, PointEditValues& values) {
    values = PointEditValues();
    copyInto(values.name, document.getName(index));
    copyInto(values.longitude, document.getLongitude(index));
    copyInto(values.latitude, document.getLatitude(index));
    copyInto(values.voiceWord, document.getVoiceWord(index));
    copyInto(values.phone, document.getPhone(index));
    copyInto(values.soundCode, document.getSoundCode(index));
    copyInto(values.date, document.getDate(index));
    copyInto(values.time, document.getTime(index));
    copyInto(values.directionCode, document.getDirectionCode(index));
    values.markNumber = static_cast<int32_t>(leadingDigits(document.getMarkNumber(index)));
    values.directionEnabled = document.getDirectionEnabled(index);
    values.soundCodeKnown = isTableSoundCode(values.soundCode);
}

bool isTableSoundCode(const char* code) {
    char upper[kEditTextSize];
    copyInto(upper, code);
    upperSingleByte(upper);
    int k = PointDocument::soundIndexOfCode(upper);
    return std::strcmp(upper, PointDocument::soundCodeAt(k)) == 0;
}

int commitPointValues(PointDocument& document, bool isNew, int index, const PointEditValues& values) {
    if (isNew && document.insertBlank(index) < 0) return -1;
    if (!document.isUsed(index)) return -1;
    const int i = index;
    if (std::strcmp(values.name, document.getName(i)) != 0) document.setName(i, values.name);
    if (std::strcmp(values.longitude, document.getLongitude(i)) != 0)
        document.setLongitude(i, values.longitude);
    if (std::strcmp(values.latitude, document.getLatitude(i)) != 0) document.setLatitude(i, values.latitude);
    if (values.storeMark && leadingDigits(document.getMarkNumber(i)) != values.markNumber) {
        char mark[16];
        std::snprintf(mark, sizeof mark, "%02d", static_cast<int>(values.markNumber));
        document.setMarkNumber(i, mark);
    }
    if (std::strcmp(values.voiceWord, document.getVoiceWord(i)) != 0)
        document.setVoiceWord(i, values.voiceWord);
    if (std::strcmp(values.phone, document.getPhone(i)) != 0) document.setPhone(i, values.phone);
    if (values.storeSound && std::strcmp(values.soundCode, document.getSoundCode(i)) != 0) {
        document.setSoundCode(i, values.soundCode);
    }
    document.setDirectionEnabled(i, values.directionEnabled == 1 ? 1 : 0);
    // The index is held in 16 bits, so the stored number is compared in 16 bits too: a long
    // stored number the user never stepped stays as it was.
    if (static_cast<uint16_t>(leadingDigits(document.getDirectionCode(i))) != values.directionIndex) {
        char direction[16];
        std::snprintf(direction, sizeof direction, "%02u", static_cast<unsigned>(values.directionIndex));
        document.setDirectionCode(i, direction);
    }
    return 1;
}
