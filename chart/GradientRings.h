#pragma once

#include "ChartColor.h"
#include "ChartGeometry.h"
#include "ChartMath.h"

#include <algorithm>

// The centre gradient as a sequence of one-pixel rings: ring n is inset by
// n pixels on each side until that side reaches the centre, so a wide chart
// ends in a horizontal band. Ring 0 is exactly `start`; the colour moves
// towards `end` by (a + b) / (w/2 + h/2). Both colours are plain RGB.
inline TColor GradientRingColor(TColor start, TColor end, int inset, int span) {
    auto channel = [&](int shift) {
        int s = int((start >> shift) & 0xFF);
        int e = int((end >> shift) & 0xFF);
        int c = span > 0 ? s + MulDivRound(e - s, inset, span) : s;
        return TColor(c < 0 ? 0 : c > 255 ? 255 : c) << shift;
    };
    return channel(0) | channel(8) | channel(16);
}

// The four strips of the ring with vertical inset a and horizontal inset b;
// some are empty (no width or no height) once an inset has reached the centre.
template <typename Strip>
void GradientRingStrips(const TRect& bounds, int a, int b, Strip&& strip) {
    strip(TRect{bounds.left + b, bounds.top + a, bounds.left + b + 1, bounds.bottom - a});
    strip(TRect{bounds.right - b - 1, bounds.top + a, bounds.right - b, bounds.bottom - a});
    strip(TRect{bounds.left + b, bounds.top + a, bounds.right - b, bounds.top + a + 1});
    strip(TRect{bounds.left + b, bounds.bottom - a - 1, bounds.right - b, bounds.bottom - a});
}

// Calls strip(rect, colour) for the four strips of every ring, outside in.
template <typename Strip>
void ForEachGradientStrip(const TRect& bounds, TColor start, TColor end, Strip&& strip) {
    const int w = bounds.Width();
    const int h = bounds.Height();
    const int halfW = w / 2;
    const int halfH = h / 2;
    int a = 0; // vertical inset
    int b = 0; // horizontal inset
    do {
        TColor colour = GradientRingColor(start, end, a + b, halfW + halfH);
        GradientRingStrips(bounds, a, b, [&](const TRect& r) { strip(r, colour); });
        if (a < halfH)
            ++a;
        if (b < halfW)
            ++b;
    } while (a < halfH || b < halfW);
}

// The same picture as ForEachGradientStrip in far fewer fills (a fill costs
// the platform far more than its pixels): neighbouring rings of one colour
// are painted together. Ring n has the insets min(n, h/2) and min(n, w/2).
// While both insets grow, rings n0..n1 are exactly the frame between ring
// n0's outer edge and ring n1 + 1's; once one inset has stopped, each ring
// lies inside the one before it, so ring n0 covers the rings after it.
// Calls fill(rect, colour) outside in; rectangles may be empty.
template <typename Fill>
void ForEachGradientBand(const TRect& bounds, TColor start, TColor end, Fill&& fill) {
    const int halfW = bounds.Width() / 2;
    const int halfH = bounds.Height() / 2;
    const int rings = std::max(std::max(halfW, halfH), 1);
    auto insetA = [&](int n) { return std::min(n, halfH); };
    auto insetB = [&](int n) { return std::min(n, halfW); };
    auto colourOf = [&](int n) {
        return GradientRingColor(start, end, insetA(n) + insetB(n), halfW + halfH);
    };
    auto bothGrow = [&](int n) { return n < halfH && n < halfW; };
    for (int n0 = 0, n1 = 0; n0 < rings; n0 = n1 + 1) {
        const TColor colour = colourOf(n0);
        n1 = n0;
        while (n1 + 1 < rings && bothGrow(n1 + 1) == bothGrow(n0) && colourOf(n1 + 1) == colour)
            ++n1;
        if (!bothGrow(n0)) {
            GradientRingStrips(bounds, insetA(n0), insetB(n0),
                               [&](const TRect& r) { fill(r, colour); });
            continue;
        }
        const TRect outer{bounds.left + n0, bounds.top + n0, bounds.right - n0, bounds.bottom - n0};
        const TRect inner{bounds.left + n1 + 1, bounds.top + n1 + 1, bounds.right - n1 - 1,
                          bounds.bottom - n1 - 1};
        if (inner.Width() <= 0 || inner.Height() <= 0) {
            fill(outer, colour);
            continue;
        }
        fill(TRect{outer.left, outer.top, outer.right, inner.top}, colour);
        fill(TRect{outer.left, inner.bottom, outer.right, outer.bottom}, colour);
        fill(TRect{outer.left, inner.top, inner.left, inner.bottom}, colour);
        fill(TRect{inner.right, inner.top, outer.right, inner.bottom}, colour);
    }
}
