#pragma once

#include "ChartPen.h"
#include "ChartSeries.h"

enum TMultiBar { mbNone, mbSide, mbStacked, mbStacked100 };
enum TBarStyle { bsRectangle, bsPyramid, bsInvPyramid, bsCilinder, bsEllipse, bsArrow };

// Bars from an origin to each point. The program keeps one bar series that
// is never active: it loads its design and counts in the series list, and
// the bars are drawn plainly (flat, no marks).
class TCustomBarSeries : public TChartSeries {
public:
    explicit TCustomBarSeries(TComponent* owner = nullptr);

    int BarWidthPercent() const { return barWidthPercent_; }
    void SetBarWidthPercent(int percent);
    TMultiBar MultiBar() const { return multiBar_; }
    void SetMultiBar(TMultiBar multiBar) { StoreAndRepaint(multiBar_, multiBar); }
    TChartPen& BarPen() { return barPen_; }
    TChartBrush& BarBrush() { return barBrush_; }
    TBarStyle BarStyle() const { return barStyle_; }
    void SetBarStyle(TBarStyle style) { StoreAndRepaint(barStyle_, style); }
    bool UseYOrigin() const { return useYOrigin_; }
    void SetUseYOrigin(bool use) { StoreAndRepaint(useYOrigin_, use); }
    double YOrigin() const { return yOrigin_; }
    void SetYOrigin(double origin) { StoreAndRepaint(yOrigin_, origin); }
    bool SideMargins() const { return sideMargins_; }
    void SetSideMargins(bool margins) { sideMargins_ = margins; }
    bool AutoMarkPosition() const { return autoMarkPosition_; }
    void SetAutoMarkPosition(bool automatic) { autoMarkPosition_ = automatic; }
    int OffsetPercent() const { return offsetPercent_; }
    void SetOffsetPercent(int percent) { offsetPercent_ = percent; }
    bool Dark3D() const { return dark3D_; }
    void SetDark3D(bool dark) { dark3D_ = dark; }

    double HighestY() const override;
    double LowestY() const override;
    void DrawValues(ChartCanvas& canvas) override;
    void DrawLegendShape(ChartCanvas& canvas, const TRect& box) const override;
    bool IsKindOf(const TChartSeries& other) const override;

private:
    double Origin(int index) const;

    int barWidthPercent_ = 70;
    TMultiBar multiBar_ = mbSide;
    TChartPen barPen_;
    TChartBrush barBrush_;
    TBarStyle barStyle_ = bsRectangle;
    bool useYOrigin_ = true;
    double yOrigin_ = 0;
    bool sideMargins_ = true;
    bool autoMarkPosition_ = true;
    int offsetPercent_ = 0;
    bool dark3D_ = true;
};

class TBarSeries : public TCustomBarSeries {
public:
    explicit TBarSeries(TComponent* owner = nullptr) : TCustomBarSeries(owner) {}
    bool IsKindOf(const TChartSeries& other) const override;
};
