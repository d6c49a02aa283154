#include "qpf_arguments.h"

#include "cp932_text.h"

#include <windows.h>
#include <shellapi.h>
#include <fcntl.h>
#include <io.h>
#include <cstdio>

namespace {

std::string toUtf8(const wchar_t* text) {
    return wideToUtf8(text, wcslen(text));
}

} // namespace

ProgramArguments programArguments(int argc, char** argv) {
    ProgramArguments args;
    for (int i = 1; i < argc; ++i) args.raw.emplace_back(argv[i]);
    // The wide command line holds every character, whatever the system code page.
    int count = 0;
    wchar_t** wide = CommandLineToArgvW(GetCommandLineW(), &count);
    for (int i = 1; wide != nullptr && i < count; ++i) args.utf8.push_back(toUtf8(wide[i]));
    if (wide != nullptr) LocalFree(wide);
    if (args.utf8.size() != args.raw.size()) args.utf8 = args.raw;
    return args;
}

void useBinaryStdout() { _setmode(_fileno(stdout), _O_BINARY); }
