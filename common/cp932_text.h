// The one boundary between cp932, the text of the programs and their files, and Unicode
// (UTF-8 for files and consoles, UTF-16 for Windows). Nothing else converts code pages.
//
// Exact conversions refuse what cp932 cannot spell as it is (no "?", no look-alike): paths
// and typed text, where a changed character names another file or stores another value.
// Lossy conversions put "?" for each such character and count them: only for text that is
// shown, or brought in from another format with a warning. Decoding cp932 is always lossy:
// stored bytes that are no character are shown as a replacement, never refused.
#pragma once

#include <cstddef>
#include <string>

enum class Cp932Fit { Exact, Lossy };

// Lead byte of a cp932 double-byte character.
inline bool isCp932LeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

// How many of the first `limit` bytes of `text` (which is longer than that) can be taken
// without splitting a double-byte character, judged by scanning from the start.
size_t fittingBytes(const char* text, size_t limit);

// Copies at most `limit` bytes of `text` into `destination` (which holds limit + 1 bytes),
// never splitting a double-byte character; always zero-terminates. Returns the bytes copied.
size_t copyTruncated(char* destination, const char* text, size_t limit);

// copyTruncated into a whole buffer (its size less one as limit).
template <size_t N> size_t copyInto(char (&destination)[N], const char* text) {
    return copyTruncated(destination, text, N - 1);
}

// cp932 bytes to UTF-8; bytes that are no cp932 character become U+FFFD. Where the system has
// no cp932 converter at all, the text comes back unchanged rather than empty.
std::string cp932ToUtf8(const std::string& text);

// UTF-8 to cp932. Exact: false (and `out` empty) when the text is not UTF-8 or holds a
// character cp932 lacks. Lossy: each such character, and each byte that is no UTF-8, becomes
// "?"; always true. `replaced` (when given) receives the number of "?" put in.
bool utf8ToCp932(const std::string& text, std::string& out, Cp932Fit fit = Cp932Fit::Exact,
                 size_t* replaced = nullptr);

#ifdef _WIN32
// cp932 bytes to UTF-16 (code page 932 whatever the system's ANSI page is).
std::wstring cp932ToWide(const char* text, size_t length);
std::wstring cp932ToWide(const char* text); // zero-terminated; null reads as empty
inline std::wstring cp932ToWide(const std::string& text) { return cp932ToWide(text.data(), text.size()); }

// UTF-16 to cp932, with the same two fits as utf8ToCp932.
bool wideToCp932(const wchar_t* text, size_t length, std::string& out, Cp932Fit fit = Cp932Fit::Exact,
                 size_t* replaced = nullptr);
inline bool wideToCp932(const std::wstring& text, std::string& out, Cp932Fit fit = Cp932Fit::Exact,
                        size_t* replaced = nullptr) {
    return wideToCp932(text.data(), text.size(), out, fit, replaced);
}
// Lossy UTF-16 to cp932 for text that is only shown or compared.
std::string wideToCp932Lossy(const wchar_t* text, size_t length);
std::string wideToCp932Lossy(const wchar_t* text); // zero-terminated; null reads as empty
inline std::string wideToCp932Lossy(const std::wstring& text) { return wideToCp932Lossy(text.data(), text.size()); }

// Lossy, into a buffer of `size` bytes (size >= 1), cut without splitting a double-byte
// character: window texts and automation answers. Returns the byte length.
size_t wideToCp932Cut(const wchar_t* text, char* out, size_t size);
template <size_t N> size_t wideToCp932Cut(const wchar_t* text, char (&out)[N]) {
    return wideToCp932Cut(text, out, N);
}

// Exact and whole, into a buffer of `size` bytes: paths and command lines, where a changed or
// shortened text names another file. Returns the byte length, or -1 with `out` empty.
int wideToCp932Exact(const wchar_t* text, char* out, size_t size);

// UTF-16 and UTF-8; ill-formed input becomes U+FFFD.
std::string wideToUtf8(const wchar_t* text, size_t length);
inline std::string wideToUtf8(const std::wstring& text) { return wideToUtf8(text.data(), text.size()); }
std::wstring utf8ToWide(const std::string& text);
#endif
