#include "CustomAxisPanel.h"

#include "ChartSeries.h"

#include <algorithm>

namespace {
// Series colours for series that are given none.
constexpr TColor kSeriesPalette[] = {0x0000FF, 0x00FF00, 0xFFFF00, 0xFF0000, 0x808080,
                                     0xFF00FF, 0x008000, 0x800000, 0x000080, 0x808000};
} // namespace

TCustomAxisPanel::TCustomAxisPanel(TComponent* owner) : ChartPanel(owner) {
    for (TChartAxis* axis : axes_)
        axis->SetOnChange([this] { Invalidate(); });
    depthAxis_.SetVisible(false);
    separators_ = UserNumberSeparators();
}

TCustomAxisPanel::~TCustomAxisPanel() {
    for (TChartSeries* series : series_)
        series->chart_ = nullptr;
}

TChartSeries& TCustomAxisPanel::SeriesAt(int index) const {
    if (index < 0 || index >= SeriesListCount())
        ListIndexError(index);
    return *series_[size_t(index)];
}

void TCustomAxisPanel::AddSeries(TChartSeries& series) {
    if (series.chart_ == this)
        return;
    if (series.chart_)
        series.chart_->RemoveSeries(series);
    if (series.SeriesColor() == clTeeColor)
        series.seriesColor_ = kSeriesPalette[series_.size() % std::size(kSeriesPalette)];
    series_.push_back(&series);
    series.chart_ = this;
    Invalidate();
}

void TCustomAxisPanel::RemoveSeries(TChartSeries& series) {
    auto found = std::find(series_.begin(), series_.end(), &series);
    if (found == series_.end())
        return;
    series_.erase(found);
    series.chart_ = nullptr;
    series.ClearVisibleRange();
    if (!Destroying())
        Invalidate();
}
