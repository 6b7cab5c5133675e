#include "chart/AreaSeries.h"
#include "chart/Chart.h"

#include <gtest/gtest.h>

class StackingTest : public ::testing::Test {
protected:
    StackingTest() {
        lower.SetParentChart(&chart);
        line.SetParentChart(&chart);
        upper.SetParentChart(&chart);
        for (TAreaSeries* area : {&lower, &upper})
            area->SetMultiArea(maStacked);
    }
    TChart chart;
    TAreaSeries lower;
    TLineSeries line; // another class: never part of the stack
    TAreaSeries upper;
};

TEST_F(StackingTest, OriginSumsThePositiveValuesOfEarlierActiveAreas) {
    lower.AddPoint(0, 10);
    lower.AddPoint(1, -4);
    line.AddPoint(0, 1000);
    upper.AddPoint(0, 5);
    upper.AddPoint(1, 3);
    upper.AddPoint(2, 7);
    EXPECT_EQ(upper.StackingOrigin(0), 10);
    EXPECT_EQ(upper.StackingOrigin(1), 0); // a negative value does not lower it
    EXPECT_EQ(upper.StackingOrigin(2), 0); // the lower series has no point 2
    EXPECT_EQ(lower.StackingOrigin(0), 0);
    EXPECT_EQ(line.StackingOrigin(0), 0); // another class starts from nothing
    lower.SetActive(false);
    EXPECT_EQ(upper.StackingOrigin(0), 0);
    TAreaSeries alone;
    alone.AddPoint(0, 5);
    EXPECT_EQ(alone.StackingOrigin(0), 0); // no chart, no stack
}

// A pixel column of several points stands on what the columns below show:
// the greatest positive value of each among those points.
TEST_F(StackingTest, AColumnStandsOnTheGreatestValuesBelowIt) {
    TAreaSeries middle;
    middle.SetParentChart(&chart); // after upper: on top of the stack
    for (double y : {4.0, 9.0, -2.0, 1.0})
        lower.AddPoint(lower.PointCount(), y);
    for (double y : {6.0, 0.0, 5.0})
        upper.AddPoint(upper.PointCount(), y);
    EXPECT_EQ(upper.StackingOrigin(0, 1), 9);
    EXPECT_EQ(upper.StackingOrigin(2, 2), 0); // a negative value does not lower it
    EXPECT_EQ(upper.StackingOrigin(2, 3), 1);
    EXPECT_EQ(middle.StackingOrigin(0, 3), 9 + 6); // upper has no point 3
    EXPECT_EQ(middle.StackingOrigin(3, 3), 1);
    EXPECT_EQ(upper.StackingOrigin(1), upper.StackingOrigin(1, 1));
    lower.SetActive(false);
    EXPECT_EQ(middle.StackingOrigin(0, 1), 6);
}

TEST_F(StackingTest, StackedMaximumIsTheLargestSum) {
    lower.AddPoint(0, 12);
    lower.AddPoint(1, 30);
    upper.AddPoint(0, 30);
    upper.AddPoint(1, 2);
    EXPECT_EQ(upper.HighestY(), 42);
    EXPECT_EQ(chart.LeftAxis().CalcAutomaticMaximum(), 42);
    upper.SetMultiArea(maNone); // the whole stack follows
    EXPECT_EQ(lower.MultiArea(), maNone);
    EXPECT_EQ(chart.LeftAxis().CalcAutomaticMaximum(), 30);
}
