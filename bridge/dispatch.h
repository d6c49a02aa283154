// The dispatch of WM_CARTOLINK: one handler per sub-code.
#pragma once

#include "bridge_state.h"

#include <cstdint>

// Handles one WM_CARTOLINK message. Returns 0 when handled, -1 when wParam is no sub-code of
// the dispatch and the message belongs to the window's previous procedure.
int dispatchCartolink(BridgeState* state, BridgeHost& host, uint32_t wParam, intptr_t lParam);

// Timer1's tick.
int pollBridge(BridgeState* state, BridgeHost& host);
