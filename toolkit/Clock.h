#pragma once

#include <compare>

// A calendar date of local time.
struct Date {
    int year = 0;
    int month = 0;
    int day = 0;
    auto operator<=>(const Date&) const = default;
};

// Local date and time, as the clock gives it.
struct LocalTime {
    Date date;
    int hour = 0;
    int minute = 0;
    int second = 0;
    int millisecond = 0;
};

// The one source of "now". Production reads the system clock; tests set it.
class Clock {
public:
    virtual ~Clock() = default;
    virtual LocalTime Now() const = 0;
};

class SystemClock final : public Clock {
public:
    LocalTime Now() const override;
};

// A clock that says what it is told; for tests and benchmarks.
class FixedClock final : public Clock {
public:
    explicit FixedClock(LocalTime now = {}) : now_(now) {}
    LocalTime Now() const override { return now_; }
    void Set(LocalTime now) { now_ = now; }

private:
    LocalTime now_;
};
