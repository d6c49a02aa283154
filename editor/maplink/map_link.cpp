#include "map_link.h"

#include "editor_texts.h"
#include "map_coord_text.h"
#include "own_map_object.h"
#include "maplink_frame.h"
#include "resource_ids.h"
#include "text_bytes.h"
#include "cp932_text.h"
#include "window_text.h"

#include <cstring>
#include <string>

MapLink::MapLink(MapLinkHost& host) : host_(host), dialog_(TEXT_PRODUCT_NAME) {
    copyInto(bridgeCommandLine, TEXT_BRIDGE_PROGRAM);
}

void MapLink::ReadSettings() {
    dialog_.store().ReadString(TEXT_VALUE_MAP_OBJECT, storedMapObject_);
}

void MapLink::RegisterMessages() {
    registerMapLinkMessagesWithSystem(&messages_);
}

void MapLink::Shutdown() {
    bridge_.Close();
}

int MapLink::SendFrame(SubCode terminator, const char* text) {
    HWND bridge = FindWindowW(nullptr, cp932ToWide(kBridgeWindowTitle).c_str());
    return postTextFrame(reinterpret_cast<uintptr_t>(bridge), messages_, text, terminator);
}

void MapLink::StartBridge() {
    // No success test: a bridge that cannot start only means the frames below are lost.
    bridge_.Start(bridgeCommandLine, bridgeIdleTimeout);
    SendFrame(SUB_SET_LAYER, TEXT_MAP_LAYER);
    bridge_.setWindow(FindWindowW(nullptr, cp932ToWide(kBridgeWindowTitle).c_str()));
    // Never chosen (a fresh install): MapView, which is always there. A stored choice is sent as
    // it is, and nothing is stored here.
    SendFrame(SUB_OBJECT_NAME, storedMapObject_[0] != '\0' ? storedMapObject_ : OwnMapObject());
    SendFrame(SUB_INIT_MAP, "");
    HWND editor = FindWindowW(nullptr, cp932ToWide(kEditorWindowTitle).c_str());
    if (editor != nullptr) SetForegroundWindow(editor);
}

void MapLink::ShowOnMap() {
    if (!bridge_.running()) StartBridge();
    SendFrame(SUB_DELETE_TEXT, "");
    HWND list = host_.mainListWindow();
    const PointDocument& document = host_.document();
    for (int row =
             static_cast<int>(SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
         row >= 0; row = static_cast<int>(
                       SendMessageW(list, LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED))) {
        if (row >= document.count()) break;
        char latitude[32];
        char longitude[32];
        // A coordinate the map cannot read is not sent: the map would refuse it anyway.
        if (pointCoordToMapText(document.getLatitude(row), latitude, sizeof latitude) < 0) continue;
        if (pointCoordToMapText(document.getLongitude(row), longitude, sizeof longitude) < 0) continue;
        std::string text = std::string(latitude) + "," + longitude + "," + document.getName(row);
        SendFrame(SUB_ADD_TEXT_EX, text.c_str());
    }
}

void MapLink::OnMapEvent(WPARAM, LPARAM) {
    SendFrame(SUB_GET_MARK_LAT, "");
    SendFrame(SUB_GET_MARK_LON, "");
    EnableWindow(host_.longitudeBox(), TRUE);
    EnableWindow(host_.latitudeBox(), TRUE);
    EnableWindow(GetDlgItem(host_.window(), IDC_CAPTURE), TRUE);
}

void MapLink::OnMapReply(WPARAM wParam, LPARAM lParam) {
    switch (findSubCode(messages_, static_cast<uint32_t>(wParam))) {
    case SUB_TEXT_START:
        replyLength_ = 0;
        replyText_[0] = '\0';
        break;
    case SUB_TEXT_CHAR:
        // Replies carry only digits and "/": the low byte is the whole character.
        if (replyLength_ < kMaxFrameTextBytes) {
            replyText_[replyLength_++] = static_cast<char>(lParam & 0xFF);
            replyText_[replyLength_] = '\0';
        }
        break;
    case SUB_GET_MARK_LAT:
        TakeCapturedCoord(SUB_GET_MARK_LAT);
        break;
    case SUB_GET_MARK_LON:
        TakeCapturedCoord(SUB_GET_MARK_LON);
        break;
    default:
        break;
    }
}

// The empty reply (the map reported 0) and a reply not of the D/MM/SSSSS shape are no
// position: the captured text becomes empty, which capture refuses.
void MapLink::TakeCapturedCoord(SubCode which) {
    char* captured = which == SUB_GET_MARK_LAT ? capturedLatitude : capturedLongitude;
    if (mapTextToCapturedCoord(replyText_, captured, sizeof capturedLatitude) < 0) captured[0] = '\0';
    SetWindowTextCp932(which == SUB_GET_MARK_LAT ? host_.latitudeBox() : host_.longitudeBox(), captured);
}
