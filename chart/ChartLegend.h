#pragma once

#include "ChartPen.h"
#include "LegendLayout.h"

#include <string>
#include <vector>

class TChartSeries;

enum TLegendAlignment { laLeft, laRight, laTop, laBottom };
enum TLegendStyle { lsAuto, lsSeries, lsValues, lsLastValues };

// The list of series titles with their colour boxes. Only the top legend
// of series is drawn; other alignments and styles are kept as set.
class TChartLegend : public TChartPersistent {
public:
    TChartLegend();

    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { Store(visible_, visible); }
    TLegendAlignment Alignment() const { return alignment_; }
    void SetAlignment(TLegendAlignment alignment) { Store(alignment_, alignment); }
    TLegendStyle LegendStyle() const { return legendStyle_; }
    void SetLegendStyle(TLegendStyle style) { Store(legendStyle_, style); }
    int ColorWidth() const { return colorWidth_; }
    void SetColorWidth(int percent);
    TChartFont& Font() { return font_; }
    TColor Color() const { return color_; }
    void SetColor(TColor color) { Store(color_, color); }
    TChartPen& Frame() { return frame_; }
    TChartPen& DividingLines() { return dividingLines_; }
    int ShadowSize() const { return shadowSize_; }
    void SetShadowSize(int size) { Store(shadowSize_, size); }
    TColor ShadowColor() const { return shadowColor_; }
    void SetShadowColor(TColor color) { Store(shadowColor_, color); }
    int HorizMargin() const { return horizMargin_; }
    void SetHorizMargin(int margin) { Store(horizMargin_, margin); }
    int VertMargin() const { return vertMargin_; }
    void SetVertMargin(int margin) { Store(vertMargin_, margin); }
    int TopPos() const { return topPos_; }
    void SetTopPos(int percent);
    int MaxNumRows() const { return maxNumRows_; }
    void SetMaxNumRows(int rows) { Store(maxNumRows_, rows); }
    bool ResizeChart() const { return resizeChart_; }
    void SetResizeChart(bool resize) { Store(resizeChart_, resize); }
    bool Inverted() const { return inverted_; }
    void SetInverted(bool inverted) { Store(inverted_, inverted); }
    int FirstValue() const { return firstValue_; }
    void SetFirstValue(int first) { Store(firstValue_, first); }

    // The legend of the last paint (columns 0: none).
    const LegendLayout& Layout() const { return layout_; }
    TRect Rect() const { return layout_.rect; }

    // Lays out and draws the legend over `plot` at the chart's scale, then
    // moves the plot's top edge below it. `series` is the chart's list.
    void Draw(ChartCanvas& canvas, ChartScale scale, const std::vector<TChartSeries*>& series,
              int boundsWidth, TRect& plot);

    // Item text: title, else component name, else "Series " + index.
    static std::string ItemText(const TChartSeries& series, int index);

private:
    bool visible_ = true;
    TLegendAlignment alignment_ = laRight;
    TLegendStyle legendStyle_ = lsAuto;
    int colorWidth_ = 12;
    TChartFont font_;
    TColor color_ = clWhite;
    TChartPen frame_;
    TChartPen dividingLines_{clBlack, 1, ChartPenStyle::Solid, false};
    int shadowSize_ = 3;
    TColor shadowColor_ = clBlack;
    int horizMargin_ = 0;
    int vertMargin_ = 0;
    int topPos_ = 10;
    int maxNumRows_ = 10;
    bool resizeChart_ = true;
    bool inverted_ = false;
    int firstValue_ = 0;

    LegendLayout layout_;
    std::vector<const TChartSeries*> items_;
};
