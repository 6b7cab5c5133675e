#pragma once

#include "toolkit/Color.h"

// The chart's two colour markers besides the toolkit's colours.
constexpr TColor clTeeColor = 0x20000000; // take the colour from the context
constexpr TColor clNone = 0x1FFFFFFF;     // no colour at all
constexpr TColor clBtnHighlight = kSystemColor | COLOR_BTNHIGHLIGHT;

// A colour as plain RGB for drawing: system colours looked up, the default
// colour replaced by `fallback`.
TColor ChartColorToRGB(TColor color, TColor fallback = clBlack);
