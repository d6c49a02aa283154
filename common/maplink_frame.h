// Text frames: how one argument text travels as a run of posted messages
// (start, one message per cp932 character, terminator), and how a receiver rebuilds it.
#pragma once

#include "cp932_text.h"
#include "maplink_protocol.h"

#include <cstddef>
#include <cstdint>


// The code of the character starting at text[pos]: the byte for a single-byte character,
// lead * 256 + trail sign-extended from 16 bits for a double-byte one. Returns the number of
// bytes the character takes (1 or 2), or 0 at the end of the text, which includes a lead byte
// that is the last byte (it is never sent).
size_t nextCharCode(const char* text, size_t length, size_t pos, int32_t* code);

// Receives one step of a frame: (wParam, lParam) as posted. Returns 0 or -1 to stop the frame.
using FrameStepFn = int (*)(uint32_t wParam, intptr_t lParam, void* context);

// Emits the steps of the frame that carries text and ends with the sub-code terminator.
// A text longer than kMaxFrameTextBytes is cut there without splitting a character.
// Returns 0, or -1 when a step failed; the steps after a failed one are not emitted, so the
// receiver never acts on a partial text.
int sendTextFrame(const MapLinkMessages& messages, const char* text, SubCode terminator, FrameStepFn step,
                  void* context);

// Windows only: posts that frame on WM_CARTOLINK to `window` (an HWND). Returns 0, or -1
// when there is no window or a post failed.
int postTextFrame(uintptr_t window, const MapLinkMessages& messages, const char* text, SubCode terminator);

// The receiver's text buffer: cp932 bytes, zero-terminated.
struct FrameText {
    char bytes[kMaxFrameTextBytes + 1] = {};
    size_t length = 0;
    // Set when a character did not fit; later characters of the frame are dropped too, so
    // an overlong text is cut at one place instead of losing bytes in its middle.
    bool full = false;
};

void clearFrameText(FrameText* text);

// Whether a received code (lParam) is a character of cp932: a single byte 0x01-0x7F or
// 0xA1-0xDF, or a valid lead and trail byte pair, given sign- or zero-extended from 16 bits.
// On success writes its bytes and returns their count (1 or 2); returns 0 for anything else.
int decodeCharCode(intptr_t code, unsigned char bytes[2]);

// Appends the character with the code to the text. Returns 1 when appended, 0 when the code is
// no character or the text is full (the character is dropped).
int appendCharCode(FrameText* text, intptr_t code);

// Handles one received step: SUB_TEXT_START empties the text, SUB_TEXT_CHAR appends lParam's
// character. Returns the sub-code wParam is (the caller acts on terminators with the text as
// it stands, even when no start came before), or -1 when wParam is none of the sub-codes.
int receiveFrameStep(FrameText* text, const MapLinkMessages& messages, uint32_t wParam, intptr_t lParam);
