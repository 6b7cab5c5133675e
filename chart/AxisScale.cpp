#include "AxisScale.h"

#include "ChartMath.h"

#include <cmath>

namespace {
constexpr double kMaxPixelQuotient = 2147483647.0;
constexpr double kSmallestIncrement = 1e-12;
} // namespace

double AxisScale::ValueAtPixel(int pixel) const {
    if (Length() < 1)
        return 0;
    double d = inverted ? double(endPos - pixel) * Range() / Length()
                        : double(pixel - startPos) * Range() / Length();
    return horizontal ? minimum + d : maximum - d;
}

int AxisScale::PixelOfValue(double value) const {
    double range = Range();
    if (range == 0)
        return Centre();
    double q = (value - minimum) * Length() / range;
    if (!(std::fabs(q) < kMaxPixelQuotient))
        return Centre();
    int k = RoundHalfEven(q);
    if (horizontal)
        return inverted ? endPos - k : startPos + k;
    return inverted ? startPos + k : endPos - k;
}

double NextLabelStep(double step) {
    if (!(step > 0))
        return kSmallestIncrement;
    double scale = 1;
    while (step >= 10) {
        step /= 10;
        scale *= 10;
    }
    while (step < 1) {
        step *= 10;
        scale /= 10;
    }
    double next = step < 2 ? 2 : step < 5 ? 5 : 10;
    return next * scale;
}

int MaxLabelCount(int axisLength, int labelSize, int separationPercent) {
    if (labelSize <= 0)
        return 1;
    int perLabel = labelSize + RoundHalfEven(labelSize * separationPercent / 100.0);
    if (perLabel <= 0)
        return 1;
    return RoundHalfEven(double(axisLength) / perLabel);
}

double LabelIncrement(double range, double increment, int maxLabels, int separationPercent) {
    if (maxLabels < 1)
        return kSmallestIncrement;
    double step = increment > 0 ? increment : std::fabs(range) >= 1 ? 1.0 : kSmallestIncrement;
    if (separationPercent > 0) {
        for (;;) {
            double q = range / step;
            if (std::fabs(q) < kMaxPixelQuotient && RoundHalfEven(q) <= maxLabels)
                break;
            step = NextLabelStep(step);
        }
    }
    return step < kSmallestIncrement ? kSmallestIncrement : step;
}

void LabelValues(double minimum, double maximum, double increment, bool roundFirst,
                 std::vector<double>& out, size_t limit) {
    out.clear();
    if (!(increment > 0) || maximum < minimum)
        return;
    if (std::fabs((maximum - minimum) / increment) >= 10000)
        return;
    double value;
    if (minimum == maximum)
        value = maximum;
    else if (roundFirst)
        value = increment * std::trunc(maximum / increment);
    else
        value = maximum;
    while (value > maximum)
        value -= increment;
    const double lowest = (minimum - 1e-12) / 1.000000000001;
    while (value >= lowest && out.size() < limit) {
        out.push_back(value);
        value -= increment;
    }
}
