#pragma once

#include <cstddef>
#include <vector>

// The mapping of one axis between values and pixels, as laid out by the last
// paint: plain data, so zoom, panning and hit tests can be checked without
// drawing anything.
struct AxisScale {
    bool horizontal = true;
    bool inverted = false;
    int startPos = 0; // left or top pixel
    int endPos = 0;   // right or bottom pixel
    double minimum = 0;
    double maximum = 0;

    double Range() const { return maximum - minimum; }
    int Length() const { return endPos - startPos; }
    int Centre() const { return (startPos + endPos) / 2; }

    double ValueAtPixel(int pixel) const;
    // Values too far off the axis for a pixel (and every value of an empty
    // range) map to the centre pixel.
    int PixelOfValue(double value) const;
};

// The label step after `step` in the 1, 2, 5 series: 1 → 2 → 5 → 10, 60 → 100.
double NextLabelStep(double step);

// How many labels of `labelSize` pixels, `separationPercent` apart, fit on
// an axis of `axisLength` pixels (1 when the size is not positive).
int MaxLabelCount(int axisLength, int labelSize, int separationPercent);

// The label increment: `increment` (0 = automatic) widened through the 1, 2,
// 5 series until `range` needs at most `maxLabels` labels; at least 1e-12.
double LabelIncrement(double range, double increment, int maxLabels, int separationPercent);

// The label values of an axis, from the maximum down; none when there would
// be 10000 or more. `out` is reused so that painting allocates nothing.
void LabelValues(double minimum, double maximum, double increment, bool roundFirst,
                 std::vector<double>& out, size_t limit = 2000);
