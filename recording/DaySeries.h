#pragma once

#include "ActiveSpan.h"
#include "DayRecords.h"
#include "chart/ChartSeries.h"

// The three series that hold a day's minutes, point index = minute of day:
// the day store, or the day chart's series of a past day.
struct DaySeries {
    TChartSeries& keys;
    TChartSeries& mouse;
    TChartSeries& cpu;
};

// Takes a day file's columns into the series. A minute whose keys or travel
// the series already counted keeps those counts (the file only fills the
// gaps); every other value is the file's, and lines beyond the series' points
// are added. Each minute, as the series then hold it, moves `span`.
void MergeDayColumns(const DayColumns& day, DaySeries series, ActiveSpan& span);

// Adds zero minutes to each series that holds less than a whole day.
void FillWholeDay(DaySeries series);
