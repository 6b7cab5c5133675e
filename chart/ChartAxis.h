#pragma once

#include "AxisScale.h"
#include "ChartPen.h"

#include <string>
#include <vector>

class TCustomAxisPanel;
class TChartSeries;

enum TAxisLabelStyle { talAuto, talNone, talValue, talMark, talText };

class TChartAxisTitle : public TChartPersistent {
public:
    explicit TChartAxisTitle(int angle) : angle_(angle) {}
    const std::string& Caption() const { return caption_; }
    void SetCaption(std::string caption) { Store(caption_, std::move(caption)); }
    int Angle() const { return angle_; }
    void SetAngle(int angle);
    TChartFont& Font() { return font_; }
    const TChartFont& Font() const { return font_; }

private:
    std::string caption_;
    int angle_;
    TChartFont font_;
};

// One axis of a chart: its range (fixed or automatic from the series), the
// mapping between values and pixels, and its title, labels, ticks and grid.
// Everything below "computed on each paint" is layout state of the last
// paint, which zoom, panning and the hit test read.
class TChartAxis : public TChartPersistent {
public:
    TChartAxis(TCustomAxisPanel& chart, bool horizontal, bool otherSide);

    bool Horizontal() const { return scale_.horizontal; }
    bool OtherSide() const { return otherSide_; }
    TCustomAxisPanel& ParentChart() const { return chart_; }

    // Range.
    bool Automatic() const { return automatic_; }
    void SetAutomatic(bool automatic);
    bool AutomaticMinimum() const { return automaticMinimum_; }
    void SetAutomaticMinimum(bool automatic);
    bool AutomaticMaximum() const { return automaticMaximum_; }
    void SetAutomaticMaximum(bool automatic);
    double Minimum() const { return minimum_; }
    void SetMinimum(double value);
    double Maximum() const { return maximum_; }
    void SetMaximum(double value);
    // Turns the axis manual; swaps reversed bounds, widens an empty range.
    void SetRange(double minimum, double maximum);
    // The range the series ask for, unrounded (0 when no series takes part).
    double CalcAutomaticMinimum() const;
    double CalcAutomaticMaximum() const;

    // Labels.
    double Increment() const { return increment_; }
    void SetIncrement(double increment);
    const std::string& AxisValuesFormat() const { return valuesFormat_; }
    void SetAxisValuesFormat(std::string format) { Store(valuesFormat_, std::move(format)); }
    TAxisLabelStyle LabelStyle() const { return labelStyle_; }
    void SetLabelStyle(TAxisLabelStyle style) { Store(labelStyle_, style); }
    bool Labels() const { return labels_; }
    void SetLabels(bool labels) { Store(labels_, labels); }
    int LabelsAngle() const { return labelsAngle_; }
    void SetLabelsAngle(int angle);
    TChartFont& LabelsFont() { return labelsFont_; }
    int LabelsSeparation() const { return labelsSeparation_; }
    void SetLabelsSeparation(int percent);
    int LabelsSize() const { return labelsSize_; }
    void SetLabelsSize(int size) { Store(labelsSize_, size); }
    bool LabelsOnAxis() const { return labelsOnAxis_; }
    void SetLabelsOnAxis(bool onAxis) { Store(labelsOnAxis_, onAxis); }
    bool LabelsMultiLine() const { return labelsMultiLine_; }
    void SetLabelsMultiLine(bool multiLine) { Store(labelsMultiLine_, multiLine); }
    bool RoundFirstLabel() const { return roundFirstLabel_; }
    void SetRoundFirstLabel(bool round) { Store(roundFirstLabel_, round); }
    // The label text of a value, through the chart's OnGetAxisLabel.
    std::string FormatAxisLabel(double value);

    // Title.
    TChartAxisTitle& Title() { return title_; }
    int TitleSize() const { return titleSize_; }
    void SetTitleSize(int size) { Store(titleSize_, size); }

    // Lines.
    TChartPen& Axis() { return axisPen_; }
    TChartPen& Grid() { return grid_; }
    bool GridCentered() const { return gridCentered_; }
    void SetGridCentered(bool centred) { Store(gridCentered_, centred); }
    TChartPen& Ticks() { return ticks_; }
    int TickLength() const { return tickLength_; }
    void SetTickLength(int length) { Store(tickLength_, length); }
    TChartPen& TicksInner() { return ticksInner_; }
    int TickInnerLength() const { return tickInnerLength_; }
    void SetTickInnerLength(int length) { Store(tickInnerLength_, length); }
    TChartPen& MinorTicks() { return minorTicks_; }
    int MinorTickCount() const { return minorTickCount_; }
    void SetMinorTickCount(int count) { Store(minorTickCount_, count < 0 ? 0 : count); }
    int MinorTickLength() const { return minorTickLength_; }
    void SetMinorTickLength(int length) { Store(minorTickLength_, length); }
    TChartPen& MinorGrid() { return minorGrid_; }
    bool TickOnLabelsOnly() const { return tickOnLabelsOnly_; }
    void SetTickOnLabelsOnly(bool only) { Store(tickOnLabelsOnly_, only); }

