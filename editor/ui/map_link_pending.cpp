// No map link is built into the editor yet.
#include "map_link_hooks.h"

std::unique_ptr<MapLinkHooks> CreateMapLinkHooks(MainWindow&) {
    return nullptr;
}
