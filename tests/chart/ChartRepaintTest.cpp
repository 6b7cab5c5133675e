#include "DayChartFixture.h"

#include "chart/SeriesGeometry.h"
#include "chart/demo/DemoCharts.h"

#include <cstdlib>

// Requests the control base makes on its own reach the chart like any other.
TEST_F(DayChartTest, TheControlsOwnRequestsReachTheChartsHooks) {
    invalidations = repaints = 0;
    day.chart->SetColor(clYellow);
    EXPECT_EQ(invalidations, 1);
    TControl& control = *day.chart;
    control.Invalidate();
    control.Repaint();
    EXPECT_EQ(invalidations, 2);
    EXPECT_EQ(repaints, 1);
}

// Every axis gets its own scale back, whatever its place in the axis list.
TEST_F(DayChartTest, UndoGivesEachAxisItsOwnScaleBack) {
    TChartAxis& bottom = day.chart->BottomAxis();
    TChartAxis& top = day.chart->TopAxis();
    TChartAxis& left = day.chart->LeftAxis();
    TChartAxis& right = day.chart->RightAxis();
    top.SetRange(1, 2);
    right.SetRange(300, 400);
    left.SetAutomaticMaximum(false);
    left.SetMaximum(50);
    day.chart->SetOnAllowScroll(nullptr); // pans without the day's limits
    for (bool pan : {false, true}) {
        SCOPED_TRACE(pan ? "pan" : "zoom");
        if (pan) {
            day.chart->MouseDown(mbRight, ssRight, 300, 200);
            day.chart->MouseMove(ssRight, 260, 150);
            day.chart->MouseUp(mbRight, 0, 260, 150);
        } else {
            day.chart->ZoomByPercent(115);
        }
        EXPECT_NE(bottom.Minimum(), 0);
        day.chart->ZoomUndo();
        EXPECT_EQ(bottom.Minimum(), 0);
        EXPECT_EQ(bottom.Maximum(), 1440);
        EXPECT_EQ(top.Minimum(), 1);
        EXPECT_EQ(top.Maximum(), 2);
        EXPECT_EQ(right.Minimum(), 300);
        EXPECT_EQ(right.Maximum(), 400);
        EXPECT_FALSE(right.Automatic());
        EXPECT_TRUE(left.AutomaticMinimum());
        EXPECT_FALSE(left.AutomaticMaximum());
        EXPECT_EQ(left.Maximum(), 50);
        Paint();
    }
}

namespace {
// Every visible column tried in order, as the hit test is defined.
int HitByScanningEveryColumn(const TCustomSeries& s, int x, int y) {
    const int first = s.FirstVisible();
    const int last = std::min(s.LastVisible(), s.PointCount() - 1);
    if (first < 0)
        return -1;
    const TChartAxis& horizontal = s.GetHorizAxis();
    PixelColumns columns(
        first, last, s.DrawArea(), [&](int i) { return horizontal.PixelOfValue(s.XAt(i)); },
        [&](int i) { return s.YAt(i); });
    const TPoint pixel{x, y};
    TPoint previous;
    int previousBase = 0, previousShown = -1;
    for (PixelColumn column; columns.Next(column);) {
        const ColumnSpan span = s.SpanOf(column);
        const TPoint p{column.x, span.top};
        if (s.Pointer().Visible() && std::abs(p.x - x) < s.Pointer().HorizSize() &&
            std::abs(p.y - y) < s.Pointer().VertSize())
            return column.shown;
        if (p == pixel)
            return column.shown;
        if (s.DrawArea() && x == p.x && y >= std::min(p.y, span.base) &&
            y <= std::max(p.y, span.base))
            return column.shown;
        if (column.first > first && (!s.DrawArea() || (x > previous.x && x < p.x))) {
            if (PixelOnSegment(pixel, previous, p))
                return previousShown;
            const TPoint strip[4] = {previous, p, {p.x, span.base}, {previous.x, previousBase}};
            if (s.DrawArea() && PixelInPolygon(pixel, strip, 4))
                return previousShown;
        }
        previous = p;
        previousBase = span.base;
        previousShown = column.shown;
    }
    return -1;
}
} // namespace

// The hit test looks only near the pointer; it must answer as a scan of
// every visible column would, for stacked areas and for lines with markers,
// zoomed out (several minutes to a pixel column) and in.
TEST_F(DayChartTest, HitTestAgreesWithAScanOfEveryPoint) {
    day.keys2->ClearPoints();
    day.mouse2->ClearPoints();
    FillDayActivity(day, 7);
    day.cpu1->SetActive(true);
    for (int minute = 0; minute < 1440; ++minute)
        day.cpu1->ReplaceY(minute, minute % 7);
    // The whole day is sampled more thinly: the scan of every point is slow.
    struct View {
        double low, high;
        int xStep, yStep;
    } views[] = {{0, 1440, 5, 9}, {200, 1100, 3, 7}, {590.5, 610, 1, 3}, {-50, 20, 1, 3}};
    for (auto [low, high, xStep, yStep] : views) {
        day.chart->BottomAxis().SetRange(low, high);
        Paint();
        int hits = 0;
        for (TCustomSeries* series :
             {static_cast<TCustomSeries*>(day.keys2), static_cast<TCustomSeries*>(day.mouse2),
              static_cast<TCustomSeries*>(day.cpu1)})
            for (int x = kPlot.left - 5; x <= kPlot.right + 5; x += xStep)
                for (int y = kPlot.top - 5; y <= kPlot.bottom + 5; y += yStep) {
                    const int expected = HitByScanningEveryColumn(*series, x, y);
                    ASSERT_EQ(series->PointAtPixel(x, y), expected)
                        << series->Name() << " at " << x << "," << y << " of " << low;
                    hits += expected >= 0;
                }
        EXPECT_GT(hits, 100);
    }
}
