#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

constexpr int kMinutesPerDay = 1440;

// One minute of the day: keys pressed, pointer travel in decimetres, and the
// processor-load field that the files carry but nothing measures.
struct MinuteRecord {
    int32_t keys = 0;
    int32_t mouse = 0;
    int32_t cpu = 0;
    bool operator==(const MinuteRecord&) const = default;
};

// Reads "keys:mouse:cpu". A missing colon leaves an empty field, so "12:7"
// fails on its empty cpu text with "'' is not a valid integer value".
[[nodiscard]] MinuteRecord ParseDayLine(std::string_view line);

// What a day file held: the records of its lines up to the first line that
// does not parse, and that line's error when there was one.
struct ParsedDayFile {
    std::vector<MinuteRecord> records;
    std::optional<std::string> error;
};
[[nodiscard]] ParsedDayFile ParseDayFile(std::string_view text);

// One line per record, each ended by CR LF.
std::string FormatDayFile(const std::vector<MinuteRecord>& records);
