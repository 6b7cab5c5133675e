#pragma once

#include "ChartAxis.h"
#include "ChartPen.h"
#include "ChartSeries.h"
#include "SeriesGeometry.h"
#include "SeriesPointer.h"

#include <utility>

// Line and area series: points joined by lines, or filled down to a base,
// with optional markers. An area draws the points that share a pixel
// column as one (see PixelColumn). The hit test finds the point whose
// marker, segment, strip or column lies under a pixel.
class TCustomSeries : public TChartSeries {
public:
    explicit TCustomSeries(TComponent* owner = nullptr);

    TChartPen& LinePen() { return linePen_; }
    const TChartPen& LinePen() const { return linePen_; }
    TSeriesPointer& Pointer() { return pointer_; }
    const TSeriesPointer& Pointer() const { return pointer_; }
    bool DrawArea() const { return drawArea_; }
    void SetDrawArea(bool draw) { StoreAndRepaint(drawArea_, draw); }
    TChartPen& AreaLinesPen() { return areaLinesPen_; }
    TColor AreaColor() const { return areaColor_; }
    void SetAreaColor(TColor color) { StoreAndRepaint(areaColor_, color); }
    ChartBrushStyle AreaBrush() const { return areaBrush_; }
    void SetAreaBrush(ChartBrushStyle style) { StoreAndRepaint(areaBrush_, style); }
    bool Stairs() const { return stairs_; }
    void SetStairs(bool stairs) { StoreAndRepaint(stairs_, stairs); }
    bool InvertedStairs() const { return invertedStairs_; }
    void SetInvertedStairs(bool inverted) { StoreAndRepaint(invertedStairs_, inverted); }

    void DrawValues(ChartCanvas& canvas) override;
    void DrawLegendShape(ChartCanvas& canvas, const TRect& box) const override;
    int PointAtPixel(int x, int y) const override;
    bool IsKindOf(const TChartSeries& other) const override;

    // Pixel position of point `index`, and the pixel its area reaches down to.
    TPoint PixelOf(int index) const;
    int BasePixel(int index) const;
    // The top and base pixel a column of points is drawn between.
    virtual ColumnSpan SpanOf(const PixelColumn& column) const;

protected:
    // The points first..last column by column, as the series draws them: an
    // area merges the points of one pixel column, a line takes every point.
    // The pixels are the horizontal axis's as last laid out.
    auto Columns(int first, int last) const {
        const TChartAxis& horizontal = GetHorizAxis();
        return PixelColumns(
            first, last, drawArea_,
            [&horizontal, this](int i) { return horizontal.PixelOfValue(XAt(i)); },
            [this](int i) { return YAt(i); });
    }

private:
    PixelColumn ColumnOfPoint(int index) const;
    TPoint LineStartAtLeftEdge(int first) const;
    // The index range of the visible points the hit test walks for pixel
    // column x: from the start of the column before the first that can be
    // hit (it begins the strip into that one) to the start of the last.
    std::pair<int, int> HitCandidates(int x, int first, int last) const;
    void DrawSegment(ChartCanvas& canvas, TPoint from, int fromBase, TPoint to, int toBase,
                     TColor color);

    TChartPen linePen_;
    TSeriesPointer pointer_;
    bool drawArea_ = false;
    TChartPen areaLinesPen_;
    TColor areaColor_ = clTeeColor;
    ChartBrushStyle areaBrush_ = ChartBrushStyle::Solid;
    bool stairs_ = false;
    bool invertedStairs_ = false;
};

class TLineSeries : public TCustomSeries {
public:
    explicit TLineSeries(TComponent* owner = nullptr) : TCustomSeries(owner) {}
    bool IsKindOf(const TChartSeries& other) const override;
};
