#pragma once

#include "DayView.h"
#include "chart/Chart.h"
#include "chart/ChartSeries.h"
#include "toolkit/Clock.h"
#include "toolkit/TreeView.h"

// The readouts under the charts: the title of the series under the pointer,
// where its point lies and its value. When several series have a point
// there, the last of them in series order writes; with none, the caption
// keeps what it had. They never open a file.
class ChartReadouts {
public:
    struct Parts {
        TChart& dayChart;
        TControl& dayCaption;
        TChart& monthChart;
        TControl& monthCaption;
        TTreeView& tree; // its selected node names the month on view
    };

    ChartReadouts(Parts parts, const DayView& dayView, const Clock& clock);

    // A pointer move over a chart: the readout of the points under the
    // mouse pointer's current position.
    void DayChartMouseMove();
    void MonthChartMouseMove();

    // The same at a client point of the chart.
    // "Mouse distance, dm per minute [09:41 - 57]". While a right-button
    // drag pans the day, only the four-headed arrow.
    void DayReadoutAt(TPoint at);
    // "Keys pressed, count per day [2026.12.08 (Tue) - 12 345]". Over a day
    // the month does not have (the 30th of February), nothing: no box, the
    // caption as it was.
    void MonthReadoutAt(TPoint at);

private:
    Parts parts_;
    const DayView& dayView_;
    const Clock& clock_;
};
