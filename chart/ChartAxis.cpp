#include "ChartAxis.h"

#include "ChartExceptions.h"
#include "ChartSeries.h"
#include "CustomAxisPanel.h"
#include "toolkit/Text.h"

#include <cmath>

namespace {
constexpr double kSmallestRange = 1e-10;
}

void TChartAxisTitle::SetAngle(int angle) {
    if (angle < 0 || angle > 360)
        throw ChartException(Format("%s Angle must be between 0 and 359 degrees", "Axis Title"));
    Store(angle_, angle);
}

TChartAxis::TChartAxis(TCustomAxisPanel& chart, bool horizontal, bool otherSide)
    : chart_(chart), otherSide_(otherSide), title_(horizontal  ? 0
                                                   : otherSide ? 270
                                                               : 90) {
    scale_.horizontal = horizontal;
    auto changed = [this] { Changed(); };
    for (TChartPersistent* part :
         {static_cast<TChartPersistent*>(&title_), static_cast<TChartPersistent*>(&axisPen_),
          static_cast<TChartPersistent*>(&grid_), static_cast<TChartPersistent*>(&ticks_),
          static_cast<TChartPersistent*>(&ticksInner_),
          static_cast<TChartPersistent*>(&minorTicks_),
          static_cast<TChartPersistent*>(&minorGrid_)})
        part->SetOnChange(changed);
    labelsFont_.SetOnChange(changed);
    title_.Font().SetOnChange(changed);
    labelValues_.reserve(2000);
    tickPixels_.reserve(2000);
}

void TChartAxis::SetAutomatic(bool automatic) {
    Store(automatic_, automatic);
    if (!chart_.Loading()) {
        Store(automaticMinimum_, automatic);
        Store(automaticMaximum_, automatic);
    }
}

void TChartAxis::SetAutomaticMinimum(bool automatic) {
    Store(automaticMinimum_, automatic);
    if (!automatic || automaticMaximum_)
        Store(automatic_, automatic);
}

void TChartAxis::SetAutomaticMaximum(bool automatic) {
    Store(automaticMaximum_, automatic);
    if (!automatic || automaticMinimum_)
        Store(automatic_, automatic);
}

void TChartAxis::CheckRange(double minimum, double maximum, bool changingMinimum) const {
    if (chart_.Loading() || minimum <= maximum)
        return;
    throw AxisException(changingMinimum ? "Axis Minimum Value must be <= Maximum"
                                        : "Axis Maximum Value must be >= Minimum");
}

void TChartAxis::SetMinimum(double value) {
    CheckRange(value, maximum_, true);
    Store(minimum_, value);
}

void TChartAxis::SetMaximum(double value) {
    CheckRange(minimum_, value, false);
    Store(maximum_, value);
}

void TChartAxis::SetRange(double minimum, double maximum) {
    Store(automatic_, false);
    Store(automaticMinimum_, false);
    Store(automaticMaximum_, false);
    if (minimum > maximum)
        std::swap(minimum, maximum);
    if (maximum - minimum < kSmallestRange)
        maximum = minimum + kSmallestRange;
    Store(minimum_, minimum);
    Store(maximum_, maximum);
}

void TChartAxis::SetIncrement(double increment) {
    if (increment < 0)
        throw AxisException("Axis increment must be >= 0");
    Store(increment_, increment);
}

void TChartAxis::SetLabelsAngle(int angle) {
    if (angle < 0 || angle > 360)
        throw ChartException(Format("%s Angle must be between 0 and 359 degrees", "Axis Labels"));
    Store(labelsAngle_, angle);
}

void TChartAxis::SetLabelsSeparation(int percent) {
    if (percent < 0)
        throw AxisException("Labels Separation % must be greater than 0");
    Store(labelsSeparation_, percent);
}

void TChartAxis::SetInverted(bool inverted) {
    if (scale_.inverted != inverted) {
        scale_.inverted = inverted;
        Changed();
    }
}

bool TChartAxis::IsAttached(const TChartSeries& series) const {
    if (Horizontal()) {
        THorizAxis h = series.HorizAxis();
        return h == aBothHorizAxis || (h == aTopAxis && otherSide_) ||
               (h == aBottomAxis && !otherSide_);
    }
    TVertAxis v = series.VertAxis();
    return v == aBothVertAxis || (v == aRightAxis && otherSide_) || (v == aLeftAxis && !otherSide_);
}

bool TChartAxis::IsVisible() const {
    if (!chart_.AxisVisible() || !visible_)
        return false;
    for (const TChartSeries* series : chart_.SeriesList())
        if (series->Active() && IsAttached(*series))
            return true;
    return false;
}

namespace {

// The automatic bound over the series: active series on the axis with
// points; when no active series uses the axis at all, the inactive ones too.
template <typename Pick>
double AutomaticBound(const TChartAxis& axis, const std::vector<TChartSeries*>& list, Pick pick,
                      bool wantMaximum) {
    bool anyActive = false;
    for (const TChartSeries* series : list)
        if (series->Active() && axis.IsAttached(*series))
            anyActive = true;
    bool found = false;
    double result = 0;
    for (const TChartSeries* series : list) {
        if (series->PointCount() == 0 || !axis.IsAttached(*series) ||
            (anyActive && !series->Active()))
            continue;
        double value = pick(*series);
        if (!found || (wantMaximum ? value > result : value < result))
            result = value;
        found = true;
    }
    return result;
}

} // namespace

double TChartAxis::CalcAutomaticMinimum() const {
    bool horizontal = Horizontal();
    return AutomaticBound(
        *this, chart_.SeriesList(),
        [horizontal](const TChartSeries& s) { return horizontal ? s.LowestX() : s.LowestY(); },
        false);
}

double TChartAxis::CalcAutomaticMaximum() const {
    bool horizontal = Horizontal();
    return AutomaticBound(
        *this, chart_.SeriesList(),
        [horizontal](const TChartSeries& s) { return horizontal ? s.HighestX() : s.HighestY(); },
        true);
}

void TChartAxis::AdjustRange() {
    // The automatic values are written into the properties themselves, so
    // that reading them after a paint gives the range on view.
    if (automatic_ || automaticMaximum_)
        maximum_ = CalcAutomaticMaximum();
    if (automatic_ || automaticMinimum_)
        minimum_ = CalcAutomaticMinimum();
    scale_.minimum = minimum_;
    scale_.maximum = maximum_;
}

TAxisLabelStyle TChartAxis::ResolvedLabelStyle() const {
    if (labelStyle_ != talAuto)
        return labelStyle_;
    // Point labels (the text style) are not drawn by this chart; an axis
    // with series shows their values.
    for (const TChartSeries* series : chart_.SeriesList())
        if (series->Active() && IsAttached(*series))
            return talValue;
    return talNone;
}

std::string TChartAxis::FormatLabel(double value, bool eventAttached) {
    std::string text = FormatNumberPattern(value, valuesFormat_, chart_.Separators());
    if (eventAttached && chart_.OnGetAxisLabel())
        chart_.OnGetAxisLabel()(*this, nullptr, -1, text);
    return text;
}

std::string TChartAxis::FormatAxisLabel(double value) {
    return FormatLabel(value, true);
}
