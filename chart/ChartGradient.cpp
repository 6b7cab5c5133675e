#include "ChartGradient.h"

#include "GradientRings.h"

void TChartGradient::Draw(ChartCanvas& canvas, const TRect& bounds) const {
    ForEachGradientBand(bounds, ChartColorToRGB(startColor_), ChartColorToRGB(endColor_),
                        [&](const TRect& band, TColor colour) {
                            if (band.Width() > 0 && band.Height() > 0)
                                canvas.FillRect(band, colour);
                        });
}
