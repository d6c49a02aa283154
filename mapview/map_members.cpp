#include "map_members.h"

#include <string>

#include "call_record.h"
#include "map_layers.h"
#include "map_server.h"
#include "mapview_texts.h"

namespace mapview {

namespace {

#define RETURN_IF_FAILED(expr)                                                                               \
    do {                                                                                                     \
        const HRESULT hr_ = (expr);                                                                          \
        if (FAILED(hr_)) return hr_;                                                                         \
    } while (0)

// A map coordinate text argument within 0..max.
HRESULT TextCoordArg(DispatchCall& call, UINT index, int32_t max, int32_t* out) {
    std::string text;
    RETURN_IF_FAILED(call.argText(index, &text));
    if (parseMapCoord(text.c_str(), out, MapCoordDialect::MapView) != 0 || *out > max)
        return call.fail(kErrorBadCoord, index);
    return S_OK;
}

// A numeric coordinate argument (thousandths of an arc second) within 0..max.
HRESULT NumericCoordArg(DispatchCall& call, UINT index, int32_t max, int32_t* out) {
    RETURN_IF_FAILED(call.argI4(index, out));
    if (*out < 0 || *out > max) return call.fail(kErrorBadCoord, index);
    return S_OK;
}

// The mark as clients pass coordinates on: the value 0 as the empty text.
std::string MarkText(int32_t value) {
    char buf[32];
    if (value == 0 || formatMapCoord(value, buf, sizeof buf, MapCoordDialect::MapView) < 0)
        return std::string();
    return buf;
}

// --- ProAtlas family ---

HRESULT EnableMark(MapServer& server, DispatchCall& call, unsigned) {
    int16_t on = 0;
    RETURN_IF_FAILED(call.argI2(0, &on));
    server.model().setMarkEnabled(on != 0);
    return S_OK;
}

HRESULT SetEventWindow(MapServer& server, DispatchCall& call, unsigned) {
    int32_t window = 0;
    int16_t message = 0;
    RETURN_IF_FAILED(call.argI4(0, &window));
    RETURN_IF_FAILED(call.argI2(1, &message));
    // Window handles travel as 32-bit values and widen with sign, as Windows defines them.
    const HWND hwnd = static_cast<HWND>(LongToHandle(window));
    server.model().setEventTarget(reinterpret_cast<ULONG_PTR>(hwnd), static_cast<uint16_t>(message));
    return S_OK;
}

HRESULT MoveTo(MapServer& server, DispatchCall& call, unsigned) {
    GeoPoint p;
    RETURN_IF_FAILED(TextCoordArg(call, 0, kMaxLatitude, &p.lat));
    RETURN_IF_FAILED(TextCoordArg(call, 1, kMaxLongitude, &p.lon));
    server.model().setCentre(p);
    return S_OK;
}

HRESULT AddTextEx(MapServer& server, DispatchCall& call, unsigned) {
    PlacedText text;
    int16_t style = 0, frame = 0;
    RETURN_IF_FAILED(TextCoordArg(call, 0, kMaxLatitude, &text.at.lat));
    RETURN_IF_FAILED(TextCoordArg(call, 1, kMaxLongitude, &text.at.lon));
    RETURN_IF_FAILED(call.argText(2, &text.label));
    RETURN_IF_FAILED(call.argI2(3, &style));
    RETURN_IF_FAILED(call.argI2(4, &frame));
    RETURN_IF_FAILED(TextCoordArg(call, 5, kMaxLatitude, &text.labelAt.lat));
    RETURN_IF_FAILED(TextCoordArg(call, 6, kMaxLongitude, &text.labelAt.lon));
    text.style = style;
    text.frame = frame;
    int16_t id = 0;
    if (server.model().addText(text, &id) != 0) return call.fail(kErrorTooManyTexts, 0);
    call.returnI4(id);
    return S_OK;
}

HRESULT DeleteText(MapServer& server, DispatchCall& call, unsigned) {
    int16_t id = 0;
    RETURN_IF_FAILED(call.argI2(0, &id));
    // Deleting a text that is already gone leaves the map as asked; the result tells which.
    call.returnBool(server.model().deleteText(id) == 1);
    return S_OK;
}

HRESULT LayerName(MapServer&, DispatchCall& call, unsigned) {
    std::string text;
    RETURN_IF_FAILED(call.argText(0, &text));
    const MapLayer* layer = FindLayer(text.c_str());
    if (layer == nullptr) return call.fail(kErrorNoLayer, 0);
    call.returnText(layer->name);
    return S_OK;
}

HRESULT ChangeLayer(MapServer& server, DispatchCall& call, unsigned) {
    std::string name;
    RETURN_IF_FAILED(call.argText(0, &name));
    const MapLayer* layer = FindLayer(name.c_str());
    if (layer == nullptr) return call.fail(kErrorNoLayer, 0);
    server.model().setLayer(layer->number);
    return S_OK;
}

HRESULT MarkLatitude(MapServer& server, DispatchCall& call, unsigned) {
    call.returnText(MarkText(server.model().mark().lat));
    return S_OK;
}

HRESULT MarkLongitude(MapServer& server, DispatchCall& call, unsigned) {
    call.returnText(MarkText(server.model().mark().lon));
    return S_OK;
}

// --- Mapple family ---

HRESULT Visible(MapServer& server, DispatchCall& call, unsigned access) {
    if (access == kGet) {
        call.returnBool(server.model().visible());
        return S_OK;
    }
    int16_t on = 0;
    RETURN_IF_FAILED(call.argI2(0, &on));
    server.model().setVisible(on != 0);
    return S_OK;
}

HRESULT GetLat(MapServer& server, DispatchCall& call, unsigned) {
    call.returnI4(server.model().centre().lat);
    return S_OK;
}

HRESULT GetLon(MapServer& server, DispatchCall& call, unsigned) {
    call.returnI4(server.model().centre().lon);
    return S_OK;
}

HRESULT DeleteAllCustom(MapServer& server, DispatchCall&, unsigned) {
    server.model().deleteAllIcons();
    return S_OK;
}

HRESULT AddIcon(MapServer& server, DispatchCall& call, unsigned) {
    PlacedIcon icon;
    int16_t kind = 0, size = 0, width = 0, shown = 0;
    int32_t fill = 0, line = 0;
    RETURN_IF_FAILED(NumericCoordArg(call, 0, kMaxLongitude, &icon.at.lon));
    RETURN_IF_FAILED(NumericCoordArg(call, 1, kMaxLatitude, &icon.at.lat));
    RETURN_IF_FAILED(call.argText(2, &icon.label));
    RETURN_IF_FAILED(call.argText(3, &icon.note));
    RETURN_IF_FAILED(call.argI2(4, &kind));
    RETURN_IF_FAILED(call.argI2(5, &size));
    RETURN_IF_FAILED(call.argI2(6, &width));
    RETURN_IF_FAILED(call.argI4(7, &fill));
    RETURN_IF_FAILED(call.argI4(8, &line));
    RETURN_IF_FAILED(call.argI2(9, &shown));
    icon.kind = kind;
    icon.size = size;
    icon.lineWidth = width;
    icon.fillColour = static_cast<uint32_t>(fill) & 0xFFFFFF;
    icon.lineColour = static_cast<uint32_t>(line) & 0xFFFFFF;
    icon.labelShown = shown;
    if (server.model().addIcon(icon) != 0) return call.fail(kErrorTooManyIcons, 0);
    return S_OK;
}

HRESULT Move(MapServer& server, DispatchCall& call, unsigned) {
    GeoPoint p;
    RETURN_IF_FAILED(NumericCoordArg(call, 0, kMaxLongitude, &p.lon));
    RETURN_IF_FAILED(NumericCoordArg(call, 1, kMaxLatitude, &p.lat));
    server.model().setCentre(p);
    call.returnBool(true);
    return S_OK;
}

// --- MapView's own, for tests and tools ---

HRESULT MapViewState(MapServer& server, DispatchCall& call, unsigned) {
    std::string text;
    for (const std::string& field : server.model().stateFields()) {
        text += EscapeRecordField(field);
        text += '\n';
    }
    call.returnText(text);
    return S_OK;
}

HRESULT MapViewWindow(MapServer& server, DispatchCall& call, unsigned) {
    call.returnI4(HandleToLong(server.window().window()));
    return S_OK;
}

const Member kMembers[] = {
    {L"EnableMark", 1, kProAtlas, kMethod, 1, true, EnableMark},
    {L"SetEventWindow", 2, kProAtlas, kMethod, 2, true, SetEventWindow},
    {L"MoveTo", 3, kProAtlas, kMethod, 2, true, MoveTo},
    {L"AddTextEx", 4, kProAtlas, kMethod, 7, true, AddTextEx},
    {L"DeleteText", 5, kProAtlas, kMethod, 1, true, DeleteText},
    {L"LayerName", 6, kProAtlas, kMethod | kGet, 1, false, LayerName},
    {L"ChangeLayer", 7, kProAtlas, kMethod, 1, true, ChangeLayer},
    {L"MarkLatitude", 8, kProAtlas, kGet, 0, false, MarkLatitude},
    {L"MarkLongitude", 9, kProAtlas, kGet, 0, false, MarkLongitude},
    {L"Visible", 20, kMapple, kGet | kPut, 0, true, Visible},
    {L"GetLat", 21, kMapple, kMethod, 0, false, GetLat},
    {L"GetLon", 22, kMapple, kMethod, 0, false, GetLon},
    {L"DeleteAllCustom", 23, kMapple, kMethod, 0, true, DeleteAllCustom},
    {L"AddIcon", 24, kMapple, kMethod, 10, true, AddIcon},
    {L"Move", 25, kMapple, kMethod, 2, true, Move},
    {L"MapViewState", 100, kBoth, kGet, 0, false, MapViewState},
    {L"MapViewWindow", 101, kBoth, kGet, 0, false, MapViewWindow},
};

unsigned FamilyBit(MapFamily family) {
    return family == MapFamily::Mapple ? kMapple : kProAtlas;
}

} // namespace

const Member* FindMemberByName(const wchar_t* name, MapFamily family) {
    if (name == nullptr) return nullptr;
    for (const Member& m : kMembers) {
        if ((m.families & FamilyBit(family)) != 0 && lstrcmpiW(m.name, name) == 0) return &m;
    }
    return nullptr;
}

const Member* FindMemberById(DISPID id, MapFamily family) {
    for (const Member& m : kMembers) {
        if ((m.families & FamilyBit(family)) != 0 && m.id == id) return &m;
    }
    return nullptr;
}

} // namespace mapview
