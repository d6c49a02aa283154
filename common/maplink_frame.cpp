#include "maplink_frame.h"

#include <cstring>

namespace {

bool IsCp932TrailByte(unsigned char byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

bool IsCp932SingleByte(unsigned char byte) {
    return (byte >= 0x01 && byte <= 0x7F) || (byte >= 0xA1 && byte <= 0xDF);
}

// Length of text cut at the frame limit, never inside a double-byte character.
size_t FrameLength(const char* text) {
    size_t limit = strnlen(text, kMaxFrameTextBytes + 1);
    size_t length = 0;
    while (length < limit) {
        size_t width = isCp932LeadByte(static_cast<unsigned char>(text[length])) ? 2 : 1;
        if (length + width > kMaxFrameTextBytes) break;
        if (length + width > limit) return limit; // a lone final lead byte, dropped when sent
        length += width;
    }
    return length;
}

} // namespace

size_t nextCharCode(const char* text, size_t length, size_t pos, int32_t* code) {
    if (text == nullptr || pos >= length) return 0;
    unsigned char lead = static_cast<unsigned char>(text[pos]);
    if (!isCp932LeadByte(lead)) {
        *code = lead;
        return 1;
    }
    if (pos + 1 >= length) return 0;
    unsigned char trail = static_cast<unsigned char>(text[pos + 1]);
    *code = static_cast<int16_t>(static_cast<uint16_t>((lead << 8) | trail));
    return 2;
}

int sendTextFrame(const MapLinkMessages& messages, const char* text, SubCode terminator, FrameStepFn step,
                  void* context) {
    if (step == nullptr) return -1;
    if (text == nullptr) text = "";
    if (step(messages.sub[SUB_TEXT_START], 0, context) < 0) return -1;
    size_t length = FrameLength(text);
    size_t pos = 0;
    int32_t code = 0;
    while (size_t width = nextCharCode(text, length, pos, &code)) {
        if (step(messages.sub[SUB_TEXT_CHAR], code, context) < 0) return -1;
        pos += width;
    }
    if (step(messages.sub[terminator], 0, context) < 0) return -1;
    return 0;
}

void clearFrameText(FrameText* text) {
    text->bytes[0] = '\0';
    text->length = 0;
    text->full = false;
}

int decodeCharCode(intptr_t code, unsigned char bytes[2]) {
    if (code < -32768 || code > 65535) return 0;
    uint32_t value = static_cast<uint32_t>(code) & 0xFFFFu;
    if (value <= 0xFF) {
        if (!IsCp932SingleByte(static_cast<unsigned char>(value))) return 0;
        bytes[0] = static_cast<unsigned char>(value);
        return 1;
    }
    unsigned char lead = static_cast<unsigned char>(value >> 8);
    unsigned char trail = static_cast<unsigned char>(value & 0xFF);
    if (!isCp932LeadByte(lead) || !IsCp932TrailByte(trail)) return 0;
    bytes[0] = lead;
    bytes[1] = trail;
    return 2;
}

int appendCharCode(FrameText* text, intptr_t code) {
    unsigned char bytes[2] = {};
    int width = decodeCharCode(code, bytes);
    if (width == 0) return 0;
    if (text->full || text->length + width > kMaxFrameTextBytes) {
        text->full = true;
        return 0;
    }
    memcpy(text->bytes + text->length, bytes, width);
    text->length += width;
    text->bytes[text->length] = '\0';
    return 1;
}

int receiveFrameStep(FrameText* text, const MapLinkMessages& messages, uint32_t wParam, intptr_t lParam) {
    int sub = findSubCode(messages, wParam);
    if (sub == SUB_TEXT_START) clearFrameText(text);
    if (sub == SUB_TEXT_CHAR) appendCharCode(text, lParam);
    return sub;
}
