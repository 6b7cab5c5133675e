#include "DayRecords.h"

#include "toolkit/Conversions.h"
#include "toolkit/Exception.h"
#include "toolkit/Files.h"

namespace {
// The text before the next colon, or nothing when there is no colon; the rest
// keeps what follows that colon.
std::string_view TakeField(std::string_view& rest) {
    size_t colon = rest.find(':');
    if (colon == std::string_view::npos)
        return {};
    std::string_view field = rest.substr(0, colon);
    rest.remove_prefix(colon + 1);
    return field;
}
} // namespace

MinuteRecord ParseDayLine(std::string_view line) {
    std::string_view rest = line;
    MinuteRecord record;
    record.keys = StrToInt(TakeField(rest));
    record.mouse = StrToInt(TakeField(rest));
    record.cpu = StrToInt(rest);
    return record;
}

ParsedDayFile ParseDayFile(std::string_view text) {
    ParsedDayFile parsed;
    for (const std::string& line : SplitTextLines(text)) {
        try {
            parsed.records.push_back(ParseDayLine(line));
        } catch (const Exception& error) {
            parsed.error = error.Message();
            break;
        }
    }
    return parsed;
}

std::string FormatDayFile(const std::vector<MinuteRecord>& records) {
    std::string text;
    text.reserve(records.size() * 8);
    for (const MinuteRecord& r : records) {
        text += IntToStr(r.keys);
        text += ':';
        text += IntToStr(r.mouse);
        text += ':';
        text += IntToStr(r.cpu);
        text += "\r\n";
    }
    return text;
}
