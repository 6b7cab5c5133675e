#include "ActiveSpan.h"

#include "toolkit/Text.h"

void UpdateActiveSpanOf(uint16_t minute, uint16_t value, uint16_t& first, uint16_t& last) {
    if (value == 0)
        return;
    if (first == 0)
        first = minute;
    else if (minute > last)
        last = minute;
}

std::string FormatMinuteOfDay(uint16_t minute) {
    return Format("%02d:%02d", minute / 60, minute % 60);
}

std::string ActiveSpanText(const std::string& hint, ActiveSpan span) {
    return hint + " [from " + FormatMinuteOfDay(span.first) + " to " +
           FormatMinuteOfDay(span.last) + "]";
}
