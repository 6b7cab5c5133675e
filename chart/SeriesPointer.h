#pragma once

#include "ChartPen.h"

enum TSeriesPointerStyle {
    psRectangle,
    psCircle,
    psTriangle,
    psDownTriangle,
    psCross,
    psDiagCross,
    psStar,
    psDiamond,
    psSmallDot
};

// The marker drawn at the points of a line or area series.
class TSeriesPointer : public TChartPersistent {
public:
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { Store(visible_, visible); }
    TSeriesPointerStyle Style() const { return style_; }
    void SetStyle(TSeriesPointerStyle style) { Store(style_, style); }
    int HorizSize() const { return horizSize_; }
    void SetHorizSize(int size) { Store(horizSize_, size); }
    int VertSize() const { return vertSize_; }
    void SetVertSize(int size) { Store(vertSize_, size); }
    bool InflateMargins() const { return inflateMargins_; }
    void SetInflateMargins(bool inflate) { Store(inflateMargins_, inflate); }
    TChartBrush& Brush() { return brush_; }
    const TChartBrush& Brush() const { return brush_; }
    TChartPen& Pen() { return pen_; }
    const TChartPen& Pen() const { return pen_; }

    void Link(const std::function<void()>& onChange) {
        SetOnChange(onChange);
        brush_.SetOnChange(onChange);
        pen_.SetOnChange(onChange);
    }

    // The half-width and half-height of the marker at the chart's scale.
    int ScaledHorizSize(ChartScale scale) const { return scale(horizSize_); }
    int ScaledVertSize(ChartScale scale) const { return scale(vertSize_); }

    // The marker of one point centred on (x, y) in the point's colour, at
    // the chart's scale.
    void Draw(ChartCanvas& canvas, ChartScale scale, int x, int y, TColor pointColor) const;

private:
    bool visible_ = false;
    TSeriesPointerStyle style_ = psRectangle;
    int horizSize_ = 4;
    int vertSize_ = 4;
    bool inflateMargins_ = true;
    TChartBrush brush_;
    TChartPen pen_;
};
