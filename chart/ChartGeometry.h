#pragma once

// Pixel geometry of the chart: client coordinates, right and bottom edges
// exclusive as GDI has them, unless a caller says otherwise.
struct ChartPoint {
    int x = 0;
    int y = 0;
    friend bool operator==(const ChartPoint&, const ChartPoint&) = default;
};

struct ChartSize {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const ChartSize&, const ChartSize&) = default;
};

struct ChartRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
    int CentreX() const { return (left + right) / 2; }
    int CentreY() const { return (top + bottom) / 2; }
    // Edges included on all four sides: the plot rectangle's hit and
    // panning tests treat its border pixels as inside.
    bool ContainsInclusive(int x, int y) const {
        return x >= left && x <= right && y >= top && y <= bottom;
    }
    ChartRect Inflated(int dx, int dy) const {
        return {left - dx, top - dy, right + dx, bottom + dy};
    }
    friend bool operator==(const ChartRect&, const ChartRect&) = default;
};
