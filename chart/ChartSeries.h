#pragma once

#include "ChartCanvas.h"
#include "ChartColor.h"
#include "ChartScale.h"
#include "toolkit/Cursor.h"
#include "toolkit/ShiftState.h"
#include "ChartValueList.h"
#include "toolkit/Component.h"

#include <functional>
#include <span>
#include <string>
#include <vector>

class TCustomAxisPanel;
class TChartAxis;

enum THorizAxis { aTopAxis, aBottomAxis, aBothHorizAxis, aCustomHorizAxis };
enum TVertAxis { aLeftAxis, aRightAxis, aBothVertAxis, aCustomVertAxis };

// Point labels. Kept so that designs load; this chart does not draw them.
struct TSeriesMarks {
    bool visible = false;
    int style = 0;
    int arrowLength = 8;
    bool clip = false;
};

// The common base of every series: the point store (parallel lists of x, y,
// colour and label, one entry per point), the Active flag, the legend entry
// and the hooks the chart's paint and hit test call. Drawing belongs to the
// series kinds built on it; this base draws nothing and hits nothing.
class TChartSeries : public TComponent {
public:
    using BeforeAddEvent = std::function<bool(TChartSeries& sender)>;
    using NotifyEvent = std::function<void(TChartSeries& sender)>;

    explicit TChartSeries(TComponent* owner = nullptr);
    ~TChartSeries() override;

    // Inserts by the x order and returns the new point's index, or -1 when
    // OnBeforeAdd refuses.
    int AddPoint(double x, double y, const std::string& label = {}, TColor color = clTeeColor);
    // Points at x = firstX, firstX + 1, ... with the given y values: the
    // same as AddPoint of each in turn, with one repaint request.
    void AddPoints(double firstX, std::span<const double> ys);
    void ReplaceY(int index, double value);
    double XAt(int index) const { return xValues_.Value(index); }
    double YAt(int index) const { return yValues_.Value(index); }
    int PointCount() const { return xValues_.Count(); }
    void ClearPoints();
    // Room for `count` points, so that filling a whole day does not grow
    // the lists step by step.
    void ReservePoints(int count) {
        xValues_.Reserve(count);
        yValues_.Reserve(count);
    }
    TColor ColorAt(int index) const;
    const std::string& LabelAt(int index) const;

    bool Active() const { return active_; }
    void SetActive(bool active);

    TChartValueList& XValues() { return xValues_; }
    const TChartValueList& XValues() const { return xValues_; }
    TChartValueList& YValues() { return yValues_; }
    const TChartValueList& YValues() const { return yValues_; }

    void SetOnBeforeAdd(BeforeAddEvent handler) { onBeforeAdd_ = std::move(handler); }
    void SetOnAfterAdd(NotifyEvent handler) { onAfterAdd_ = std::move(handler); }
    void SetOnClearValues(NotifyEvent handler) { onClearValues_ = std::move(handler); }

    // The chart answers repaint requests; until a chart holds the series they
    // go to whoever set the hook (or nowhere).
    void SetRepaintHook(std::function<void()> hook) { repaintHook_ = std::move(hook); }

    // The chart that holds the series; setting it appends the series to
    // that chart's list (and takes it out of the previous one's).
    TCustomAxisPanel* ParentChart() const { return chart_; }
    void SetParentChart(TCustomAxisPanel* chart);

