#include "chart/ChartSeries.h"

#include "toolkit/Exception.h"

#include <gtest/gtest.h>

TEST(TChartSeries, AddPointKeepsAllListsParallelInXOrder) {
    TChartSeries s;
    EXPECT_EQ(s.AddPoint(5, 50), 0);
    EXPECT_EQ(s.AddPoint(3, 30, "a"), 0);
    EXPECT_EQ(s.AddPoint(3, 31, "b", 0x0000FF), 1);
    EXPECT_EQ(s.AddPoint(7, 70), 3);
    ASSERT_EQ(s.PointCount(), 4);
    const double ys[] = {30, 31, 50, 70};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(s.YAt(i), ys[i]);
    EXPECT_EQ(s.LabelAt(0), "a");
    EXPECT_EQ(s.LabelAt(1), "b");
    EXPECT_EQ(s.LabelAt(3), "");
    EXPECT_EQ(s.ColorAt(0), clTeeColor);
    EXPECT_EQ(s.ColorAt(1), 0x0000FFu);
    EXPECT_EQ(s.ColorAt(2), clTeeColor);
    EXPECT_THROW((void)s.ColorAt(4), Exception);
    EXPECT_THROW((void)s.LabelAt(-1), Exception);
    s.ClearPoints();
    s.AddPoint(1, 1);
    s.AddPoint(0, 0, "", 0x00FF00); // the first own colour goes before a plain point
    EXPECT_EQ(s.ColorAt(0), 0x00FF00u);
    EXPECT_EQ(s.ColorAt(1), clTeeColor);
    EXPECT_EQ(s.LabelAt(1), "");
}

TEST(TChartSeries, RepaintRequestsFollowActivity) {
    TChartSeries s;
    int repaints = 0;
    s.SetRepaintHook([&] { ++repaints; });
    s.AddPoint(0, 1);
    EXPECT_EQ(repaints, 1);
    s.SetActive(false);
    EXPECT_EQ(repaints, 2);
    s.SetActive(false); // no change, no request
    s.AddPoint(1, 1);   // inactive: no request
    EXPECT_EQ(repaints, 2);
    s.ReplaceY(0, 9); // asks even when inactive
    EXPECT_EQ(repaints, 3);
    EXPECT_EQ(s.YAt(0), 9);
    s.ClearPoints();
    EXPECT_EQ(repaints, 3);
    EXPECT_EQ(s.PointCount(), 0);
    EXPECT_EQ(s.YValues().MaxValue(), 0);
}

TEST(TChartSeries, HooksAroundTheStore) {
    TChartSeries s;
    int after = 0, cleared = 0;
    bool allow = false;
    s.SetOnBeforeAdd([&](TChartSeries&) { return allow; });
    s.SetOnAfterAdd([&](TChartSeries&) { ++after; });
    s.SetOnClearValues([&](TChartSeries&) { ++cleared; });
    EXPECT_EQ(s.AddPoint(1, 1), -1);
    EXPECT_EQ(s.PointCount(), 0);
    allow = true;
    EXPECT_EQ(s.AddPoint(1, 1), 0);
    s.ClearPoints();
    EXPECT_EQ(after, 1);
    EXPECT_EQ(cleared, 1);
}

TEST(TChartSeries, ReplaceYOutsideThePointsRaises) {
    TChartSeries s;
    s.AddPoint(0, 0);
    EXPECT_THROW(s.ReplaceY(1, 0), Exception);
    EXPECT_THROW((void)s.YAt(-1), Exception);
    EXPECT_THROW((void)s.XAt(1), Exception);
}

// Adding many points at once is adding each in turn, with one repaint request.
TEST(TChartSeries, AddPointsIsAddPointOfEachInTurn) {
    const std::vector<double> ys = {5, 7, 9};
    auto points = [](const TChartSeries& s) {
        std::vector<std::pair<double, double>> all;
        for (int i = 0; i < s.PointCount(); ++i)
            all.emplace_back(s.XAt(i), s.YAt(i));
        return all;
    };
    struct Case {
        const char* name;
        TChartListOrder order;
        double firstX;
        TColor earlierColour;
    } cases[] = {
        {"appends", loAscending, 10, clTeeColor},
        {"goes between", loAscending, 1, clTeeColor},
        {"descending", loDescending, 10, clTeeColor},
        {"unordered", loNone, 1, clTeeColor},
        {"after an own colour", loAscending, 10, 0x0000FF},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TChartSeries one, many;
        int repaints = 0;
        many.SetRepaintHook([&] { ++repaints; });
        for (TChartSeries* s : {&one, &many}) {
            s->XValues().SetOrder(c.order);
            s->AddPoint(0, 1);
            s->AddPoint(2, 3, "", c.earlierColour);
        }
        repaints = 0;
        for (size_t i = 0; i < ys.size(); ++i)
            one.AddPoint(c.firstX + double(i), ys[i]);
        many.AddPoints(c.firstX, ys);
        EXPECT_EQ(points(many), points(one));
        EXPECT_EQ(many.ColorAt(many.PointCount() - 1), one.ColorAt(one.PointCount() - 1));
        EXPECT_EQ(many.YValues().MaxValue(), 9);
        if (c.order == loAscending && c.firstX > 2 && c.earlierColour == clTeeColor) {
            EXPECT_EQ(repaints, 1);
        }
    }
    TChartSeries guarded;
    int asked = 0;
    guarded.SetOnBeforeAdd([&](TChartSeries&) { return ++asked != 2; });
    guarded.AddPoints(0, ys);
    EXPECT_EQ(asked, 3); // the hook still hears of every point
    EXPECT_EQ(guarded.PointCount(), 2);
}
