#include "recording/DayRecords.h"

#include "support/DayLine.h"
#include "toolkit/Exception.h"

#include <gtest/gtest.h>

TEST(ParseDayLine, ReadsThreeSignedFields) {
    struct Case {
        const char* line;
        MinuteRecord record;
    } cases[] = {
        {"0:0:0", {0, 0, 0}},
        {"57:12:0", {57, 12, 0}},
        {"70000:-3:+5", {70000, -3, 5}},
        {"2147483647:0:-2147483648", {INT32_MAX, 0, INT32_MIN}},
        {"00000000001:-0:+0", {1, 0, 0}}, // leading zeros beyond ten digits
    };
    for (const Case& c : cases)
        EXPECT_EQ(ParseDayLine(c.line), c.record) << c.line;
}

TEST(ParseDayLine, NamesTheFieldThatIsNotAnInteger) {
    using namespace std::string_view_literals;
    struct Case {
        std::string_view line;
        std::string_view field;
    } cases[] = {
        {"12:7", ""},                     // two fields: the cpu text is missing
        {"12", ""},                       // no colon: the keys text is empty
        {"", ""},                         // empty line
        {":1:2", ""},                     // empty keys
        {"1::2", ""},                     // empty mouse
        {"1:2:", ""},                     // empty cpu
        {" 1:2:3", " 1"},                 // spaces are not digits
        {"1:2:3 ", "3 "},                 // trailing space too
        {"1:x:3", "x"},                   // non-digits
        {"1:2:3:4", "3:4"},               // a fourth field stays in the cpu text
        {"4294967296:0:0", "4294967296"}, // beyond 32 bits
        {"2147483648:0:0", "2147483648"},
        {"0:-2147483649:0", "-2147483649"},
        {"1:2:-", "-"},
        {"+:2:3", "+"},
        {"1:2:3.5", "3.5"},
        {"4:\0005:6"sv, "\0005"sv}, // a NUL byte does not cut the text short
        {"\000:1:2"sv, "\000"sv},
    };
    for (const Case& c : cases) {
        try {
            (void)ParseDayLine(c.line);
            ADD_FAILURE() << "accepted " << c.line;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), "'" + std::string(c.field) + "' is not a valid integer value")
                << c.line;
        }
    }
}

namespace {
// Every record of a text, and the error of the line that stopped the reading.
std::pair<std::vector<MinuteRecord>, std::string> ReadAll(std::string_view text) {
    std::vector<MinuteRecord> records;
    DayLineReader reader(text);
    MinuteRecord r;
    try {
        while (reader.Next(r))
            records.push_back(r);
    } catch (const Exception& e) {
        return {records, e.Message()};
    }
    return {records, ""};
}
} // namespace

TEST(DayLineReader, StopsAtTheFirstBrokenLineKeepingWhatCameBefore) {
    auto [records, error] = ReadAll("1:2:3\r\n4:5:6\r\n12:7\r\n8:8:8\r\n");
    ASSERT_EQ(records.size(), 2u);
    EXPECT_EQ(records[1], (MinuteRecord{4, 5, 6}));
    EXPECT_EQ(error, "'' is not a valid integer value");

    for (const char* text : {"1:2:3\n4:5:6\n", "1:2:3\r4:5:6\r", "1:2:3\r\n4:5:6"}) {
        auto [all, none] = ReadAll(text);
        EXPECT_EQ(all, (std::vector<MinuteRecord>{{1, 2, 3}, {4, 5, 6}})) << text;
        EXPECT_EQ(none, "");
    }
    EXPECT_TRUE(ReadAll("").first.empty());
}

TEST(FormatDayFile, WritesCrLfLinesThatReadBackTheSame) {
    std::vector<MinuteRecord> records(kMinutesPerDay);
    records[0] = {57, 12, 0};
    records[1439] = {-1, 70000, 3};
    const std::string text = FormatDayFile(records);
    EXPECT_EQ(text.substr(0, 16), "57:12:0\r\n0:0:0\r\n");
    EXPECT_EQ(text.substr(text.size() - 12), "-1:70000:3\r\n");
    auto [back, error] = ReadAll(text);
    EXPECT_EQ(error, "");
    EXPECT_EQ(back, records);
}

TEST(DayLineReader, TotalsReadKeysAndMouseAndNeverTheCpuText) {
    DayLineReader reader("1:2:x\r\n3:4:\r\n5:6:7:8\n", DayFields::KeysAndMouse);
    MinuteRecord r;
    int lines = 0;
    int32_t keys = 0, mouse = 0;
    while (reader.Next(r)) {
        ++lines;
        keys += r.keys;
        mouse += r.mouse;
        EXPECT_EQ(r.cpu, 0);
    }
    EXPECT_EQ(lines, 3);
    EXPECT_EQ(keys, 9);
    EXPECT_EQ(mouse, 12);

    for (const char* line : {"12", "12:7", ":7:0"}) {
        DayLineReader broken(line, DayFields::KeysAndMouse);
        try {
            (void)broken.Next(r);
            ADD_FAILURE() << "accepted " << line;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), "'' is not a valid integer value") << line;
        }
    }
}

TEST(DayLineReader, StopsOnTheLineThatDoesNotParse) {
    DayLineReader reader("1:2:3\n4:x:6\n7:8:9\n");
    MinuteRecord r;
    ASSERT_TRUE(reader.Next(r));
    EXPECT_THROW((void)reader.Next(r), Exception);
    EXPECT_THROW((void)reader.Next(r), Exception); // still on the broken line
    DayLineReader blank("1:2:3\r\n\r\n");          // an empty line is a broken line
    ASSERT_TRUE(blank.Next(r));
    EXPECT_THROW((void)blank.Next(r), Exception);
}
