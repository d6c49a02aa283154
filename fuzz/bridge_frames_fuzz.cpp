// libFuzzer target: any sequence of WM_CARTOLINK messages and timer ticks through the bridge's
// dispatch and map logic, against a map that may be missing or fail any call, with messages
// arriving while a map call waits. The input is read in records of five bytes: an action byte
// and a 32-bit little-endian lParam.
// Invariants: the frame text stays terminated within its limit, the text identifier table
// within its capacity, every reply character is a character, and coordinate texts round-trip.
#include "dispatch.h"
#include "map_coord_text.h"
#include "maplink_frame.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <memory>

namespace {

void Check(bool condition) {
    if (!condition) __builtin_trap();
}

struct World {
    bool editorPresent = true;
    bool objectAvailable = true;
    bool callsFail = false;
    int32_t latitude = 128483456;
    int32_t longitude = 503100000;
    int16_t nextId = 0;
    char markText[kMaxFrameTextBytes + 1] = "35/41/23456";
    int replyState = 0; // 0 outside a reply frame, 1 inside
    // While set, every map call lets the next input record arrive as if dispatched by the
    // message loop that waits for the call.
    bool messagesDuringCalls = false;
    std::function<void()> deliverNext;
};

class FuzzMap : public MapAutomation {
  public:
    explicit FuzzMap(World* world) : world_(world) {}
    int EnableMark(int16_t) override { return Result(); }
    int SetEventWindow(int32_t, int16_t) override { return Result(); }
    int MoveTo(const char* latitude, const char* longitude) override {
        Check(latitude != nullptr && longitude != nullptr);
        return Result();
    }
    int AddTextEx(const char* latitude, const char*, const char* label, int16_t, int16_t, const char*,
                  const char*, int16_t* id) override {
        // The label becomes the next mark text, so replies carry arbitrary received text.
        snprintf(world_->markText, sizeof world_->markText, "%s", label);
        Check(strlen(latitude) <= kMaxFrameTextBytes);
        *id = world_->nextId++;
        return Result();
    }
    int DeleteText(int16_t) override { return Result(); }
    int LayerName(const char* layer, char* name, size_t size) override {
        snprintf(name, size, "%s", layer);
        return Result();
    }
    int ChangeLayer(const char*) override { return Result(); }
    int MarkLatitude(char* text, size_t size) override {
        snprintf(text, size, "%s", world_->markText);
        return Result();
    }
    int MarkLongitude(char* text, size_t size) override { return MarkLatitude(text, size); }
    int SetVisible(int16_t) override { return Result(); }
    int GetLat(int32_t* value) override {
        *value = world_->latitude;
        return Result();
    }
    int GetLon(int32_t* value) override {
        *value = world_->longitude;
        return Result();
    }
    int DeleteAllCustom() override { return Result(); }
    int AddIcon(int32_t longitude, int32_t latitude, const char*, const char*, int16_t, int16_t, int16_t,
                int32_t, int32_t, int16_t) override {
        world_->latitude = latitude;
        world_->longitude = longitude;
        return Result();
    }
    int Move(int32_t, int32_t) override { return Result(); }

  private:
    int Result() const {
        if (world_->messagesDuringCalls && world_->deliverNext) world_->deliverNext();
        return world_->callsFail ? -1 : 0;
    }
    World* world_;
};

class FuzzHost : public BridgeHost {
  public:
    FuzzHost(World* world, const MapLinkMessages* messages) : world_(world), messages_(messages) {}
    uintptr_t FindWindowByTitle(const char*) override { return world_->editorPresent ? 0x10 : 0; }
    int PostToWindow(uintptr_t window, uint32_t message, uint32_t wParam, intptr_t lParam) override {
        Check(window == 0x10);
        if (message == UMSG_MAP_REPLY) {
            if (wParam == messages_->sub[SUB_TEXT_START]) {
                world_->replyState = 1;
            } else if (wParam == messages_->sub[SUB_TEXT_CHAR]) {
                Check(world_->replyState == 1);
                // One byte, or a lead and its trail byte sign-extended from 16 bits; never NUL.
                Check(lParam >= -32768 && lParam <= 0xFF && lParam != 0);
            } else {
                Check(world_->replyState == 1);
                Check(wParam == messages_->sub[SUB_GET_MARK_LAT] ||
                      wParam == messages_->sub[SUB_GET_MARK_LON]);
                world_->replyState = 0;
            }
        } else {
            Check(message == UMSG_MAP_EVENT && wParam == messages_->sub[SUB_TEXT_START] && lParam == 0);
        }
        return 0;
    }
    void ShowInformation(const char* text, const char*) override {
        Check(strlen(text) <= kMaxFrameTextBytes);
    }
    void ShowWarning(const char*, const char*) override {}
    void ShowIdentifier(const char* identifier) override { Check(strlen(identifier) <= kMaxFrameTextBytes); }
    std::unique_ptr<MapAutomation> GetMapObject(const char*) override {
        if (!world_->objectAvailable) return nullptr;
        return std::make_unique<FuzzMap>(world_);
    }
    std::unique_ptr<MapAutomation> CreateMapObject(const char* identifier) override {
        return GetMapObject(identifier);
    }

