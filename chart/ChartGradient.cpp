#include "ChartGradient.h"

#include "GradientRings.h"

void TChartGradient::Draw(ChartCanvas& canvas, const TRect& bounds) const {
    ForEachGradientStrip(bounds, ChartColorToRGB(startColor_), ChartColorToRGB(endColor_),
                         [&](const TRect& strip, TColor colour) {
                             if (strip.Width() > 0 && strip.Height() > 0)
                                 canvas.FillRect(strip, colour);
                         });
}
