#include "chart/LegendLayout.h"

#include <gtest/gtest.h>

namespace {

// The day chart's legend: two titles, the wider 180 pixels, 11-pixel font.
LegendMeasures DayLegend() {
    LegendMeasures m;
    m.plot = {16, 8, 724, 334};
    m.boundsWidth = 740;
    m.itemCount = 2;
    m.textWidth = 180;
    m.itemHeight = 11;
    m.colorWidthPercent = 20;
    m.framePenWidth = 1;
    m.shadowSize = 0;
    m.topPos = 0;
    return m;
}

} // namespace

TEST(LegendLayout, DayChartLegendIsOneCentredRow) {
    LegendLayout layout = LayoutTopLegend(DayLegend());
    EXPECT_EQ(layout.colorWidth, 37); // (180 + 4) × 20 % = 36.8
    EXPECT_EQ(layout.columns, 2);
    EXPECT_EQ(layout.rows, 1);
    // Width (37 + 180 + 8) × 2 + 8 = 458, centred on x = 370; below the frame.
    EXPECT_EQ(layout.rect, (TRect{141, 10, 599, 23}));
    EXPECT_EQ(layout.TextOrigin(0), (TPoint{186, 11}));
    EXPECT_EQ(layout.TextOrigin(1), (TPoint{411, 11}));
    EXPECT_EQ(layout.ColorBox(1), (TRect{370, 13, 407, 20}));
}

TEST(LegendLayout, ColourBoxWidthRoundsHalvesToEven) {
    LegendMeasures m = DayLegend();
    struct {
        int textWidth, percent, expected;
    } cases[] = {{150, 20, 31}, {6, 25, 2}, {10, 25, 4}, {180, 0, 0}, {96, 100, 100}};
    for (auto c : cases) {
        m.textWidth = c.textWidth;
        m.colorWidthPercent = c.percent;
        EXPECT_EQ(LayoutTopLegend(m).colorWidth, c.expected) << c.textWidth << " " << c.percent;
    }
}

TEST(LegendLayout, WrapsIntoRowsUpToMaxNumRows) {
    LegendMeasures m = DayLegend();
    m.itemCount = 7;
    m.textWidth = 100; // C = 21, 133 pixels a column: (708 - 2 - 8) / 133 = 5
    LegendLayout layout = LayoutTopLegend(m);
    EXPECT_EQ(layout.columns, 5);
    EXPECT_EQ(layout.rows, 2);
    EXPECT_EQ(layout.rect.Height(), 2 * 11 + 2);
    EXPECT_EQ(layout.TextOrigin(6).y, layout.TextOrigin(1).y + 11);

    m.maxNumRows = 1;
    layout = LayoutTopLegend(m);
    EXPECT_EQ(layout.rows, 1);
    EXPECT_EQ(layout.ShownItems(), 5);
}

TEST(LegendLayout, NoRoomForOneColumnMeansNoLegend) {
    LegendMeasures m = DayLegend();
    m.plot = {0, 0, 200, 100};
    EXPECT_EQ(LayoutTopLegend(m).columns, 0);
    m = DayLegend();
    m.plot.right = 8;
    EXPECT_EQ(LayoutTopLegend(m).columns, 0);
    m = DayLegend();
    m.itemCount = 0;
    EXPECT_EQ(LayoutTopLegend(m).columns, 0);
}

TEST(LegendLayout, TopPosShiftsByAShareOfTheFreeWidth) {
    LegendMeasures m = DayLegend();
    m.topPos = 10; // 10 % of (740 - 458) = 28.2
    EXPECT_EQ(LayoutTopLegend(m).rect.left, 141 + 28);
}
