#include "qpf_plain_line.h"

#include "byte_words.h"
#include "field_conversions.h"
#include "text_bytes.h"

#include <climits>
#include <cstdint>
#include <cstring>

namespace {

using namespace byte_words;

// The "#" that open fields 1 to 25.
constexpr int kSeparators = 25;

// Plain lines whose 25th "#" lies in their first 2048 bytes (a written line stays under
// 800 bytes); longer ones take the byte-wise reading.
constexpr size_t kMaxBlocks = 32;

// Where a line's "#" are: a mask per 64-byte block, and the offset of the 25th.
struct Separators {
    uint64_t hashes[kMaxBlocks];
    size_t last;
};

int bitCount(uint64_t x) {
    x = x - ((x >> 1) & 0x5555555555555555ULL);
    x = (x & 0x3333333333333333ULL) + ((x >> 2) & 0x3333333333333333ULL);
    x = (x + (x >> 4)) & 0x0F0F0F0F0F0F0F0FULL;
    return static_cast<int>((x * 0x0101010101010101ULL) >> 56);
}

// The masks of the 64 bytes at `block`, of which `available` lie in the file; the missing
// ones count as zero bytes.
struct BlockBits {
    uint64_t hashes = 0, tabs = 0, stops = 0;

    void add(ChunkBits bits, unsigned shift) {
        hashes |= uint64_t{bits.hashes} << shift;
        tabs |= uint64_t{bits.tabs} << shift;
        stops |= uint64_t{bits.stops} << shift;
    }

    BlockBits(const char* block, size_t available) {
        if (available >= 64) {
            add(chunkBits(block), 0);
            add(chunkBits(block + 16), 16);
            add(chunkBits(block + 32), 32);
            add(chunkBits(block + 48), 48);
            return;
        }
        for (unsigned c = 0; c < 64; c += 16) {
            if (available <= c) {
                add(ChunkBits{0, 0, 0xFFFF}, c);
            } else {
                size_t n = available - c;
                add(n >= 16 ? chunkBits(block + c) : chunkBitsOfPart(block + c, n), c);
            }
        }
    }
};

// Finds the first 25 "#" of the line and checks, with the masks of whole blocks at once,
// that the line is plain up to the last of them: each "#" but the first has a TAB just
// before it and each TAB a "#" just after it, and no byte ends the text. So no field holds
// a run of "#", and its only TAB is its last byte.
bool findSeparators(const char* line, const char* limit, Separators& s) {
    const size_t available = static_cast<size_t>(limit - line);
    int found = 0;
    uint64_t tabBefore = 1; // the line's opening "#" has none
    for (size_t k = 0; k < kMaxBlocks && 64 * k < available; ++k) {
        const size_t at = 64 * k;
        BlockBits b(line + at, available - at);
        s.hashes[k] = b.hashes;
        const int count = bitCount(b.hashes);
        uint64_t checked = ~uint64_t{0};
        const bool complete = found + count >= kSeparators;
        if (complete) {
            // Up to the 25th "#" and no further: the check value and what follows are free.
            uint64_t h = b.hashes;
            for (int i = found + 1; i < kSeparators; ++i)
                h &= h - 1;
            const unsigned last = lowestBit(h);
            s.last = at + last;
            checked = last == 63 ? ~uint64_t{0} : (uint64_t{2} << last) - 1;
        }
        if ((((b.tabs << 1 | tabBefore) ^ b.hashes) | b.stops) & checked) return false;
        if (complete) return available - s.last >= 8;
        found += count;
        tabBefore = b.tabs >> 63;
    }
    return false;
}

// The "#" of a line in order, from the masks.
class SeparatorWalk {
  public:
    explicit SeparatorWalk(const Separators& s) : block_(s.hashes), bits_(s.hashes[0]) {}
    size_t next() {
        while (bits_ == 0) {
            bits_ = *++block_;
            base_ += 64;
        }
        size_t at = base_ + lowestBit(bits_);
        bits_ &= bits_ - 1;
        return at;
    }

