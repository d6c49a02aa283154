#pragma once
// The local clock that stamps new points; replaceable so tests can fix the time.

struct LocalTime {
    unsigned year, month, day, hour, minute, second;
};

class LocalClock {
  public:
    virtual ~LocalClock() = default;
    virtual LocalTime now() const = 0;
};

// The machine's local time.
const LocalClock& systemClock();
