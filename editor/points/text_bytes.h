#pragma once
// Helpers for zero-terminated cp932 (Shift-JIS) byte strings held in fixed buffers.
#include <cstddef>

inline bool isLeadByte(unsigned char c) { return (c >= 0x81 && c <= 0x9F) || (c >= 0xE0 && c <= 0xFC); }

// Copies at most `limit` bytes of `text` into `destination` (which holds limit + 1 bytes),
// never splitting a double-byte character; always zero-terminates. Returns the bytes copied.
size_t copyTruncated(char* destination, const char* text, size_t limit);

// How many of the first `limit` bytes of `text` (which is longer than that) can be taken
// without splitting a double-byte character, judged by scanning from the start.
size_t fittingBytes(const char* text, size_t limit);

// Like copyTruncated, but first keeps the QPF field separators out of the value:
// "#" becomes the full-width "＃", TAB, CR and LF a blank.
size_t copyFieldValue(char* destination, const char* text, size_t limit);

// Upper-cases single-byte letters in place; double-byte characters are left alone.
void upperSingleByte(char* text);

// Number of characters, a double-byte character counting one.
size_t characterCount(const char* text);

// copyTruncated into a whole buffer (its size less one as limit).
template <size_t N> size_t copyInto(char (&destination)[N], const char* text) {
    return copyTruncated(destination, text, N - 1);
}
