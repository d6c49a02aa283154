#include "map.h"

#include "bridge_texts.h"
#include "reply_sender.h"

namespace {

MapAutomation* CurrentObject(MapAdapter* map) {
    return map->kind == MapKind::Mapple ? map->mapple.get() : map->proAtlas.get();
}

// The two attempts of obtaining the object; Mapple is always created by its fixed identifier.
std::unique_ptr<MapAutomation> ObtainObject(BridgeHost& host, MapKind kind, const char* identifier) {
    std::unique_ptr<MapAutomation> object = host.GetMapObject(identifier);
    if (object) return object;
    return host.CreateMapObject(kind == MapKind::Mapple ? kMappleIdentifier : identifier);
}

int StartProAtlas(MapAutomation* object, BridgeHost& host) {
    uintptr_t editor = host.FindWindowByTitle(kEditorWindowTitle);
    if (object->EnableMark(1) < 0) return -1;
    // Window handles carry 32 significant bits, also in 64-bit processes.
    return object->SetEventWindow(static_cast<int32_t>(editor), kMapEventMessageNumber);
}

int PlaceText(MapAdapter* map, const TextExArgument& point) {
    if (textIdsFull(map->textIds)) return -1;
    MapAutomation* object = map->proAtlas.get();
    if (object->MoveTo(point.latitude, point.longitude) < 0) return -1;
    int16_t id = -1;
    if (object->AddTextEx(point.latitude, point.longitude, point.label, 0, 1, point.latitude, point.longitude,
                          &id) < 0)
        return -1;
    return addTextId(&map->textIds, id);
}

int PlaceIcon(MapAdapter* map, const TextExArgument& point, int32_t latitude, int32_t longitude) {
    MapAutomation* object = map->mapple.get();
    // Only the newest point is marked.
    if (object->DeleteAllCustom() < 0) return -1;
    if (object->AddIcon(longitude, latitude, point.label, "", 0, 25, 3, packColour(200, 255, 255),
                        packColour(64, 128, 200), 1) < 0)
        return -1;
    return object->Move(longitude, latitude);
}

} // namespace

void initMapAdapter(MapAdapter* map) {
    map->kind = MapKind::ProAtlas;
    map->open = false;
    map->proAtlas.reset();
    map->mapple.reset();
    clearTextIds(&map->textIds);
    map->positionLatitude = 0;
    map->positionLongitude = 0;
}

int openMap(MapAdapter* map, BridgeHost& host, const char* identifier) {
    map->open = false;
    map->kind = mapKindOf(identifier);
    if (map->kind == MapKind::ProAtlas) clearTextIds(&map->textIds);

    std::unique_ptr<MapAutomation> object = ObtainObject(host, map->kind, identifier);
    if (!object) {
        host.ShowWarning(map->kind == MapKind::Mapple ? kMappleOpenError : kProAtlasOpenError, kErrorTitle);
        return -1;
    }
    std::unique_ptr<MapAutomation>& slot = map->kind == MapKind::Mapple ? map->mapple : map->proAtlas;
    slot = std::move(object);

    int result = map->kind == MapKind::Mapple ? slot->SetVisible(1) : StartProAtlas(slot.get(), host);
    if (result < 0) return -1;
    map->open = true;
    return 0;
}

int addTextEx(MapAdapter* map, const char* argument) {
    if (!map->open || CurrentObject(map) == nullptr) return -1;
    TextExArgument point;
    if (splitTextExArgument(argument, &point) < 0) return -1;
    int32_t latitude = 0;
    int32_t longitude = 0;
    if (textToCoord(point.latitude, &latitude) < 0 || textToCoord(point.longitude, &longitude) < 0) return -1;
    if (map->kind == MapKind::Mapple) return PlaceIcon(map, point, latitude, longitude);
    return PlaceText(map, point);
}

int deleteTexts(MapAdapter* map) {
    if (map->kind != MapKind::ProAtlas) return 0;
    MapAutomation* object = map->proAtlas.get();
    int result = 0;
    for (int i = 0; i < map->textIds.count && i < kTextIdCapacity; ++i) {
        // A text the map refuses to delete does not keep the others on the map.
        if (object != nullptr && object->DeleteText(map->textIds.ids[i]) < 0) result = -1;
        map->textIds.ids[i] = -1;
    }
    map->textIds.count = 0;
    return result;
}

int setLayer(MapAdapter* map, const char* layer) {
    if (!map->open || map->kind != MapKind::ProAtlas || !map->proAtlas) return -1;
    char name[kMaxFrameTextBytes + 1] = {};
    if (map->proAtlas->LayerName(layer, name, sizeof name) < 0) return -1;
    return map->proAtlas->ChangeLayer(name);
}

int replyMark(MapAdapter* map, BridgeHost& host, const MapLinkMessages& messages, SubCode which) {
    MapAutomation* object = CurrentObject(map);
    if (!map->open || object == nullptr) return -1;
    bool latitude = which == SUB_GET_MARK_LAT;
    char text[kMaxFrameTextBytes + 1] = {};
    if (map->kind == MapKind::ProAtlas) {
        int read =
            latitude ? object->MarkLatitude(text, sizeof text) : object->MarkLongitude(text, sizeof text);
        if (read < 0) return -1;
    } else {
        int32_t value = 0;
        int read = latitude ? object->GetLat(&value) : object->GetLon(&value);
        if (read < 0 || coordToText(value, text, sizeof text) < 0) return -1;
    }
    return sendReply(host, messages, which, text);
}

int pollMap(MapAdapter* map, BridgeHost& host, const MapLinkMessages& messages) {
    if (map->kind != MapKind::Mapple || !map->open || !map->mapple) return 0;
    int32_t latitude = 0;
    int32_t longitude = 0;
    if (map->mapple->GetLat(&latitude) < 0 || map->mapple->GetLon(&longitude) < 0) return -1;
    if (latitude == map->positionLatitude && longitude == map->positionLongitude) return 0;
    map->positionLatitude = latitude;
    map->positionLongitude = longitude;
    return notifyMapEvent(host, messages);
}

void releaseMapple(MapAdapter* map) {
    map->mapple.reset();
    if (map->kind == MapKind::Mapple) map->open = false;
}
