#include "ChartSeries.h"

#include "CustomAxisPanel.h"
#include "SeriesGeometry.h"

#include <algorithm>
#include <windows.h>

namespace {
// Colours by point index for ColorEachPoint.
constexpr TColor kPalette[] = {0x0000FF, 0x00FF00, 0xFFFF00, 0xFF0000, 0xFFFFFF, 0x808080,
                               0xFF00FF, 0x008000, 0x800000, 0x000080, 0x808000, 0x800080,
                               0xC0C0C0, 0x00FFFF, 0x008080, 0x000000};
} // namespace

TChartSeries::TChartSeries(TComponent* owner) : TComponent(owner) {}

TChartSeries::~TChartSeries() {
    if (chart_)
        chart_->RemoveSeries(*this);
}

int TChartSeries::AddPoint(double x, double y, const std::string& label, TColor color) {
    if (onBeforeAdd_ && !onBeforeAdd_(*this))
        return -1;
    const size_t before = size_t(PointCount());
    int index = xValues_.InsertionIndex(x);
    xValues_.Insert(index, x);
    yValues_.Insert(index, y);
    // Colours and labels are kept only once some point has its own, so a
    // day of plain points costs no more than its two value columns.
    if (color != clTeeColor || !colors_.empty()) {
        colors_.resize(before, clTeeColor);
        colors_.insert(colors_.begin() + index, color);
    }
    if (!label.empty() || !labels_.empty()) {
        labels_.resize(before);
        labels_.insert(labels_.begin() + index, label);
    }
    if (onAfterAdd_)
        onAfterAdd_(*this);
    if (active_)
        RequestRepaint();
    return index;
}

void TChartSeries::AddPoints(double firstX, std::span<const double> ys) {
    const int count = PointCount();
    const bool appendsInOrder =
        xValues_.Order() == loNone ||
        (xValues_.Order() == loAscending && (count == 0 || firstX >= xValues_.Raw().back()));
    if (!appendsInOrder || onBeforeAdd_ || onAfterAdd_ || !colors_.empty() || !labels_.empty()) {
        for (size_t i = 0; i < ys.size(); ++i)
            AddPoint(firstX + double(i), ys[i]);
        return;
    }
    xValues_.AppendSequence(firstX, int(ys.size()));
    yValues_.Append(ys);
    if (active_ && !ys.empty())
        RequestRepaint();
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
    ClearVisibleRange();
    if (onClearValues_)
        onClearValues_(*this);
    if (active_)
        RequestRepaint();
}

TColor TChartSeries::ColorAt(int index) const {
    if (index < 0 || index >= PointCount())
        ListIndexError(index);
    return colors_.empty() ? clTeeColor : colors_[size_t(index)];
}

const std::string& TChartSeries::LabelAt(int index) const {
    static const std::string none;
    if (index < 0 || index >= PointCount())
        ListIndexError(index);
    return labels_.empty() ? none : labels_[size_t(index)];
}

void TChartSeries::SetActive(bool active) {
    if (active != active_) {
        active_ = active;
        RequestRepaint();
    }
}

void TChartSeries::RequestRepaint() const {
    if (chart_)
        chart_->Invalidate();
    else if (repaintHook_)
        repaintHook_();
}

void TChartSeries::SetParentChart(TCustomAxisPanel* chart) {
    if (chart == chart_)
        return;
    if (chart_)
        chart_->RemoveSeries(*this);
    if (chart)
        chart->AddSeries(*this);
}

TColor TChartSeries::ValueColor(int index) const {
    TColor color = colors_.empty() ? clTeeColor : colors_[size_t(index)];
    if (color != clTeeColor)
        return color;
    if (colorEachPoint_)
        return kPalette[size_t(index) % (sizeof kPalette / sizeof kPalette[0])];
    return seriesColor_;
}

ChartScale TChartSeries::PixelScale() const {
    return chart_ ? chart_->PixelScale() : ChartScale{};
}

TChartAxis& TChartSeries::GetHorizAxis() const {
    return horizAxis_ == aTopAxis ? chart_->TopAxis() : chart_->BottomAxis();
}

TChartAxis& TChartSeries::GetVertAxis() const {
    return vertAxis_ == aRightAxis ? chart_->RightAxis() : chart_->LeftAxis();
}

void TChartSeries::CalcVisibleRange() {
    const AxisScale& h = GetHorizAxis().Scale();
    double a = h.ValueAtPixel(h.startPos);
    double b = h.ValueAtPixel(h.endPos);
    IndexRange range = VisibleIndexRange(xValues_, a < b ? a : b, a < b ? b : a);
    firstVisible_ = range.first;
    lastVisible_ = range.last;
}

int TChartSeries::PointAtCursor() const {
    if (!chart_)
        return -1;
    TPoint p = chart_->CursorClientPos();
    return PointAtPixel(p.x, p.y);
}

bool TChartSeries::IsKindOf(const TChartSeries&) const {
    return true;
}

double TChartSeries::StackingOrigin(int first, int last) const {
    double origin = 0;
    if (!chart_)
        return origin;
    for (const TChartSeries* other : chart_->SeriesList()) {
        if (other == this)
            break;
        if (!other->Active() || !SameSeriesClass(*other, *this))
            continue;
        const int end = std::min(last, other->PointCount() - 1);
        double greatest = 0;
        for (int i = first; i <= end; ++i)
            greatest = std::max(greatest, other->YAt(i));
        origin += greatest;
    }
    return origin;
}
