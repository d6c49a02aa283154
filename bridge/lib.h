// Module Lib: the bridge's conversions between the wire's texts and the map's values.
#pragma once

#include "maplink_protocol.h"

#include <cstddef>
#include <cstdint>

enum class MapKind { ProAtlas, Mapple };

// Only "Mapple.Document" (exactly, case-sensitive) is Mapple; every other identifier is
// opened as the ProAtlas family.
MapKind mapKindOf(const char* identifier);

// The three parts of a SUB_ADD_TEXT_EX argument.
struct TextExArgument {
    char latitude[kMaxFrameTextBytes + 1];
    char longitude[kMaxFrameTextBytes + 1];
    char label[kMaxFrameTextBytes + 1];
};

// Splits latitude,longitude,label at the first two commas; the label keeps any further
// commas. Returns 0, or -1 when the argument has fewer than two commas.
int splitTextExArgument(const char* argument, TextExArgument* parts);

// Colour as automation passes it: red + green * 256 + blue * 65536.
int32_t packColour(int red, int green, int blue);

// Numeric coordinate (thousandths of an arc second) to map coordinate text; 0 is "".
int coordToText(int32_t value, char* text, size_t size);

// Map coordinate text to numeric coordinate; "" is 0. Returns 0, or -1 for a malformed text.
int textToCoord(const char* text, int32_t* value);
