// A second process for the tests: holds one file open with share mode 0, as another program
// would, until it is ended.
#include <windows.h>

int wmain(int argc, wchar_t** argv) {
    if (argc != 2) return 2;
    HANDLE file = CreateFileW(argv[1], GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    Sleep(120000);
    CloseHandle(file);
    return 0;
}
