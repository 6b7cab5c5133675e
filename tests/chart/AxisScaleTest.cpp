#include "chart/AxisScale.h"

#include <gtest/gtest.h>

namespace {

AxisScale Horizontal(int start, int end, double min, double max, bool inverted = false) {
    return {true, inverted, start, end, min, max};
}
AxisScale Vertical(int start, int end, double min, double max, bool inverted = false) {
    return {false, inverted, start, end, min, max};
}

} // namespace

TEST(AxisScale, MapsValuesAndPixelsBothWays) {
    struct Case {
        AxisScale scale;
        double value;
        int pixel;
    } cases[] = {
        {Horizontal(42, 724, 0, 1440), 0, 42},     {Horizontal(42, 724, 0, 1440), 1440, 724},
        {Horizontal(42, 724, 0, 1440), 600, 326}, // 284.17 rounds down
        {Horizontal(42, 724, 0, 1440), 601, 327}, // 284.64 rounds up
        {Horizontal(0, 100, 0, 10, true), 0, 100}, {Horizontal(0, 100, 0, 10, true), 10, 0},
        {Vertical(29, 312, 0, 30), 0, 312},        {Vertical(29, 312, 0, 30), 30, 29},
        {Vertical(29, 312, 0, 30), 10, 218},       {Vertical(0, 100, 0, 10, true), 10, 100},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.scale.PixelOfValue(c.value), c.pixel) << c.value;
        // Back from the pixel within one pixel's worth of value.
        double perPixel = c.scale.Range() / c.scale.Length();
        EXPECT_NEAR(c.scale.ValueAtPixel(c.pixel), c.value, perPixel) << c.value;
    }
}

TEST(AxisScale, DegenerateAxesMapToTheCentreAndZero) {
    AxisScale flat = Vertical(10, 110, 5, 5);
    EXPECT_EQ(flat.PixelOfValue(5), 60);
    EXPECT_EQ(flat.PixelOfValue(-1e300), 60);
    AxisScale far = Horizontal(0, 1000, 0, 1e-10);
    EXPECT_EQ(far.PixelOfValue(1e9), 500); // beyond any pixel: the centre
    AxisScale shortAxis = Horizontal(10, 10, 0, 100);
    EXPECT_EQ(shortAxis.ValueAtPixel(50), 0);
}

TEST(AxisScale, NextLabelStepFollowsOneTwoFive) {
    struct {
        double step, next;
    } cases[] = {{1, 2},      {2, 5},   {5, 10},    {60, 100},   {100, 200}, {200, 500},
                 {500, 1000}, {1.5, 2}, {0.2, 0.5}, {0.05, 0.1}, {3, 5},     {7, 10}};
    for (auto c : cases)
        EXPECT_DOUBLE_EQ(NextLabelStep(c.step), c.next) << c.step;
}

TEST(AxisScale, MaxLabelCountAddsTheRoundedSeparation) {
    // 12-pixel labels, 20 %: 2.4 rounds to 2, so 14 pixels a label.
    EXPECT_EQ(MaxLabelCount(500, 12, 20), 36);
    EXPECT_EQ(MaxLabelCount(300, 12, 20), 21);
    EXPECT_EQ(MaxLabelCount(300, 0, 20), 1);
    EXPECT_EQ(MaxLabelCount(5, 12, 20), 0);
}

TEST(AxisScale, LabelIncrementWidensAFixedStepUntilLabelsFit) {
    struct {
        double range, increment;
        int maxLabels, separation;
        double expected;
    } cases[] = {
        {1440, 60, 36, 20, 60}, {1440, 60, 21, 20, 100},  {1440, 60, 2, 20, 1000},
        {30, 1, 16, 20, 2},     {30, 1, 7, 20, 5},        {30, 1, 3, 20, 10},
        {30, 0, 24, 10, 2},     {1440, 60, 2, 0, 60}, // no separation: as set
        {0, 0, 20, 10, 1e-12},  {1440, 60, 0, 20, 1e-12}, {0.5, 0, 10, 10, 0.05},
    };
    for (auto c : cases)
        EXPECT_NEAR(LabelIncrement(c.range, c.increment, c.maxLabels, c.separation), c.expected,
                    c.expected * 1e-9)
            << c.range << " by " << c.increment << " into " << c.maxLabels;
}

TEST(AxisScale, LabelsRunFromTheMaximumDown) {
    std::vector<double> values;
    LabelValues(0, 1440, 60, false, values);
    ASSERT_EQ(values.size(), 25u);
    EXPECT_EQ(values.front(), 1440);
    EXPECT_EQ(values.back(), 0);

    LabelValues(0, 1440, 100, false, values); // anchored at the maximum
    ASSERT_EQ(values.size(), 15u);
    EXPECT_EQ(values[1], 1340);
    EXPECT_EQ(values.back(), 40);

    LabelValues(216, 1224, 60, false, values);
    ASSERT_EQ(values.size(), 17u);
    EXPECT_EQ(values.front(), 1224);
    EXPECT_EQ(values.back(), 264);

    LabelValues(0, 30, 2, true, values); // rounded first label
    EXPECT_EQ(values.front(), 30);
    LabelValues(0, 31, 2, true, values);
    EXPECT_EQ(values.front(), 30);
}

TEST(AxisScale, MonthLabelsThinOutFromDay31) {
    std::vector<double> values;
    for (auto [increment, expected] : {std::pair{1.0, 31u}, {2.0, 16u}, {5.0, 7u}}) {
        LabelValues(1, 31, increment, false, values);
        EXPECT_EQ(values.size(), expected);
        EXPECT_EQ(values.front(), 31);
        EXPECT_EQ(values.back(), 1);
    }
}

TEST(AxisScale, EdgeRangesGiveOneLabelOrNone) {
    std::vector<double> values;
    LabelValues(0, 0, 1e-12, true, values); // all values zero
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(values[0], 0);
    LabelValues(0, 1, 1e-12, true, values); // 10^12 labels: none
    EXPECT_TRUE(values.empty());
    LabelValues(10, 5, 1, true, values); // reversed
    EXPECT_TRUE(values.empty());
    LabelValues(0, 1e6, 1, false, values, 2000);
    EXPECT_TRUE(values.empty()); // 10^6 steps are too many to label
}
