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

bool IsLineEnd(char c) {
    return c == '\r' || c == '\n';
}

// The common case in one pass: an optional sign and digits that fit 32 bits,
// ended by `stop` (a colon) or, with stop 0, by the end of the line. Anything
// else answers false, and ParseFields then takes the line.
[[gnu::always_inline]] inline bool QuickField(const char*& p, const char* end, char stop,
                                              int32_t& value) {
    const bool negative = p < end && *p == '-';
    if (p < end && (*p == '-' || *p == '+'))
        ++p;
    const char* const digits = p;
    uint64_t magnitude = 0; // wraps harmlessly on absurd lengths, caught below
    while (p < end && unsigned(*p - '0') < 10)
        magnitude = magnitude * 10 + unsigned(*p++ - '0');
    if (p == digits || p - digits > 10 || magnitude > uint64_t(INT32_MAX) + negative)
        return false;
    if (stop ? (p == end || *p != stop) : (p < end && !IsLineEnd(*p)))
        return false;
    p += stop ? 1 : 0;
    value = negative ? int32_t(0 - magnitude) : int32_t(magnitude);
    return true;
}

// Reads the line at p into `record` and moves p past its line break.
[[gnu::always_inline]] inline void ReadLine(const char*& p, const char* end, DayFields fields,
                                            MinuteRecord& record) {
    const char* const begin = p;
    record.cpu = 0;
    bool plain = QuickField(p, end, ':', record.keys) && QuickField(p, end, ':', record.mouse);
    if (plain && fields == DayFields::All) {
        plain = QuickField(p, end, 0, record.cpu);
    } else if (plain) {
        while (p < end && !IsLineEnd(*p)) // the cpu text is not read
            ++p;
    }
    if (!plain) {
        // The careful reading names the field that is not an integer (or
        // takes what the quick one does not, such as long leading zeros).
        const char* lineEnd = begin;
        while (lineEnd < end && !IsLineEnd(*lineEnd))
            ++lineEnd;
        record = ParseFields(std::string_view(begin, size_t(lineEnd - begin)), fields);
        p = lineEnd;
    }
    if (p < end)
        p += (*p == '\r' && p + 1 < end && p[1] == '\n') ? 2 : 1;
}
} // namespace

bool DayLineReader::Next(MinuteRecord& record) {
    if (rest_.empty())
        return false;
    const char* p = rest_.data();
    const char* const end = p + rest_.size();
    // A line that does not parse raises its error and leaves the reader on it.
    ReadLine(p, end, fields_, record);
    rest_ = std::string_view(p, size_t(end - p));
    return true;
}

DayColumns ReadDayColumns(std::string_view text) {
    DayColumns day;
    for (std::vector<double>* column : {&day.keys, &day.mouse, &day.cpu})
        column->reserve(kMinutesPerDay);
    const char* p = text.data();
    const char* const end = p + text.size();
    MinuteRecord r;
    try {
        while (p < end) {
            ReadLine(p, end, DayFields::All, r);
            day.keys.push_back(r.keys);
            day.mouse.push_back(r.mouse);
            day.cpu.push_back(r.cpu);
        }
    } catch (const Exception& error) {
        day.error = error.Message();
    }
    return day;
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
