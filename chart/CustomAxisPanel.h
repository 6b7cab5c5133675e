#pragma once

#include "AxisLabelFormat.h"
#include "ChartAxis.h"
#include "ChartPanel.h"

#include <array>
#include <functional>
#include <string>
#include <vector>

class TChartSeries;

// The chart with its series list and four axes (a fifth, depth axis exists
// for designs but is never shown), and the drawing pipeline that lays them
// out and paints them.
class TCustomAxisPanel : public ChartPanel {
public:
    using GetAxisLabelEvent = std::function<void(TChartAxis& sender, TChartSeries* series,
                                                 int valueIndex, std::string& labelText)>;

    explicit TCustomAxisPanel(TComponent* owner = nullptr);
    ~TCustomAxisPanel() override;

    // Series, in the order they were attached.
    int SeriesListCount() const { return int(series_.size()); }
    TChartSeries& SeriesAt(int index) const;
    const std::vector<TChartSeries*>& SeriesList() const { return series_; }
    void AddSeries(TChartSeries& series);
    void RemoveSeries(TChartSeries& series);

    TChartAxis& BottomAxis() { return bottomAxis_; }
    TChartAxis& TopAxis() { return topAxis_; }
    TChartAxis& LeftAxis() { return leftAxis_; }
    TChartAxis& RightAxis() { return rightAxis_; }
    TChartAxis& DepthAxis() { return depthAxis_; }
    // Bottom, top, left, right, depth.
    const std::array<TChartAxis*, 5>& AxisList() const { return axes_; }

    bool AxisVisible() const { return axisVisible_; }
    void SetAxisVisible(bool visible) { Store(axisVisible_, visible); }
    bool ClipPoints() const { return clipPoints_; }
    void SetClipPoints(bool clip) { Store(clipPoints_, clip); }
    bool View3D() const { return view3D_; }
    void SetView3D(bool view) { Store(view3D_, view); }
    bool View3DWalls() const { return view3DWalls_; }
    void SetView3DWalls(bool walls) { Store(view3DWalls_, walls); }

    const GetAxisLabelEvent& OnGetAxisLabel() const { return onGetAxisLabel_; }
    void SetOnGetAxisLabel(GetAxisLabelEvent handler) { onGetAxisLabel_ = std::move(handler); }
    NumberSeparators Separators() const { return separators_; }
    void SetSeparators(NumberSeparators separators) { separators_ = separators; }

    // The plot rectangle of the last paint; its right and bottom edge are
    // the last pixels of the plot (the back wall is drawn on them).
    const TRect& PlotRect() const { return plot_; }

    // The whole picture, in the order: background, legend, axis layout,
    // back wall, axes, series, zoom rectangle.
    void Draw(ChartCanvas& canvas);

protected:
    // Steps the chart above fills in.
    virtual void DrawTitlesAndLegend(ChartCanvas&, TRect&) {}
    virtual void DrawBackWall(ChartCanvas&, const TRect&) {}
    virtual void DrawAfterSeries(ChartCanvas&) {}

private:
    void DrawSeries(ChartCanvas& canvas);
    // Takes every axis's range again after a layout; true when one moved.
    bool RangesMovedWithLayout();

    std::vector<TChartSeries*> series_;
    TChartAxis bottomAxis_{*this, true, false};
    TChartAxis topAxis_{*this, true, true};
    TChartAxis leftAxis_{*this, false, false};
    TChartAxis rightAxis_{*this, false, true};
    TChartAxis depthAxis_{*this, false, true};
    std::array<TChartAxis*, 5> axes_{&bottomAxis_, &topAxis_, &leftAxis_, &rightAxis_, &depthAxis_};
    bool axisVisible_ = true;
    bool clipPoints_ = true;
    bool view3D_ = true;
    bool view3DWalls_ = true;
    GetAxisLabelEvent onGetAxisLabel_;
    NumberSeparators separators_;
    TRect plot_;
};
