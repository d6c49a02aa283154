#include "qpf_arguments.h"

ProgramArguments programArguments(int argc, char** argv) {
    ProgramArguments args;
    for (int i = 1; i < argc; ++i) {
        args.utf8.emplace_back(argv[i]);
        args.raw.emplace_back(argv[i]);
    }
    return args;
}

void useBinaryStdout() {}
