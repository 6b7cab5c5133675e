#pragma once

#include "toolkit/Geometry.h"

// The chart's pixel geometry on the toolkit's TPoint and TRect. The plot
// rectangle is the one exception to their half-open rule: its right and
// bottom edge are plot pixels (the back wall's frame lies on them), so the
// chart's tests of it include all four edges.

struct ChartSize {
    int cx = 0;
    int cy = 0;
    friend bool operator==(const ChartSize&, const ChartSize&) = default;
};

inline int CentreX(const TRect& r) {
    return (r.left + r.right) / 2;
}
inline int CentreY(const TRect& r) {
    return (r.top + r.bottom) / 2;
}
inline bool ContainsInclusive(const TRect& r, int x, int y) {
    return x >= r.left && x <= r.right && y >= r.top && y <= r.bottom;
}
inline TRect Inflated(const TRect& r, int dx, int dy) {
    return {r.left - dx, r.top - dy, r.right + dx, r.bottom + dy};
}
