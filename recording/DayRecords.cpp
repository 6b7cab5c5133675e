#include "DayRecords.h"

#include "toolkit/Conversions.h"
#include "toolkit/Exception.h"

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

int32_t FieldValue(std::string_view field) {
    int32_t value = 0;
    if (!TryStrToInt(field, value))
        return StrToInt(field); // raises the conversion error with the field's text
    return value;
}

MinuteRecord ParseFields(std::string_view line, DayFields fields) {
    std::string_view rest = line;
    MinuteRecord record;
    record.keys = FieldValue(TakeField(rest));
    record.mouse = FieldValue(TakeField(rest));
    if (fields == DayFields::All)
        record.cpu = FieldValue(rest);
    return record;
}
} // namespace

bool DayLineReader::Next(MinuteRecord& record) {
    if (rest_.empty())
        return false;
    size_t end = 0;
    while (end < rest_.size() && rest_[end] != '\r' && rest_[end] != '\n')
        ++end;
    const std::string_view line = rest_.substr(0, end);
    record = ParseFields(line, fields_);
    // Only a line that parsed is passed: an error leaves the reader on it.
    if (end < rest_.size())
        end += (rest_[end] == '\r' && end + 1 < rest_.size() && rest_[end + 1] == '\n') ? 2 : 1;
    rest_.remove_prefix(end);
    return true;
}

MinuteRecord ParseDayLine(std::string_view line) {
    return ParseFields(line, DayFields::All);
}

ParsedDayFile ParseDayFile(std::string_view text) {
    ParsedDayFile parsed;
    parsed.records.reserve(kMinutesPerDay);
    DayLineReader reader(text);
    MinuteRecord record;
    try {
        while (reader.Next(record))
            parsed.records.push_back(record);
    } catch (const Exception& error) {
        parsed.error = error.Message();
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
