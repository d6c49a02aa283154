#include "message_box_notifier.h"

#include "text_bytes.h"
#include "cp932_text.h"
#include "window_text.h"

#include <cstring>

namespace {

char g_title[260];
HWND g_owner = nullptr;

void TitleFromModulePath(const char* path, char* out, size_t size) {
    const char* name = lastPathElement(path);
    size_t length = std::strlen(name);
    const char* dot = std::strrchr(name, '.');
    if (dot != nullptr) length = static_cast<size_t>(dot - name);
    if (length >= size) length = size - 1;
    std::memcpy(out, name, length);
    out[length] = '\0';
}

} // namespace

const char* ApplicationTitle() {
    if (g_title[0] == '\0') {
        wchar_t module[MAX_PATH] = {};
        GetModuleFileNameW(nullptr, module, MAX_PATH);
        char path[MAX_PATH * 2];
        wideToCp932Cut(module, path);
        TitleFromModulePath(path, g_title, sizeof g_title);
    }
    return g_title;
}

int ShowEditorMessage(const char* text, UINT type) {
    HWND owner = GetActiveWindow();
    if (owner == nullptr && IsWindow(g_owner)) owner = g_owner;
    return MessageBoxW(owner, cp932ToWide(text).c_str(), cp932ToWide(ApplicationTitle()).c_str(), type);
}

void SetMessageOwner(HWND window) {
    g_owner = window;
}

void MessageBoxNotifier::showMessage(const char* text) {
    ShowEditorMessage(text);
}
