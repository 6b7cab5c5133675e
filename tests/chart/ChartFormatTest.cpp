#include "chart/AxisLabelFormat.h"
#include "chart/ChartMath.h"

#include <gtest/gtest.h>

TEST(FormatNumberPattern, WholeNumbersAndTheDefaultPattern) {
    struct {
        double value;
        const char* pattern;
        const char* text;
    } cases[] = {
        {0, "#0", "0"},
        {1440, "#0", "1440"},
        {1224.5, "#0", "1225"},
        {367.2, "#0", "367"},
        {-0.4, "#0", "0"},
        {-2.5, "#0", "-3"},
        {1234567, "#,##0.###", "1,234,567"},
        {0.1234, "#,##0.###", "0.123"},
        {1e-10, "#,##0.###", "0"},
        {12.5, "#,##0.###", "12.5"},
        {-1000.25, "#,##0.###", "-1,000.25"},
        {999.9996, "#,##0.###", "1,000"},
        {3, "0.00", "3.00"},
    };
    for (auto c : cases)
        EXPECT_EQ(FormatNumberPattern(c.value, c.pattern), c.text) << c.value << " " << c.pattern;
}

TEST(FormatNumberPattern, UsesTheGivenSeparators) {
    EXPECT_EQ(FormatNumberPattern(1234.5, "#,##0.###", {'.', ','}), "1.234,5");
}

TEST(ChartMath, MulDivRoundsHalfAwayFromZero) {
    EXPECT_EQ(MulDivRound(2, 740, 100), 15); // 14.8
    EXPECT_EQ(MulDivRound(7, 360, 100), 25); // 25.2
    EXPECT_EQ(MulDivRound(1, 5, 2), 3);
    EXPECT_EQ(MulDivRound(-1, 5, 2), -3);
    EXPECT_EQ(MulDivRound(1, 1, 0), -1);
}

TEST(ChartMath, RoundHalfEven) {
    EXPECT_EQ(RoundHalfEven(2.5), 2);
    EXPECT_EQ(RoundHalfEven(3.5), 4);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(30.8), 31);
    EXPECT_EQ(RoundHalfEven(1440.4), 1440);
}
