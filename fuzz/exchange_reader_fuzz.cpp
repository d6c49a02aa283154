// libFuzzer target: one exchange reader (FUZZ_FORMAT) on any bytes; see exchange_checks.h.
#include "exchange_checks.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (!exchange_checks::readerHolds(ExchangeFormat::FUZZ_FORMAT, reinterpret_cast<const char*>(data), size))
        std::abort();
    return 0;
}
