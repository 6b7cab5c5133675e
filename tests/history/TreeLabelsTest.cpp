#include "history/TreeLabels.h"

#include "toolkit/DateFormat.h"

#include <gtest/gtest.h>

TEST(TreeLabels, MonthAndDayLabels) {
    EXPECT_EQ(MonthLabel({2026, 12, 8}), "2026.December");
    EXPECT_EQ(DayLabel({2026, 12, 8}), "2026-12-08");
    EXPECT_EQ(DayLabel({2099, 1, 5}), "2099-01-05");
}

// The minute tick refreshes the caption of the active span only while the
// selected node stands for today: its day or its month.
TEST(LabelShowsDate, TheDaysLabelAndItsMonthsLabelShowIt) {
    const Date today{2026, 12, 9};
    struct Case {
        std::string label;
        bool shows;
    } cases[] = {
        {"2026-12-09", true},
        {"2026." + LongMonthName(12), true},
        {"", false},
        {"2026-12-08", false},
        {"2026." + LongMonthName(11), false},
        {"2025." + LongMonthName(12), false},
        {"2026.december", false}, // labels compare exactly
        {"26-12-09", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(LabelShowsDate(c.label, today), c.shows) << c.label;
}

TEST(MonthOfLabel, GivesYearsAndTheMonthNumber) {
    struct Case {
        std::string label, year, shortYear, month;
    } cases[] = {
        {"2026.December", "2026", "26", "12"}, {"2008.January", "2008", "08", "01"},
        {"2026.december", "2026", "26", ""}, // names compare exactly
        {"2026.Decembers", "2026", "26", ""},  {"2026.", "2026", "26", ""},
    };
    for (const Case& c : cases) {
        MonthOfLabelResult r = MonthOfLabel(c.label);
        EXPECT_EQ(r.year, c.year) << c.label;
        EXPECT_EQ(r.shortYear, c.shortYear) << c.label;
        EXPECT_EQ(r.month, c.month) << c.label;
    }
}

TEST(DayFileOfLabel, DropsTheCenturyDigits) {
    EXPECT_EQ(DayFileOfLabel("C:\\h\\", "2026-12-08"), "C:\\h\\26-12-08.dat");
    EXPECT_EQ(DayFileOfLabel("", "0123-01-05"), "23-01-05.dat");
    EXPECT_EQ(MonthDayFile("C:\\h\\", "2026.December", 3), "C:\\h\\26-12-03.dat");
    EXPECT_EQ(MonthDayFile("C:\\h\\", "2026.February", 31), "C:\\h\\26-02-31.dat");
    EXPECT_EQ(MonthFilePattern("2026.February"), "26-02-*.dat");
}

TEST(DayFileOfLabel, ATextThatIsNoLabelStandsForNoFile) {
    for (const char* text : {"", "2026-12-8", "2026.12.08", "2026-1x-08", "26-12-08"})
        EXPECT_EQ(DayFileOfLabel("C:\\h\\", text), "") << text;
    for (const char* text : {"2026.december", "26.December", "yyyy.December", "2026-12-08"}) {
        EXPECT_EQ(MonthDayFile("C:\\h\\", text, 3), "") << text;
        EXPECT_EQ(MonthFilePattern(text), "") << text;
    }
}
