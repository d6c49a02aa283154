#include "path_text.h"

#include "text_bytes.h"

#include <cstring>

namespace {

bool IsSeparator(char c) {
    return c == ',' || c == '\t' || c == '\n' || c == '"';
}

// Length of the path's folder part.
size_t FolderLength(const char* path) {
    return static_cast<size_t>(lastPathElement(path) - path);
}

void CopyPart(const char* text, size_t length, char* out, size_t size) {
    if (length >= size) length = 0;
    std::memcpy(out, text, length);
    out[length] = '\0';
}

} // namespace

int PathFromCommandLine(const char* commandLine, char* out, size_t size) {
    // The separators are single bytes below 0x40 and no cp932 trail byte is, so a byte scan
    // never cuts a double-byte character.
    out[0] = '\0';
    const char* start = commandLine;
    while (*start != '\0' && IsSeparator(*start))
        ++start;
    const char* end = start;
    while (*end != '\0' && !IsSeparator(*end))
        ++end;
    if (end == start) {
        // No token: the whole text stands as the path, so the load says what is wrong with it.
        size_t whole = std::strlen(commandLine);
        if (whole < size) CopyPart(commandLine, whole, out, size);
        return 0;
    }
    size_t length = static_cast<size_t>(end - start);
    if (length >= size) return -1;
    CopyPart(start, length, out, size);
    return 1;
}

void FolderOfPath(const char* path, char* out, size_t size) {
    CopyPart(path, FolderLength(path), out, size);
}

void FolderWithOneBackslash(const char* modulePath, char* out, size_t size) {
    const size_t folder = FolderLength(modulePath);
    // End of the last character of the folder part that is not a backslash.
    size_t keep = 0;
    for (size_t i = 0; i < folder; ++i) {
        if (isCp932LeadByte(static_cast<unsigned char>(modulePath[i])) && i + 1 < folder) {
            keep = i + 2;
            ++i;
        } else if (modulePath[i] != '\\') {
            keep = i + 1;
        }
    }
    if (keep + 2 > size) {
        out[0] = '\0';
        return;
    }
    std::memcpy(out, modulePath, keep);
    out[keep] = '\\';
    out[keep + 1] = '\0';
}

const wchar_t* SkipProgramName(const wchar_t* commandLine) {
    const wchar_t* p = commandLine;
    if (*p == L'"') {
        ++p;
        while (*p != L'\0' && *p != L'"')
            ++p;
        if (*p == L'"') ++p;
    } else {
        while (*p != L'\0' && *p != L' ' && *p != L'\t')
            ++p;
    }
    while (*p == L' ' || *p == L'\t')
        ++p;
    return p;
}
