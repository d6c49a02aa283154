// Cartolink2's state: the text buffer, the map and the command queue, owned by its form.
#pragma once

#include "map.h"
#include "maplink_frame.h"
#include "maplink_protocol.h"

#include <cstddef>
#include <cstdint>
#include <deque>

// A WM_CARTOLINK message that arrived while a command was still running.
struct PendingStep {
    uint32_t wParam;
    intptr_t lParam;
};

// More than any editor sends while one command runs; beyond it, steps are dropped.
constexpr size_t kMaxPendingSteps = 100000;

struct BridgeState {
    MapLinkMessages messages;
    FrameText text;                               // argument of the frame in progress
    char identifier[kMaxFrameTextBytes + 1] = {}; // which map application SUB_INIT_MAP opens
    MapAdapter map;
    // Set while a command runs. A message box or a waiting automation call may dispatch the
    // next messages from inside it; those wait here and run afterwards, in arrival order.
    bool busy = false;
    std::deque<PendingStep> pending;
    bool droppingFrame = false; // the queue was full during the frame now arriving
    // A close that arrived inside an automation call: carried out at the first timer tick
    // after the command.
    bool closePending = false;
};

// Start-up values: empty text, the default identifier, no map, all text identifiers free.
void initBridgeState(BridgeState* state);
