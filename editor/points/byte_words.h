#pragma once
// Eight bytes at a time in a 64-bit number: loads and stores, and masks of the bytes that
// equal a given value. Byte i of memory is always bits 8i..8i+7 of the number, whatever the
// machine's byte order, so masks and positions mean the same everywhere.
#include <cstddef>
#include <cstdint>
#include <cstring>

// SSE2 is part of every x86-64 target; TENMARK_PORTABLE_BYTES builds the portable path alone
// (the two give the same bits).
#if (defined(__SSE2__) || defined(_M_X64)) && !defined(TENMARK_PORTABLE_BYTES)
#define TENMARK_BYTE_WORDS_SSE2 1
#include <emmintrin.h>
#endif

namespace byte_words {

constexpr uint64_t kOnes = 0x0101010101010101ULL;
constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;

#if defined(__BYTE_ORDER__) && defined(__ORDER_LITTLE_ENDIAN__) && __BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__
constexpr bool kLittleEndian = true;
#else
constexpr bool kLittleEndian = false;
#endif

inline uint64_t load(const char* p) {
    uint64_t x;
    if (kLittleEndian) {
        std::memcpy(&x, p, 8);
    } else {
        x = 0;
        for (int i = 7; i >= 0; --i)
            x = x << 8 | static_cast<unsigned char>(p[i]);
    }
    return x;
}

// The bytes from `p` up to `end` (fewer than eight may be there), zeros after them.
inline uint64_t loadUpTo(const char* p, const char* end) {
    size_t n = static_cast<size_t>(end - p);
    if (n >= 8) return load(p);
    uint64_t x = 0;
    for (size_t i = n; i > 0; --i)
        x = x << 8 | static_cast<unsigned char>(p[i - 1]);
    return x;
}

inline void store(char* p, uint64_t x) {
    if (kLittleEndian) {
        std::memcpy(p, &x, 8);
    } else {
        for (int i = 0; i < 8; ++i)
            p[i] = static_cast<char>(x >> (8 * i));
    }
}

// 0x80 in every byte of `x` that equals `c`, 0 elsewhere. Exact: no borrow runs from one
// byte into the next, as it does in the shorter (x - 0x01..) & ~x test.
inline uint64_t equalBytes(uint64_t x, unsigned char c) {
    uint64_t t = x ^ (kOnes * c);
    return ~(((t & kLow7) + kLow7) | t | kLow7);
}

// The top bits of the eight bytes of a mask from equalBytes, as bits 0..7 (byte i, bit i).
inline unsigned gatherBits(uint64_t mask) {
    return static_cast<unsigned>(((mask >> 7) * 0x0102040810204080ULL) >> 56);
}

// The lowest `n` bytes all ones, for n from 0 to 8 (a table: no branch, no variable shift).
inline uint64_t lowBytes(size_t n) {
    static constexpr uint64_t kMasks[9] = {0,
                                           0xFFULL,
                                           0xFFFFULL,
                                           0xFFFFFFULL,
                                           0xFFFFFFFFULL,
                                           0xFFFFFFFFFFULL,
                                           0xFFFFFFFFFFFFULL,
                                           0xFFFFFFFFFFFFFFULL,
                                           ~uint64_t{0}};
    return kMasks[n];
}

// Index of the lowest set bit; `x` is not 0.
inline unsigned lowestBit(uint64_t x) {
#if defined(__GNUC__) || defined(__clang__)
    return static_cast<unsigned>(__builtin_ctzll(x));
#else
    unsigned n = 0;
    while ((x & 1) == 0) {
        x >>= 1;
        ++n;
    }
    return n;
#endif
}

// Byte index of the lowest marked byte of a mask from equalBytes; `mask` is not 0.
inline size_t firstMarked(uint64_t mask) {
    return lowestBit(mask) / 8;
}

// Bit i for byte i of 16 bytes: which are "#", which are TABs, and which end a line's
// text (LF or a zero byte).
struct ChunkBits {
    unsigned hashes;
    unsigned tabs;
    unsigned stops;
};

inline ChunkBits chunkBitsPortable(const char* p) {
    ChunkBits bits{0, 0, 0};
    for (unsigned w = 0; w < 2; ++w) {
        uint64_t x = load(p + 8 * w);
        bits.hashes |= gatherBits(equalBytes(x, '#')) << (8 * w);
        bits.tabs |= gatherBits(equalBytes(x, '\t')) << (8 * w);
        bits.stops |= gatherBits(equalBytes(x, '\n') | equalBytes(x, 0)) << (8 * w);
    }
    return bits;
}

#ifdef TENMARK_BYTE_WORDS_SSE2
inline ChunkBits chunkBits(const char* p) {
    const __m128i x = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    const __m128i stops = _mm_or_si128(_mm_cmpeq_epi8(x, _mm_set1_epi8('\n')), _mm_cmpeq_epi8(x, _mm_setzero_si128()));
    ChunkBits bits;
    bits.hashes = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(x, _mm_set1_epi8('#'))));
    bits.tabs = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(x, _mm_set1_epi8('\t'))));
    bits.stops = static_cast<unsigned>(_mm_movemask_epi8(stops));
    return bits;
}
#else
inline ChunkBits chunkBits(const char* p) {
    return chunkBitsPortable(p);
}
#endif

// chunkBits of the `n` bytes at `p`, fewer than 16; the missing ones count as zero bytes.
inline ChunkBits chunkBitsOfPart(const char* p, size_t n) {
    char padded[16] = {};
    std::memcpy(padded, p, n);
    return chunkBits(padded);
}

} // namespace byte_words
