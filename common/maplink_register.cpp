// The system side of the message registration; both programs use the ANSI form.
#include "maplink_protocol.h"

#include <windows.h>

namespace {
uint32_t RegisterWithSystem(const char* name, void*) {
    return RegisterWindowMessageA(name);
}
} // namespace

int registerMapLinkMessagesWithSystem(MapLinkMessages* messages) {
    return registerMapLinkMessages(messages, RegisterWithSystem, nullptr);
}
