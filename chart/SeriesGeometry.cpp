#include "SeriesGeometry.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace {

// First index whose value is not less than `value`, in an ascending list.
int LowerBound(const TChartValueList& list, double value) {
    int low = 0;
    int high = list.Count();
    while (low < high) {
        int mid = low + (high - low) / 2;
        if (list.Value(mid) < value)
            low = mid + 1;
        else
            high = mid;
    }
    return low;
}

} // namespace

IndexRange VisibleIndexRange(const TChartValueList& xValues, double lowValue, double highValue) {
    const int count = xValues.Count();
    if (count == 0)
        return {};
    if (xValues.Order() != loAscending)
        return {0, count - 1};
    int first = LowerBound(xValues, lowValue);
    if (first >= count)
        return {};
    int last = count - 1;
    if (xValues.Value(last) > highValue)
        last = std::max(first, LowerBound(xValues, highValue));
    return {first, last};
}

bool PixelOnSegment(TPoint pixel, TPoint q, TPoint p) {
    const int64_t dx = int64_t(q.x) - p.x;
    const int64_t dy = int64_t(q.y) - p.y;
    const int64_t cross = dx * (int64_t(pixel.y) - p.y) - (int64_t(pixel.x) - p.x) * dy;
    if (std::llabs(cross) >= std::max(std::llabs(dx), std::llabs(dy)))
        return false;
    return pixel.x >= std::min(q.x, p.x) && pixel.x <= std::max(q.x, p.x) &&
           pixel.y >= std::min(q.y, p.y) && pixel.y <= std::max(q.y, p.y);
}

bool PixelInPolygon(TPoint pixel, const TPoint* corners, int count) {
    bool inside = false;
    for (int i = 0, j = count - 1; i < count; j = i++) {
        const TPoint a = corners[i];
        const TPoint b = corners[j];
        if (a == pixel || PixelOnSegment(pixel, b, a))
            return true;
        if ((a.y > pixel.y) != (b.y > pixel.y)) {
            double crossX = a.x + double(pixel.y - a.y) * (b.x - a.x) / double(b.y - a.y);
            if (pixel.x < crossX)
                inside = !inside;
        }
    }
    return inside;
}
