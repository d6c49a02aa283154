// Path texts of the main window, on cp932 bytes: the command-line token, the folder part of
// a path, and the editor's own folder. Portable: no system calls.
#pragma once

#include <cstddef>

// Every path and folder the main window keeps fits this buffer.
constexpr size_t kPathBytes = 260;

// The file the editor is started with: the first token of the command line, tokens being
// separated by comma, TAB, LF and the double quotation mark (not the blank, so a quoted path
// with blanks survives whole). Without a token (separators only) out is the whole text, when
// it fits. A token that does not fit `size` bytes is refused (out empty): a shortened path
// would name another file. Returns 1 when a token was taken, 0 when there was none, -1 when
// refused.
int PathFromCommandLine(const char* commandLine, char* out, size_t size);

// The drive and folder part of a path (up to and including its last "\", "/" or the drive's
// ":"); empty when the path has neither.
void FolderOfPath(const char* path, char* out, size_t size);

// The folder part of the executable's path with trailing backslashes removed and exactly one
// appended ("C:\\prog\\Tenmark.exe" gives "C:\\prog\\").
void FolderWithOneBackslash(const char* modulePath, char* out, size_t size);

// The command line after the program's own name, as the C runtime splits it: a quoted
// name ends at the next quotation mark, a bare one at the first blank or TAB; blanks and
// TABs after it are skipped.
const wchar_t* SkipProgramName(const wchar_t* commandLine);
