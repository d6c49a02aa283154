#include "console_out.h"

#include <windows.h>

#include <string>

#include "cp932_text.h"

namespace mapview {

namespace {

HANDLE OutputHandle() {
    HANDLE out = GetStdHandle(STD_OUTPUT_HANDLE);
    if (out != nullptr && out != INVALID_HANDLE_VALUE) return out;
    // A windowed program has no console of its own; borrow the one it was started from.
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return nullptr;
    out = GetStdHandle(STD_OUTPUT_HANDLE);
    return out != INVALID_HANDLE_VALUE ? out : nullptr;
}

} // namespace

void ConsoleLine(const char* cp932) {
    HANDLE out = OutputHandle();
    if (out == nullptr) return;
    const std::wstring wide = cp932ToWide(cp932) + L"\r\n";
    DWORD mode = 0, written = 0;
    if (GetConsoleMode(out, &mode)) {
        WriteConsoleW(out, wide.c_str(), static_cast<DWORD>(wide.size()), &written, nullptr);
        return;
    }
    const std::string utf8 = wideToUtf8(wide.data(), wide.size() - 2) + "\n";
    WriteFile(out, utf8.data(), static_cast<DWORD>(utf8.size()), &written, nullptr);
}

} // namespace mapview
