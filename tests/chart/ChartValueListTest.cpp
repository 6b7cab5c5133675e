#include "chart/ChartValueList.h"

#include "toolkit/Exception.h"

#include <gtest/gtest.h>

TEST(TChartValueList, InsertionFollowsTheOrderAndKeepsTiesInArrivalOrder) {
    TChartValueList up("X", loAscending);
    std::vector<int> indices;
    for (double x : {5.0, 3.0, 3.0, 7.0}) {
        int i = up.InsertionIndex(x);
        up.Insert(i, x);
        indices.push_back(i);
    }
    EXPECT_EQ(indices, (std::vector<int>{0, 0, 1, 3}));
    EXPECT_EQ(up.Raw(), (std::vector<double>{3, 3, 5, 7}));

    TChartValueList down("X", loDescending);
    for (double x : {5.0, 7.0, 3.0, 5.0})
        down.Insert(down.InsertionIndex(x), x);
    EXPECT_EQ(down.Raw(), (std::vector<double>{7, 5, 5, 3}));

    TChartValueList none("Y", loNone);
    for (double x : {5.0, 3.0, 7.0})
        none.Insert(none.InsertionIndex(x), x);
    EXPECT_EQ(none.Raw(), (std::vector<double>{5, 3, 7}));
}

TEST(TChartValueList, StatisticsFollowEveryChangeAndAreZeroWhenEmpty) {
    TChartValueList list("Y");
    EXPECT_EQ(list.MinValue(), 0);
    EXPECT_EQ(list.MaxValue(), 0);
    EXPECT_EQ(list.Total(), 0);
    for (double v : {4.0, -2.0, 9.0})
        list.Insert(list.Count(), v);
    EXPECT_EQ(list.MinValue(), -2);
    EXPECT_EQ(list.MaxValue(), 9);
    EXPECT_EQ(list.Total(), 11);
    EXPECT_EQ(list.TotalABS(), 15);
    list.SetValue(1, 20);
    EXPECT_EQ(list.MinValue(), 4);
    EXPECT_EQ(list.MaxValue(), 20);
    list.SetMultiplier(2);
    EXPECT_EQ(list.Value(1), 40);
    EXPECT_EQ(list.Total(), 66);
    list.Clear();
    EXPECT_EQ(list.MaxValue(), 0);
    EXPECT_EQ(list.TotalABS(), 0);
}

TEST(TChartValueList, IndexOutsideTheListRaisesTheListError) {
    TChartValueList list("Y");
    list.Insert(0, 1);
    for (int bad : {-1, 1, 1440}) {
        try {
            (void)list.Value(bad);
            ADD_FAILURE();
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), "List index out of bounds (" + std::to_string(bad) + ")");
        }
        EXPECT_THROW(list.SetValue(bad, 0), Exception);
    }
}
