#pragma once

#include "chart/AreaSeries.h"
#include "chart/BarSeries.h"
#include "chart/Chart.h"

// The main window's two charts as designed, read from the form description
// ChartDemoForm.txt (the resource CHARTDEMOFORM of ChartDemoForm.rc, which
// every executable using this links in). The demo program, the benchmarks
// and the tests all look at the chart the program will show.
struct DayChart {
    TChart* chart;
    TLineSeries* keys1;
    TLineSeries* mouse1;
    TLineSeries* cpu1;
    TBarSeries* reserved;
    TAreaSeries* keys2;
    TAreaSeries* mouse2;
    TAreaSeries* cpu2;
    TAreaSeries* readKeys;
    TAreaSeries* readMouse;
    TAreaSeries* readCpu;
};

struct MonthChart {
    TChart* chart;
    TLineSeries* keys;
    TLineSeries* mouse;
    TLineSeries* cpu;
};

// The form the charts are loaded into; it owns them.
class TChartDemoForm : public TComponent {
public:
    using TComponent::TComponent;
};

struct DemoCharts {
    DayChart day;
    MonthChart month;
};

// Loads both charts into `form`, which owns them as the main window will.
DemoCharts LoadDemoCharts(TChartDemoForm& form);
inline DayChart MakeDayChart(TChartDemoForm& form) {
    return LoadDemoCharts(form).day;
}

// 1440 points per day-store series (keys, mouse, cpu) of made-up activity:
// a working day with a lunch break, the same for the same seed.
void FillDayActivity(DayChart& day, unsigned seed);
// 31 points per month series.
void FillMonthActivity(MonthChart& month, unsigned seed);

// The day chart's handlers as the program has them: minute labels become
// hours, and panning stays within the day and above zero.
void HourLabels(TChartAxis& sender, TChartSeries* series, int valueIndex, std::string& labelText);
void DayPanLimits(TChartAxis& sender, double& aMin, double& aMax, bool& allowScroll);
