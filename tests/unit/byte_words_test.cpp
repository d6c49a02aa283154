#include "byte_words.h"

#include <gtest/gtest.h>

#include <random>

using namespace byte_words;

TEST(ByteWords, LoadAndStoreKeepMemoryOrder) {
    const char bytes[] = "\x01\x02\x03\x04\x05\x06\x07\x08\x09";
    EXPECT_EQ(load(bytes), 0x0807060504030201ULL);
    EXPECT_EQ(loadUpTo(bytes, bytes + 3), 0x030201ULL);
    char out[9] = "abcdefgh";
    store(out, 0x4847464544434241ULL);
    EXPECT_STREQ(out, "ABCDEFGH");
}

TEST(ByteWords, EqualBytesMarksExactlyTheMatches) {
    // Every byte value at every position, among neighbours that equal the value, differ from
    // it by one (where a borrowing test errs) or are zero.
    for (unsigned c : {0u, 0x09u, 0x0Au, 0x20u, 0x23u, 0x80u, 0xFFu}) {
        for (unsigned v = 0; v < 256; ++v) {
            for (unsigned at = 0; at < 8; ++at) {
                for (unsigned fill : {c, c ^ 1u, 0u}) {
                    char bytes[8];
                    for (unsigned i = 0; i < 8; ++i) bytes[i] = static_cast<char>(i == at ? v : fill);
                    unsigned expected = 0;
                    for (unsigned i = 0; i < 8; ++i) expected |= (static_cast<unsigned char>(bytes[i]) == c) << i;
                    ASSERT_EQ(gatherBits(equalBytes(load(bytes), static_cast<unsigned char>(c))), expected)
                        << "c " << c << " v " << v << " at " << at << " fill " << fill;
                }
            }
        }
    }
}

TEST(ByteWords, VectorAndPortableChunkBitsAgree) {
#ifndef TENMARK_BYTE_WORDS_SSE2
    GTEST_SKIP() << "built with the portable path only";
#endif
    std::mt19937 random(7);
    const char kBytes[] = {'#', '\t', '\n', '\0', 'a', '\x80', '\xFF', '\x22', '\x08'};
    for (int round = 0; round < 20000; ++round) {
        char chunk[16];
        for (char& c : chunk) c = kBytes[random() % sizeof kBytes];
        ChunkBits vector = chunkBits(chunk), portable = chunkBitsPortable(chunk);
        ASSERT_EQ(vector.hashes, portable.hashes);
        ASSERT_EQ(vector.tabs, portable.tabs);
        ASSERT_EQ(vector.stops, portable.stops);
    }
}
