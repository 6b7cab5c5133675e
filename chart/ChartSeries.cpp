#include "ChartSeries.h"

TChartSeries::TChartSeries(TComponent* owner) : TComponent(owner) {}

int TChartSeries::AddPoint(double x, double y, const std::string& label, TColor color) {
    if (onBeforeAdd_ && !onBeforeAdd_(*this))
        return -1;
    int index = xValues_.InsertionIndex(x);
    xValues_.Insert(index, x);
    yValues_.Insert(index, y);
    colors_.insert(colors_.begin() + index, color);
    labels_.insert(labels_.begin() + index, label);
    if (onAfterAdd_)
        onAfterAdd_(*this);
    if (active_)
        RequestRepaint();
    return index;
}

void TChartSeries::ReplaceY(int index, double value) {
    yValues_.SetValue(index, value);
    RequestRepaint();
}

void TChartSeries::ClearPoints() {
    xValues_.Clear();
    yValues_.Clear();
    colors_.clear();
    labels_.clear();
    if (onClearValues_)
        onClearValues_(*this);
    if (active_)
        RequestRepaint();
}

TColor TChartSeries::ColorAt(int index) const {
    if (index < 0 || index >= int(colors_.size()))
        ListIndexError(index);
    return colors_[size_t(index)];
}

const std::string& TChartSeries::LabelAt(int index) const {
    if (index < 0 || index >= int(labels_.size()))
        ListIndexError(index);
    return labels_[size_t(index)];
}

void TChartSeries::SetActive(bool active) {
    if (active != active_) {
        active_ = active;
        RequestRepaint();
    }
}

void TChartSeries::RequestRepaint() const {
    if (repaintHook_)
        repaintHook_();
}
