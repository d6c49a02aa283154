#pragma once
// The qpf sub-commands. Each returns the process exit status: 0 done, 1 the file could not
// be read or written (or an insert was refused), 2 a usage error.
#include "qpf_arguments.h"

constexpr int kExitOk = 0;
constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;

// `args` holds the words after the sub-command's name.
int runDump(const ProgramArguments& args);
int runNew(const ProgramArguments& args);
int runEdit(const ProgramArguments& args);
int runConvert(const ProgramArguments& args);

// Prints a usage problem and the short usage text to stderr; returns kExitUsage.
int usageError(const char* problem);
