#pragma once

#include "toolkit/ScreenScale.h"

// The chart's designs give every size in pixels (font heights, tick lengths,
// label and title space, pen widths, marker sizes, legend margins) at the
// designed 96 pixels per inch. A chart at another screen scale lays out and
// draws each of them at its own scale through this, so that at 144 it looks
// as at 96, one and a half times as large; the designed values stay as
// given. At 96 every size is the designed one.
struct ChartScale {
    int pixelsPerInch = kDesignedPixelsPerInch;

    int operator()(int designed) const {
        return ScaleLength(designed, pixelsPerInch, kDesignedPixelsPerInch);
    }

    // A pen's width: to the nearest pixel with halves rounded down, and never
    // below one pixel, so that a one-pixel line stays one crisp pixel at
    // 125 and 150 % and becomes two at 175 and 200 %. (A wide pen is also
    // the one thing that makes Wine draw a marker slowly.)
    int PenWidth(int designed) const {
        if (designed <= 0)
            return designed;
        const long long twice = 2LL * designed * pixelsPerInch;
        const int width = int((twice + kDesignedPixelsPerInch - 1) / (2 * kDesignedPixelsPerInch));
        return width < 1 ? 1 : width;
    }
};
