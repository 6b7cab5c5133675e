#include "recording/DayFileName.h"

#include <gtest/gtest.h>

TEST(DayFileName, IsTwoDigitYearMonthDayInTheHistoryFolder) {
    EXPECT_EQ(DayFileName("C:\\h\\", {2026, 12, 8}), "C:\\h\\26-12-08.dat");
    EXPECT_EQ(DayFileName("C:\\h\\", {2008, 1, 5}), "C:\\h\\08-01-05.dat");
    EXPECT_EQ(DayFileName("C:\\h\\", {2100, 10, 31}), "C:\\h\\00-10-31.dat");
    EXPECT_EQ(DayFileName("", {2026, 2, 30}), "26-02-30.dat"); // no check of the calendar
}

TEST(MonthDayFilesPattern, MatchesEveryDayOfTheMonth) {
    EXPECT_EQ(MonthDayFilesPattern(2026, 12), "26-12-*.dat");
    EXPECT_EQ(MonthDayFilesPattern(2008, 2), "08-02-*.dat");
}
