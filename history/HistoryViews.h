#pragma once

#include "ChartReadouts.h"
#include "DayView.h"
#include "MonthView.h"
#include "TreeHint.h"

// The history side of the main window: the month view, the day view, the
// tree hint and the chart readouts, over the controls and series the main
// window's form description makes (found by their designed names).
class HistoryViews {
public:
    HistoryViews(TComponent& form, DayLog& dayLog, const Clock& clock);

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
