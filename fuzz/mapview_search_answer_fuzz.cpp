// libFuzzer target: the place search answer parser on any bytes. Whatever it keeps must be
// a usable place, and no more of them than the limit.
#include "address_answer.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string body(reinterpret_cast<const char*>(data), size);
    std::vector<mapview::FoundPlace> places;
    const mapview::AnswerKind kind = mapview::ParseAddressAnswer(body, &places);
    if ((kind == mapview::AnswerKind::Found) == places.empty()) std::abort();
    if (places.size() > mapview::kMaxPlaces) std::abort();
    for (const mapview::FoundPlace& p : places) {
        if (!std::isfinite(p.lat) || !std::isfinite(p.lon) || std::fabs(p.lat) > 90 ||
            std::fabs(p.lon) > 180) {
            std::abort();
        }
        if (p.title.size() > mapview::kMaxTitleBytes) std::abort();
    }
    return 0;
}
