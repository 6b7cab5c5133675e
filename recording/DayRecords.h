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

// Which fields of a line are read. Totals take keys and mouse only and never
// look at the cpu text, so "1:2:x" is a valid line for them.
enum class DayFields { KeysAndMouse, All };

// The day file's one line reader: today's loader, a past day's chart, the
// month totals and the tree hint all read through it. It walks the text in
// place, without a string per line or per field.
//
// A line is keys ":" mouse ":" cpu: keys is the text before the first colon,
// mouse the text before the next, cpu the rest of the line. A missing colon
// leaves an empty field, so "12:7" fails on its empty cpu text (and, for
// totals, "12" on its empty mouse text). Lines end in CR LF, LF or a lone
// CR; a final line break does not start another line.
class DayLineReader {
public:
    explicit DayLineReader(std::string_view text, DayFields fields = DayFields::All)
        : rest_(text), fields_(fields) {}

    // Reads the next line; false after the last one. A field that is not an
    // integer raises "'%s' is not a valid integer value" with its text.
    [[nodiscard]] bool Next(MinuteRecord& record);

private:
    std::string_view rest_;
    DayFields fields_;
};

// A day file read whole into one column per field, a value per line, up to
// the first line that does not parse; that line's error, if one did.
struct DayColumns {
    std::vector<double> keys;
    std::vector<double> mouse;
    std::vector<double> cpu;
    std::optional<std::string> error;
    int Lines() const { return int(keys.size()); }
};
[[nodiscard]] DayColumns ReadDayColumns(std::string_view text);

// One line per record, each ended by CR LF.
std::string FormatDayFile(const std::vector<MinuteRecord>& records);
