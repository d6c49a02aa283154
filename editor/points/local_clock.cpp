#include "local_clock.h"

#include <ctime>

namespace {

class SystemClock : public LocalClock {
  public:
    LocalTime now() const override {
        std::time_t t = std::time(nullptr);
        std::tm local{};
#ifdef _WIN32
        localtime_s(&local, &t);
#else
        localtime_r(&t, &local);
#endif
        return LocalTime{static_cast<unsigned>(local.tm_year + 1900), static_cast<unsigned>(local.tm_mon + 1),
                         static_cast<unsigned>(local.tm_mday),         static_cast<unsigned>(local.tm_hour),
                         static_cast<unsigned>(local.tm_min),          static_cast<unsigned>(local.tm_sec)};
    }
};

} // namespace

const LocalClock& systemClock() {
    static const SystemClock clock;
    return clock;
}
