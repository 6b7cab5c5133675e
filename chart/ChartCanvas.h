#pragma once

#include "ChartColor.h"
#include "ChartGeometry.h"
#include "toolkit/Font.h"

#include <string>
#include <string_view>

enum class ChartPenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear };
enum class ChartPenMode { Copy, NotXor };
enum class ChartBrushStyle { Solid, Clear };

// Everything that selects a font: the canvas makes (and caches) the platform
// font from it. Height as the toolkit has it: negative = character height in
// pixels, positive = cell height. Style: the toolkit's fsBold etc. Angle in
// degrees, counter-clockwise.
struct ChartFontSpec {
    std::string name = "Tahoma";
    int height = -11;
    TFontStyles style = 0;
    TColor color = 0;
    int angle = 0;
    friend bool operator==(const ChartFontSpec&, const ChartFontSpec&) = default;
};

// The drawing surface every part of the chart draws through. It is stateful
// like a device context: pen, brush and font stay set until changed. All
// colours reaching it are plain RGB (0x00BBGGRR). Rectangles and ellipses
// exclude their right and bottom edge; lines exclude their end point.
class ChartCanvas {
public:
    virtual ~ChartCanvas() = default;

    virtual void SetPen(TColor color, int width, ChartPenStyle style) = 0;
    virtual void SetPenMode(ChartPenMode mode) = 0;
    virtual void SetBrush(TColor color, ChartBrushStyle style) = 0;
    virtual void SetFont(const ChartFontSpec& font) = 0;

    // Size of one line of text in the current font (unrotated).
    virtual ChartSize TextExtent(std::string_view text) = 0;
    // Text with its unrotated top-left corner at (x, y), turned about that
    // point by the font's angle; the brush decides whether a box is filled.
    virtual void TextAt(int x, int y, std::string_view text) = 0;

    // Outline with the pen, fill with the brush.
    virtual void Rectangle(const TRect& rect) = 0;
    virtual void Ellipse(const TRect& rect) = 0;
    virtual void Polygon(const TPoint* points, int count) = 0;
    virtual void Line(int x0, int y0, int x1, int y1) = 0;
    // A solid fill of exactly `rect`, no outline (pattern fill).
    virtual void FillRect(const TRect& rect, TColor color) = 0;

    // Drawing outside `rect` is dropped until UnClip.
    virtual void ClipRect(const TRect& rect) = 0;
    virtual void UnClip() = 0;
};