  private:
    const uint64_t* block_;
    uint64_t bits_;
    size_t base_ = 0;
};

// A field's value: from after its "#" to before the TAB that ends it.
struct Value {
    const char* text;
    size_t length;
};

// Copies the value into a whole record buffer as the byte-wise reader does: whole and
// terminated when it fits, else cut like copyTruncated, with the bytes cut off left between
// the two terminators. A fitting value is copied a word at a time, its last word keeping
// what lay beyond the terminator; it may read up to 8 bytes past the value.
template <size_t N> inline void storeValue(char (&out)[N], Value v) {
    static_assert(N >= 8, "a record buffer holds at least one word");
    if (v.length >= N) {
        std::memcpy(out, v.text, N - 1);
        out[N - 1] = '\0';
        out[fittingBytes(out, N - 1)] = '\0';
        return;
    }
    size_t i = 0;
    for (; i + 8 <= v.length; i += 8)
        store(out + i, load(v.text + i));
    // The last word ends at the buffer's end at the latest, and may overlap the ones before.
    const size_t w = i < N - 8 ? i : N - 8;
    const uint64_t taken = lowBytes(v.length - w);
    const uint64_t kept = ~lowBytes(v.length - w + 1);
    store(out + w, (load(v.text + w) & taken) | (load(out + w) & kept));
}

// The first piece of a value split at blanks, leading ones skipped. Reads up to 8 bytes
// past the value.
Value firstWord(Value v) {
    size_t from = 0;
    while (from < v.length && v.text[from] == ' ')
        ++from;
    size_t to = from;
    for (; to < v.length; to += 8) {
        uint64_t blanks = equalBytes(load(v.text + to), ' ');
        if (blanks != 0) {
            to += firstMarked(blanks);
            break;
        }
    }
    return Value{v.text + from, (to < v.length ? to : v.length) - from};
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// The coordinate text of a coordinate field: its leading decimal digits after blanks,
// saturating at the largest int, as CoordText.
void storeCoordinate(char (&out)[32], Value v) {
    if (v.length == 8) {
        // The writer's eight digits DDDMMSST are already the text DDD/MM/SS.T.
        const uint64_t x = load(v.text);
        const uint64_t high = 0xF0F0F0F0F0F0F0F0ULL, zeros = 0x3030303030303030ULL;
        if ((x & high) == zeros && ((x + 0x0606060606060606ULL) & high) == zeros) {
            store(out, (x & 0xFFFFFF) | uint64_t{'/'} << 24 | (x >> 24 & 0xFFFF) << 32 | uint64_t{'/'} << 48 |
                           (x >> 40 & 0xFF) << 56);
            out[8] = v.text[6];
            out[9] = '.';
            out[10] = v.text[7];
            out[11] = '\0';
            return;
        }
    }
    size_t i = 0;
    while (i < v.length && v.text[i] == ' ')
        ++i;
    long long value = 0;
    for (; i < v.length && isDigit(v.text[i]); ++i) {
        value = value * 10 + (v.text[i] - '0');
        if (value > INT_MAX) value = INT_MAX;
    }
    writeCoordText(out, static_cast<long>(value));
}

// Field 22 as date and time; a text of 8 bytes or more gives the date from its first 8 and
// the time from its last 6, each written in one word.
void storeDateTime(PointRecord& r, Value v) {
    if (v.length < 8) {
        splitDateTimeInto(v.text, v.length, r.date, r.time);
        return;
    }
    const uint64_t d = load(v.text);
    store(r.date, (d & 0xFFFFFFFF) | uint64_t{'/'} << 32 | (d >> 32 & 0xFFFF) << 40 | uint64_t{'/'} << 56);
    r.date[8] = v.text[6];
    r.date[9] = v.text[7];
    r.date[10] = '\0';
    const uint64_t t = load(v.text + v.length - 8) >> 16;
    store(r.time, (t & 0xFFFF) | uint64_t{':'} << 16 | (t >> 16 & 0xFFFF) << 24 | uint64_t{':'} << 40 |
                      (t >> 32 & 0xFFFF) << 48);
    r.time[8] = '\0';
}

} // namespace

const char* readPlainLine(const char* line, const char* limit, PointRecord& r) {
    Separators s;
    if (!findSeparators(line, limit, s)) return nullptr;
    SeparatorWalk walk(s);
    size_t open = walk.next();
    // The next field's value, from after its "#" to before the TAB that ends it.
    auto next = [&] {
        size_t close = walk.next();
        Value v{line + open + 1, close - open - 2};
        open = close;
        return v;
    };
    auto skip = [&](int fields) {
        for (int i = 0; i < fields; ++i)
            open = walk.next();
    };
    storeValue(r.markNumber, next());
    skip(2);
    storeCoordinate(r.longitude, next());
    storeCoordinate(r.latitude, next());
    skip(4);
    storeValue(r.soundCode, next());
    storeValue(r.spare11, next());
    skip(1);
    storeValue(r.name, next());
    const Value direction = next();
    r.directionEnabled = direction.length == 2 && direction.text[0] == '0' && direction.text[1] == '0' ? 0 : 1;
    storeValue(r.directionCode, next());
    storeValue(r.spare16, next());
    storeValue(r.spare17, next());
    storeValue(r.spare18, next());
    storeValue(r.spare19, next());
    storeValue(r.spare20, next());
    storeValue(r.voiceWord, firstWord(next()));
    storeDateTime(r, next());
    storeValue(r.spare23, next());
    storeValue(r.phone, next());
    // The check value and CR usually come before the LF; 8 bytes are known to be there.
    const char* rest = line + s.last;
    uint64_t lf = equalBytes(load(rest), '\n');
    if (lf != 0) return rest + firstMarked(lf);
    const void* later = std::memchr(rest + 8, '\n', static_cast<size_t>(limit - rest) - 8);
    return later ? static_cast<const char*>(later) : limit;
}
