#pragma once

#include "chart/RecordingChartCanvas.h"
#include "chart/demo/DemoCharts.h"
#include "history/DayChartRules.h"

#include <gtest/gtest.h>

// The day rules the program gives the day chart's events: hour labels on the
// bottom axis, and panning within the day and above zero.
inline void DayHourLabels(TChartAxis& sender, TChartSeries*, int, std::string& text) {
    if (&sender == &sender.ParentChart().BottomAxis())
        text = HourLabel(text);
}
inline void DayPanLimits(TChartAxis& sender, double& aMin, double& aMax, bool& allow) {
    if (!AllowDayScroll(&sender == &sender.ParentChart().BottomAxis(), aMin, aMax))
        allow = false;
}

// The day chart as designed, 740 × 360, with the program's day rules and one
// minute of activity (keys 10 and mouse 20 at minute 600) so the left axis
// runs 0..30, painted on a recording canvas whose characters are 6 pixels
// wide and 11 tall.
//
// Its layout, worked out by hand from the design:
//   bounds less the lowered bevel (1) and margins 2/2/2/7 %: 16, 8, 724, 334
//   legend of two items, widest title 180: rows 10..23, then 6 of margin
//   bottom axis: 16 of labels, 6 of ticks; left axis: 2 of title, labels
//   "0".."30" (12 + a blank = 18), 1 + 5 of line and ticks
//   plot: 42, 29, 724, 312
class DayChartTest : public ::testing::Test {
protected:
    DayChartTest() : day(MakeDayChart(form)) {
        day.chart->SetOnGetAxisLabel(DayHourLabels);
        day.chart->SetOnAllowScroll(DayPanLimits);
        day.chart->SetInvalidateHook([this] { ++invalidations; });
        day.chart->SetRepaintHook([this] { ++repaints; });
        for (int minute = 0; minute < 1440; ++minute) {
            day.keys2->AddPoint(minute, minute == 600 ? 10 : 0);
            day.mouse2->AddPoint(minute, minute == 600 ? 20 : 0);
        }
        day.chart->SetCanvas(&canvas);
        Paint();
    }

    void Paint() {
        canvas.ops.clear();
        day.chart->Draw(canvas);
    }

    TChartDemoForm form;
    DayChart day;
    RecordingChartCanvas canvas;
    int invalidations = 0;
    int repaints = 0;
    static constexpr TRect kPlot{42, 29, 724, 312};
};
