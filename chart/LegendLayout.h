#pragma once

#include "ChartGeometry.h"
#include "ChartScale.h"

// What the top legend is laid out from: the plot rectangle so far, the
// measured item texts and the legend's settings (pixel sizes at the chart's
// scale), and that scale, at which its own spacing is laid out.
struct LegendMeasures {
    ChartScale scale;
    TRect plot;
    int boundsWidth = 0;
    int itemCount = 0;
    int textWidth = 0;  // T: the widest item text
    int itemHeight = 0; // H: the legend font's height
    int colorWidthPercent = 12;
    int framePenWidth = 0; // 0 when the frame is hidden
    int shadowSize = 0;
    int topPos = 0;
    int maxNumRows = 10;
};

// The legend of one paint; columns == 0 means it neither draws nor takes space.
struct LegendLayout {
    TRect rect;
    int colorWidth = 0; // C
    int textWidth = 0;  // T
    int itemHeight = 0; // H
    int columns = 0;
    ChartScale scale;
    int rows = 0;

    int ShownItems() const { return columns * rows; }
    // Item k: where its text starts, and its colour box left of the text.
    TPoint TextOrigin(int k) const;
    TRect ColorBox(int k) const;
};

LegendLayout LayoutTopLegend(const LegendMeasures& m);
