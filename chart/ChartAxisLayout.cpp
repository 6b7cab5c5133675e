#include "ChartAxis.h"

#include "ChartMath.h"
#include "CustomAxisPanel.h"

#include <algorithm>
#include <cmath>

namespace {

bool RunsAlong(bool horizontal, int angle) {
    angle %= 360;
    return horizontal ? angle == 0 || angle == 180 : angle == 90 || angle == 270;
}

int LineCount(const std::string& text, bool multiLine) {
    return multiLine ? int(std::count(text.begin(), text.end(), ' ')) + 1 : 1;
}

} // namespace

int TChartAxis::FontHeight(ChartCanvas& canvas, const TChartFont& font, int angle) const {
    canvas.SetFont(font.Described(chart_.PixelScale(), angle));
    return canvas.TextExtent("W").cy;
}

// Width of a label, by its widest line when labels break at blanks.
int TChartAxis::LabelWidth(ChartCanvas& canvas, const std::string& text) const {
    if (!labelsMultiLine_)
        return canvas.TextExtent(text).cx;
    int widest = 0;
    size_t start = 0;
    while (start <= text.size()) {
        size_t blank = text.find(' ', start);
        size_t end = blank == std::string::npos ? text.size() : blank;
        widest = std::max(widest,
                          canvas.TextExtent(std::string_view(text).substr(start, end - start)).cx);
        if (blank == std::string::npos)
            break;
        start = blank + 1;
    }
    return widest;
}

double TChartAxis::CalcIncrement(ChartCanvas& canvas, bool eventAttached) {
    const int height = FontHeight(canvas, labelsFont_, labelsAngle_);
    const int angle = labelsAngle_ % 360;
    int labelSize;
    std::string low = FormatLabel(scale_.minimum, eventAttached);
    std::string high = FormatLabel(scale_.maximum, eventAttached);
    bool acrossText = Horizontal() ? (angle == 90 || angle == 270) : (angle == 0 || angle == 180);
    if (acrossText)
        labelSize =
            height * std::max(LineCount(low, labelsMultiLine_), LineCount(high, labelsMultiLine_));
    else
        labelSize = std::max(LabelWidth(canvas, low), LabelWidth(canvas, high));
    int maxLabels = MaxLabelCount(scale_.Length(), labelSize, labelsSeparation_);
    return LabelIncrement(scale_.Range(), increment_, maxLabels, labelsSeparation_);
}

int TChartAxis::WidestLabel(ChartCanvas& canvas) {
    // Measured with OnGetAxisLabel detached: this is sizing, not drawing.
    double low = scale_.minimum;
    double high = scale_.maximum;
    if (roundFirstLabel_) {
        double increment = CalcIncrement(canvas, false);
        low = increment * std::trunc(low / increment);
        high = increment * std::trunc(high / increment);
    }
    canvas.SetFont(labelsFont_.Described(chart_.PixelScale(), labelsAngle_));
    int widest = std::max(LabelWidth(canvas, FormatLabel(low, false)),
                          LabelWidth(canvas, FormatLabel(high, false)));
    return widest + canvas.TextExtent(" ").cx;
}

void TChartAxis::ReserveSpace(ChartCanvas& canvas, TRect& plot) {
    SetPositions(plot);
    const bool horizontal = Horizontal();
    const ChartScale scale = chart_.PixelScale();
    // Takes `size` pixels off the plot on this axis's side and returns the
    // new edge.
    auto take = [&](int size) {
        if (horizontal)
            return otherSide_ ? (plot.top += size) : (plot.bottom -= size);
        return otherSide_ ? (plot.right -= size) : (plot.left += size);
    };

    if (!title_.Caption().empty()) {
        int size = scale(titleSize_);
        if (size == 0)
            size = RunsAlong(horizontal, title_.Angle())
                       ? FontHeight(canvas, title_.Font())
                       : (canvas.SetFont(title_.Font().Described(scale)),
                          canvas.TextExtent(title_.Caption()).cx);
        posTitle_ = take(size);
    }
    if (labels_) {
        int size = scale(labelsSize_);
        if (size == 0)
            size = RunsAlong(horizontal, labelsAngle_) ? FontHeight(canvas, labelsFont_)
                                                       : WidestLabel(canvas);
        posLabels_ = take(size);
    } else {
        posLabels_ = take(0); // the click area then ends at the axis
    }
    int tickSpace = axisPen_.VisibleWidth(scale) + (ticks_.Visible() ? scale(tickLength_) : 0);
    if (minorTicks_.Visible())
        tickSpace = std::max(tickSpace, scale(minorTickLength_));
    take(tickSpace);
}

void TChartAxis::SetPositions(const TRect& plot) {
    if (Horizontal()) {
        int width = plot.Width();
        scale_.startPos = plot.left + RoundHalfEven(width * startPosition_ / 100.0);
        scale_.endPos = plot.left + RoundHalfEven(width * endPosition_ / 100.0);
        int shift = RoundHalfEven(plot.Height() * positionPercent_ / 100.0);
        posAxis_ = otherSide_ ? plot.top + shift : plot.bottom - shift;
    } else {
        int height = plot.Height();
        scale_.startPos = plot.top + RoundHalfEven(height * startPosition_ / 100.0);
        scale_.endPos = plot.top + RoundHalfEven(height * endPosition_ / 100.0);
        int shift = RoundHalfEven(plot.Width() * positionPercent_ / 100.0);
        posAxis_ = otherSide_ ? plot.right - shift : plot.left + shift;
    }
}

TRect TChartAxis::ClickRect() const {
    const int reach = chart_.PixelScale()(3);
    if (Horizontal()) {
        if (otherSide_)
            return {scale_.startPos, std::min(posLabels_, posAxis_), scale_.endPos,
                    posAxis_ + reach};
        return {scale_.startPos, posAxis_ - reach, scale_.endPos, std::max(posLabels_, posAxis_)};
    }
    if (otherSide_)
        return {posAxis_ - reach, scale_.startPos, std::max(posLabels_, posAxis_), scale_.endPos};
    return {std::min(posLabels_, posAxis_), scale_.startPos, posAxis_ + reach, scale_.endPos};
}
