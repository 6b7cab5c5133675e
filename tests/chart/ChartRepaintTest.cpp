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
// Every visible point tried in order, as the hit test is defined.
int HitByScanningEveryPoint(const TCustomSeries& s, int x, int y) {
    const int first = s.FirstVisible();
    const int last = std::min(s.LastVisible(), s.PointCount() - 1);
    const TPoint pixel{x, y};
    TPoint previous;
    int previousBase = 0;
    for (int i = first; first >= 0 && i <= last; ++i) {
        const TPoint p = s.PixelOf(i);
        const int base = s.DrawArea() ? s.BasePixel(i) : 0;
        if (s.Pointer().Visible() && std::abs(p.x - x) < s.Pointer().HorizSize() &&
            std::abs(p.y - y) < s.Pointer().VertSize())
            return i;
        if (p == pixel)
            return i;
        if (i > first) {
            if (PixelOnSegment(pixel, previous, p))
                return i - 1;
            const TPoint strip[4] = {previous, p, {p.x, base}, {previous.x, previousBase}};
            if (s.DrawArea() && PixelInPolygon(pixel, strip, 4))
                return i - 1;
        }
        previous = p;
        previousBase = base;
    }
    return -1;
}
} // namespace

// The hit test looks only near the pointer; it must answer as a scan of
// every visible point would, for stacked areas and for lines with markers,
// zoomed out and in.
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
    } views[] = {{0, 1440, 5, 9}, {590.5, 610, 1, 3}, {-50, 20, 1, 3}};
    for (auto [low, high, xStep, yStep] : views) {
        day.chart->BottomAxis().SetRange(low, high);
        Paint();
        int hits = 0;
        for (TCustomSeries* series :
             {static_cast<TCustomSeries*>(day.keys2), static_cast<TCustomSeries*>(day.mouse2),
              static_cast<TCustomSeries*>(day.cpu1)})
            for (int x = kPlot.left - 5; x <= kPlot.right + 5; x += xStep)
                for (int y = kPlot.top - 5; y <= kPlot.bottom + 5; y += yStep) {
                    const int expected = HitByScanningEveryPoint(*series, x, y);
                    ASSERT_EQ(series->PointAtPixel(x, y), expected)
                        << series->Name() << " at " << x << "," << y << " of " << low;
                    hits += expected >= 0;
                }
        EXPECT_GT(hits, 100);
    }
}
