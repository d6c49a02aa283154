#pragma once
// The qpf sub-commands. Each returns the process exit status: 0 done, 1 the file could not
// be read or written (or an insert was refused), 2 a usage error.
#include "qpf_arguments.h"

#include <string>

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

// `args` holds the words after the sub-command's name.
int runDump(const ProgramArguments& args);
int runNew(const ProgramArguments& args);
int runEdit(const ProgramArguments& args);
int runConvert(const ProgramArguments& args);

// A path given on the command line (UTF-8) as the core takes it: cp932, or the bytes as given
// when cp932 cannot spell it (the core then says it cannot open the file).
std::string corePath(const std::string& utf8);

// Prints a usage problem and the short usage text to stderr; returns kExitUsage.
int usageError(const char* problem);
