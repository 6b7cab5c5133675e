#include "chart/SeriesGeometry.h"

#include <gtest/gtest.h>

#include <vector>

TEST(VisibleIndexRange, FromTheLeftEdgeToOnePointPastTheRightEdge) {
    TChartValueList xs("X", loAscending);
    for (int i = 0; i < 10; ++i)
        xs.Insert(i, i * 10); // 0, 10, …, 90
    struct {
        double low, high;
        int first, last;
    } cases[] = {
        {0, 90, 0, 9},   {0, 1000, 0, 9},   {15, 45, 2, 5}, {20, 40, 2, 4}, {-50, 5, 0, 1},
        {90, 200, 9, 9}, {91, 200, -1, -1}, {35, 36, 4, 4}, // between two points: the one past the
                                                            // edge
    };
    for (auto c : cases) {
        IndexRange r = VisibleIndexRange(xs, c.low, c.high);
        EXPECT_EQ(r.first, c.first) << c.low << ".." << c.high;
        EXPECT_EQ(r.last, c.last) << c.low << ".." << c.high;
    }
    TChartValueList unordered("Y", loNone);
    unordered.Insert(0, 5);
    unordered.Insert(1, -100);
    EXPECT_EQ(VisibleIndexRange(unordered, 0, 1).last, 1);
    EXPECT_EQ(VisibleIndexRange(TChartValueList("X", loAscending), 0, 1).first, -1);
}

TEST(PixelHitTests, SegmentsAndPolygonsIncludeTheirEdges) {
    struct {
        TPoint pixel, q, p;
        bool on;
    } segments[] = {
        {{5, 5}, {0, 0}, {10, 10}, true},    {{5, 6}, {0, 0}, {10, 10}, false},
        {{11, 11}, {0, 0}, {10, 10}, false}, {{3, 0}, {0, 0}, {10, 0}, true},
        {{0, 4}, {0, 0}, {0, 9}, true},      {{1, 4}, {0, 0}, {0, 9}, false},
        {{4, 2}, {0, 0}, {10, 3}, true},     {{4, 3}, {0, 0}, {10, 3}, false},
    };
    for (auto s : segments)
        EXPECT_EQ(PixelOnSegment(s.pixel, s.q, s.p), s.on) << s.pixel.x << "," << s.pixel.y;

    const TPoint strip[4] = {{10, 20}, {20, 40}, {20, 50}, {10, 50}};
    EXPECT_TRUE(PixelInPolygon({15, 45}, strip, 4));
    EXPECT_TRUE(PixelInPolygon({10, 30}, strip, 4));  // left edge
    EXPECT_TRUE(PixelInPolygon({20, 45}, strip, 4));  // right edge
    EXPECT_FALSE(PixelInPolygon({15, 25}, strip, 4)); // above the top line
    EXPECT_FALSE(PixelInPolygon({21, 45}, strip, 4));
    // A strip whose two points share a column is a line: still hit on it.
    const TPoint column[4] = {{10, 20}, {10, 30}, {10, 50}, {10, 50}};
    EXPECT_TRUE(PixelInPolygon({10, 40}, column, 4));
}

namespace {
struct Columns {
    std::vector<int> xs;
    std::vector<double> ys;
    bool merge;
    std::vector<PixelColumn> expected; // x, first, last, shown
};

std::vector<PixelColumn> Walk(const Columns& c, int first, int last) {
    PixelColumns walk(
        first, last, c.merge, [&](int i) { return c.xs.at(size_t(i)); },
        [&](int i) { return c.ys.at(size_t(i)); });
    std::vector<PixelColumn> found;
    for (PixelColumn column; walk.Next(column);)
        found.push_back(column);
    return found;
}
} // namespace

// Points on one pixel column make one column, which shows the greatest
// value, the last of equal ones; lines keep every point.
TEST(PixelColumns, PointsOfOnePixelMakeOneColumnShowingTheGreatest) {
    const Columns cases[] = {
        {{5, 6, 7}, {1, 2, 3}, true, {{5, 0, 0, 0}, {6, 1, 1, 1}, {7, 2, 2, 2}}},
        {{5, 5, 5, 6}, {0, 9, 4, 0}, true, {{5, 0, 2, 1}, {6, 3, 3, 3}}},
        {{5, 5, 6, 6, 6}, {0, 0, 3, 7, 7}, true, {{5, 0, 1, 1}, {6, 2, 4, 4}}},
        {{5, 5, 5}, {-3, -1, -2}, true, {{5, 0, 2, 1}}},
        {{5, 5, 6}, {0, 9, 4}, false, {{5, 0, 0, 0}, {5, 1, 1, 1}, {6, 2, 2, 2}}},
        // Not in pixel order (an inverted axis): equal neighbours still merge.
        {{9, 9, 8, 9}, {1, 2, 3, 4}, true, {{9, 0, 1, 1}, {8, 2, 2, 2}, {9, 3, 3, 3}}},
    };
    for (const Columns& c : cases) {
        const std::vector<PixelColumn> found = Walk(c, 0, int(c.xs.size()) - 1);
        ASSERT_EQ(found.size(), c.expected.size()) << c.xs.size() << " points";
        for (size_t i = 0; i < found.size(); ++i) {
            EXPECT_EQ(found[i].x, c.expected[i].x) << i;
            EXPECT_EQ(found[i].first, c.expected[i].first) << i;
            EXPECT_EQ(found[i].last, c.expected[i].last) << i;
            EXPECT_EQ(found[i].shown, c.expected[i].shown) << i;
        }
    }
    // Within a part of the points: the walk ends at its last.
    const Columns part{{5, 5, 5, 5}, {1, 2, 9, 3}, true, {}};
    const std::vector<PixelColumn> found = Walk(part, 1, 2);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].first, 1);
    EXPECT_EQ(found[0].last, 2);
    EXPECT_EQ(found[0].shown, 2);
    EXPECT_TRUE(Walk(part, 2, 1).empty());
}
