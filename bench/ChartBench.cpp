// Chart painting against its floor: the day chart (three 1440-point series,
// axes, legend, gradient) painted whole into an off-screen bitmap, and the
// seven frames of an animated zoom. Each figure is printed beside the floor
// measured in the same run on the same bitmap: one fill of the whole bitmap
// and the same points drawn as one polygon per series.
#include "ChartBench.h"

#include "Stopwatch.h"
#include "chart/GdiChartCanvas.h"
#include "chart/demo/DemoCharts.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>
#include <windows.h>

namespace {

// Median milliseconds of `runs` calls, after one warm-up call.
double Measure(int runs, const std::function<void()>& work) {
    work();
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        double start = SecondsNow();
        work();
        GdiFlush();
        times.push_back((SecondsNow() - start) * 1000);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

// The floor: the bitmap filled once, each series' points as one polygon.
void DrawFloor(ChartCanvas& canvas, DayChart& day, std::vector<TPoint>& points) {
    const TRect bounds = day.chart->ChartBounds();
    canvas.FillRect(bounds, 0xFFFFFF);
    canvas.SetPen(0, 1, ChartPenStyle::Clear);
    for (TChartSeries* series :
         {static_cast<TChartSeries*>(day.keys2), static_cast<TChartSeries*>(day.mouse2),
          static_cast<TChartSeries*>(day.cpu1)}) {
        points.clear();
        const int n = series->PointCount();
        for (int i = 0; i < n; ++i)
            points.push_back({bounds.left + i * bounds.Width() / n,
                              bounds.bottom - int(series->YAt(i)) % bounds.Height()});
        points.push_back({bounds.right, bounds.bottom});
        points.push_back({bounds.left, bounds.bottom});
        canvas.SetBrush(series->SeriesColor(), ChartBrushStyle::Solid);
        canvas.Polygon(points.data(), int(points.size()));
    }
}

} // namespace

void RunChartBench() {
    TChartDemoForm form;
    DayChart day = MakeDayChart(form);
    FillDayActivity(day, 2026);
    day.cpu1->SetActive(true); // the third day-store series, a line with markers
    std::vector<TPoint> points;
    points.reserve(1442);

    // The designed size, a large screen, and the designed size on a screen
    // at 150 % beside the same size at 100 %: fonts, pens and markers half
    // as large again cost little more to draw.
    for (auto [width, height, ppi, runs] : {std::tuple{740, 360, 96, 40},
                                            {1920, 1080, 96, 15},
                                            {1110, 540, 96, 25},
                                            {1110, 540, 144, 25}}) {
        day.chart->ScaleTo(ppi);
        day.chart->SetClientSize(width, height);
        day.chart->PaintBuffer();
        GdiBackBuffer floorBuffer(width, height);
        GdiChartCanvas floorCanvas(floorBuffer.Dc());
        double paint = Measure(runs, [&] { day.chart->PaintBuffer(); });
        double floor = Measure(runs, [&] { DrawFloor(floorCanvas, day, points); });
        char label[64];
        std::snprintf(label, sizeof label, "day chart paint %dx%d%s", width, height,
                      ppi == 144 ? " at 150 %" : "");
        ReportIn("ms", label, paint, "one fill, a polygon per series", floor);
    }
    day.chart->ScaleTo(96);

    // The animated zoom: seven frames painted as they come, then the last.
    day.chart->SetClientSize(740, 360);
    day.chart->SetRepaintHook([&] { day.chart->PaintBuffer(); });
    GdiBackBuffer floorBuffer(740, 360);
    GdiChartCanvas floorCanvas(floorBuffer.Dc());
    double zoom = Measure(10, [&] {
        day.chart->ZoomByPercent(115);
        day.chart->PaintBuffer();
        day.chart->SetRepaintHook(nullptr);
        day.chart->ZoomUndo();
        day.chart->SetRepaintHook([&] { day.chart->PaintBuffer(); });
    });
    double floor = Measure(10, [&] {
        for (int frame = 0; frame < 8; ++frame)
            DrawFloor(floorCanvas, day, points);
    });
    ReportIn("ms", "animated zoom, 7 frames + last", zoom, "8 x (one fill, a polygon per series)",
             floor);
}
