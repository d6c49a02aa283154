#include "map_link.h"

#include "editor_texts.h"
#include "main_window.h"
#include "map_coord_text.h"
#include "maplink_frame.h"
#include "resource_ids.h"
#include "text_bytes.h"
#include "win_text.h"

#include <cstring>
#include <string>

namespace {

struct PostTarget {
    HWND window;
    UINT message;
};

int PostStep(uint32_t wParam, intptr_t lParam, void* context) {
    auto* target = static_cast<PostTarget*>(context);
    return PostMessageW(target->window, target->message, wParam, lParam) ? 0 : -1;
}

} // namespace

MapLink::MapLink(MainWindow& window) : main_(window), dialog_(TEXT_PRODUCT_NAME) {
    copyInto(bridgeCommandLine, TEXT_BRIDGE_PROGRAM);
}

void MapLink::ReadSettings() {
    dialog_.store().ReadString(TEXT_VALUE_MAP_OBJECT, main_.storedMapObject);
}

int MapLink::SendFrame(SubCode terminator, const char* text) {
    PostTarget target = {FindWindowW(nullptr, Cp932ToWide(kBridgeWindowTitle).c_str()),
                         main_.messages.WM_CARTOLINK};
    if (target.window == nullptr) return -1;
    return sendTextFrame(main_.messages, text, terminator, PostStep, &target);
}

void MapLink::StartBridge() {
    // Handles of an earlier bridge that was not closed through this window.
    if (main_.bridgeProcess.hProcess != nullptr) CloseHandle(main_.bridgeProcess.hProcess);
    if (main_.bridgeProcess.hThread != nullptr) CloseHandle(main_.bridgeProcess.hThread);
    main_.bridgeProcess = PROCESS_INFORMATION{};

    std::wstring commandLine = Cp932ToWide(bridgeCommandLine);
    STARTUPINFOW startup = {};
    startup.cb = sizeof startup;
    // No success test: a bridge that cannot start only means the frames below are lost.
    if (CreateProcessW(nullptr, &commandLine[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                       &main_.bridgeProcess)) {
        WaitForInputIdle(main_.bridgeProcess.hProcess, bridgeIdleTimeout);
    } else {
        main_.bridgeProcess = PROCESS_INFORMATION{};
    }
    SendFrame(SUB_SET_LAYER, TEXT_MAP_LAYER);
    main_.bridgeWindow = FindWindowW(nullptr, Cp932ToWide(kBridgeWindowTitle).c_str());
    main_.bridgeRunning = 1;
    SendFrame(SUB_OBJECT_NAME, main_.storedMapObject);
    SendFrame(SUB_INIT_MAP, "");
    HWND editor = FindWindowW(nullptr, Cp932ToWide(kEditorWindowTitle).c_str());
    if (editor != nullptr) SetForegroundWindow(editor);
}

void MapLink::CloseBridge() {
    if (main_.bridgeWindow == nullptr) return;
    PostMessageW(main_.bridgeWindow, WM_CLOSE, 0, 0);
    main_.bridgeWindow = nullptr;
    if (main_.bridgeProcess.hProcess == nullptr) return;
    // Bounded: a bridge that does not end must not hang the editor; it is left to end by itself.
    WaitForSingleObject(main_.bridgeProcess.hProcess, main_.bridgeCloseTimeout);
    CloseHandle(main_.bridgeProcess.hProcess);
    if (main_.bridgeProcess.hThread != nullptr) CloseHandle(main_.bridgeProcess.hThread);
    main_.bridgeProcess = PROCESS_INFORMATION{};
}

void MapLink::ShowOnMap() {
    if (main_.bridgeRunning == 0) StartBridge();
    SendFrame(SUB_DELETE_TEXT, "");
    HWND list = main_.mainList.window;
    const PointDocument& document = main_.document;
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
    EnableWindow(main_.longitudeBox, TRUE);
    EnableWindow(main_.latitudeBox, TRUE);
    EnableWindow(GetDlgItem(main_.window, IDC_CAPTURE), TRUE);
}

void MapLink::OnMapReply(WPARAM wParam, LPARAM lParam) {
    switch (findSubCode(main_.messages, static_cast<uint32_t>(wParam))) {
    case SUB_TEXT_START:
        replyLength_ = 0;
        main_.replyText[0] = '\0';
        break;
    case SUB_TEXT_CHAR:
        // Replies carry only digits and "/": the low byte is the whole character.
        if (replyLength_ < kMaxFrameTextBytes) {
            main_.replyText[replyLength_++] = static_cast<char>(lParam & 0xFF);
            main_.replyText[replyLength_] = '\0';
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
    if (mapTextToCapturedCoord(main_.replyText, captured, sizeof capturedLatitude) < 0) captured[0] = '\0';
    SetWindowTextCp932(which == SUB_GET_MARK_LAT ? main_.latitudeBox : main_.longitudeBox, captured);
}
