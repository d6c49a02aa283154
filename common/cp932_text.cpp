#include "cp932_text.h"

#include <cstring>

size_t fittingBytes(const char* text, size_t limit) {
    // Scan from the start so that a trail byte is never taken for a lead byte.
    for (size_t i = 0; i < limit;) {
        if (isCp932LeadByte(static_cast<unsigned char>(text[i]))) {
            if (i + 1 == limit) return limit - 1;
            i += 2;
        } else {
            ++i;
        }
    }
    return limit;
}

size_t copyTruncated(char* destination, const char* text, size_t limit) {
    size_t length = std::strlen(text);
    size_t take = length > limit ? fittingBytes(text, limit) : length;
    std::memmove(destination, text, take);
    destination[take] = '\0';
    return take;
}
