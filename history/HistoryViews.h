#pragma once

#include "ChartReadouts.h"
#include "DayView.h"
#include "MonthView.h"
#include "TreeHint.h"

// The history side of the main window: the month view, the day view, the
// tree hint and the chart readouts, over the controls and series that the
// window binds once, when its components are made.
class HistoryViews {
public:
    struct Parts {
        TTreeView& tree;
        TChart& dayChart;
        TChart& monthChart;
        TControl& dayCaption;   // under the day chart; its hint is the base text
        TControl& monthCaption; // under the month chart
        TSpeedButton& zoomIn;
        TSpeedButton& zoomOut;
        TChartSeries& storeKeys; // the day store's keys and travel
        TChartSeries& storeMouse;
        TChartSeries& readKeys; // a past day, read from its file
        TChartSeries& readMouse;
        TChartSeries& readCpu;
        TChartSeries& monthKeys; // a value per day of the month on view
        TChartSeries& monthMouse;
    };

    HistoryViews(const Parts& parts, DayLog& dayLog, const Clock& clock);

    // The tree's selection changed: a day node shows its day, any other node
    // its month.
    void SelectionChanged();

    MonthView& Month() { return month_; }
    DayView& Day() { return day_; }
    TreeHint& Hint() { return hint_; }
    ChartReadouts& Readouts() { return readouts_; }

private:
    TTreeView& tree_;
    MonthView month_;
    DayView day_;
    TreeHint hint_;
    ChartReadouts readouts_;
};
