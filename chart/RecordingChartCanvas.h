#pragma once

#include "ChartCanvas.h"

#include <vector>

// A canvas that draws nothing and remembers every drawing call with the pen,
// brush and font in force, so tests can check geometry to the pixel. Text
// metrics are fixed: each character is `charWidth` pixels wide and a line is
// as tall as the font's height in pixels.
class RecordingChartCanvas final : public ChartCanvas {
public:
    enum class Kind { Text, Rectangle, Ellipse, Polygon, Line, Fill, Clip, UnClip };

    struct Op {
        Kind kind;
        TRect rect;                 // rectangle, ellipse, fill, clip; a line's ends
        std::vector<TPoint> points; // polygon corners
        std::string text;
        TColor penColor;
        int penWidth;
        ChartPenStyle penStyle;
        ChartPenMode penMode;
        TColor brushColor;
        ChartBrushStyle brushStyle;
        ChartFontSpec font;
    };

    explicit RecordingChartCanvas(int charWidth = 6) : charWidth_(charWidth) {}

    void SetPen(TColor color, int width, ChartPenStyle style) override;
    void SetPenMode(ChartPenMode mode) override { penMode_ = mode; }
    void SetBrush(TColor color, ChartBrushStyle style) override;
    void SetFont(const ChartFontSpec& font) override { font_ = font; }
    ChartSize TextExtent(std::string_view text) override;
    void TextAt(int x, int y, std::string_view text) override;
    void Rectangle(const TRect& rect) override { Record(Kind::Rectangle, rect); }
    void Ellipse(const TRect& rect) override { Record(Kind::Ellipse, rect); }
    void Polygon(const TPoint* points, int count) override;
    void Line(int x0, int y0, int x1, int y1) override { Record(Kind::Line, {x0, y0, x1, y1}); }
    void FillRect(const TRect& rect, TColor color) override;
    void ClipRect(const TRect& rect) override { Record(Kind::Clip, rect); }
    void UnClip() override { Record(Kind::UnClip, {}); }

    std::vector<Op> ops;
    std::vector<const Op*> OfKind(Kind kind) const;
    std::vector<std::string> Texts() const;

private:
    Op& Record(Kind kind, const TRect& rect);

    int charWidth_;
    TColor penColor_ = 0;
    int penWidth_ = 1;
    ChartPenStyle penStyle_ = ChartPenStyle::Solid;
    ChartPenMode penMode_ = ChartPenMode::Copy;
    TColor brushColor_ = 0xFFFFFF;
    ChartBrushStyle brushStyle_ = ChartBrushStyle::Solid;
    ChartFontSpec font_;
};
