#include "maplink_protocol.h"

const char kBridgeWindowTitle[] = "Cartolink";
const char kEditorWindowTitle[] = "Markwerk";
const char kCartolinkMessageName[] = "WM_CARTOLINK";

const char* const kSubCodeNames[SUB_CODE_COUNT] = {
    "SUB_INIT_MAP",     "SUB_OBJECT_NAME",  "SUB_DELETE_TEXT", "SUB_SET_LAYER",
    "SUB_GET_MARK_LON", "SUB_GET_MARK_LAT", "SUB_TEXT_END",    "SUB_TEXT_CHAR",
    "SUB_TEXT_START",   "SUB_LAYER_NAME",   "SUB_ADD_TEXT_EX",
};

int registerMapLinkMessages(MapLinkMessages* messages, RegisterNameFn registerName, void* context) {
    if (messages == nullptr || registerName == nullptr) return -1;
    int result = 0;
    messages->WM_CARTOLINK = registerName(kCartolinkMessageName, context);
    if (messages->WM_CARTOLINK == 0) result = -1;
    for (int i = 0; i < SUB_CODE_COUNT; ++i) {
        messages->sub[i] = registerName(kSubCodeNames[i], context);
        if (messages->sub[i] == 0) result = -1;
    }
    return result;
}

int findSubCode(const MapLinkMessages& messages, uint32_t wParam) {
    // A number that failed to register (0) must never match a wParam of 0.
    if (wParam == 0) return -1;
    for (int i = 0; i < SUB_CODE_COUNT; ++i) {
        if (messages.sub[i] == wParam) return i;
    }
    return -1;
}
