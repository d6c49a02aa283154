#include "coord_input.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

// The normalised text: ASCII, with the unit marks and anything foreign as single bytes.
constexpr char kDegreeMark = '\x01';
constexpr char kMinuteMark = '\x02';
constexpr char kSecondMark = '\x03';
constexpr char kForeign = '\x7F';
constexpr size_t kMaxInput = 256;

const long kTenthsPerUnit[3] = {36000, 600, 10};

// Decodes one UTF-8 character at `p` (of `n` bytes left); returns its length, 0 when
// ill-formed.
size_t decodeUtf8(const unsigned char* p, size_t n, unsigned& cp) {
    if (p[0] < 0x80) {
        cp = p[0];
        return 1;
    }
    size_t len = (p[0] & 0xE0) == 0xC0 ? 2 : (p[0] & 0xF0) == 0xE0 ? 3 : (p[0] & 0xF8) == 0xF0 ? 4 : 0;
    if (len == 0 || len > n) return 0;
    cp = p[0] & (0x7F >> len);
    for (size_t i = 1; i < len; ++i) {
        if ((p[i] & 0xC0) != 0x80) return 0;
        cp = (cp << 6) | (p[i] & 0x3F);
    }
    return len;
}

// Maps what people type to a few ASCII bytes: full-width forms to ASCII, the many degree,
// minute and second signs to one mark each, the kanji hemispheres to their letters.
std::string normalise(const char* utf8) {
    std::string out;
    const unsigned char* p = reinterpret_cast<const unsigned char*>(utf8);
    size_t n = std::strlen(utf8);
    for (size_t i = 0; i < n;) {
        unsigned cp = 0, next = 0;
        size_t len = decodeUtf8(p + i, n - i, cp);
        if (len == 0) {
            out += kForeign;
            ++i;
            continue;
        }
        i += len;
        if (cp >= 0xFF01 && cp <= 0xFF5E) cp -= 0xFEE0;
        // Kanji hemispheres: 北緯 南緯 東経 西経.
        size_t nextLen = i < n ? decodeUtf8(p + i, n - i, next) : 0;
        char hemisphere = 0;
        if (next == 0x7DEF && cp == 0x5317) hemisphere = 'N';
        if (next == 0x7DEF && cp == 0x5357) hemisphere = 'S';
        if (next == 0x7D4C && cp == 0x6771) hemisphere = 'E';
        if (next == 0x7D4C && cp == 0x897F) hemisphere = 'W';
        if (hemisphere != 0 && nextLen != 0) {
            out += hemisphere;
            i += nextLen;
            continue;
        }
        switch (cp) {
        case 0x3000: case 0xA0: out += ' '; break;
        case 0x2212: out += '-'; break;
        case 0x3001: out += ','; break;
        case 0xB0: case 0xBA: case 0x5EA6: out += kDegreeMark; break;
        case 0x2032: case 0x2019: case 0x5206: out += kMinuteMark; break;
        case 0x2033: case 0x201D: case 0x79D2: out += kSecondMark; break;
        case '"': out += kSecondMark; break;
        case '\'':
            // Two apostrophes stand for a second sign.
            if (!out.empty() && out.back() == kMinuteMark && i >= 2 && p[i - 2] == '\'') {
                out.back() = kSecondMark;
            } else {
                out += kMinuteMark;
            }
            break;
        default: out += cp < 0x80 ? static_cast<char>(cp) : kForeign; break;
        }
    }
    return out;
}

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}
bool isMark(char c) {
    return c == kDegreeMark || c == kMinuteMark || c == kSecondMark;
}
char upperLetter(char c) {
    return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
}
bool isHemisphere(char c) {
    c = upperLetter(c);
    return c == 'N' || c == 'S' || c == 'E' || c == 'W';
}

std::string trimmed(const std::string& s) {
    size_t b = 0, e = s.size();
    while (b < e && isBlank(s[b])) ++b;
    while (e > b && isBlank(s[e - 1])) --e;
    return s.substr(b, e - b);
}

// One number of a coordinate and the unit it counts.
struct Part {
    std::string whole, fraction; // decimal digits before and after the point
    bool hasPoint = false;
    int unit = 0; // 0 degrees, 1 minutes, 2 seconds
};

// A plain decimal number: digits, at most one ".", at least one digit.
bool readNumber(const std::string& text, Part& part) {
    size_t dot = text.find('.');
    part.hasPoint = dot != std::string::npos;
    part.whole = text.substr(0, dot);
    part.fraction = part.hasPoint ? text.substr(dot + 1) : std::string();
    for (const std::string* s : {&part.whole, &part.fraction}) {
        for (char c : *s) {
            if (!isDigit(c)) return false;
        }
    }
    return !(part.whole.empty() && part.fraction.empty());
}

