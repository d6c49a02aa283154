#include "drop_files.h"

#include "win_text.h"

#include <cstring>
#include <string>

bool LastDroppedName(HDROP drop, char* out, size_t size) {
    out[0] = '\0';
    bool taken = false;
    UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    for (UINT i = 0; i < count; ++i) {
        UINT length = DragQueryFileW(drop, i, nullptr, 0);
        std::wstring name(static_cast<size_t>(length) + 1, L'\0');
        DragQueryFileW(drop, i, &name[0], length + 1);
        std::string bytes = WideToCp932(name.c_str());
        if (bytes.empty() || bytes.size() > kDroppedNameBytes || bytes.size() + 1 > size) continue;
        std::memcpy(out, bytes.c_str(), bytes.size() + 1);
        taken = true;
    }
    return taken;
}
