// Both charts of the main window's design at the screen scales of 125, 150,
// 175 and 200 %: the same picture as at 96, larger.
#include "chart/demo/DemoCharts.h"
#include "support/ChartAtScale.h"

#include <gtest/gtest.h>

using namespace chart_at_scale;

namespace {

// The designed charts with a day and a month of the same made-up activity,
// taken to `ppi` and sized as the designed ones are at it. The day is shown
// from 10:00 to 13:20, where each minute has pixels of its own at every
// scale (a whole day has several minutes to a pixel, and more of them share
// one at 96 than at 144).
struct ChartsAt {
    explicit ChartsAt(int ppi) : charts(LoadDemoCharts(form)) {
        FillDayActivity(charts.day, 7);
        FillMonthActivity(charts.month, 7);
        charts.day.chart->BottomAxis().SetRange(600, 800);
        for (TChart* chart : {charts.day.chart, charts.month.chart}) {
            const TRect designed = chart->BoundsRect();
            chart->ScaleTo(ppi);
            const TRect scaled = ScaleBounds(designed, ppi, kDesignedPixelsPerInch);
            chart->SetBounds(scaled.left, scaled.top, scaled.Width(), scaled.Height());
        }
    }
    TChartDemoForm form;
    DemoCharts charts;
};

// Each step of the layout (border, margin, legend rows, label rows, axis
// ends) rounds to a pixel: together they may move a shape four pixels away
// from the designed one scaled, but an unscaled tick, label row or margin is
// further off at 200 %.
constexpr int kTolerance = 4;

int S(int designed, int ppi) {
    return ScaleLength(designed, ppi, kDesignedPixelsPerInch);
}

} // namespace

TEST(ChartScale, BothChartsAreTheDesignedOnesLarger) {
    ChartsAt designed(96);
    const auto day = Paint(*designed.charts.day.chart);
    const auto month = Paint(*designed.charts.month.chart);
    for (int ppi : {120, 144, 168, 192}) {
        ChartsAt at(ppi);
        EXPECT_EQ(at.charts.day.chart->PixelsPerInch(), ppi);
        ExpectLaidOutToScale(day, Paint(*at.charts.day.chart), ppi, kTolerance);
        ExpectLaidOutToScale(month, Paint(*at.charts.month.chart), ppi, kTolerance);
    }
}

TEST(ChartScale, SizesAreScaledAndTheDesignKeepsItsValues) {
    ChartsAt at(144);
    TChart& month = *at.charts.month.chart;
    const auto shapes = Paint(month);
    // Markers of 3 half-sized are 5 at 150 %.
    int markers = 0;
    for (const Op& op : shapes)
        if (op.kind == Kind::Ellipse) {
            ++markers;
            EXPECT_EQ(op.rect.Width(), 2 * S(3, 144));
            EXPECT_EQ(op.rect.Height(), 2 * S(3, 144));
        }
    EXPECT_GT(markers, 31); // each point, and the legend's two
    EXPECT_EQ(at.charts.month.keys->Pointer().HorizSize(), 3);
    EXPECT_EQ(at.charts.month.keys->LinePen().Width(), 3);
    EXPECT_EQ(month.BottomAxis().LabelsSize(), 16);
    EXPECT_EQ(month.BottomAxis().LabelsFont().Height(), -11);
    // The bottom axis takes 16 of labels and 6 of ticks, scaled: 24 and 9.
    EXPECT_EQ(month.BottomAxis().PosLabels(), month.PlotRect().bottom + S(6, 144));
    // A click on an axis reaches 3 pixels past its line, scaled.
    EXPECT_EQ(month.LeftAxis().ClickRect().right, month.LeftAxis().PosAxis() + S(3, 144));
}

TEST(ChartScale, PensKeepThinLinesThinAtFractionalScales) {
    struct Case {
        int designed, ppi, width;
    };
    const Case cases[] = {{1, 96, 1},  {1, 120, 1}, {1, 144, 1}, {1, 168, 2},
                          {1, 192, 2}, {3, 96, 3},  {3, 120, 4}, {3, 144, 4},
                          {3, 192, 6}, {2, 144, 3}, {0, 144, 0}, {1, 72, 1}};
    for (const Case& c : cases)
        EXPECT_EQ(ChartScale{c.ppi}.PenWidth(c.designed), c.width) << c.designed << " at " << c.ppi;
}

TEST(ChartScale, APointUnderItsScaledMarkerIsHit) {
    ChartsAt at(192);
    TChart& month = *at.charts.month.chart;
    Paint(month);
    TLineSeries& keys = *at.charts.month.keys;
    const int index = 14;
    const TPoint p = keys.PixelOf(index);
    // 6 pixels off the point: outside a designed marker of 3, inside one of 6.
    EXPECT_EQ(keys.PointAtPixel(p.x + 5, p.y - 5), index);
}

TEST(ChartScale, AZoomDragMustBeTheDesignedLengthAtTheChartsScale) {
    ChartsAt at(144);
    TChart& day = *at.charts.day.chart;
    day.BottomAxis().SetRange(0, 1440); // the whole day, as designed
    Paint(day);
    const TRect plot = day.PlotRect();
    const int x = CentreX(plot), y = CentreY(plot);
    // 20 pixels is more than 16, yet less than the 24 they are at 150 %.
    day.MouseDown(mbLeft, ssLeft, x, y);
    day.MouseMove(ssLeft, x + 20, y + 20);
    day.MouseUp(mbLeft, 0, x + 20, y + 20);
    EXPECT_FALSE(day.Zoomed());
    day.MouseDown(mbLeft, ssLeft, x, y);
    day.MouseMove(ssLeft, x + 30, y + 30);
    day.MouseUp(mbLeft, 0, x + 30, y + 30);
    EXPECT_TRUE(day.Zoomed());
}
