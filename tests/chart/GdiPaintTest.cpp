#include "chart/Chart.h"
#include "chart/GdiChartCanvas.h"
#include "chart/GradientRings.h"
#include "chart/demo/DemoCharts.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <vector>

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

namespace {
struct ReadBack {
    const TChartSeries* series = nullptr;
    int index = -1;
};

// What the readout names at a client point: the last active series in
// series order with a point there.
ReadBack ReadBackAt(const TChart& chart, int x, int y) {
    ReadBack found;
    for (const TChartSeries* series : chart.SeriesList())
        if (series->Active())
            if (const int index = series->PointAtPixel(x, y); index >= 0)
                found = {series, index};
    return found;
}

TColor ColourOf(const TChartSeries& series) {
    return ChartColorToRGB(series.SeriesColor());
}

// The day store of a day without activity, to be given some.
void QuietDay(DayChart& day) {
    for (int minute = 0; minute < 1440; ++minute) {
        day.keys2->AddPoint(minute, 0);
        day.mouse2->AddPoint(minute, 0);
    }
}
} // namespace

// A day of single-minute spikes, keys and mouse by turns, one every seven
// minutes: at every width and zoom each spike is in the picture, in its
// series' colour from its top to its base at its own pixel column, and the
// hit test reads it back there. Zoomed out, minutes share columns, and the
// spikes fall at every place a minute can have among those of its column.
TEST(GdiPaint, EverySingleMinuteSpikeIsDrawnAndReadBackAtItsColumn) {
    TChartDemoForm form;
    DayChart day = MakeDayChart(form);
    QuietDay(day);
    std::vector<int> spikes;
    for (int minute = 3, j = 0; minute < 1440; minute += 7, ++j) {
        (j % 2 == 0 ? day.keys2 : day.mouse2)->ReplaceY(minute, 5 + j % 4 * 5);
        spikes.push_back(minute);
    }
    struct View {
        int width, height;
        double low, high;
        bool shared; // minutes share pixel columns
    } views[] = {
        {579, 326, 0, 1440, true},   {740, 360, 0, 1440, true},   {1920, 1080, 0, 1440, false},
        {740, 360, 200, 1100, true}, {740, 360, 300, 700, false}, {740, 360, 590, 610, false},
        {1000, 400, 0, 1000, true},
    };
    for (const View& view : views) {
        SCOPED_TRACE(testing::Message() << view.width << " x " << view.height << ", minutes "
                                        << view.low << " to " << view.high);
        day.chart->SetClientSize(view.width, view.height);
        day.chart->BottomAxis().SetRange(view.low, view.high);
        day.chart->PaintBuffer();
        const GdiBackBuffer& picture = day.chart->BackBuffer();
        const TRect plot = day.chart->PlotRect();
        auto pixelX = [&](int minute) { return day.keys2->PixelOf(minute).x; };
        std::set<int> places; // of a spike among the minutes of its column
        int seen = 0;
        for (int minute : spikes) {
            const bool keys = day.keys2->YAt(minute) > 0;
            const TAreaSeries& series = keys ? *day.keys2 : *day.mouse2;
            const TPoint top = series.PixelOf(minute);
            if (top.x < plot.left || top.x >= plot.right)
                continue;
            const int base = series.BasePixel(minute);
            ASSERT_EQ(base, plot.bottom);
            int place = 0;
            while (pixelX(minute - place - 1) == top.x)
                ++place;
            places.insert(place);
            ++seen;
            // The top pixel is the boundary with the series stacked above.
            for (int y : {top.y + 1, (top.y + base) / 2, base - 1}) {
                SCOPED_TRACE(testing::Message()
                             << "minute " << minute << " at " << top.x << "," << y);
                EXPECT_EQ(picture.Pixel(top.x, y), ColourOf(series));
                const ReadBack read = ReadBackAt(*day.chart, top.x, y);
                EXPECT_EQ(read.series, &series);
                EXPECT_EQ(read.index, minute);
            }
            // Nothing of the series above its top.
            EXPECT_NE(picture.Pixel(top.x, top.y - 1), ColourOf(series)) << minute;
        }
        EXPECT_GE(seen, 2);
        // Every place a minute has in a column of the view, a spike had.
        int widest = 1;
        for (int minute = 1, run = 1; minute < 1440; ++minute) {
            run = pixelX(minute) == pixelX(minute - 1) ? run + 1 : 1;
            widest = std::max(widest, run);
        }
        EXPECT_EQ(widest > 1, view.shared);
        EXPECT_EQ(int(places.size()), widest);
        EXPECT_EQ(*places.rbegin(), widest - 1);
    }
}

// Minutes that share a column: each series shows its greatest, the mouse
// stacked on the keys' greatest, and each is read back where it is drawn.
TEST(GdiPaint, MinutesThatShareAColumnShowEachSeriesGreatestStacked) {
    TChartDemoForm form;
    DayChart day = MakeDayChart(form);
    QuietDay(day);
    day.keys2->ReplaceY(1439, 40); // the axis up to 40
    day.chart->PaintBuffer();
    auto pixelX = [&](int minute) { return day.keys2->PixelOf(minute).x; };
    int a = 600;
    while (pixelX(a + 1) != pixelX(a) || pixelX(a + 2) != pixelX(a))
        ++a; // three minutes a, a + 1, a + 2 on one column
    day.keys2->ReplaceY(a, 12);
    day.keys2->ReplaceY(a + 1, 3);
    day.mouse2->ReplaceY(a + 1, 8);
    day.mouse2->ReplaceY(a + 2, 2);
    day.chart->PaintBuffer();
    const GdiBackBuffer& picture = day.chart->BackBuffer();
    const TChartAxis& left = day.chart->LeftAxis();
    const int x = pixelX(a);
    EXPECT_EQ(picture.Pixel(x, left.PixelOfValue(6)), ColourOf(*day.keys2));
    EXPECT_EQ(picture.Pixel(x, left.PixelOfValue(16)), ColourOf(*day.mouse2));
    EXPECT_NE(picture.Pixel(x, left.PixelOfValue(22)), ColourOf(*day.mouse2));
    ReadBack read = ReadBackAt(*day.chart, x, left.PixelOfValue(6));
    EXPECT_EQ(read.series, day.keys2);
    EXPECT_EQ(read.index, a);
    read = ReadBackAt(*day.chart, x, left.PixelOfValue(16));
    EXPECT_EQ(read.series, day.mouse2);
    EXPECT_EQ(read.index, a + 1);
    EXPECT_EQ(ReadBackAt(*day.chart, x, left.PixelOfValue(22)).series, nullptr);
}

// The last minute has no strip to its right; it still gets its column.
TEST(GdiPaint, TheLastMinuteHasAColumnOfItsOwn) {
    TChartDemoForm form;
    DayChart day = MakeDayChart(form);
    QuietDay(day);
    day.keys2->ReplaceY(1439, 10);
    day.chart->BottomAxis().SetRange(1400, 1450);
    day.chart->PaintBuffer();
    const TPoint top = day.keys2->PixelOf(1439);
    ASSERT_LT(top.x, day.chart->PlotRect().right - 20);
    const int y = (top.y + day.chart->PlotRect().bottom) / 2;
    EXPECT_EQ(day.chart->BackBuffer().Pixel(top.x, y), ColourOf(*day.keys2));
    EXPECT_NE(day.chart->BackBuffer().Pixel(top.x + 1, y), ColourOf(*day.keys2));
    EXPECT_EQ(ReadBackAt(*day.chart, top.x, y).index, 1439);
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
