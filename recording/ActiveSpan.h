#pragma once

#include <cstdint>
#include <string>

// The first and last active minute of a day; 0 means "not set", which is why
// activity at 00:00 can never be the first active minute.
struct ActiveSpan {
    uint16_t first = 0;
    uint16_t last = 0;

    // A minute with a non-zero value moves the span: it sets the first minute
    // when there is none yet, otherwise it raises the last minute.
    void Update(uint16_t minute, uint16_t value);
    // Closes the span at a minute: an end that is not set yet becomes that
    // minute. A tick closes it at its own minute; a day read whole closes it
    // at its first minute, so that one active minute is a span from it to it
    // (and a day without one keeps none).
    void CloseAt(uint16_t minute);
    // The hint followed by " [from hh:mm to hh:mm]"; the hint alone while no
    // first minute is set, never a span "from 00:00 to 00:00".
    std::string Caption(const std::string& hint) const;

    bool operator==(const ActiveSpan&) const = default;
};

// "hh:mm" of a minute of the day: 0 gives 00:00, 1439 gives 23:59.
std::string FormatMinuteOfDay(uint16_t minute);
