#include "time_stamp.h"

#include <cstdio>

namespace {

constexpr long long kJapanOffset = 9 * 3600;

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's civil calendar method).
long long daysFromCivil(long long y, unsigned m, unsigned d) {
    y -= m <= 2;
    long long era = (y >= 0 ? y : y - 399) / 400;
    unsigned yoe = static_cast<unsigned>(y - era * 400);
    unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<long long>(doe) - 719468;
}

void civilFromDays(long long z, long long& y, unsigned& m, unsigned& d) {
    z += 719468;
    long long era = (z >= 0 ? z : z - 146096) / 146097;
    unsigned doe = static_cast<unsigned>(z - era * 146097);
    unsigned yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    unsigned doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    unsigned mp = (5 * doy + 2) / 153;
    d = doy - (153 * mp + 2) / 5 + 1;
    m = mp < 10 ? mp + 3 : mp - 9;
    y = static_cast<long long>(yoe) + era * 400 + (m <= 2);
}

bool leap(long long y) {
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

unsigned daysInMonth(long long y, unsigned m) {
    static const unsigned days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && leap(y) ? 29 : days[m - 1];
}

struct Moment {
    long long y;
    unsigned mo, d, h, mi, s;
};

bool real(const Moment& t) {
    return t.y >= 1 && t.y <= 9999 && t.mo >= 1 && t.mo <= 12 && t.d >= 1 && t.d <= daysInMonth(t.y, t.mo) &&
           t.h < 24 && t.mi < 60 && t.s < 60;
}

long long secondsOf(const Moment& t) {
    return daysFromCivil(t.y, t.mo, t.d) * 86400 + t.h * 3600 + t.mi * 60 + t.s;
}

Moment momentOf(long long seconds) {
    long long days = seconds >= 0 ? seconds / 86400 : -((-seconds + 86399) / 86400);
    long long rest = seconds - days * 86400;
    Moment t;
    civilFromDays(days, t.y, t.mo, t.d);
    t.h = static_cast<unsigned>(rest / 3600);
    t.mi = static_cast<unsigned>(rest / 60 % 60);
    t.s = static_cast<unsigned>(rest % 60);
    return t;
}

// Reads exactly `n` digits at `p`.
bool digits(const std::string& s, size_t& p, size_t n, unsigned& value) {
    value = 0;
    for (size_t k = 0; k < n; ++k, ++p) {
        if (p >= s.size() || s[p] < '0' || s[p] > '9') return false;
        value = value * 10 + static_cast<unsigned>(s[p] - '0');
    }
    return true;
}

bool expect(const std::string& s, size_t& p, char c) {
    if (p < s.size() && s[p] == c) {
        ++p;
        return true;
    }
    return false;
}

std::string withoutSeparators(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c != '/' && c != ':' && c != '-') out += c;
    }
    return out;
}

} // namespace

bool isoToRecordStamp(const std::string& iso, std::string& date, std::string& time) {
    std::string s;
    for (char c : iso) {
        if (c != ' ' && c != '\t' && c != '\n' && c != '\r') s += c;
    }
    size_t p = 0;
    unsigned year = 0;
    Moment t{};
    if (!digits(s, p, 4, year) || !expect(s, p, '-') || !digits(s, p, 2, t.mo) || !expect(s, p, '-') ||
        !digits(s, p, 2, t.d) || !(expect(s, p, 'T') || expect(s, p, 't')) || !digits(s, p, 2, t.h) ||
        !expect(s, p, ':') || !digits(s, p, 2, t.mi))
        return false;
    t.y = year;
    if (expect(s, p, ':') && !digits(s, p, 2, t.s)) return false;
    if (expect(s, p, '.') || expect(s, p, ',')) {
        size_t start = p;
        while (p < s.size() && s[p] >= '0' && s[p] <= '9') ++p;
        if (p == start) return false;
    }
    long long offset = 0;
    if (p < s.size() && (s[p] == 'Z' || s[p] == 'z')) {
        ++p;
    } else if (p < s.size() && (s[p] == '+' || s[p] == '-')) {
        int sign = s[p] == '-' ? -1 : 1;
        ++p;
        unsigned oh = 0, om = 0;
        if (!digits(s, p, 2, oh)) return false;
        if (expect(s, p, ':') || (p < s.size() && s[p] >= '0' && s[p] <= '9')) {
            if (!digits(s, p, 2, om)) return false;
        }
        if (oh > 23 || om > 59) return false;
        offset = sign * static_cast<long long>(oh * 3600 + om * 60);
    }
    if (p != s.size() || !real(t)) return false;
    Moment japan = momentOf(secondsOf(t) - offset + kJapanOffset);
    if (!real(japan)) return false;
    char d[16], h[16];
    std::snprintf(d, sizeof d, "%04lld/%02u/%02u", japan.y, japan.mo, japan.d);
    std::snprintf(h, sizeof h, "%02u:%02u:%02u", japan.h, japan.mi, japan.s);
    date = d;
    time = h;
    return true;
}

bool recordStampToIso(const std::string& date, const std::string& time, std::string& iso) {
    std::string d = withoutSeparators(date), h = withoutSeparators(time);
    if (d.size() != 8 || h.size() != 6) return false;
    size_t p = 0, q = 0;
    unsigned year = 0;
    Moment t{};
    if (!digits(d, p, 4, year) || !digits(d, p, 2, t.mo) || !digits(d, p, 2, t.d) || !digits(h, q, 2, t.h) ||
        !digits(h, q, 2, t.mi) || !digits(h, q, 2, t.s))
        return false;
    t.y = year;
    if (!real(t)) return false;
    Moment utc = momentOf(secondsOf(t) - kJapanOffset);
    if (!real(utc)) return false;
    char text[40];
    std::snprintf(text, sizeof text, "%04lld-%02u-%02uT%02u:%02u:%02uZ", utc.y, utc.mo, utc.d, utc.h, utc.mi, utc.s);
    iso = text;
    return true;
}