    // Placement.
    bool Inverted() const { return scale_.inverted; }
    void SetInverted(bool inverted);
    bool Logarithmic() const { return logarithmic_; }
    void SetLogarithmic(bool logarithmic) { Store(logarithmic_, logarithmic); }
    int LogarithmicBase() const { return logarithmicBase_; }
    void SetLogarithmicBase(int base) { Store(logarithmicBase_, base); }
    const std::string& DateTimeFormat() const { return dateTimeFormat_; }
    void SetDateTimeFormat(std::string format) { Store(dateTimeFormat_, std::move(format)); }
    bool ExactDateTime() const { return exactDateTime_; }
    void SetExactDateTime(bool exact) { Store(exactDateTime_, exact); }
    double StartPosition() const { return startPosition_; }
    void SetStartPosition(double percent) { Store(startPosition_, percent); }
    double EndPosition() const { return endPosition_; }
    void SetEndPosition(double percent) { Store(endPosition_, percent); }
    double PositionPercent() const { return positionPercent_; }
    void SetPositionPercent(double percent) { Store(positionPercent_, percent); }
    bool Visible() const { return visible_; }
    void SetVisible(bool visible) { Store(visible_, visible); }

    // Whether a series is drawn against this axis.
    bool IsAttached(const TChartSeries& series) const;
    // Shown: axes on, this axis on, and an active series uses it.
    bool IsVisible() const;

    // Computed on each paint.
    const AxisScale& Scale() const { return scale_; }
    double ValueAtPixel(int pixel) const { return scale_.ValueAtPixel(pixel); }
    int PixelOfValue(double value) const { return scale_.PixelOfValue(value); }
    int PosAxis() const { return posAxis_; }
    int PosLabels() const { return posLabels_; }
    int PosTitle() const { return posTitle_; }
    const std::vector<int>& TickPositions() const { return tickPixels_; }
    // The increment the last paint used for labels.
    double LabelIncrementUsed() const { return incrementUsed_; }

    // Paint steps, in the order the chart calls them.
    void AdjustRange();
    void ReserveSpace(ChartCanvas& canvas, TRect& plot);
    void SetPositions(const TRect& plot);
    void Draw(ChartCanvas& canvas, const TRect& plot);
    // The rectangle a click on the axis hits: its length, from the axis line
    // (3 pixels wider on that side) to the label row.
    TRect ClickRect() const;

private:
    TAxisLabelStyle ResolvedLabelStyle() const;
    double CalcIncrement(ChartCanvas& canvas, bool eventAttached);
    int LabelWidth(ChartCanvas& canvas, const std::string& text) const;
    int WidestLabel(ChartCanvas& canvas);
    int FontHeight(ChartCanvas& canvas, const TChartFont& font, int angle = 0) const;
    void DrawTitle(ChartCanvas& canvas);
    void DrawLabel(ChartCanvas& canvas, int tick, const std::string& text, int fontHeight);
    void DrawTicks(ChartCanvas& canvas, const TRect& plot);
    void DrawMinorTicks(ChartCanvas& canvas, const TRect& plot);
    void TickLine(ChartCanvas& canvas, int pos, int from, int length) const;
    std::string FormatLabel(double value, bool eventAttached);
    void CheckRange(double minimum, double maximum, bool changingMinimum) const;

    TCustomAxisPanel& chart_;
    bool otherSide_;
    AxisScale scale_;

    bool automatic_ = true;
    bool automaticMinimum_ = true;
    bool automaticMaximum_ = true;
    double minimum_ = 0;
    double maximum_ = 0;
    double increment_ = 0;
    std::string valuesFormat_ = "#,##0.###";
    TAxisLabelStyle labelStyle_ = talAuto;
    bool labels_ = true;
    int labelsAngle_ = 0;
    TChartFont labelsFont_;
    int labelsSeparation_ = 10;
    int labelsSize_ = 0;
    bool labelsOnAxis_ = true;
    bool labelsMultiLine_ = false;
    bool roundFirstLabel_ = true;
    TChartAxisTitle title_;
    int titleSize_ = 0;
    TChartPen axisPen_{clBlack, 2};
    TChartPen grid_{clGray, 1, ChartPenStyle::Dot};
    bool gridCentered_ = false;
    TChartPen ticks_{clGray};
    int tickLength_ = 4;
    TChartPen ticksInner_{clGray};
    int tickInnerLength_ = 0;
    TChartPen minorTicks_{clGray};
    int minorTickCount_ = 3;
    int minorTickLength_ = 2;
    TChartPen minorGrid_{clGray, 1, ChartPenStyle::Dot, false};
    bool tickOnLabelsOnly_ = true;
    bool logarithmic_ = false;
    int logarithmicBase_ = 10;
    std::string dateTimeFormat_;
    bool exactDateTime_ = true;
    double startPosition_ = 0;
    double endPosition_ = 100;
    double positionPercent_ = 0;
    bool visible_ = true;

    int posAxis_ = 0;
    int posLabels_ = 0;
    int posTitle_ = 0;
    double incrementUsed_ = 0;
    std::vector<double> labelValues_;
    std::vector<int> tickPixels_;
    std::vector<std::string> lines_;
};
