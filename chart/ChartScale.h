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
};
