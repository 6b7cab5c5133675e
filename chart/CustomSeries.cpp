#include "CustomSeries.h"

#include "ChartAxis.h"
#include "CustomAxisPanel.h"
#include "SeriesGeometry.h"

#include <algorithm>

TCustomSeries::TCustomSeries(TComponent* owner) : TChartSeries(owner) {
    auto changed = [this] { RequestRepaint(); };
    linePen_.SetOnChange(changed);
    pointer_.Link(changed);
    areaLinesPen_.SetOnChange(changed);
}

bool TCustomSeries::IsKindOf(const TChartSeries& other) const {
    return dynamic_cast<const TCustomSeries*>(&other) != nullptr;
}

bool TLineSeries::IsKindOf(const TChartSeries& other) const {
    return dynamic_cast<const TLineSeries*>(&other) != nullptr;
}

ColumnSpan TCustomSeries::SpanOf(const PixelColumn& column) const {
    return {GetVertAxis().PixelOfValue(YAt(column.shown)), ParentChart()->PlotRect().bottom};
}

PixelColumn TCustomSeries::ColumnOfPoint(int index) const {
    return {GetHorizAxis().PixelOfValue(XAt(index)), index, index, index};
}

TPoint TCustomSeries::PixelOf(int index) const {
    const PixelColumn column = ColumnOfPoint(index);
    return {column.x, SpanOf(column).top};
}

int TCustomSeries::BasePixel(int index) const {
    return SpanOf(ColumnOfPoint(index)).base;
}

// A line whose first visible point is not the series' first starts at the
// plot's left edge, where the segment from the point before would cross it.
TPoint TCustomSeries::LineStartAtLeftEdge(int first) const {
    const TChartAxis& horizontal = GetHorizAxis();
    const int edge = horizontal.Scale().startPos;
    const double edgeValue = horizontal.ValueAtPixel(edge);
    const double x0 = XAt(first - 1), x1 = XAt(first);
    const double y0 = YAt(first - 1), y1 = YAt(first);
    const double y = x1 == x0 ? y0 : y0 + (y1 - y0) * (edgeValue - x0) / (x1 - x0);
    return {edge, GetVertAxis().PixelOfValue(y)};
}

void TCustomSeries::DrawSegment(ChartCanvas& canvas, TPoint from, int fromBase, TPoint to,
                                int toBase, TColor color) {
    if (drawArea_) {
        const TPoint strip[4] = {from, to, {to.x, toBase}, {from.x, fromBase}};
        areaLinesPen_.Apply(canvas, PixelScale(), color);
        canvas.SetBrush(ChartColorToRGB(areaColor_ != clTeeColor ? areaColor_ : color), areaBrush_);
        canvas.Polygon(strip, 4);
    }
    if (linePen_.Visible()) {
        canvas.SetPen(ChartColorToRGB(color), PixelScale().PenWidth(linePen_.Width()),
                      linePen_.Style());
        canvas.Line(from.x, from.y, to.x, to.y);
    }
}

void TCustomSeries::DrawValues(ChartCanvas& canvas) {
    const int first = FirstVisible();
    const int last = LastVisible();
    if (first < 0)
        return;
    const bool pointers = pointer_.Visible();
    bool havePrevious = false;
    TPoint previous;
    int previousBase = 0;
    if (first > 0) {
        if (drawArea_) {
            const PixelColumn before = ColumnOfPoint(first - 1);
            const ColumnSpan span = SpanOf(before);
            previous = {before.x, span.top};
            previousBase = span.base;
        } else {
            previous = LineStartAtLeftEdge(first);
        }
        havePrevious = DrawablePixel(previous);
    }
    int pointerIndex = -1; // the point of the last drawn column, whose marker is still due
    TPoint pointerAt;
    auto columns = Columns(first, last);
    for (PixelColumn column; columns.Next(column);) {
        const ColumnSpan span = SpanOf(column);
        const TPoint p{column.x, span.top};
        if (!DrawablePixel(p))
            continue;
        const int i = column.shown;
        const TColor color = ValueColor(i);
        // A point of no colour leaves a gap: its segment is not drawn.
        if (havePrevious && !(p == previous) && color != clNone)
            DrawSegment(canvas, previous, previousBase, p, span.base, color);
        // A marker goes on after the segment that leaves its point, so it
        // lies over both of its segments.
        if (pointers && pointerIndex >= 0 && ValueColor(pointerIndex) != clNone)
            pointer_.Draw(canvas, PixelScale(), pointerAt.x, pointerAt.y, ValueColor(pointerIndex));
        previous = p;
        previousBase = span.base;
        havePrevious = true;
        pointerIndex = i;
        pointerAt = p;
    }
    // The platform fills a polygon's left edge and not its right one, so
    // each column of an area is filled by the strip that leaves it; the last
    // column, which no strip leaves, gets a strip one pixel wide.
    if (drawArea_ && pointerIndex >= 0 && ValueColor(pointerIndex) != clNone)
        DrawSegment(canvas, previous, previousBase, {previous.x + 1, previous.y}, previousBase,
                    ValueColor(pointerIndex));
    if (pointers && pointerIndex >= 0 && ValueColor(pointerIndex) != clNone)
        pointer_.Draw(canvas, PixelScale(), pointerAt.x, pointerAt.y, ValueColor(pointerIndex));
}

