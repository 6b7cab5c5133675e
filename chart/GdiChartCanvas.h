#pragma once

#include "ChartCanvas.h"
#include "toolkit/Handle.h"

#include <vector>

// The chart canvas over a device context (in practice a back buffer's).
// Solid one-pixel pens and solid brushes use the context's own DC pen and
// brush, so the common drawing creates no GDI objects; wider or styled pens
// and fonts are made once per change and kept while they stay the same.
// Settings that change nothing make no call to the platform.
// The context is handed back as it was found.
class GdiChartCanvas final : public ChartCanvas {
public:
    explicit GdiChartCanvas(HDC dc);
    ~GdiChartCanvas() override;
    GdiChartCanvas(const GdiChartCanvas&) = delete;
    GdiChartCanvas& operator=(const GdiChartCanvas&) = delete;

    void SetPen(TColor color, int width, ChartPenStyle style) override;
    void SetPenMode(ChartPenMode mode) override;
    void SetBrush(TColor color, ChartBrushStyle style) override;
    void SetFont(const ChartFontSpec& font) override;
    ChartSize TextExtent(std::string_view text) override;
    void TextAt(int x, int y, std::string_view text) override;
    void Rectangle(const TRect& rect) override;
    void Ellipse(const TRect& rect) override;
    void Polygon(const TPoint* points, int count) override;
    void Line(int x0, int y0, int x1, int y1) override;
    void FillRect(const TRect& rect, TColor color) override;
    void ClipRect(const TRect& rect) override;
    void UnClip() override;

private:
    const std::wstring& Wide(std::string_view text);
    void ApplyBrush();
    void SelectBrush(bool clear);
    void SetBrushColor(TColor color);

    HDC dc_;
    int savedState_;
    // Made objects; declared after dc_ and released after the context's
    // state is restored, so nothing selected is ever deleted.
    GdiObject pen_;
    GdiObject font_;
    TColor penColor_ = clNone;
    int penWidth_ = -1;
    ChartPenStyle penStyle_ = ChartPenStyle::Solid;
    // The brush as set, and what the context has selected: its DC brush
    // (with that colour) or the null brush. The first setting always
    // applies, as the context's text background follows it.
    TColor brushColor_ = 0xFFFFFF;
    bool brushClear_ = false;
    bool brushSet_ = false;
    TColor dcBrushColor_ = 0xFFFFFF;
    bool clearSelected_ = false;
    ChartFontSpec fontSpec_;
    bool fontMade_ = false;
    std::wstring wide_;
    std::vector<POINT> points_;
};
