#pragma once

#include "ChartGeometry.h"
#include "ChartValueList.h"

// The indices a series draws between the values at the plot's two edges:
// from the first point not left of `lowValue`, to the first point not left
// of `highValue` (one past the edge, so lines and areas reach it) or the
// last point. Unordered lists are visible whole. first == -1: nothing.
struct IndexRange {
    int first = -1;
    int last = -1;
};
IndexRange VisibleIndexRange(const TChartValueList& xValues, double lowValue, double highValue);

// Hit-test primitives, edges included.
bool PixelOnSegment(TPoint pixel, TPoint q, TPoint p);
bool PixelInPolygon(TPoint pixel, const TPoint* corners, int count);

// Pixels the platform can still draw; points beyond are skipped.
inline bool DrawablePixel(TPoint p) {
    return p.x >= -32766 && p.x <= 32766 && p.y >= -32766 && p.y <= 32766;
}
