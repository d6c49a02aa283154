#include "reply_sender.h"

#include "maplink_frame.h"

namespace {

struct ReplyTarget {
    BridgeHost* host;
    uintptr_t window;
};

int PostReplyStep(uint32_t wParam, intptr_t lParam, void* context) {
    auto* target = static_cast<ReplyTarget*>(context);
    return target->host->PostToWindow(target->window, UMSG_MAP_REPLY, wParam, lParam);
}

} // namespace

int sendReply(BridgeHost& host, const MapLinkMessages& messages, SubCode terminator, const char* text) {
    uintptr_t editor = host.FindWindowByTitle(kEditorWindowTitle);
    if (editor == 0) return 0;
    ReplyTarget target{&host, editor};
    return sendTextFrame(messages, text, terminator, PostReplyStep, &target);
}

int notifyMapEvent(BridgeHost& host, const MapLinkMessages& messages) {
    uintptr_t editor = host.FindWindowByTitle(kEditorWindowTitle);
    if (editor == 0) return 0;
    return host.PostToWindow(editor, UMSG_MAP_EVENT, messages.sub[SUB_TEXT_START], 0);
}
