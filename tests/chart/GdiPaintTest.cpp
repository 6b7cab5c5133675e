#include "chart/Chart.h"
#include "chart/GdiChartCanvas.h"
#include "chart/GradientRings.h"
#include "chart/demo/DemoCharts.h"

#include <gtest/gtest.h>

// Real GDI pictures where the pixels themselves matter. Positions come from
// the chart's own layout, since the fonts Wine substitutes vary.

TEST(GdiPaint, GradientRingsAndTheBackWallFrame) {
    TChart chart;
    chart.SetClientSize(200, 100);
    chart.SetBevelOuter(bvNone);
    chart.Gradient().SetVisible(true);
    chart.Gradient().SetDirection(gdFromCenter);
    chart.Gradient().SetStartColor(16053486);
    chart.Gradient().SetEndColor(15195349);
    chart.PaintBuffer();
    const GdiBackBuffer& picture = chart.BackBuffer();
    EXPECT_EQ(picture.Pixel(0, 0), 16053486u);
    EXPECT_EQ(picture.Pixel(199, 99), 16053486u);
    EXPECT_EQ(picture.Pixel(100, 0), 16053486u);
    EXPECT_EQ(picture.Pixel(2, 2), GradientRingColor(16053486, 15195349, 4, 150));
    const TRect plot = chart.PlotRect();
    EXPECT_EQ(plot, (TRect{6, 4, 194, 96}));
    EXPECT_EQ(picture.Pixel(plot.left, plot.top), clBlack);
    EXPECT_EQ(picture.Pixel(plot.right, plot.bottom), clBlack);
    EXPECT_EQ(picture.Pixel(plot.right + 1, plot.bottom + 1),
              GradientRingColor(16053486, 15195349, 4, 150));
    EXPECT_EQ(picture.Pixel(100, 50), clWhite); // the wall's default fill
}

TEST(GdiPaint, StackedAreasFillTheirBandsInTheirColours) {
    TChartDemoForm form;
    DayChart day = MakeDayChart(form);
    for (int minute = 0; minute < 1440; ++minute) {
        day.keys2->AddPoint(minute, minute == 0 ? 0 : 10); // the axis from 0
        day.mouse2->AddPoint(minute, 20);
    }
    day.chart->PaintBuffer();
    const GdiBackBuffer& picture = day.chart->BackBuffer();
    const TChartAxis& left = day.chart->LeftAxis();
    const int x = CentreX(day.chart->PlotRect());
    EXPECT_EQ(picture.Pixel(x, left.PixelOfValue(5)), 0x00CCFFu);  // keys
    EXPECT_EQ(picture.Pixel(x, left.PixelOfValue(25)), 0x15CFA1u); // mouse above
    // The frame survives the areas: they stop short of the bottom edge.
    EXPECT_EQ(picture.Pixel(x, day.chart->PlotRect().bottom), clBlack);
}

TEST(GdiPaint, ZoomRectangleInvertsAndASecondDrawingRestores) {
    TChartDemoForm form;
    DayChart day = MakeDayChart(form);
    day.keys2->AddPoint(0, 1);
    day.chart->PaintBuffer();
    const GdiBackBuffer& picture = day.chart->BackBuffer();
    const TColor before = picture.Pixel(200, 100); // on the top edge
    day.chart->MouseDown(mbLeft, ssLeft, 150, 100);
    day.chart->MouseMove(ssLeft, 250, 200);
    EXPECT_EQ(picture.Pixel(200, 100), before ^ 0xFFFFFFu);
    day.chart->MouseUp(mbLeft, 0, 160, 110);
    EXPECT_EQ(picture.Pixel(200, 100), before);
}

// A marker with an outline two pixels wide, as at 200 %: a ring of the pen's
// colour that wide round the brush's, the pen put back for what follows.
TEST(GdiPaint, AWideOutlinedMarkerIsARingRoundItsFill) {
    GdiBackBuffer picture(40, 40);
    {
        GdiChartCanvas canvas(picture.Dc());
        canvas.FillRect({0, 0, 40, 40}, clWhite);
        canvas.SetPen(0x0000FF, 2, ChartPenStyle::Solid);
        canvas.SetBrush(0x00FF00, ChartBrushStyle::Solid);
        canvas.Ellipse({10, 10, 30, 30});
        canvas.Line(0, 35, 40, 35);
    }
    EXPECT_EQ(picture.Pixel(20, 20), 0x00FF00u); // the fill
    EXPECT_EQ(picture.Pixel(10, 20), 0x0000FFu); // the ring, both pixels of it
    EXPECT_EQ(picture.Pixel(11, 20), 0x0000FFu);
    EXPECT_EQ(picture.Pixel(12, 20), 0x00FF00u);
    EXPECT_EQ(picture.Pixel(9, 20), clWhite);    // nothing outside
    EXPECT_EQ(picture.Pixel(20, 35), 0x0000FFu); // a line with the wide pen
    EXPECT_EQ(picture.Pixel(20, 34), 0x0000FFu);
}
