// The day-file reader under libFuzzer: every input is the text of a day file.
//
// The reader has a quick path for the common line and a careful one for the
// rest, and is used three ways (DayLineReader over the text, ReadDayColumns,
// and the reader over each line alone, ParseDayLine). The fuzzer holds all
// of them to one plain model of the file format, written here as slowly and
// simply as it can be, and checks that whatever is read whole writes back
// and reads again as the same records. Any disagreement aborts, and
// libFuzzer keeps the input.

#include "recording/DayRecords.h"
#include "support/DayLine.h"
#include "toolkit/Exception.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

[[noreturn]] void Fail(const char* what, std::string_view input) {
    std::fprintf(stderr, "day reader property broken: %s\ninput (%zu bytes): ", what, input.size());
    for (unsigned char c : input.substr(0, 200))
        std::fprintf(stderr, c >= 32 && c < 127 ? "%c" : "\\x%02x", c);
    std::fprintf(stderr, "\n");
    std::abort();
}

// --- The model --------------------------------------------------------------

// The lines of a text: a line ends at CR LF, LF or a lone CR, and a final line
// break does not start another line.
std::vector<std::string_view> ModelLines(std::string_view text) {
    std::vector<std::string_view> lines;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

// An optional sign, then one or more decimal digits, whose value fits a
// signed 32-bit integer; leading zeros are allowed however many.
std::optional<int32_t> ModelInteger(std::string_view field) {
    bool negative = false;
    if (!field.empty() && (field[0] == '+' || field[0] == '-')) {
        negative = field[0] == '-';
        field.remove_prefix(1);
    }
    if (field.empty())
        return std::nullopt;
    for (char c : field)
        if (c < '0' || c > '9')
            return std::nullopt;
    while (field.size() > 1 && field[0] == '0')
        field.remove_prefix(1);
    if (field.size() > 10)
        return std::nullopt;
    const long long magnitude = std::stoll(std::string(field));
    const long long value = negative ? -magnitude : magnitude;
    if (value < INT32_MIN || value > INT32_MAX)
        return std::nullopt;
    return int32_t(value);
}

struct ModelRead {
    std::vector<MinuteRecord> records;
    std::optional<std::string> error; // the message of the line that stopped it
};

std::string ConversionError(std::string_view field) {
    return "'" + std::string(field) + "' is not a valid integer value";
}

// keys is the text before the first colon, mouse the text before the next,
// cpu the rest of the line; a missing colon leaves an empty field. Fields
// are read in that order and the first that is not an integer names the
// error. Totals never read the cpu text.
std::optional<std::string> ModelLine(std::string_view line, DayFields fields,
                                     MinuteRecord& record) {
    std::string_view texts[3];
    size_t colon = line.find(':');
    if (colon != std::string_view::npos) {
        texts[0] = line.substr(0, colon);
        std::string_view rest = line.substr(colon + 1);
        colon = rest.find(':');
        if (colon != std::string_view::npos) {
            texts[1] = rest.substr(0, colon);
            texts[2] = rest.substr(colon + 1);
        }
    }
    record = {};
    int32_t* values[3] = {&record.keys, &record.mouse, &record.cpu};
    const int count = fields == DayFields::All ? 3 : 2;
    for (int f = 0; f < count; ++f) {
        const std::optional<int32_t> value = ModelInteger(texts[f]);
        if (!value)
            return ConversionError(texts[f]);
        *values[f] = *value;
    }
    return std::nullopt;
}

ModelRead Model(std::string_view text, DayFields fields) {
    ModelRead read;
    for (std::string_view line : ModelLines(text)) {
        MinuteRecord record;
        read.error = ModelLine(line, fields, record);
        if (read.error)
            break;
        read.records.push_back(record);
    }
    return read;
}

// --- The reader's three ways in --------------------------------------------

ModelRead ReadWithReader(std::string_view text, DayFields fields) {
    ModelRead read;
    DayLineReader reader(text, fields);
    MinuteRecord record;
    try {
        while (reader.Next(record))
            read.records.push_back(record);
    } catch (const Exception& error) {
        read.error = error.Message();
        // The reader stays on the broken line.
        try {
            (void)reader.Next(record);
            Fail("the reader moved past a broken line", text);
        } catch (const Exception& again) {
            if (again.Message() != error.Message())
                Fail("the broken line gave another error the second time", text);
        }
    }
    return read;
}

ModelRead ReadWithColumns(std::string_view text) {
    const DayColumns day = ReadDayColumns(text);
    if (day.mouse.size() != day.keys.size() || day.cpu.size() != day.keys.size())
        Fail("ReadDayColumns gives columns of different lengths", text);
    ModelRead read;
    read.error = day.error;
    // Every value comes from a 32-bit field, and a double holds it exactly.
    const auto value = [&](double v) {
        if (!(v >= INT32_MIN && v <= INT32_MAX) || double(int32_t(v)) != v)
            Fail("ReadDayColumns gives a value that is not a 32-bit integer", text);
        return int32_t(v);
    };
    for (size_t i = 0; i < day.keys.size(); ++i)
        read.records.push_back({value(day.keys[i]), value(day.mouse[i]), value(day.cpu[i])});
    return read;
}

bool Same(const ModelRead& a, const ModelRead& b) {
    return a.records == b.records && a.error == b.error;
}

void CheckLines(std::string_view text) {
    for (std::string_view line : ModelLines(text)) {
        MinuteRecord expected;
        const std::optional<std::string> expectedError = ModelLine(line, DayFields::All, expected);
        try {
            const MinuteRecord record = ParseDayLine(line);
            if (expectedError || record != expected)
                Fail("ParseDayLine reads a line otherwise than the model", text);
        } catch (const Exception& error) {
            if (error.Message() != expectedError)
                Fail("ParseDayLine's error differs from the model's", text);
        }
    }
}

void CheckRoundTrip(const std::vector<MinuteRecord>& records, std::string_view input) {
    const std::string written = FormatDayFile(records);
    const ModelRead back = ReadWithReader(written, DayFields::All);
    if (back.error || back.records != records)
        Fail("records written and read back differ", input);
    if (FormatDayFile(back.records) != written)
        Fail("writing the records read back gives other text", input);
    if (!Same(ReadWithColumns(written), back))
        Fail("ReadDayColumns reads the written file otherwise", input);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const ModelRead expected = Model(text, DayFields::All);
    const ModelRead read = ReadWithReader(text, DayFields::All);
    if (!Same(read, expected))
        Fail("DayLineReader disagrees with the model", text);
    if (!Same(ReadWithColumns(text), expected))
        Fail("ReadDayColumns disagrees with the model", text);

    const ModelRead totals = ReadWithReader(text, DayFields::KeysAndMouse);
    if (!Same(totals, Model(text, DayFields::KeysAndMouse)))
        Fail("DayLineReader for totals disagrees with the model", text);
    // Totals read every line the whole reading reads, with the same counts.
    if (totals.records.size() < read.records.size())
        Fail("totals stop before the whole reading", text);
    for (size_t i = 0; i < read.records.size(); ++i)
        if (totals.records[i].keys != read.records[i].keys ||
            totals.records[i].mouse != read.records[i].mouse || totals.records[i].cpu != 0)
            Fail("totals read other counts", text);

    CheckLines(text);
    // What is read whole, and what was read before a broken line, is kept
    // and written again: both must come back unchanged.
    CheckRoundTrip(read.records, text);
    return 0;
}
