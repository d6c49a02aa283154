#pragma once
// Text forms of a point's fields: coordinates as held (DDD/MM/SS.s) and as stored in a QPF
// file (eight digits), the check value of a record line, the name's character count, and
// the date and time field. Pure functions; none of them fails or allocates.
#include <cstddef>

struct CoordText {
    char text[32];
};
struct PackedCoord {
    char text[24];
};
struct CheckValue {
    char text[3];
};
struct NameCount {
    char text[3];
};
struct DateTimeField {
    char text[32];
};
struct SplitDateTime {
    char date[16];
    char time[16];
};

PackedCoord packCoord(const char* text);
CoordText unpackCoord(long value);
// The tenths of an arc second the file stores for a coordinate text (packCoord's value as
// degrees, minutes and tenths), negative when packCoord is; clamped far beyond any coordinate.
long long tenthsOfCoordText(const char* text);
// unpackCoord straight into a record's coordinate buffer; returns the text's length.
size_t writeCoordText(char (&out)[32], long value);
CheckValue checkValue(const char* longitudeText, const char* latitudeText);
NameCount nameCount(const char* name);
DateTimeField dateTimeField(const char* date, const char* time);
SplitDateTime splitDateTime(const char* field);
// splitDateTime of the first `length` bytes of `field`, straight into a record's buffers.
void splitDateTimeInto(const char* field, size_t length, char (&date)[16], char (&time)[16]);

// Reads a non-negative number from the leading decimal digits of `text` after blanks and
// TABs; no digits gives 0, and a run too long for 31 bits stays at the largest value.
long leadingDigits(const char* text);
