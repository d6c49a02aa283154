#pragma once
// The program's arguments as UTF-8 (for texts to convert) and as given (for --raw bytes).
#include <string>
#include <vector>

struct ProgramArguments {
    std::vector<std::string> utf8;
    std::vector<std::string> raw;
};

ProgramArguments programArguments(int argc, char** argv);

// Standard output takes bytes unchanged (no LF to CR LF).
void useBinaryStdout();
