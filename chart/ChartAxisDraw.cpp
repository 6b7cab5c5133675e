#include "ChartAxis.h"

#include "ChartMath.h"
#include "CustomAxisPanel.h"

#include <cmath>

void TChartAxis::Draw(ChartCanvas& canvas, const TRect& plot) {
    const ChartScale scale = chart_.PixelScale();
    DrawTitle(canvas);

    tickPixels_.clear();
    incrementUsed_ = 0;
    if (ResolvedLabelStyle() != talNone) {
        incrementUsed_ = CalcIncrement(canvas, true);
        LabelValues(scale_.minimum, scale_.maximum, incrementUsed_, roundFirstLabel_, labelValues_);
        canvas.SetFont(labelsFont_.Described(scale, labelsAngle_));
        canvas.SetBrush(clWhite, ChartBrushStyle::Clear);
        const int fontHeight = canvas.TextExtent("W").cy;
        for (double value : labelValues_) {
            int pixel = PixelOfValue(value);
            if (!labelsOnAxis_ && !(pixel > scale_.startPos && pixel < scale_.endPos))
                continue;
            if (!tickOnLabelsOnly_ || labels_)
                tickPixels_.push_back(pixel);
            if (labels_)
                DrawLabel(canvas, pixel, FormatLabel(value, true), fontHeight);
        }
    }

    if (axisPen_.Visible()) {
        axisPen_.Apply(canvas, scale);
        if (Horizontal())
            canvas.Line(scale_.startPos, posAxis_, scale_.endPos + 1, posAxis_);
        else
            canvas.Line(posAxis_, scale_.startPos, posAxis_, scale_.endPos + 1);
    }
    DrawTicks(canvas, plot);
    DrawMinorTicks(canvas, plot);
}

void TChartAxis::DrawTitle(ChartCanvas& canvas) {
    const std::string& caption = title_.Caption();
    if (caption.empty())
        return;
    const int angle = title_.Angle() % 360;
    canvas.SetFont(title_.Font().Described(chart_.PixelScale(), angle));
    canvas.SetBrush(clWhite, ChartBrushStyle::Clear);
    ChartSize size = canvas.TextExtent(caption);
    const int centre = scale_.Centre();
    int x, y;
    if (angle == 90) {
        // Runs upwards; its lower edge (the right side) on the title pixel,
        // or its upper edge on it for an axis on the far side.
        x = otherSide_ ? posTitle_ : posTitle_ - size.cy;
        y = Horizontal() ? posTitle_ + size.cx / 2 : centre + size.cx / 2;
        if (Horizontal())
            x = centre - size.cy / 2;
    } else if (angle == 270) {
        x = otherSide_ ? posTitle_ + size.cy : posTitle_;
        y = Horizontal() ? posTitle_ : centre - size.cx / 2;
        if (Horizontal())
            x = centre + size.cy / 2;
    } else if (Horizontal()) {
        x = centre - size.cx / 2;
        y = otherSide_ ? posTitle_ - size.cy : posTitle_;
        if (angle == 180) {
            x = centre + size.cx / 2;
            y += size.cy;
        }
    } else {
        x = otherSide_ ? posTitle_ : posTitle_ - size.cx;
        y = centre - size.cy / 2;
    }
    canvas.TextAt(x, y, caption);
}

void TChartAxis::DrawLabel(ChartCanvas& canvas, int tick, const std::string& text, int fontHeight) {
    lines_.clear();
    if (labelsMultiLine_) {
        size_t start = 0;
        for (;;) {
            size_t blank = text.find(' ', start);
            lines_.push_back(
                text.substr(start, blank == std::string::npos ? blank : blank - start));
            if (blank == std::string::npos)
                break;
            start = blank + 1;
        }
    } else {
        lines_.push_back(text);
    }
    const int count = int(lines_.size());
    const bool horizontal = Horizontal();
    for (int i = 0; i < count; ++i) {
        const std::string& line = lines_[size_t(i)];
        const int width = canvas.TextExtent(line).cx;
        const int step = i * fontHeight;
        int x, y;
        switch (labelsAngle_) {
        case 0:
            if (horizontal) {
                x = tick - width / 2;
                y = otherSide_ ? posLabels_ - count * fontHeight + step : posLabels_ + step;
            } else {
                x = otherSide_ ? posLabels_ : posLabels_ - width;
                y = tick - count * fontHeight / 2 + step;
            }
            break;
        case 90: // reads upwards, its base towards the axis
            if (horizontal) {
                x = tick - count * fontHeight / 2 + step;
                y = otherSide_ ? posLabels_ : posLabels_ + width;
            } else {
                x = otherSide_ ? posLabels_ + step : posLabels_ - count * fontHeight + step;
                y = tick + width / 2;
            }
            break;
        case 270: // reads downwards
            if (horizontal) {
                x = tick + count * fontHeight / 2 - step;
                y = otherSide_ ? posLabels_ - width : posLabels_;
            } else {
                x = otherSide_ ? posLabels_ + count * fontHeight - step : posLabels_ - step;
                y = tick - width / 2;
            }
            break;
        case 180: // upside down, mirrored about the anchor
            if (horizontal) {
                x = tick + width / 2;
                y = otherSide_ ? posLabels_ - step : posLabels_ + count * fontHeight - step;
            } else {
                x = otherSide_ ? posLabels_ + width : posLabels_;
                y = tick + count * fontHeight / 2 - step;
            }
            break;
        default:
            // Any other angle (360 among them): turned about the anchor, so
            // each label starts at its tick.
            x = horizontal ? tick : posLabels_;
            y = (horizontal ? posLabels_ : tick) + step;
            break;
        }
        canvas.TextAt(x, y, line);
    }
}

