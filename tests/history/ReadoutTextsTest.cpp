#include "history/ReadoutTexts.h"

#include "history/GroupDigits.h"
#include "toolkit/LocaleInfo.h"

#include <gtest/gtest.h>

#include <windows.h>

TEST(GroupDigits, GroupsOfThreeFromTheRight) {
    struct Case {
        int64_t n;
        const char* text;
    } cases[] = {
        {0, "0"},
        {7, "7"},
        {999, "999"},
        {1000, "1 000"},
        {12345, "12 345"},
        {123456, "123 456"},
        {1234567, "1 234 567"},
        {2147483647, "2 147 483 647"},
        {-1234, "-1 234"}, // a wrapped total keeps its sign outside the groups
        {-123, "-123"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(GroupDigits(c.n), c.text) << c.n;
}

TEST(TreeHintText, KeysInGroupsAndMetresWithTwoDecimals) {
    EXPECT_EQ(TreeHintText({1234, 12345}, "."),
              "Total keys pressed: 1 234; Total mouse: 1234.50 m");
    EXPECT_EQ(TreeHintText({1234, 12345}, ","),
              "Total keys pressed: 1 234; Total mouse: 1234,50 m");
    EXPECT_EQ(TreeHintText({}, "."), "Total keys pressed: 0; Total mouse: 0.00 m");
    EXPECT_EQ(TreeHintText({1, 7}, "."), "Total keys pressed: 1; Total mouse: 0.70 m");
}

TEST(DayReadoutText, MinuteAndValueRoundedHalvesToEven) {
    const std::string title = "Mouse distance, dm per minute";
    EXPECT_EQ(DayReadoutText(title, 581, 57), title + " [09:41 - 57]");
    EXPECT_EQ(DayReadoutText(title, 0, 0), title + " [00:00 - 0]");
    EXPECT_EQ(DayReadoutText(title, 1439, 1234567), title + " [23:59 - 1234567]");
    EXPECT_EQ(DayReadoutText(title, 600.5, 2.5), title + " [10:00 - 2]");
    EXPECT_EQ(DayReadoutText(title, 601.5, 3.5), title + " [10:02 - 4]");
}

TEST(MonthReadoutText, DateWeekdayAndGroupedValue) {
    const std::string keys = "Keys pressed, count per day";
    EXPECT_EQ(MonthReadoutText(keys, "2026", "12", 8, "Tue", 12345),
              keys + " [2026.12.08 (Tue) - 12 345]");
    const std::string mouse = "Mouse distance, m per day";
    EXPECT_EQ(MonthReadoutText(mouse, "2026", "12", 31, "Thu", 1234.5),
              mouse + " [2026.12.31 (Thu) - 1 234]");
    EXPECT_EQ(MonthReadoutText(mouse, "2026", "12", 1, "Tue", 1235.5),
              mouse + " [2026.12.01 (Tue) - 1 236]");
}

TEST(WeekdayOf, TheLocalesShortNameOrNothingForADayTheMonthLacks) {
    FixedClock clock(LocalTime{{2026, 12, 8}, 10, 0, 0, 0});
    // LOCALE_SABBREVDAYNAME1 is Monday: 8 December 2026 is a Tuesday,
    // 29 February 2024 a Thursday.
    EXPECT_EQ(WeekdayOf("2026", "12", 8, clock), LocaleText(LOCALE_SABBREVDAYNAME2));
    EXPECT_EQ(WeekdayOf("2024", "02", 29, clock), LocaleText(LOCALE_SABBREVDAYNAME4));
    EXPECT_FALSE(WeekdayOf("2026", "02", 29, clock));
    EXPECT_FALSE(WeekdayOf("2026", "02", 30, clock));
    EXPECT_FALSE(WeekdayOf("2026", "04", 31, clock));
    EXPECT_FALSE(WeekdayOf("2026", "", 5, clock)); // a month name the locale no longer has
}
