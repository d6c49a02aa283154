// Replays the kept corpora of the exchange fuzz targets through the same checks.
#include "exchange_checks.h"
#include "points_test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>

namespace {

std::filesystem::path corpus(const char* target) {
    const char* source = std::getenv("TENMARK_SOURCE_DIR");
    return std::filesystem::path(source ? source : ".") / "fuzz" / "corpus" / target;
}

// Calls `check(bytes)` on every kept input of the target; returns how many there were.
template <typename Check> size_t replay(const char* target, Check check) {
    size_t inputs = 0;
    for (const auto& entry : std::filesystem::directory_iterator(corpus(target))) {
        std::string bytes = readBytes(entry.path().string());
        EXPECT_TRUE(check(bytes)) << entry.path();
        ++inputs;
    }
    return inputs;
}

} // namespace

TEST(ExchangeFuzzCorpus, EveryKeptInputHoldsItsTargetsProperty) {
    const struct {
        const char* target;
        ExchangeFormat format;
    } readers[] = {{"gpx_reader", ExchangeFormat::Gpx},
                   {"kml_reader", ExchangeFormat::Kml},
                   {"kmz_reader", ExchangeFormat::Kmz},
                   {"csv_reader", ExchangeFormat::Csv},
                   {"geojson_reader", ExchangeFormat::GeoJson}};
    for (const auto& r : readers) {
        EXPECT_GT(replay(r.target,
                         [&](const std::string& b) { return exchange_checks::readerHolds(r.format, b.data(), b.size()); }),
                  0u)
            << r.target;
    }
    EXPECT_GT(replay("exchange_round_trip",
                     [](const std::string& b) { return exchange_checks::roundTripHolds(b.data(), b.size()); }),
              0u);
}