// Points in ascending x order lie at non-decreasing pixels, so only those
// within a marker's reach of x, and the segments that end at them or start
// from the last of them, can be hit. The walk starts one column before them
// (the strip into the first of them starts there) and then meets its first
// hit where a walk from the first visible point would: every test before
// it misses.
std::pair<int, int> TCustomSeries::HitCandidates(int x, int first, int last) const {
    const TChartAxis& horizontal = GetHorizAxis();
    auto pixelX = [&](int i) { return horizontal.PixelOfValue(XAt(i)); };
    if (XValues().Order() != loAscending || pixelX(first) > pixelX(last))
        return {first, last};
    const int reach = pointer_.Visible() ? std::max(pointer_.ScaledHorizSize(PixelScale()), 1) : 0;
    auto firstAtOrRightOf = [&](int pixel) {
        int low = first, high = last + 1;
        while (low < high) {
            const int mid = low + (high - low) / 2;
            if (pixelX(mid) < pixel)
                low = mid + 1;
            else
                high = mid;
        }
        return low;
    };
    int from = std::max(first, firstAtOrRightOf(x - reach));
    if (from > first)
        from = firstAtOrRightOf(pixelX(from - 1));
    const int to = std::min(last, firstAtOrRightOf(x + reach + 1));
    return {from, to};
}

int TCustomSeries::PointAtPixel(int x, int y) const {
    const int first = FirstVisible();
    const int last = std::min(LastVisible(), PointCount() - 1);
    if (first < 0 || last < first || !ParentChart())
        return -1;
    const auto [from, to] = HitCandidates(x, first, last);
    const TPoint pixel{x, y};
    const bool pointers = pointer_.Visible();
    const int pointerWidth = pointer_.ScaledHorizSize(PixelScale());
    const int pointerHeight = pointer_.ScaledVertSize(PixelScale());
    bool havePrevious = false;
    TPoint previous;
    int previousBase = 0;
    int previousShown = -1;
    auto columns = Columns(from, last);
    for (PixelColumn column; columns.Next(column) && column.first <= to;) {
        const ColumnSpan span = SpanOf(column);
        const TPoint p{column.x, span.top};
        const int i = column.shown;
        if (pointers && std::abs(p.x - x) < pointerWidth && std::abs(p.y - y) < pointerHeight)
            return i;
        if (p == pixel)
            return i;
        // An area fills a column of points from its top to its base for the
        // point it shows and for nothing else: the strip that leaves the
        // column fills only its left edge there, the strip that ends on it
        // nothing (see DrawValues). So the point is named there, and a strip
        // only between the columns of its two ends. Otherwise the edges of a
        // strip one pixel wide would claim the columns beside it: a series
        // stacked on a spike, with nothing of its own there, would be named
        // over the spike.
        if (drawArea_ && x == p.x && y >= std::min(p.y, span.base) && y <= std::max(p.y, span.base))
            return i;
        if (havePrevious && (!drawArea_ || (x > previous.x && x < p.x))) {
            if (PixelOnSegment(pixel, previous, p))
                return previousShown;
            if (drawArea_) {
                const TPoint strip[4] = {previous, p, {p.x, span.base}, {previous.x, previousBase}};
                if (PixelInPolygon(pixel, strip, 4))
                    return previousShown;
            }
        }
        previous = p;
        previousBase = span.base;
        previousShown = i;
        havePrevious = true;
    }
    return -1;
}

void TCustomSeries::DrawLegendShape(ChartCanvas& canvas, const TRect& box) const {
    const TColor color = ChartColorToRGB(SeriesColor());
    if (drawArea_) {
        if (areaLinesPen_.Visible()) {
            areaLinesPen_.Apply(canvas, PixelScale(), color);
            canvas.SetBrush(color, areaBrush_);
            canvas.Rectangle(box);
        } else if (areaBrush_ == ChartBrushStyle::Solid) {
            canvas.FillRect(box, color);
        }
        return;
    }
    if (linePen_.Visible()) {
        canvas.SetPen(color, PixelScale().PenWidth(linePen_.Width()), linePen_.Style());
        canvas.Line(box.left, CentreY(box), box.right, CentreY(box));
    }
    if (pointer_.Visible())
        pointer_.Draw(canvas, PixelScale(), CentreX(box), CentreY(box), color);
}
