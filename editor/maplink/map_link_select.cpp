// Select map (menu 地図 > 選択): the bridge is restarted only when the choice changed.
#include "map_link.h"

#include "text_bytes.h"

#include <cstring>

void MapLink::SelectMap() {
    if (dialog_.Show(host_.window()) != IDOK) return;
    if (std::strcmp(dialog_.result, storedMapObject_) == 0) return;
    bridge_.Close();
    copyInto(storedMapObject_, dialog_.result);
    StartBridge();
}