  private:
    World* world_;
    const MapLinkMessages* messages_;
};

void CheckCoordinateForms(const char* text) {
    int32_t value = 0;
    if (parseMapCoord(text, &value) == 0) {
        char formatted[32];
        Check(formatMapCoord(value, formatted, sizeof formatted) >= 0);
        int32_t again = 0;
        Check(parseMapCoord(formatted, &again) == 0 && again == value);
    }
    char out[64];
    if (pointCoordToMapText(text, out, sizeof out) >= 0) Check(strlen(out) < sizeof out);
    if (mapTextToCapturedCoord(text, out, sizeof out) >= 0) Check(strlen(out) < sizeof out);
}

} // namespace

namespace {

struct Run {
    const uint8_t* data;
    size_t size;
    size_t pos = 0;
    MapLinkMessages messages;
    World world;
    std::unique_ptr<FuzzHost> host;
    std::unique_ptr<BridgeState> state;
};

// Reads and performs one record; returns false at the end of the input.
bool Perform(Run& run) {
    if (run.pos + 5 > run.size) return false;
    const uint8_t* record = run.data + run.pos;
    run.pos += 5;
    int32_t lParam =
        static_cast<int32_t>(static_cast<uint32_t>(record[1]) | static_cast<uint32_t>(record[2]) << 8 |
                             static_cast<uint32_t>(record[3]) << 16 | static_cast<uint32_t>(record[4]) << 24);
    BridgeState* state = run.state.get();
    switch (record[0] % 16) {
    case 11:
        if (findSubCode(run.messages, static_cast<uint32_t>(lParam)) < 0)
            Check(dispatchCartolink(state, *run.host, static_cast<uint32_t>(lParam), 0) == -1);
        break;
    case 12:
        pollBridge(state, *run.host);
        break;
    case 13:
        run.world.editorPresent = !run.world.editorPresent;
        break;
    case 14:
        run.world.objectAvailable = !run.world.objectAvailable;
        run.world.messagesDuringCalls = (lParam & 1) != 0;
        break;
    case 15:
        run.world.callsFail = !run.world.callsFail;
        run.world.latitude ^= lParam;
        break;
    default: {
        int sub = record[0] % 16;
        int handled = dispatchCartolink(state, *run.host, run.messages.sub[sub], lParam);
        Check(handled == (sub == SUB_LAYER_NAME ? -1 : 0));
        if (!state->busy && sub != SUB_TEXT_START && sub != SUB_TEXT_CHAR)
            CheckCoordinateForms(state->text.bytes);
        break;
    }
    }
    Check(state->text.length <= kMaxFrameTextBytes);
    Check(state->text.bytes[state->text.length] == '\0');
    Check(strlen(state->text.bytes) == state->text.length);
    Check(state->map.textIds.count >= 0 && state->map.textIds.count <= kTextIdCapacity);
    Check(strlen(state->identifier) <= kMaxFrameTextBytes);
    Check(state->pending.size() <= kMaxPendingSteps);
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Run run{data, size};
    run.messages.WM_CARTOLINK = 0xC000;
    for (int i = 0; i < SUB_CODE_COUNT; ++i)
        run.messages.sub[i] = 0xC001 + i;
    run.host = std::make_unique<FuzzHost>(&run.world, &run.messages);
    run.state = std::make_unique<BridgeState>();
    run.state->messages = run.messages;
    initBridgeState(run.state.get());
    run.world.deliverNext = [&run] { Perform(run); };

    while (Perform(run)) {
        // Back in the message loop: nothing waits, no reply frame is left open.
        Check(!run.state->busy && run.state->pending.empty());
        Check(run.world.replyState == 0);
    }
    return 0;
}
