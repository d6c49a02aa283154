#include "text_bytes.h"

#include <cstring>

namespace {

// Length of the character starting at `p`: 2 for a lead byte followed by a trail byte.
size_t charLength(const char* p) {
    return (isCp932LeadByte(static_cast<unsigned char>(p[0])) && p[1] != '\0') ? 2 : 1;
}

} // namespace

size_t copyFieldValue(char* destination, const char* text, size_t limit) {
    static const char kFullWidthHash[] = "\x81\x94";
    size_t out = 0;
    for (const char* p = text; *p != '\0';) {
        // No trail byte lies below 0x40, where the separators are: a lead byte before one
        // stands alone, so that the separator is still replaced.
        size_t inLength = charLength(p);
        if (inLength == 2 && static_cast<unsigned char>(p[1]) < 0x40) inLength = 1;
        const char* unit = p;
        size_t unitLength = inLength;
        char blank = ' ';
        if (*p == '#') {
            unit = kFullWidthHash;
            unitLength = 2;
        } else if (*p == '\t' || *p == '\r' || *p == '\n') {
            unit = &blank;
        }
        if (out + unitLength > limit) break;
        std::memcpy(destination + out, unit, unitLength);
        out += unitLength;
        p += inLength;
    }
    destination[out] = '\0';
    return out;
}

const char* lastPathElement(const char* path) {
    const char* element = path;
    for (const char* p = path; *p != '\0'; p += charLength(p)) {
        if (*p == '\\' || *p == '/' || (p == path + 1 && *p == ':')) element = p + 1;
    }
    return element;
}

void upperSingleByte(char* text) {
    for (char* p = text; *p != '\0'; p += charLength(p)) {
        if (*p >= 'a' && *p <= 'z') *p = static_cast<char>(*p - 'a' + 'A');
    }
}

size_t characterCount(const char* text) {
    size_t n = 0;
    for (const char* p = text; *p != '\0'; p += charLength(p)) ++n;
    return n;
}
