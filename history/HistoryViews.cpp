#include "HistoryViews.h"

#include "toolkit/FindOwned.h"

namespace {
MonthView::Parts MonthParts(TComponent& form) {
    return {FindOwned<TChart>(form, "myChart"), FindOwned<TChart>(form, "ChartMonth"),
            FindOwned<TChartSeries>(form, "chMonthKeys"),
            FindOwned<TChartSeries>(form, "chMonthMouse")};
}

DayView::Parts DayParts(TComponent& form) {
    return {FindOwned<TChart>(form, "myChart"),
            FindOwned<TChart>(form, "ChartMonth"),
            FindOwned<TControl>(form, "stlblBottomText"),
            FindOwned<TSpeedButton>(form, "sbtnZoomIn"),
            FindOwned<TSpeedButton>(form, "sbtnZoomOut"),
            FindOwned<TChartSeries>(form, "mySeriesKeys2"),
            FindOwned<TChartSeries>(form, "mySeriesMouse2"),
            FindOwned<TChartSeries>(form, "myReadSeriesKeys"),
            FindOwned<TChartSeries>(form, "myReadSeriesMouse"),
            FindOwned<TChartSeries>(form, "myReadSeriesCPU")};
}

ChartReadouts::Parts ReadoutParts(TComponent& form) {
    return {FindOwned<TChart>(form, "myChart"), FindOwned<TControl>(form, "stlblBottomText"),
            FindOwned<TChart>(form, "ChartMonth"), FindOwned<TControl>(form, "stlblBottomTextMont"),
            FindOwned<TTreeView>(form, "TreeView")};
}
} // namespace

HistoryViews::HistoryViews(TComponent& form, DayLog& dayLog, const Clock& clock)
    : tree_(FindOwned<TTreeView>(form, "TreeView")), month_(MonthParts(form), dayLog.HistoryDir()),
      day_(DayParts(form), dayLog), hint_(tree_, dayLog.HistoryDir()),
      readouts_(ReadoutParts(form), day_, clock) {}

void HistoryViews::SelectionChanged() {
    const TTreeNode* selected = tree_.Selected();
    if (!selected)
        return;
    if (selected->Level() == 1)
        day_.Show(*selected);
    else
        month_.Show(selected->Text());
}
