#pragma once

#include "chart/Chart.h"
#include "chart/ChartSeries.h"

#include <string>

// The month chart: for each day number 1 to 31 of the month on view, the
// keys pressed that day and the pointer travel in metres, read anew from
// the day files at every selection. Days without a file, days the month
// lacks and days to come are 0; today counts what its file holds.
class MonthView {
public:
    struct Parts {
        TChart& dayChart;
        TChart& monthChart;
        TChartSeries& keys;
        TChartSeries& mouse;
    };

    MonthView(Parts parts, std::string historyDir);

    // Shows the month of a month label ("2026.December"). The axes, the
    // legend and the caption under the chart are left alone. A file that
    // cannot be read or a line that does not parse raises its error: the
    // series then hold the days before it and the chart on view stays.
    void Show(const std::string& monthLabel);

private:
    Parts parts_;
    std::string historyDir_;
};
