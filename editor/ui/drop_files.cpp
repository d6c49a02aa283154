#include "drop_files.h"

#include "win_text.h"

#include <string>

int LastDroppedName(HDROP drop, char* out, size_t size) {
    out[0] = '\0';
    UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    if (count == 0) return 0;
    UINT length = DragQueryFileW(drop, count - 1, nullptr, 0);
    std::wstring name(static_cast<size_t>(length) + 1, L'\0');
    DragQueryFileW(drop, count - 1, &name[0], length + 1);
    size_t room = size < kDroppedNameBytes + 1 ? size : kDroppedNameBytes + 1;
    return WideToCp932Exact(name.c_str(), out, room) > 0 ? 1 : -1;
}
