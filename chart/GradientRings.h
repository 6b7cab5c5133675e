#pragma once

#include "ChartColor.h"
#include "ChartGeometry.h"
#include "ChartMath.h"

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
        strip(TRect{bounds.left + b, bounds.top + a, bounds.left + b + 1, bounds.bottom - a},
              colour);
        strip(TRect{bounds.right - b - 1, bounds.top + a, bounds.right - b, bounds.bottom - a},
              colour);
        strip(TRect{bounds.left + b, bounds.top + a, bounds.right - b, bounds.top + a + 1}, colour);
        strip(TRect{bounds.left + b, bounds.bottom - a - 1, bounds.right - b, bounds.bottom - a},
              colour);
        if (a < halfH)
            ++a;
        if (b < halfW)
            ++b;
    } while (a < halfH || b < halfW);
}
