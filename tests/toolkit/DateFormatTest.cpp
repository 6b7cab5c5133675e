#include "toolkit/DateFormat.h"

#include <gtest/gtest.h>

TEST(FormatDate, WritesTheProgramsPatterns) {
    Date d{2026, 12, 8};
    EXPECT_EQ(FormatDate("yy-mm-dd", d), "26-12-08");
    EXPECT_EQ(FormatDate("yyyy-mm-dd", d), "2026-12-08");
    EXPECT_EQ(FormatDate("dd.mm.yyyy", d), "08.12.2026");
    EXPECT_EQ(FormatDate("yyyy.mmmm", d), "2026." + LongMonthName(12));
    EXPECT_EQ(FormatDate("yy-mm-dd", Date{2008, 1, 5}), "08-01-05");
}

TEST(FormatDate, UsesTheLocalesNames) {
    // The test prefix runs in an English locale.
    EXPECT_EQ(LongMonthName(1), "January");
    EXPECT_EQ(LongMonthName(12), "December");
    EXPECT_EQ(FormatDate("ddd", Date{2026, 12, 9}), "Wed");
    EXPECT_EQ(DayOfWeek(Date{2024, 2, 29}), 4);
}
