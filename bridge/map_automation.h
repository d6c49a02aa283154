// What the bridge needs from the outside: one map application object reached by late-bound
// automation (MapAutomation) and the platform it runs on (BridgeHost). The bridge's logic is
// written against these, so it runs on Windows with IDispatch and the system's windows, and
// natively in tests and under the fuzzer.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

// One map application object. Texts are cp932; every call returns 0, or -1 when the call
// failed or its result could not be converted.
class MapAutomation {
  public:
    virtual ~MapAutomation() = default;

    // ProAtlas family.
    virtual int EnableMark(int16_t enable) = 0;
    virtual int SetEventWindow(int32_t window, int16_t message) = 0;
    virtual int MoveTo(const char* latitude, const char* longitude) = 0;
    virtual int AddTextEx(const char* latitude, const char* longitude, const char* label, int16_t option1,
                          int16_t option2, const char* anchorLatitude, const char* anchorLongitude,
                          int16_t* id) = 0;
    virtual int DeleteText(int16_t id) = 0;
    virtual int LayerName(const char* layer, char* name, size_t size) = 0;
    virtual int ChangeLayer(const char* name) = 0;
    virtual int MarkLatitude(char* text, size_t size) = 0;
    virtual int MarkLongitude(char* text, size_t size) = 0;

    // Mapple.
    virtual int SetVisible(int16_t visible) = 0;
    virtual int GetLat(int32_t* value) = 0;
    virtual int GetLon(int32_t* value) = 0;
    virtual int DeleteAllCustom() = 0;
    virtual int AddIcon(int32_t longitude, int32_t latitude, const char* label, const char* note,
                        int16_t option1, int16_t option2, int16_t option3, int32_t colour1, int32_t colour2,
                        int16_t option4) = 0;
    virtual int Move(int32_t longitude, int32_t latitude) = 0;
};

// The platform services the bridge uses.
class BridgeHost {
  public:
    virtual ~BridgeHost() = default;

    // The top-level window with exactly this title, 0 when there is none.
    virtual uintptr_t FindWindowByTitle(const char* title) = 0;
    virtual int PostToWindow(uintptr_t window, uint32_t message, uint32_t wParam, intptr_t lParam) = 0;
    // Message boxes with an OK button; they return when the user has closed them.
    virtual void ShowInformation(const char* text, const char* title) = 0;
    virtual void ShowWarning(const char* text, const char* title) = 0;
    // Shows the current automation identifier in the window (Text1).
    virtual void ShowIdentifier(const char* identifier) = 0;
    // First attempt: a fresh object of the identifier's class; null when it cannot be had.
    virtual std::unique_ptr<MapAutomation> GetMapObject(const char* identifier) = 0;
    // Second attempt: an object created by identifier; null when it cannot be had.
    virtual std::unique_ptr<MapAutomation> CreateMapObject(const char* identifier) = 0;
};
