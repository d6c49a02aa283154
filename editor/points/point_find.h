#pragma once
// Finding points by text. Both sides are folded first, so that the forms people type
// interchangeably match alike: half-width katakana as full-width (a voiced pair such as
// "ｶﾞ" as the one character "ガ"), hiragana as katakana, full-width letters, digits and
// signs as their ASCII forms, and letters in upper case.
#include "point_document.h"

#include <cstdint>
#include <vector>

// Folded text: one code per character, a single byte as itself and a double-byte character
// as lead * 256 + trail, so that a match never starts on a trail byte.
using FoldedText = std::vector<uint16_t>;

FoldedText foldForFind(const char* text);
bool containsFolded(const FoldedText& text, const FoldedText& part);

// True when the name, the reading or the phone of point i contains `part` (folded, not empty).
bool pointContains(const PointDocument& doc, int i, const FoldedText& part);

// The first point after position `after` whose name, reading or phone contains `text`,
// going round past the end (so `after` itself comes last, and -1 starts at the top); -1
// when no point does or `text` is empty.
int findNextPoint(const PointDocument& doc, const char* text, int after);
