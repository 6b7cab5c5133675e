#include "recording/DaySeries.h"

#include <gtest/gtest.h>

// Minutes the series counted keep their keys and travel; the rest, the cpu
// field and the lines beyond the series' points come from the file. The span
// moves by the minutes as the series then hold them.
TEST(MergeDayColumns, TheFileFillsOnlyTheGaps) {
    TChartSeries keys, mouse, cpu;
    keys.AddPoints(0, std::vector<double>{0, 7, 0});
    mouse.AddPoints(0, std::vector<double>{0, 0, 0});
    cpu.AddPoints(0, std::vector<double>{0, 0, 9});
    const DayColumns day = ReadDayColumns("1:1:1\r\n5:5:5\r\n0:0:0\r\n0:0:0\r\n0:4:0\r\n");
    ActiveSpan span;
    MergeDayColumns(day, DaySeries{keys, mouse, cpu}, span);
    ASSERT_EQ(keys.PointCount(), 5);
    ASSERT_EQ(cpu.PointCount(), 5);
    const double expected[][3] = {{1, 1, 1}, {7, 0, 5}, {0, 0, 0}, {0, 0, 0}, {0, 4, 0}};
    for (int minute = 0; minute < 5; ++minute) {
        EXPECT_EQ(keys.YAt(minute), expected[minute][0]) << minute;
        EXPECT_EQ(mouse.YAt(minute), expected[minute][1]) << minute;
        EXPECT_EQ(cpu.YAt(minute), expected[minute][2]) << minute; // the file's, even at 2
    }
    EXPECT_EQ(span, (ActiveSpan{1, 4})); // minute 0 is never the first
}

TEST(FillWholeDay, AddsZeroMinutesUpToTheDaysEnd) {
    TChartSeries keys, mouse, cpu;
    keys.AddPoints(0, std::vector<double>{3, 4});
    cpu.AddPoints(0, std::vector<double>(1500, 1.0));
    FillWholeDay(DaySeries{keys, mouse, cpu});
    EXPECT_EQ(keys.PointCount(), kMinutesPerDay);
    EXPECT_EQ(keys.YAt(1), 4);
    EXPECT_EQ(keys.XAt(1439), 1439);
    EXPECT_EQ(keys.YAt(1439), 0);
    EXPECT_EQ(mouse.PointCount(), kMinutesPerDay);
    EXPECT_EQ(cpu.PointCount(), 1500); // a longer day stays as it is
}
