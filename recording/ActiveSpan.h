#pragma once

#include <cstdint>
#include <string>

// The first and last active minute of a day; 0 means "not set", which is why
// activity at 00:00 can never be the first active minute.
struct ActiveSpan {
    uint16_t first = 0;
    uint16_t last = 0;
};

// A minute with a non-zero value moves the span: it sets the first minute
// when there is none yet, otherwise it raises the last minute.
void UpdateActiveSpanOf(uint16_t minute, uint16_t value, uint16_t& first, uint16_t& last);

// "hh:mm" of a minute of the day: 0 gives 00:00, 1439 gives 23:59.
std::string FormatMinuteOfDay(uint16_t minute);

// The hint followed by " [from hh:mm to hh:mm]".
std::string ActiveSpanText(const std::string& hint, ActiveSpan span);
