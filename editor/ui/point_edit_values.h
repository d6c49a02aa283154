#pragma once
// The working values of the point edit dialog: filled from a point before the dialog opens,
// written back to the document after it closes with OK. Portable: no windows.h.
#include <cstddef>
#include <cstdint>

class PointDocument;

// Room for any field of a record; the document's setters cut to each field's own limit.
constexpr size_t kEditTextSize = 128;
// The mark number box holds 0 to this.
constexpr int kEditMarkMax = 31;

struct PointEditValues {
    char name[kEditTextSize] = "";
    char voiceWord[kEditTextSize] = "";
    char phone[kEditTextSize] = "";
    char longitude[kEditTextSize] = "";
    char latitude[kEditTextSize] = "";
    char date[kEditTextSize] = "";
    char time[kEditTextSize] = "";
    char soundCode[kEditTextSize] = "";
    char directionCode[kEditTextSize] = "";
    int32_t markNumber = 1;
    int32_t soundIndex = 0;
    int32_t directionEnabled = 0;
    uint16_t directionIndex = 0;
    // Whether the sound code came from the sound table (a new point's always does); a code the
    // list cannot show is kept unless the user picks a sound.
    bool soundCodeKnown = true;
    // Decided when OK is pressed: whether the mark number and the sound code are to be written
    // at all. Data the user did not touch and the dialog could not show stays as it was.
    bool storeMark = true;
    bool storeSound = true;
};

// The values of a new point: empty texts, mark 1, no direction.
void fillNewPointValues(PointEditValues& values);

// The values of the used record at `index`.
void fillPointValues(const PointDocument& document, int index, PointEditValues& values);

// True when `code` names an entry of the sound table exactly, letter case aside.
bool isTableSoundCode(const char* code);

// Writes back every field that differs from the record at `index`, first opening a new record
// there when `isNew`. Returns 1, or -1 when no record could be opened (nothing is changed).
int commitPointValues(PointDocument& document, bool isNew, int index, const PointEditValues& values);
