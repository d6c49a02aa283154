// Select map (menu 地図 > 選択): the bridge is restarted only when the choice changed.
#include "main_window.h"
#include "map_link.h"

#include "text_bytes.h"

#include <cstring>

void MapLink::SelectMap() {
    if (dialog_.Show(main_.window) != IDOK) return;
    if (std::strcmp(dialog_.result, main_.storedMapObject) == 0) return;
    CloseBridge();
    copyInto(main_.storedMapObject, dialog_.result);
    StartBridge();
}
