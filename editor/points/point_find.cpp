#include "point_find.h"

#include "cp932_text.h"

#include <algorithm>

namespace {

// Full-width forms of the half-width katakana 0xA1 .. 0xDF, in order.
const uint16_t kFullWidthKana[] = {
    0x8142, 0x8175, 0x8176, 0x8141, 0x8145, 0x8392, 0x8340, 0x8342, 0x8344, 0x8346, 0x8348, 0x8383, 0x8385,
    0x8387, 0x8362, 0x815B, 0x8341, 0x8343, 0x8345, 0x8347, 0x8349, 0x834A, 0x834C, 0x834E, 0x8350, 0x8352,
    0x8354, 0x8356, 0x8358, 0x835A, 0x835C, 0x835E, 0x8360, 0x8363, 0x8365, 0x8367, 0x8369, 0x836A, 0x836B,
    0x836C, 0x836D, 0x836E, 0x8371, 0x8374, 0x8377, 0x837A, 0x837D, 0x837E, 0x8380, 0x8381, 0x8382, 0x8384,
    0x8386, 0x8388, 0x8389, 0x838A, 0x838B, 0x838C, 0x838D, 0x838F, 0x8393, 0x814A, 0x814B,
};

// Full-width signs and the ASCII characters they stand for.
struct SignPair {
    uint16_t fullWidth;
    char ascii;
};
const SignPair kFullWidthSigns[] = {
    {0x8140, ' '}, {0x8149, '!'}, {0x8194, '#'}, {0x8190, '$'}, {0x8193, '%'},  {0x8195, '&'},
    {0x8169, '('}, {0x816A, ')'}, {0x8196, '*'}, {0x817B, '+'}, {0x8143, ','},  {0x817C, '-'},
    {0x8144, '.'}, {0x815E, '/'}, {0x8146, ':'}, {0x8147, ';'}, {0x8183, '<'},  {0x8181, '='},
    {0x8184, '>'}, {0x8148, '?'}, {0x8197, '@'}, {0x816D, '['}, {0x815F, '\\'}, {0x816E, ']'},
    {0x814F, '^'}, {0x8151, '_'}, {0x814D, '`'}, {0x816F, '{'}, {0x8162, '|'},  {0x8170, '}'},
};

const unsigned char kVoicedMark = 0xDE;     // ﾞ
const unsigned char kSemiVoicedMark = 0xDF; // ﾟ

// The full-width voiced form of half-width kana `kana` followed by `mark`, or 0 when the
// pair makes none.
uint16_t voicedKana(unsigned char kana, unsigned char mark) {
    uint16_t plain = kFullWidthKana[kana - 0xA1];
    if (mark == kVoicedMark) {
        if (kana == 0xB3) return 0x8394; // ｳﾞ is ヴ
        // カ .. ト and ハ .. ホ: the voiced form is the next code.
        if (kana >= 0xB6 && kana <= 0xC4) return static_cast<uint16_t>(plain + 1);
        if (kana >= 0xCA && kana <= 0xCE) return static_cast<uint16_t>(plain + 1);
    } else if (mark == kSemiVoicedMark && kana >= 0xCA && kana <= 0xCE) {
        return static_cast<uint16_t>(plain + 2);
    }
    return 0;
}

uint16_t foldDoubleByte(uint16_t code) {
    if (code >= 0x8260 && code <= 0x8279) return static_cast<uint16_t>('A' + (code - 0x8260));
    if (code >= 0x8281 && code <= 0x829A) return static_cast<uint16_t>('A' + (code - 0x8281));
    if (code >= 0x824F && code <= 0x8258) return static_cast<uint16_t>('0' + (code - 0x824F));
    // Hiragana ぁ .. み and む .. ん sit below their katakana, around the katakana's gap at 0x837F.
    if (code >= 0x829F && code <= 0x82DD) return static_cast<uint16_t>(code + 0xA1);
    if (code >= 0x82DE && code <= 0x82F1) return static_cast<uint16_t>(code + 0xA2);
    for (const SignPair& sign : kFullWidthSigns) {
        if (sign.fullWidth == code) return static_cast<uint16_t>(static_cast<unsigned char>(sign.ascii));
    }
    return code;
}

} // namespace

FoldedText foldForFind(const char* text) {
    FoldedText folded;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(text);
    while (*p != '\0') {
        unsigned char c = *p;
        if (isCp932LeadByte(c) && p[1] != '\0') {
            folded.push_back(foldDoubleByte(static_cast<uint16_t>(c << 8 | p[1])));
            p += 2;
        } else if (c >= 0xA1 && c <= 0xDF) {
            uint16_t voiced = voicedKana(c, p[1]);
            folded.push_back(voiced != 0 ? voiced : kFullWidthKana[c - 0xA1]);
            p += voiced != 0 ? 2 : 1;
        } else {
            folded.push_back(c >= 'a' && c <= 'z' ? static_cast<uint16_t>(c - 'a' + 'A') : c);
            ++p;
        }
    }
    return folded;
}

bool containsFolded(const FoldedText& text, const FoldedText& part) {
    return std::search(text.begin(), text.end(), part.begin(), part.end()) != text.end();
}

bool pointContains(const PointDocument& doc, int i, const FoldedText& part) {
    return containsFolded(foldForFind(doc.getName(i)), part) ||
           containsFolded(foldForFind(doc.getVoiceWord(i)), part) ||
           containsFolded(foldForFind(doc.getPhone(i)), part);
}

int findNextPoint(const PointDocument& doc, const char* text, int after) {
    FoldedText part = foldForFind(text);
    int n = doc.count();
    if (part.empty() || n == 0) return -1;
    if (after < -1 || after >= n) after = -1;
    for (int step = 1; step <= n; ++step) {
        int i = (after + step) % n;
        if (pointContains(doc, i, part)) return i;
    }
    return -1;
}
