// libFuzzer target: the base map reader on any bytes: it reads a whole map or nothing.
#include "basemap_data.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    mapview::BaseMap map;
    const int rc = mapview::ReadBaseMap(bytes, &map);
    if (rc != 0 && !map.details.empty()) std::abort();
    for (const auto& detail : map.details) {
        for (const mapview::BaseRing& ring : detail) {
            if (ring.points.size() < 2 || ring.level < 1 || ring.level > 4) std::abort();
        }
    }
    return 0;
}
