// Capture position: the last mark position received becomes a new last point.
#include "map_link.h"
#include "editor_texts.h"
#include "message_notifier.h"
#include "point_messages.h"

#include <cstdio>

void MapLink::CapturePosition() {
    if (!bridge_.running()) StartBridge();
    if (capturedLatitude[0] == '\0' || capturedLongitude[0] == '\0') return;
    PointDocument& document = host_.document();
    if (document.count() >= kMaxPoints) {
        showTooManyPoints();
        return;
    }
    HWND list = host_.mainListWindow();
    LVITEMW clear = {};
    clear.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageW(list, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&clear));
    // With the selection cleared the new point always goes last.
    int position = document.count();
    if (document.insertBlank(position) < 0) return;
    document.setName(position, TEXT_CAPTURED_POINT_NAME);
    document.setLatitude(position, capturedLatitude);
    document.setLongitude(position, capturedLongitude);
    host_.InsertDocumentRow(position);
    host_.SelectRow(position);
    SendMessageW(list, LVM_ENSUREVISIBLE, static_cast<WPARAM>(position), FALSE);
    host_.UpdateStatusLine();
    InvalidateRect(list, nullptr, TRUE);
    UpdateWindow(list);
}