// A tick of `length` pixels at `pos` along the axis, starting `from` pixels
// off the axis line; positive lengths point away from the plot.
void TChartAxis::TickLine(ChartCanvas& canvas, int pos, int from, int length) const {
    const int sign = Horizontal() ? (otherSide_ ? -1 : 1) : (otherSide_ ? 1 : -1);
    const int a = posAxis_ + sign * from;
    const int b = posAxis_ + sign * (from + length);
    if (Horizontal())
        canvas.Line(pos, a, pos, b);
    else
        canvas.Line(a, pos, b, pos);
}

void TChartAxis::DrawTicks(ChartCanvas& canvas, const TRect& plot) {
    if (tickPixels_.empty())
        return;
    const ChartScale scale = chart_.PixelScale();
    if (ticks_.Visible() && tickLength_ > 0) {
        ticks_.Apply(canvas, scale);
        for (int pixel : tickPixels_)
            TickLine(canvas, pixel, 1, scale(tickLength_));
    }
    if (ticksInner_.Visible() && tickInnerLength_ > 0) {
        ticksInner_.Apply(canvas, scale);
        for (int pixel : tickPixels_)
            TickLine(canvas, pixel, 0, -scale(tickInnerLength_));
    }
    if (grid_.Visible()) {
        grid_.Apply(canvas, scale, clGray);
        // Inside the back wall's frame only: a grid line on the plot's edge
        // would paint over the frame in the grid's colour.
        auto gridLine = [&](int pixel) {
            if (Horizontal()) {
                if (pixel > plot.left && pixel < plot.right)
                    canvas.Line(pixel, plot.top + 1, pixel, plot.bottom);
            } else if (pixel > plot.top && pixel < plot.bottom) {
                canvas.Line(plot.left + 1, pixel, plot.right, pixel);
            }
        };
        if (gridCentered_) {
            for (size_t i = 1; i < tickPixels_.size(); ++i)
                gridLine((tickPixels_[i - 1] + tickPixels_[i]) / 2);
        } else {
            for (int pixel : tickPixels_)
                gridLine(pixel);
        }
    }
}

void TChartAxis::DrawMinorTicks(ChartCanvas& canvas, const TRect& plot) {
    const bool ticksShown = minorTicks_.Visible() && minorTickLength_ > 0;
    const bool gridShown = minorGrid_.Visible();
    if ((!ticksShown && !gridShown) || tickPixels_.empty() || minorTickCount_ <= 0)
        return;
    const ChartScale scale = chart_.PixelScale();
    auto minor = [&](double position) {
        int pixel = int(std::lround(position));
        if (pixel <= scale_.startPos || pixel >= scale_.endPos)
            return;
        if (ticksShown) {
            minorTicks_.Apply(canvas, scale);
            TickLine(canvas, pixel, 1, scale(minorTickLength_));
        }
        if (gridShown) {
            minorGrid_.Apply(canvas, scale, clGray);
            if (Horizontal())
                canvas.Line(pixel, plot.top + 1, pixel, plot.bottom);
            else
                canvas.Line(plot.left + 1, pixel, plot.right, pixel);
        }
    };
    const int parts = minorTickCount_ + 1;
    for (size_t i = 1; i < tickPixels_.size(); ++i) {
        double spacing = double(tickPixels_[i] - tickPixels_[i - 1]) / parts;
        for (int j = 1; j <= minorTickCount_; ++j)
            minor(tickPixels_[i] - j * spacing);
    }
    if (tickPixels_.size() >= 2 && !logarithmic_) {
        double spacing = double(tickPixels_[1] - tickPixels_[0]) / parts;
        for (int j = 1; j <= minorTickCount_; ++j) {
            minor(tickPixels_.front() - j * spacing);
            minor(tickPixels_.back() + j * spacing);
        }
    }
}
