#include "toolkit/StrToDate.h"

#include "toolkit/Exception.h"

#include <gtest/gtest.h>

namespace {
const TFormatSettings kFileNames{'-', "yy-mm-dd"};
const TFormatSettings kDotted{'.', "dd.mm.yyyy"};
FixedClock ClockIn(int year) {
    return FixedClock(LocalTime{{year, 12, 8}, 10, 0, 0, 0});
}
} // namespace

TEST(StrToDate, ReadsDayFileNamesInTheCurrentCentury) {
    struct Case {
        const char* text;
        int clockYear;
        Date expected;
    } cases[] = {
        {"26-12-08", 2026, {2026, 12, 8}},   {"26-12-8", 2026, {2026, 12, 8}},
        {"99-01-05", 2026, {2099, 1, 5}},    {"08-02-29", 2026, {2008, 2, 29}},
        {"8-1-1", 2026, {2008, 1, 1}},       {"2026-12-08", 2026, {2026, 12, 8}},
        {"126-01-01", 2026, {126, 1, 1}},    {"08-03-01", 2101, {2108, 3, 1}},
        {" 26-12-08 ", 2026, {2026, 12, 8}}, {"12-08", 2026, {2026, 12, 8}},
        {"00-02-29", 2026, {2000, 2, 29}},
    };
    for (const Case& c : cases) {
        FixedClock clock = ClockIn(c.clockYear);
        EXPECT_EQ(StrToDate(c.text, kFileNames, clock), c.expected) << c.text;
    }
}

TEST(StrToDate, RejectsWhatIsNotADateWithTheRuntimeText) {
    FixedClock clock = ClockIn(2026);
    const char* bad[] = {"notes",    "26-02-30",    "26-13-01",    "26-00-01",  "26-12-00",
                         "",         " ",           "26-12-08-01", "26--08",    "-26-12-08",
                         "26-12-",   "26",          "26.12.08",    "26-12-08x", "26-12-32",
                         "27-02-29", "12345-01-01", "26-1e-01",    "26-12"};
    for (const char* text : bad) {
        try {
            (void)StrToDate(text, kFileNames, clock);
            ADD_FAILURE() << "accepted '" << text << "'";
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), std::string("'") + text + "' is not a valid date");
        }
    }
}

TEST(StrToDate, FollowsTheFieldOrderOfThePattern) {
    FixedClock clock = ClockIn(2026);
    EXPECT_EQ(StrToDate("08.12.2026", kDotted, clock), (Date{2026, 12, 8}));
    EXPECT_EQ(StrToDate("31.01.26", kDotted, clock), (Date{2026, 1, 31}));
    EXPECT_THROW((void)StrToDate("30.02.2026", kDotted, clock), Exception);
    EXPECT_THROW((void)StrToDate("2026.12.08", kDotted, clock), Exception);
}