std::vector<std::string> splitAt(const std::string& text, char separator) {
    std::vector<std::string> pieces;
    size_t start = 0;
    for (;;) {
        size_t at = text.find(separator, start);
        pieces.push_back(text.substr(start, at == std::string::npos ? std::string::npos : at - start));
        if (at == std::string::npos) return pieces;
        start = at + 1;
    }
}

std::vector<std::string> blankSeparated(const std::string& text) {
    std::vector<std::string> words;
    std::string word;
    for (char c : text + " ") {
        if (isBlank(c)) {
            if (!word.empty()) words.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    return words;
}

// Numbers each followed by an optional mark; a number without one counts the unit after
// the previous number's.
bool readMarked(const std::string& body, std::vector<Part>& parts) {
    size_t i = 0;
    int nextUnit = 0;
    while (i < body.size()) {
        while (i < body.size() && isBlank(body[i])) ++i;
        if (i == body.size()) break;
        size_t start = i;
        while (i < body.size() && (isDigit(body[i]) || body[i] == '.')) ++i;
        Part part;
        if (!readNumber(body.substr(start, i - start), part)) return false;
        while (i < body.size() && isBlank(body[i])) ++i;
        part.unit = nextUnit;
        if (i < body.size() && isMark(body[i])) {
            int marked = body[i] - kDegreeMark;
            if (marked < nextUnit) return false;
            part.unit = marked;
            ++i;
        }
        if (part.unit > 2) return false;
        nextUnit = part.unit + 1;
        parts.push_back(part);
    }
    return !parts.empty();
}

// The numbers of a coordinate's body (sign and hemisphere gone), in one of the forms.
bool readParts(const std::string& body, std::vector<Part>& parts) {
    bool slashes = body.find('/') != std::string::npos;
    bool marks = false;
    for (char c : body) {
        if (isMark(c)) marks = true;
        else if (!isDigit(c) && c != '.' && c != '/' && !isBlank(c)) return false;
    }
    if (slashes && marks) return false;
    if (marks) return readMarked(body, parts);
    std::vector<std::string> pieces;
    if (slashes) {
        pieces = splitAt(body, '/');
        for (std::string& piece : pieces) piece = trimmed(piece);
    } else {
        pieces = blankSeparated(body);
        if (pieces.size() == 1) {
            std::vector<std::string> dotted = splitAt(pieces[0], '.');
            if (dotted.size() == 3) {
                pieces = dotted; // D.M.S
            } else if (dotted.size() == 4) {
                pieces = {dotted[0], dotted[1], dotted[2] + "." + dotted[3]}; // D.M.S.s
            } else if (dotted.size() > 4) {
                return false;
            }
        }
    }
    if (pieces.empty() || pieces.size() > 3) return false;
    for (size_t k = 0; k < pieces.size(); ++k) {
        Part part;
        if (!readNumber(pieces[k], part)) return false;
        part.unit = static_cast<int>(k);
        parts.push_back(part);
    }
    return true;
}

// The value of a digit run, saturating far above any coordinate but low enough that its
// tenths of a second still fit a 32-bit long (MinGW's).
long wholeValue(const char* digits, size_t n) {
    long value = 0;
    for (size_t k = 0; k < n; ++k) {
        value = value * 10 + (digits[k] - '0');
        if (value > 10000L) return 10000L;
    }
    return value;
}
long wholeValue(const std::string& digits) {
    return wholeValue(digits.data(), digits.size());
}

// fraction (0.d1d2...) times `factor`, rounded to the nearest integer, halves up, in
// decimal digits: exact for any number of digits.
long roundedFractionTimes(const char* fraction, size_t n, long factor) {
    // Schoolbook product of the digit string and the factor, least significant digit first.
    // The digits beyond the fraction's length are the integer part; the first dropped digit
    // (the last one made) decides the rounding: a decimal expansion is finite, so >= 5 means
    // at least one half.
    long carry = 0, firstDropped = 0;
    for (size_t k = n; k-- > 0;) {
        long d = (fraction[k] - '0') * factor + carry;
        firstDropped = d % 10;
        carry = d / 10;
    }
    return carry + (firstDropped >= 5 ? 1 : 0);
}

// Plain decimal degrees ("139.767125", "-35.5", blanks around), the form files from elsewhere
// hold, read without the general path's copies; false for any other text, which that path
// then reads. The result is the general path's to the bit: the same integer steps and the
// same floating-point expression on the same decimal value.
bool readPlainDegrees(const char* text, CoordReading& r) {
    const char* p = text;
    while (isBlank(*p)) ++p;
    bool negative = false;
    if (*p == '-' || *p == '+') {
        negative = *p == '-';
        ++p;
        while (isBlank(*p)) ++p;
    }
    const char* number = p;
    const char* dot = nullptr;
    for (; isDigit(*p) || *p == '.'; ++p) {
        if (*p != '.') continue;
        if (dot != nullptr) return false;
        dot = p;
    }
    const char* end = p;
    while (isBlank(*p)) ++p;
    if (*p != '\0' || static_cast<size_t>(p - text) > kMaxInput) return false;
    const size_t wholeDigits = static_cast<size_t>((dot ? dot : end) - number);
    const size_t fractionDigits = dot ? static_cast<size_t>(end - dot - 1) : 0;
    if (wholeDigits + fractionDigits == 0) return false;
    const long factor = kTenthsPerUnit[0];
    r.tenths = wholeValue(number, wholeDigits) * factor +
               (fractionDigits ? roundedFractionTimes(dot + 1, fractionDigits, factor) : 0);
    r.degrees = std::strtod(number, nullptr) * static_cast<double>(factor) / 36000.0;
    r.hasLetter = false;
    r.letterAxis = CoordAxis::Latitude;
    if (negative) r.degrees = -r.degrees;
    r.status = negative && r.tenths > 0 ? CoordStatus::SouthOrWest : CoordStatus::Ok;
    return true;
}

// Reads the normalised text of one coordinate, without judging its axis yet.
CoordReading readNormalised(const std::string& text) {
    CoordReading r;
    std::string s = trimmed(text);
    if (s.empty()) return r;
    r.status = CoordStatus::Invalid;
    if (s.size() > kMaxInput) return r;
    char letter = 0;
    if (isHemisphere(s.front())) {
        letter = upperLetter(s.front());
        s = trimmed(s.substr(1));
    } else if (isHemisphere(s.back())) {
        letter = upperLetter(s.back());
        s = trimmed(s.substr(0, s.size() - 1));
    }
    bool negative = false;
    if (!s.empty() && (s[0] == '-' || s[0] == '+')) {
        negative = s[0] == '-';
        s = trimmed(s.substr(1));
    }
    std::vector<Part> parts;
    if (!readParts(s, parts)) return r;
    for (size_t k = 0; k < parts.size(); ++k) {
        // Only the last part may carry decimals; minutes and seconds stay below 60.
        if (parts[k].hasPoint && k + 1 != parts.size()) return r;
        if (parts[k].unit > 0 && wholeValue(parts[k].whole) >= 60) return r;
    }
    long tenths = 0;
    double degrees = 0.0;
    for (const Part& part : parts) {
        long factor = kTenthsPerUnit[part.unit];
        tenths += wholeValue(part.whole) * factor;
        if (!part.fraction.empty()) tenths += roundedFractionTimes(part.fraction.data(), part.fraction.size(), factor);
        std::string number = (part.whole.empty() ? "0" : part.whole) + "." + part.fraction + "0";
        degrees += std::strtod(number.c_str(), nullptr) * static_cast<double>(factor) / 36000.0;
    }
    r.tenths = tenths;
    r.degrees = degrees;
    r.hasLetter = letter != 0;
    r.letterAxis = (letter == 'E' || letter == 'W') ? CoordAxis::Longitude : CoordAxis::Latitude;
    bool southOrWest = negative || letter == 'S' || letter == 'W';
    if (southOrWest) r.degrees = -degrees;
    r.status = southOrWest && tenths > 0 ? CoordStatus::SouthOrWest : CoordStatus::Ok;
    return r;
}

// The reading judged as a coordinate of `axis`.
CoordReading judged(CoordReading r, CoordAxis axis) {
    if (r.status != CoordStatus::Ok && r.status != CoordStatus::SouthOrWest) return r;
    if (r.hasLetter && r.letterAxis != axis) {
        r.status = CoordStatus::Invalid;
        return r;
    }
    long limit = (axis == CoordAxis::Latitude ? 90L : 180L) * 36000L;
    if (r.tenths > limit) r.status = CoordStatus::OutOfRange;
    return r;
}

// Where a pasted pair divides: after the first coordinate and its separator.
bool splitPair(const std::string& s, std::string& first, std::string& second) {
    size_t separators = 0, at = 0;
    for (size_t i = 0; i < s.size(); ++i) {
        if (s[i] == ',' || s[i] == ';' || s[i] == '\t') {
            ++separators;
            at = i;
        }
    }
    if (separators > 1) return false;
    if (separators == 1) {
        first = s.substr(0, at);
        second = s.substr(at + 1);
        return true;
    }
    std::string t = trimmed(s);
    std::vector<size_t> letters;
    for (size_t i = 0; i < t.size(); ++i) {
        if (isHemisphere(t[i])) letters.push_back(i);
    }
    size_t cut = std::string::npos;
    if (letters.size() == 2 && letters[0] == 0) cut = letters[1];                     // N35 E139
    else if (letters.size() == 2 && letters[1] == t.size() - 1) cut = letters[0] + 1; // 35N 139E
    if (cut == std::string::npos) {
        size_t secondDegree = t.find(kDegreeMark, t.find(kDegreeMark) + 1);
        if (t.find(kDegreeMark) != std::string::npos && secondDegree != std::string::npos) {
            // The second coordinate starts with the number before its degree mark.
            size_t p = secondDegree;
            while (p > 0 && isBlank(t[p - 1])) --p;
            while (p > 0 && (isDigit(t[p - 1]) || t[p - 1] == '.')) --p;
            cut = p;
        } else {
            std::vector<std::string> words = blankSeparated(t);
            if (words.size() != 2) return false;
            first = words[0];
            second = words[1];
            return true;
        }
    }
    first = t.substr(0, cut);
    second = t.substr(cut);
    return true;
}

// The first problem of a pair, in the order the values are written.
CoordStatus firstProblem(const CoordReading& a, const CoordReading& b) {
    if (a.status != CoordStatus::Ok) return a.status;
    return b.status;
}

} // namespace

CoordReading readCoordInput(const char* utf8, CoordAxis axis) {
    CoordReading plain;
    if (utf8 != nullptr && readPlainDegrees(utf8, plain)) return judged(plain, axis);
    return judged(readNormalised(normalise(utf8 ? utf8 : "")), axis);
}

CoordPairReading readCoordPair(const char* utf8) {
    CoordPairReading pair;
    std::string s = normalise(utf8 ? utf8 : "");
    if (trimmed(s).empty()) return pair;
    pair.status = CoordStatus::Invalid;
    std::string first, second;
    if (s.size() > 2 * kMaxInput || !splitPair(s, first, second)) return pair;
    CoordReading a = readNormalised(first), b = readNormalised(second);
    if (a.status == CoordStatus::Empty || b.status == CoordStatus::Empty) return pair;
    // Letters decide the axes; without them the latitude comes first.
    bool swap = (a.hasLetter && a.letterAxis == CoordAxis::Longitude) ||
                (!a.hasLetter && b.hasLetter && b.letterAxis == CoordAxis::Latitude);
    if (swap) std::swap(a, b);
    pair.latitude = judged(a, CoordAxis::Latitude);
    pair.longitude = judged(b, CoordAxis::Longitude);
    pair.status = firstProblem(swap ? pair.longitude : pair.latitude, swap ? pair.latitude : pair.longitude);
    return pair;
}

CoordText coordTextOfTenths(long tenths) {
    if (tenths < 0) tenths = 0;
    CoordText coord;
    std::snprintf(coord.text, sizeof coord.text, "%03ld/%02ld/%02ld.%01ld", tenths / 36000, tenths / 600 % 60,
                  tenths / 10 % 60, tenths % 10);
    return coord;
}

long tenthsOfDegrees(double degrees) {
    if (!(degrees > 0.0)) return 0;
    if (degrees > 50000.0) degrees = 50000.0; // out of range either way; fits a 32-bit long
    return static_cast<long>(degrees * 36000.0 + 0.5);
}

DecimalDegreesText decimalDegreesOf(const char* coordText) {
    long long tenths = tenthsOfCoordText(coordText);
    bool negative = tenths < 0;
    if (negative) tenths = -tenths;
    // degrees * 10^7 = tenths * 10^7 / 36000 = tenths * 2500 / 9, rounded halves up.
    long long scaled = (tenths * 2500 * 2 + 9) / 18;
    DecimalDegreesText out;
    std::snprintf(out.text, sizeof out.text, "%s%lld.%07lld", negative && scaled > 0 ? "-" : "", scaled / 10000000,
                  scaled % 10000000);
    return out;
}

double degreesOfCoordText(const char* coordText) {
    return static_cast<double>(tenthsOfCoordText(coordText)) / 36000.0;
}
