#include "drop_files.h"

#include "editor_texts.h"
#include "message_notifier.h"
#include "cp932_text.h"
#include "window_text.h"

#include <string>

bool TakeLastDroppedName(HDROP drop, char (&out)[kDroppedNameBytes + 1]) {
    out[0] = '\0';
    UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    std::wstring name;
    if (count > 0) {
        UINT length = DragQueryFileW(drop, count - 1, nullptr, 0);
        name.assign(static_cast<size_t>(length) + 1, L'\0');
        DragQueryFileW(drop, count - 1, &name[0], length + 1);
    }
    DragFinish(drop);
    if (count == 0) return false;
    if (wideToCp932Exact(name.c_str(), out, sizeof out) > 0) return true;
    showMessage(MSG_UNUSABLE_FILE_NAME);
    return false;
}
