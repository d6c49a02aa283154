#include "tile_expiry.h"

#include <cctype>
#include <cstring>

namespace mapview {

namespace {

const char* const kMonths[12] = {"jan", "feb", "mar", "apr", "may", "jun",
                                 "jul", "aug", "sep", "oct", "nov", "dec"};

// Days since 1970-01-01 of a civil date (proleptic Gregorian).
int64_t DaysFromCivil(int64_t y, unsigned m, unsigned d) {
    y -= m <= 2;
    const int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<int64_t>(doe) - 719468;
}

class Scanner {
  public:
    explicit Scanner(const std::string& text) : s_(text) {}
    void skipSpaces() {
        while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t'))
            ++i_;
    }
    bool letters(std::string* word) {
        word->clear();
        while (i_ < s_.size() && std::isalpha(static_cast<unsigned char>(s_[i_])))
            *word += static_cast<char>(std::tolower(static_cast<unsigned char>(s_[i_++])));
        return !word->empty();
    }
    bool number(int maxDigits, int* value) {
        int digits = 0;
        *value = 0;
        while (i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_])) && digits < maxDigits) {
            *value = *value * 10 + (s_[i_++] - '0');
            ++digits;
        }
        return digits > 0 && !(i_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[i_])));
    }
    bool literal(char c) {
        if (i_ < s_.size() && s_[i_] == c) {
            ++i_;
            return true;
        }
        return false;
    }
    bool atEnd() {
        skipSpaces();
        return i_ == s_.size();
    }

  private:
    const std::string& s_;
    size_t i_ = 0;
};

int MonthIndex(const std::string& word) {
    if (word.size() != 3) return -1;
    for (int m = 0; m < 12; ++m) {
        if (word == kMonths[m]) return m;
    }
    return -1;
}

bool Time(Scanner& s, int* h, int* m, int* sec) {
    return s.number(2, h) && s.literal(':') && s.number(2, m) && s.literal(':') && s.number(2, sec) &&
           *h < 24 && *m < 60 && *sec <= 60;
}

int64_t Combine(int year, int month, int day, int h, int m, int sec) {
    static const int kDays[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 0 || month > 11 || day < 1 || day > kDays[month]) return -1;
    return DaysFromCivil(year, static_cast<unsigned>(month + 1), static_cast<unsigned>(day)) * 86400 +
           h * 3600 + m * 60 + sec;
}

} // namespace

int64_t ParseHttpDate(const std::string& text) {
    Scanner s(text);
    std::string word;
    int day = 0, year = 0, h = 0, m = 0, sec = 0;
    s.skipSpaces();
    if (!s.letters(&word)) return -1; // the weekday, not checked
    if (s.literal(',')) {
        s.skipSpaces();
        if (!s.number(2, &day)) return -1;
        if (s.literal('-')) { // RFC 850: 06-Nov-94
            if (!s.letters(&word) || !s.literal('-') || !s.number(4, &year)) return -1;
            if (year < 100) year += year < 70 ? 2000 : 1900;
        } else {
            s.skipSpaces();
            if (!s.letters(&word)) return -1;
            s.skipSpaces();
            if (!s.number(4, &year)) return -1;
        }
        const int month = MonthIndex(word);
        s.skipSpaces();
        if (!Time(s, &h, &m, &sec)) return -1;
        s.skipSpaces();
        if (!s.letters(&word) || (word != "gmt" && word != "utc") || !s.atEnd()) return -1;
        return Combine(year, month, day, h, m, sec);
    }
    // asctime: Sun Nov  6 08:49:37 1994
    s.skipSpaces();
    if (!s.letters(&word)) return -1;
    const int month = MonthIndex(word);
    s.skipSpaces();
    if (!s.number(2, &day)) return -1;
    s.skipSpaces();
    if (!Time(s, &h, &m, &sec)) return -1;
    s.skipSpaces();
    if (!s.number(4, &year) || !s.atEnd()) return -1;
    return Combine(year, month, day, h, m, sec);
}

int64_t CacheControlMaxAge(const std::string& cacheControl) {
    int64_t result = -1;
    size_t i = 0;
    while (i < cacheControl.size()) {
        size_t end = cacheControl.find(',', i);
        if (end == std::string::npos) end = cacheControl.size();
        std::string item = cacheControl.substr(i, end - i);
        i = end + 1;
        size_t b = item.find_first_not_of(" \t");
        if (b == std::string::npos) continue;
        size_t e = item.find_last_not_of(" \t");
        item = item.substr(b, e - b + 1);
        for (char& c : item)
            c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        if (item == "no-cache" || item == "no-store") return 0;
        if (item.compare(0, 8, "max-age=") != 0) continue;
        std::string value = item.substr(8);
        if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
            value = value.substr(1, value.size() - 2);
        if (value.empty() || value.find_first_not_of("0123456789") != std::string::npos) continue;
        int64_t v = 0;
        for (char c : value) {
            v = v * 10 + (c - '0');
            if (v > 10LL * 365 * 86400) v = 10LL * 365 * 86400; // beyond ten years is ten years
        }
        result = v;
    }
    return result;
}

int64_t TileExpiry(const std::string& cacheControl, const std::string& expires, const std::string& date,
                   int64_t now) {
    const int64_t maxAge = CacheControlMaxAge(cacheControl);
    if (maxAge >= 0) return now + maxAge;
    if (!expires.empty()) {
        const int64_t at = ParseHttpDate(expires);
        if (at < 0) return now;
        const int64_t served = ParseHttpDate(date);
        const int64_t lifetime = at - (served >= 0 ? served : now);
        return now + (lifetime > 0 ? lifetime : 0);
    }
    return now + kDefaultTileLifetimeSeconds;
}

} // namespace mapview
