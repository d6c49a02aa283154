// Names and numbers of the window messages that carry the map link between the editor
// (window "Markwerk") and the bridge Cartolink2 (window "Cartolink").
#pragma once

#include <cstddef>
#include <cstdint>

// Fixed private messages posted by the bridge (and by a map application) to the editor.
constexpr uint32_t UMSG_MAP_EVENT = 0x800;
constexpr uint32_t UMSG_MAP_REPLY = 0x801;

// The number of the editor's event message as a map application is told it (16-bit argument).
constexpr int16_t kMapEventMessageNumber = 0x800;

// Window titles by which each side finds the other, afresh at every send.
extern const char kBridgeWindowTitle[]; // "Cartolink"
extern const char kEditorWindowTitle[]; // "Markwerk"

// Name of the registered message that carries the editor's frames to the bridge.
extern const char kCartolinkMessageName[]; // "WM_CARTOLINK"

// The sub-codes travel in wParam; their numbers come from registering these names, so both
// processes agree on them without any number being written down. The enumerators index
// MapLinkMessages::sub and kSubCodeNames.
enum SubCode : int {
    SUB_INIT_MAP,
    SUB_OBJECT_NAME,
    SUB_DELETE_TEXT,
    SUB_SET_LAYER,
    SUB_GET_MARK_LON,
    SUB_GET_MARK_LAT,
    SUB_TEXT_END,
    SUB_TEXT_CHAR,
    SUB_TEXT_START,
    SUB_LAYER_NAME,
    SUB_ADD_TEXT_EX,
    SUB_CODE_COUNT
};

extern const char* const kSubCodeNames[SUB_CODE_COUNT];

// Longest argument text of one frame, in bytes.
constexpr size_t kMaxFrameTextBytes = 1023;

// The twelve registered numbers of one process.
struct MapLinkMessages {
    uint32_t WM_CARTOLINK = 0;
    uint32_t sub[SUB_CODE_COUNT] = {};
};

// Registers a name and returns its message number, 0 on failure.
using RegisterNameFn = uint32_t (*)(const char* name, void* context);

// Registers "WM_CARTOLINK" and the eleven sub-code names through registerName.
// Returns 0, or -1 when any registration failed (the numbers got so far are kept).
int registerMapLinkMessages(MapLinkMessages* messages, RegisterNameFn registerName, void* context);

// Which sub-code a wParam is, or -1 when it is none of the eleven.
int findSubCode(const MapLinkMessages& messages, uint32_t wParam);

#ifdef _WIN32
// Registers the twelve names with the system (ANSI registration, as both programs do).
int registerMapLinkMessagesWithSystem(MapLinkMessages* messages);
#endif
