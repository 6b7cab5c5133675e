#include "DayTotals.h"

#include "recording/DayRecords.h"
#include "toolkit/Files.h"

namespace {
int32_t WrappingAdd(int32_t a, int32_t b) {
    return int32_t(uint32_t(a) + uint32_t(b));
}
} // namespace

DayTotals& operator+=(DayTotals& sum, const DayTotals& more) {
    sum.keys = WrappingAdd(sum.keys, more.keys);
    sum.mouse = WrappingAdd(sum.mouse, more.mouse);
    return sum;
}

DayTotals SumDayLines(std::string_view text) {
    // Unsigned sums wrap by definition; they become signed once, at the end.
    uint32_t keys = 0, mouse = 0;
    DayLineReader reader(text, DayFields::KeysAndMouse);
    MinuteRecord record;
    while (reader.Next(record)) {
        keys += uint32_t(record.keys);
        mouse += uint32_t(record.mouse);
    }
    return {int32_t(keys), int32_t(mouse)};
}

DayTotals ReadDayTotals(const std::string& path) {
    return SumDayLines(ReadFileBytes(path));
}

DayTotals ReadTotalsOfFiles(const std::string& folder, const std::string& pattern) {
    DayTotals totals;
    for (const std::string& name : ListFolder(folder, pattern))
        if (FileExists(folder + name))
            totals += ReadDayTotals(folder + name);
    return totals;
}
