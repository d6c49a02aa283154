#include "exchange_text.h"

#include "cp932_text.h"

std::string importedCp932(const std::string& utf8, size_t& replaced) {
    std::string cp932;
    replaced = 0;
    utf8ToCp932(utf8, cp932, Cp932Fit::Lossy, &replaced);
    for (char& c : cp932) {
        if (c == '\0') {
            c = '?';
            ++replaced;
        }
    }
    return cp932;
}

std::string exportedUtf8(const std::string& cp932, bool& undecodable) {
    std::string utf8 = cp932ToUtf8(cp932);
    undecodable = utf8.find("\xEF\xBF\xBD") != std::string::npos;
    return utf8;
}

std::string cp932FileAsUtf8(const char* bytes, size_t size) {
    return cp932ToUtf8(std::string(bytes, size));
}

std::string asciiLower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}
