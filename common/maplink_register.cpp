// The system side of the protocol: registering its messages (both programs use the ANSI
// form) and posting a text frame to a window.
#include "maplink_frame.h"
#include "maplink_protocol.h"

#include <windows.h>

namespace {
uint32_t RegisterWithSystem(const char* name, void*) {
    return RegisterWindowMessageA(name);
}

struct PostTarget {
    HWND window;
    UINT message;
};

int PostStep(uint32_t wParam, intptr_t lParam, void* context) {
    auto* target = static_cast<PostTarget*>(context);
    return PostMessageW(target->window, target->message, wParam, lParam) ? 0 : -1;
}
} // namespace

int registerMapLinkMessagesWithSystem(MapLinkMessages* messages) {
    return registerMapLinkMessages(messages, RegisterWithSystem, nullptr);
}

int postTextFrame(uintptr_t window, const MapLinkMessages& messages, const char* text, SubCode terminator) {
    if (window == 0) return -1;
    PostTarget target = {reinterpret_cast<HWND>(window), messages.WM_CARTOLINK};
    return sendTextFrame(messages, text, terminator, PostStep, &target);
}
