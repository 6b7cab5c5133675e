#pragma once

#include <string>
#include <utility>
#include <vector>

// The text of a day file: `lines` lines of "0:0:0", but for the minutes
// given, each line ended by CR LF.
inline std::string DayText(const std::vector<std::pair<int, std::string>>& set, int lines = 1440) {
    std::vector<std::string> all(size_t(lines), "0:0:0");
    for (const auto& [minute, line] : set)
        all[size_t(minute)] = line;
    std::string text;
    for (const auto& line : all)
        text += line + "\r\n";
    return text;
}
