// libFuzzer target: QPF files whose points every format can carry go out to each format and
// back to the same QPF bytes; see exchange_checks.h.
#include "exchange_checks.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!exchange_checks::roundTripHolds(reinterpret_cast<const char*>(data), size)) std::abort();
    return 0;
}
