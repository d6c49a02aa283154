// The map link the main window is built with.
#include "map_link.h"

std::unique_ptr<MapLinkHooks> CreateMapLinkHooks(MainWindow& window) {
    return std::make_unique<MapLink>(window);
}
