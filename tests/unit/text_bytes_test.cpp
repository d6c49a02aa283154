#include "text_bytes.h"

#include <gtest/gtest.h>

#include <string>

TEST(CopyTruncated, KeepsWholeDoubleByteCharacters) {
    char out[64];
    // 11 double-byte characters, 22 bytes: only 10 fit in 20 bytes.
    copyTruncated(out, "あいうえおかきくけこさ", 20);
    EXPECT_STREQ(out, "あいうえおかきくけこ");
    // 19 single-byte characters and one double-byte character: the split one is dropped.
    copyTruncated(out, "abcdefghijklmnopqrsあ", 20);
    EXPECT_STREQ(out, "abcdefghijklmnopqrs");
    copyTruncated(out, "short", 20);
    EXPECT_STREQ(out, "short");
}

TEST(CopyTruncated, NeverTakesATrailByteForALeadByte) {
    char out[8];
    // "ア" is 0x83 0x41 and "表" is 0x95 0x5C; a naive backward scan misjudges the 0x83/0x95.
    std::string text = "a\x83\x41\x95\x5C\x83\x41";
    copyTruncated(out, text.c_str(), 4);
    EXPECT_EQ(std::string(out), "a\x83\x41");
    copyTruncated(out, text.c_str(), 5);
    EXPECT_EQ(std::string(out), "a\x83\x41\x95\x5C");
}

TEST(CopyFieldValue, KeepsSeparatorsOutOfValues) {
    char out[64];
    copyFieldValue(out, "a#b\tc\rd\ne", 20);
    EXPECT_STREQ(out, "a＃b c d e");
    // The full-width replacement is two bytes and must still respect the limit.
    copyFieldValue(out, "abc#", 4);
    EXPECT_STREQ(out, "abc");
    copyFieldValue(out, "ab#", 4);
    EXPECT_STREQ(out, "ab＃");
    // Broken double-byte text: a lead byte must not carry a separator past the check.
    copyFieldValue(out, "\x81#x\x82\ty\x83\nz\x84\r", 20);
    EXPECT_EQ(std::string(out), "\x81＃x\x82 y\x83 z\x84 ");
}

TEST(UpperSingleByte, LeavesDoubleByteCharactersAlone) {
    // 0x83 0x61 is "ャ": its trail byte is a lower-case "a" that must stay.
    char text[] = "00c4\x83\x61x";
    upperSingleByte(text);
    EXPECT_EQ(std::string(text), "00C4\x83\x61X");
    EXPECT_EQ(characterCount("東京駅"), 3u);
    EXPECT_EQ(characterCount(""), 0u);
}
