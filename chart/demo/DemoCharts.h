#pragma once

#include "chart/AreaSeries.h"
#include "chart/BarSeries.h"
#include "chart/Chart.h"

// The two charts of the main window as designed, built in code: used by the
// demo program, the benchmarks and the tests, so all three look at the
// same chart the program shows.
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

// Components are owned by `owner`, as the main window owns them.
DayChart MakeDayChart(TComponent& owner);
MonthChart MakeMonthChart(TComponent& owner);

// 1440 points per day-store series (keys, mouse, cpu) of made-up activity:
// a working day with a lunch break, the same for the same seed.
void FillDayActivity(DayChart& day, unsigned seed);
// 31 points per month series.
void FillMonthActivity(MonthChart& month, unsigned seed);

// The program's rewriting of the day chart's minute labels into hours.
void HourLabels(TChart& chart, TChartAxis& sender, std::string& labelText);
