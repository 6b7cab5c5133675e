#pragma once

#include "chart/AreaSeries.h"
#include "chart/BarSeries.h"
#include "chart/Chart.h"

// The main window's two charts as designed, read from the main window's own
// form description (the resource FRMMAIN, which every executable using this
// links in with link_main_form_design). The demo program, the benchmarks and
// the tests all look at the charts the program will show.
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
// Both charts and their series among the components of a form that holds
// them by their designed names.
DemoCharts FindDemoCharts(const TComponent& form);
inline DayChart MakeDayChart(TChartDemoForm& form) {
    return LoadDemoCharts(form).day;
}

// 1440 points per day-store series (keys, mouse, cpu) of made-up activity:
// a working day with a lunch break, the same for the same seed.
void FillDayActivity(DayChart& day, unsigned seed);
// 31 points per month series.
void FillMonthActivity(MonthChart& month, unsigned seed);
