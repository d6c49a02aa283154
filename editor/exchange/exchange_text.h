#pragma once
// The exchange layer's side of the one cp932 boundary (common/cp932_text.h).
#include <string>

// UTF-8 to cp932 for a value brought in: each character cp932 lacks, each byte that is no
// UTF-8 and each zero byte becomes "?"; `replaced` counts them.
// ASCII letters lower-cased, every other byte as it is (names, tags and extensions; UTF-8
// bytes are never ASCII letters).
std::string asciiLower(std::string text);

std::string importedCp932(const std::string& utf8, size_t& replaced);

// cp932 to UTF-8 for a value sent out; `undecodable` tells whether some byte was no cp932
// character (it became U+FFFD).
std::string exportedUtf8(const std::string& cp932, bool& undecodable);

// Whole files: cp932 bytes as UTF-8 (undecodable bytes become U+FFFD).
std::string cp932FileAsUtf8(const char* bytes, size_t size);
