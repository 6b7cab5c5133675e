#pragma once

#include "recording/DayRecords.h"

#include <string>
#include <string_view>

// Reads one line "keys:mouse:cpu" as the day file's reader reads it, with
// its error when it does not parse: the line alone, its line break added so
// that an empty line is read (and fails) too. The line holds no line break.
[[nodiscard]] inline MinuteRecord ParseDayLine(std::string_view line) {
    const std::string text = std::string(line) + "\n";
    DayLineReader reader(text);
    MinuteRecord record;
    (void)reader.Next(record);
    return record;
}
