#pragma once
// Helpers for zero-terminated cp932 (Shift-JIS) byte strings held in fixed buffers.
// The lead-byte test, copyTruncated and copyInto come from the one cp932 module.
#include "cp932_text.h"

#include <cstddef>

// Like copyTruncated, but first keeps the QPF field separators out of the value:
// "#" becomes the full-width "＃", TAB, CR and LF a blank.
size_t copyFieldValue(char* destination, const char* text, size_t limit);

// Where the last element of a path starts: after its last "\" or "/", or after the drive's
// ":". Walks by characters, since 0x5C can be the trail byte of a double-byte character.
const char* lastPathElement(const char* path);

// Upper-cases single-byte letters in place; double-byte characters are left alone.
void upperSingleByte(char* text);

// Number of characters, a double-byte character counting one.
size_t characterCount(const char* text);