    const std::string& Title() const { return title_; }
    void SetTitle(std::string title) { StoreAndRepaint(title_, std::move(title)); }
    bool ShowInLegend() const { return showInLegend_; }
    void SetShowInLegend(bool show) { StoreAndRepaint(showInLegend_, show); }
    TColor SeriesColor() const { return seriesColor_; }
    void SetSeriesColor(TColor color) { StoreAndRepaint(seriesColor_, color); }
    bool ColorEachPoint() const { return colorEachPoint_; }
    void SetColorEachPoint(bool each) { StoreAndRepaint(colorEachPoint_, each); }
    THorizAxis HorizAxis() const { return horizAxis_; }
    void SetHorizAxis(THorizAxis axis) { StoreAndRepaint(horizAxis_, axis); }
    TVertAxis VertAxis() const { return vertAxis_; }
    void SetVertAxis(TVertAxis axis) { StoreAndRepaint(vertAxis_, axis); }
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor cursor) { cursor_ = cursor; }
    TSeriesMarks& Marks() { return marks_; }

    // The colour point `index` is drawn in: its own, or the series' (or a
    // palette colour) when it has the default colour.
    TColor ValueColor(int index) const;

    // The scale its chart draws at (ChartScale.h); the designed one
    // without a chart.
    ChartScale PixelScale() const;

    // The axes the series is drawn against (the chart must be set).
    TChartAxis& GetHorizAxis() const;
    TChartAxis& GetVertAxis() const;

    // Statistics for automatic axis ranges.
    virtual double HighestX() const { return xValues_.MaxValue(); }
    virtual double LowestX() const { return xValues_.MinValue(); }
    virtual double HighestY() const { return yValues_.MaxValue(); }
    virtual double LowestY() const { return yValues_.MinValue(); }

    // Paint: the visible index range of the last drawing (-1 when none).
    void CalcVisibleRange();
    void ClearVisibleRange() { firstVisible_ = lastVisible_ = -1; }
    int FirstVisible() const { return firstVisible_; }
    int LastVisible() const { return lastVisible_; }
    virtual void DrawValues(ChartCanvas&) {}
    virtual void DrawLegendShape(ChartCanvas&, const TRect&) const {}

    // Hit test in client pixels over the last drawing: a point index or -1.
    virtual int PointAtPixel(int, int) const { return -1; }
    // The same at the mouse pointer's current position.
    int PointAtCursor() const;

    // Whether `other` is of this series' class (or derives from it). Two
    // series are of the same class when either is of the other's.
    virtual bool IsKindOf(const TChartSeries& other) const;

    // Where point `index` starts in a stack: the sum of the positive y values
    // at that index of the active series of this one's class that come before
    // it in its chart's list and have that many points; 0 without a chart.
    double StackingOrigin(int index) const { return StackingOrigin(index, index); }
    // Where a pixel column of points first..last starts in a stack: the sum,
    // over the same series, of the greatest positive y value among those
    // points, which is what their own column shows.
    double StackingOrigin(int first, int last) const;

protected:
    void RequestRepaint() const;
    // Stores a property and asks for a repaint only when it changed.
    template <typename T, typename V> void StoreAndRepaint(T& field, V&& value) {
        if (!(field == value)) {
            field = std::forward<V>(value);
            RequestRepaint();
        }
    }

private:
    friend class TCustomAxisPanel;

    TChartValueList xValues_{"X", loAscending};
    TChartValueList yValues_{"Y", loNone};
    // Empty while every point has the default colour (no label); otherwise
    // one entry per point.
    std::vector<TColor> colors_;
    std::vector<std::string> labels_;
    bool active_ = true;
    BeforeAddEvent onBeforeAdd_;
    NotifyEvent onAfterAdd_;
    NotifyEvent onClearValues_;
    std::function<void()> repaintHook_;

    TCustomAxisPanel* chart_ = nullptr;
    std::string title_;
    bool showInLegend_ = true;
    TColor seriesColor_ = clTeeColor;
    bool colorEachPoint_ = false;
    THorizAxis horizAxis_ = aBottomAxis;
    TVertAxis vertAxis_ = aLeftAxis;
    TCursor cursor_ = crDefault;
    TSeriesMarks marks_;
    int firstVisible_ = -1;
    int lastVisible_ = -1;
};

// Either series is of the other's class.
inline bool SameSeriesClass(const TChartSeries& a, const TChartSeries& b) {
    return a.IsKindOf(b) || b.IsKindOf(a);
}
