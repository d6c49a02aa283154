#include "lib.h"

#include "bridge_texts.h"
#include "map_coord_text.h"

#include <cstring>

MapKind mapKindOf(const char* identifier) {
    if (identifier != nullptr && strcmp(identifier, kMappleIdentifier) == 0) return MapKind::Mapple;
    return MapKind::ProAtlas;
}

namespace {
void CopyPart(const char* begin, size_t length, char* out) {
    if (length > kMaxFrameTextBytes) length = kMaxFrameTextBytes;
    memcpy(out, begin, length);
    out[length] = '\0';
}
} // namespace

int splitTextExArgument(const char* argument, TextExArgument* parts) {
    if (argument == nullptr || parts == nullptr) return -1;
    // A comma is never a trail byte of cp932, so a byte search cannot cut a character.
    const char* first = strchr(argument, ',');
    if (first == nullptr) return -1;
    const char* second = strchr(first + 1, ',');
    if (second == nullptr) return -1;
    CopyPart(argument, first - argument, parts->latitude);
    CopyPart(first + 1, second - first - 1, parts->longitude);
    CopyPart(second + 1, strlen(second + 1), parts->label);
    return 0;
}

int32_t packColour(int red, int green, int blue) {
    return red + green * 256 + blue * 65536;
}

int coordToText(int32_t value, char* text, size_t size) {
    return formatMapCoord(value, text, size);
}

int textToCoord(const char* text, int32_t* value) {
    return parseMapCoord(text, value);
}
