#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// The totals of one or more day files: the sum of the keys field and the sum
// of the mouse field (decimetres) of every line. Both are signed 32-bit
// numbers that wrap past 2^31 as the day files' own values do.
struct DayTotals {
    int32_t keys = 0;
    int32_t mouse = 0;
    bool operator==(const DayTotals&) const = default;
};

// Adds with the 32-bit wrap, never by signed overflow.
DayTotals& operator+=(DayTotals& sum, const DayTotals& more);

// The totals of a day file's text; the cpu field is not read. A line that
// does not parse raises "'%s' is not a valid integer value".
[[nodiscard]] DayTotals SumDayLines(std::string_view text);

// Reads a day file and sums it; raises the open error or the conversion error.
[[nodiscard]] DayTotals ReadDayTotals(const std::string& path);

// The totals of the day files of a folder whose names match `pattern`
// ("26-12-*.dat" for a month, "26-12-08.dat" for a day). Only files count:
// an entry that is a folder is no day file, and nor is any name the pattern
// itself does not match (the day log's temporary and broken copies).
[[nodiscard]] DayTotals ReadTotalsOfFiles(const std::string& folder, const std::string& pattern);
