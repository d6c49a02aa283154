#include "dispatch.h"

#include "bridge_texts.h"

#include <cstring>

namespace {

using Handler = int (*)(BridgeState* state, BridgeHost& host, const char* argument);

int OnTextEnd(BridgeState*, BridgeHost& host, const char* argument) {
    host.ShowInformation(argument, kTextEndTitle);
    return 0;
}

int OnAddTextEx(BridgeState* state, BridgeHost&, const char* argument) {
    return addTextEx(&state->map, argument);
}

int OnGetMarkLat(BridgeState* state, BridgeHost& host, const char*) {
    return replyMark(&state->map, host, state->messages, SUB_GET_MARK_LAT);
}

int OnGetMarkLon(BridgeState* state, BridgeHost& host, const char*) {
    return replyMark(&state->map, host, state->messages, SUB_GET_MARK_LON);
}

int OnSetLayer(BridgeState* state, BridgeHost&, const char* argument) {
    return setLayer(&state->map, argument);
}

int OnDeleteText(BridgeState* state, BridgeHost&, const char*) {
    return deleteTexts(&state->map);
}

int OnObjectName(BridgeState* state, BridgeHost& host, const char* argument) {
    strcpy(state->identifier, argument);
    host.ShowIdentifier(state->identifier);
    return 0;
}

int OnInitMap(BridgeState* state, BridgeHost& host, const char*) {
    return openMap(&state->map, host, state->identifier);
}

struct DispatchEntry {
    SubCode sub;
    Handler handler;
};

// SUB_TEXT_START and SUB_TEXT_CHAR build the argument; SUB_LAYER_NAME is no command.
const DispatchEntry kDispatch[] = {
    {SUB_TEXT_END, OnTextEnd},        {SUB_ADD_TEXT_EX, OnAddTextEx}, {SUB_GET_MARK_LAT, OnGetMarkLat},
    {SUB_GET_MARK_LON, OnGetMarkLon}, {SUB_SET_LAYER, OnSetLayer},    {SUB_DELETE_TEXT, OnDeleteText},
    {SUB_OBJECT_NAME, OnObjectName},  {SUB_INIT_MAP, OnInitMap},
};

const DispatchEntry* FindEntry(int sub) {
    for (const DispatchEntry& entry : kDispatch) {
        if (entry.sub == sub) return &entry;
    }
    return nullptr;
}

void RunStep(BridgeState* state, BridgeHost& host, uint32_t wParam, intptr_t lParam) {
    int sub = receiveFrameStep(&state->text, state->messages, wParam, lParam);
    const DispatchEntry* entry = FindEntry(sub);
    if (entry == nullptr) return;
    // The command works on a copy of the argument: frames that arrive meanwhile wait, but the
    // text buffer belongs to the frame protocol, not to the command.
    char argument[kMaxFrameTextBytes + 1];
    memcpy(argument, state->text.bytes, state->text.length + 1);
    entry->handler(state, host, argument);
}

} // namespace

namespace {

// Runs pending steps in arrival order until none is left; the caller holds busy.
void RunPending(BridgeState* state, BridgeHost& host) {
    while (!state->pending.empty()) {
        PendingStep step = state->pending.front();
        state->pending.pop_front();
        RunStep(state, host, step.wParam, step.lParam);
    }
}

} // namespace

int dispatchCartolink(BridgeState* state, BridgeHost& host, uint32_t wParam, intptr_t lParam) {
    int sub = findSubCode(state->messages, wParam);
    if (sub != SUB_TEXT_START && sub != SUB_TEXT_CHAR && FindEntry(sub) == nullptr) return -1;
    if (state->busy) {
        // Once a step is dropped, the rest of its frame goes too: its characters would
        // otherwise join the frame before it.
        if (state->pending.size() >= kMaxPendingSteps) {
            state->droppingFrame = true;
        } else if (sub == SUB_TEXT_START) {
            state->droppingFrame = false;
        }
        if (!state->droppingFrame) state->pending.push_back({wParam, lParam});
        return 0;
    }
    state->busy = true;
    RunStep(state, host, wParam, lParam);
    RunPending(state, host);
    state->busy = false;
    return 0;
}

int pollBridge(BridgeState* state, BridgeHost& host) {
    // A tick inside a running command would call the map in the middle of it; it is simply
    // skipped, the next one comes 100 ms later.
    if (state->busy) return 0;
    state->busy = true;
    int result = pollMap(&state->map, host, state->messages);
    RunPending(state, host);
    state->busy = false;
    return result;
}
