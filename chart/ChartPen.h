#pragma once

#include "ChartCanvas.h"
#include "ChartPersistent.h"
#include "ChartScale.h"

// A pen with a Visible flag: a hidden pen draws nothing.
class TChartPen : public TChartPersistent {
public:
    explicit TChartPen(TColor color = clBlack, int width = 1,
                       ChartPenStyle style = ChartPenStyle::Solid, bool visible = true)
        : color_(color), width_(width), style_(style), visible_(visible) {}

    TColor Color() const { return color_; }
    void SetColor(TColor color) { Store(color_, color); }
    int Width() const { return width_; }
    void SetWidth(int width) { Store(width_, width < 0 ? 0 : width); }
    ChartPenStyle Style() const { return style_; }
    void SetStyle(ChartPenStyle style) { Store(style_, style); }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { Store(visible_, visible); }

    // Selects the pen, its width at the chart's scale, into the canvas (a
    // clear pen when hidden); the default colour becomes `fallback`.
    void Apply(ChartCanvas& canvas, ChartScale scale, TColor fallback = clBlack) const {
        if (!visible_ || style_ == ChartPenStyle::Clear)
            canvas.SetPen(0, 1, ChartPenStyle::Clear);
        else
            canvas.SetPen(ChartColorToRGB(color_, fallback), scale.PenWidth(width_), style_);
    }
    // The width a visible pen takes in a layout at that scale; 0 when hidden.
    int VisibleWidth(ChartScale scale) const { return visible_ ? scale.PenWidth(width_) : 0; }

private:
    TColor color_;
    int width_;
    ChartPenStyle style_;
    bool visible_;
};

class TChartBrush : public TChartPersistent {
public:
    explicit TChartBrush(TColor color = clTeeColor, ChartBrushStyle style = ChartBrushStyle::Solid)
        : color_(color), style_(style) {}

    TColor Color() const { return color_; }
    void SetColor(TColor color) { Store(color_, color); }
    ChartBrushStyle Style() const { return style_; }
    void SetStyle(ChartBrushStyle style) { Store(style_, style); }

    void Apply(ChartCanvas& canvas, TColor fallback = clWhite) const {
        canvas.SetBrush(ChartColorToRGB(color_, fallback), style_);
    }

private:
    TColor color_;
    ChartBrushStyle style_;
};

// The font of a chart part: the toolkit's font with the chart's defaults.
class TChartFont : public TFont {
public:
    TChartFont() {
        SetName("Tahoma");
        SetHeight(-11);
        SetColor(clBlack);
    }

    // The font as a canvas selects it at the chart's scale, turned by
    // `angle` degrees.
    ChartFontSpec Described(ChartScale scale, int angle = 0) const {
        return {Name(), ScaleLength(Height(), scale.pixelsPerInch, PixelsPerInch()), Style(),
                ChartColorToRGB(Color()), angle % 360};
    }
};
