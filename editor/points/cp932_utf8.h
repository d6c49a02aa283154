#pragma once
// Conversions between cp932 and UTF-8 for text that leaves or enters the program as UTF-8
// (the command-line tool's output and arguments, POSIX file names).
#include <string>

// Bytes that are no cp932 character become U+FFFD. Where the system has no cp932
// converter at all, the text comes back unchanged rather than empty.
std::string cp932ToUtf8(const std::string& text);
// Returns false (and leaves `out` empty) when the text holds a character cp932 cannot
// represent, or is not UTF-8.
bool utf8ToCp932(const std::string& text, std::string& out);
