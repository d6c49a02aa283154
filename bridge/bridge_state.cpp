#include "bridge_state.h"

#include "bridge_texts.h"

#include <cstring>

void initBridgeState(BridgeState* state) {
    clearFrameText(&state->text);
    strcpy(state->identifier, kDefaultIdentifier);
    initMapAdapter(&state->map);
    state->busy = false;
    state->pending.clear();
    state->droppingFrame = false;
    state->closePending = false;
}
