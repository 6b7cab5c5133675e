#include "recording/ActiveSpan.h"

#include <gtest/gtest.h>

TEST(UpdateActiveSpanOf, FirstIsSetOnceAndLastOnlyGrows) {
    uint16_t first = 0, last = 0;
    UpdateActiveSpanOf(100, 0, first, last); // a zero value changes nothing
    EXPECT_EQ(first, 0);
    UpdateActiveSpanOf(480, 5, first, last);
    EXPECT_EQ(first, 480);
    EXPECT_EQ(last, 0); // the first activity does not touch the last minute
    UpdateActiveSpanOf(1020, 3, first, last);
    UpdateActiveSpanOf(600, 1, first, last); // earlier than last: ignored
    EXPECT_EQ(first, 480);
    EXPECT_EQ(last, 1020);
}

TEST(UpdateActiveSpanOf, ActivityAtMidnightCannotBeTheFirstMinute) {
    uint16_t first = 0, last = 0;
    UpdateActiveSpanOf(0, 9, first, last);
    EXPECT_EQ(first, 0);
    UpdateActiveSpanOf(7, 1, first, last);
    EXPECT_EQ(first, 7);
}

TEST(FormatMinuteOfDay, TwoDigitHoursAndMinutes) {
    EXPECT_EQ(FormatMinuteOfDay(0), "00:00");
    EXPECT_EQ(FormatMinuteOfDay(61), "01:01");
    EXPECT_EQ(FormatMinuteOfDay(1439), "23:59");
    EXPECT_EQ(ActiveSpanText("Hours", {480, 1020}), "Hours [from 08:00 to 17:00]");
}
