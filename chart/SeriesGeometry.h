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

// Where points are denser than pixels, several fall on one pixel column.
// The column shows one of them: the one of the greatest value, the last of
// equal ones. Its area then covers the areas of all the others there, so a
// point with a value never vanishes however far the chart is zoomed out,
// and the hit test names the point the column shows. A stacked series
// stands on the greatest values of the series below it in that column (see
// TChartSeries::StackingOrigin), so the stack stays a stack.
struct PixelColumn {
    int x = 0;     // the pixel column
    int first = 0; // points first..last fall on it
    int last = -1;
    int shown = -1; // the point it shows
};

// The top and base pixel of what a column shows.
struct ColumnSpan {
    int top = 0;
    int base = 0;
};

// Walks the points first..last in index order, one pixel column at a time:
// consecutive points at the same pixel x make one column. pixelX(i) and
// value(i) give point i's pixel column and value (the pixel is asked once
// per point, the value only where points share a column). Without `merge`
// every point is a column of its own: a line joins every point anyway.
template <typename PixelX, typename Value> class PixelColumns {
public:
    PixelColumns(int first, int last, bool merge, PixelX pixelX, Value value)
        : next_(first), last_(last), merge_(merge), pixelX_(pixelX), value_(value) {
        if (next_ <= last_)
            nextX_ = pixelX_(next_);
    }

    // The next column; false after the last.
    bool Next(PixelColumn& column) {
        if (next_ > last_)
            return false;
        column = {nextX_, next_, next_, next_};
        while (++next_ <= last_) {
            nextX_ = pixelX_(next_);
            if (!merge_ || nextX_ != column.x)
                break;
            column.last = next_;
            if (value_(next_) >= value_(column.shown))
                column.shown = next_;
        }
        return true;
    }

private:
    int next_;
    int last_;
    bool merge_;
    int nextX_ = 0;
    PixelX pixelX_;
    Value value_;
};

// Pixels the platform can still draw; points beyond are skipped.
inline bool DrawablePixel(TPoint p) {
    return p.x >= -32766 && p.x <= 32766 && p.y >= -32766 && p.y <= 32766;
}
