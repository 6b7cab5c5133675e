#include "ActiveSpan.h"

#include "toolkit/Text.h"

void ActiveSpan::Update(uint16_t minute, uint16_t value) {
    if (value == 0)
        return;
    if (first == 0)
        first = minute;
    else if (minute > last)
        last = minute;
}

void ActiveSpan::CloseAt(uint16_t minute) {
    if (first == 0)
        first = minute;
    if (last == 0)
        last = minute;
}

std::string ActiveSpan::Caption(const std::string& hint) const {
    if (first == 0)
        return hint;
    return hint + " [from " + FormatMinuteOfDay(first) + " to " + FormatMinuteOfDay(last) + "]";
}

std::string FormatMinuteOfDay(uint16_t minute) {
    return Format("%02d:%02d", minute / 60, minute % 60);
}
