#pragma once

// Whether a chart painted at another screen scale is the designed chart made
// larger: both painted on recording canvases whose characters are as wide as
// the scales say (kDesignedCharWidth at 96), compared shape by shape.
#include "chart/CustomAxisPanel.h"
#include "chart/RecordingChartCanvas.h"
#include "toolkit/ScreenScale.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace chart_at_scale {

// Eight pixels a character at 96: a width every common scale takes exactly.
constexpr int kDesignedCharWidth = 8;

using Op = RecordingChartCanvas::Op;
using Kind = RecordingChartCanvas::Kind;

// Everything but fills: the background's rings and the bevels are fills,
// and there are more of them in a larger picture.
inline std::vector<Op> Paint(TCustomAxisPanel& chart) {
    const int width =
        ScaleLength(kDesignedCharWidth, chart.PixelsPerInch(), kDesignedPixelsPerInch);
    RecordingChartCanvas canvas(width);
    chart.Draw(canvas);
    std::vector<Op> shapes;
    for (Op& op : canvas.ops)
        if (op.kind != Kind::Fill)
            shapes.push_back(std::move(op));
    return shapes;
}

inline std::string Describe(const Op& op) {
    const TRect& r = op.rect;
    return "op " + std::to_string(int(op.kind)) + " '" + op.text + "' " + std::to_string(r.left) +
           "," + std::to_string(r.top) + "," + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

// Each coordinate within `tolerance` pixels of the designed one scaled (the
// roundings of margins, label rows and axis ends add up to a few); font
// heights and pen widths scaled exactly (pens by their own rounding).
inline void ExpectLaidOutToScale(const std::vector<Op>& designed, const std::vector<Op>& scaled,
                                 int ppi, int tolerance) {
    ASSERT_EQ(designed.size(), scaled.size()) << "another number of shapes at " << ppi;
    auto s = [ppi](int value) { return ScaleLength(value, ppi, kDesignedPixelsPerInch); };
    auto within = [&](int designedValue, int scaledValue) {
        return std::abs(s(designedValue) - scaledValue) <= tolerance;
    };
    int misses = 0;
    for (size_t i = 0; i < designed.size() && misses < 10; ++i) {
        const Op& d = designed[i];
        const Op& k = scaled[i];
        const bool same =
            d.kind == k.kind && d.text == k.text && within(d.rect.left, k.rect.left) &&
            within(d.rect.top, k.rect.top) && within(d.rect.right, k.rect.right) &&
            within(d.rect.bottom, k.rect.bottom) && d.points.size() == k.points.size();
        bool pointsNear = same;
        for (size_t p = 0; pointsNear && p < d.points.size(); ++p)
            pointsNear =
                within(d.points[p].x, k.points[p].x) && within(d.points[p].y, k.points[p].y);
        if (!pointsNear) {
            ADD_FAILURE() << "shape " << i << " at " << ppi << ": " << Describe(k)
                          << " is not the designed " << Describe(d) << " scaled";
            ++misses;
            continue;
        }
        if (d.kind == Kind::Text) {
            EXPECT_EQ(k.font.height, s(d.font.height)) << Describe(k);
        } else if (d.penStyle != ChartPenStyle::Clear) {
            EXPECT_EQ(k.penWidth, ChartScale{ppi}.PenWidth(d.penWidth)) << Describe(k);
        }
    }
}

} // namespace chart_at_scale
