#pragma once

#include "ChartLegend.h"
#include "ChartTitle.h"
#include "CustomAxisPanel.h"

#include <array>
#include <functional>

enum TPanningMode { pmNone, pmHorizontal, pmVertical, pmBoth };

// The flat back wall: a frame around the plot, filled or not.
struct TChartWall {
    TChartPen pen;
    TChartBrush brush{clTeeColor, ChartBrushStyle::Solid};
};

// The chart with its title, foot, legend and back wall, and its mouse:
// rectangle zoom, zoom by percent with undo, panning and wheel scrolling.
class TCustomChart : public TCustomAxisPanel {
public:
    using AllowScrollEvent =
        std::function<void(TChartAxis& sender, double& aMin, double& aMax, bool& allowScroll)>;
    using ClickSeriesEvent = std::function<void(TCustomChart& sender, TChartSeries& series,
                                                int valueIndex, TMouseButton button)>;
    using ClickAxisEvent =
        std::function<void(TCustomChart& sender, TChartAxis& axis, TMouseButton button)>;
    using ClickEvent = std::function<void(TCustomChart& sender, TMouseButton button)>;

    explicit TCustomChart(TComponent* owner = nullptr);

    TChartTitle& Title() { return title_; }
    TChartTitle& Foot() { return foot_; }
    TChartLegend& Legend() { return legend_; }
    TChartWall& BackWall() { return backWall_; }

    bool AllowZoom() const { return allowZoom_; }
    void SetAllowZoom(bool allow) { allowZoom_ = allow; }
    TPanningMode AllowPanning() const { return allowPanning_; }
    void SetAllowPanning(TPanningMode mode) { allowPanning_ = mode; }
    bool AnimatedZoom() const { return animatedZoom_; }
    void SetAnimatedZoom(bool animated) { animatedZoom_ = animated; }
    int AnimatedZoomSteps() const { return animatedZoomSteps_; }
    void SetAnimatedZoomSteps(int steps) { animatedZoomSteps_ = steps; }

    void SetOnZoom(TNotifyEvent handler) { onZoom_ = std::move(handler); }
    void SetOnUndoZoom(TNotifyEvent handler) { onUndoZoom_ = std::move(handler); }
    void SetOnScroll(TNotifyEvent handler) { onScroll_ = std::move(handler); }
    void SetOnAllowScroll(AllowScrollEvent handler) { onAllowScroll_ = std::move(handler); }
    void SetOnClickSeries(ClickSeriesEvent handler) { onClickSeries_ = std::move(handler); }
    void SetOnClickAxis(ClickAxisEvent handler) { onClickAxis_ = std::move(handler); }
    void SetOnClickLegend(ClickEvent handler) { onClickLegend_ = std::move(handler); }
    void SetOnClickBackground(ClickEvent handler) { onClickBackground_ = std::move(handler); }
    // A click handler calls this to keep the press from starting a zoom or pan.
    void CancelMouse() { cancelMouse_ = true; }

    // Zoom all four axes about their centres: 115 narrows each range to
    // 70 %, 85 widens it to 130 %, 100 only turns the axes manual.
    void ZoomByPercent(double percent);
    // Zoom to the rectangle (client pixels) as a left drag would.
    void ZoomRect(int left, int top, int right, int bottom);
    // Back to the view before the first zoom or pan since the last undo.
    void ZoomUndo();
    bool Zoomed() const { return zoomed_; }
    bool Zooming() const { return zoom_.active; }
    bool Panning() const { return panning_.active; }

    // Mouse input in client pixels, as the window delivers it; the user's
    // OnMouseDown, OnMouseMove and OnMouseUp are raised first.
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    bool MouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) override;
    // Another window took the mouse while a button pressed on the chart was
    // down: the drag ends as its release would, save that a zoom rectangle
    // is dropped rather than zoomed into.
    void MouseCaptureLost() override;
    // One wheel notch: down shifts the vertical axes up by 3 % of their range.
    void WheelScroll(bool down);

protected:
    void DrawTitlesAndLegend(ChartCanvas& canvas, TRect& plot) override;
    void DrawBackWall(ChartCanvas& canvas, const TRect& plot) override;
    void DrawAfterSeries(ChartCanvas& canvas) override;
    // Shows what was drawn on Canvas() between paints.
    virtual void CanvasDrawn() {}

private:
    struct Targets {
        double minimum, maximum;
    };
    struct SavedScale {
        bool automatic, automaticMinimum, automaticMaximum;
        double minimum, maximum;
    };
    enum class Part { None, Series, Axis, Title, Foot, Plot, Legend };

    // The four axes a zoom moves: the axis list without its depth axis.
    // Zoom targets and saved scales are indexed the same way.
    std::array<TChartAxis*, 4> ZoomAxes();
    void ApplyZoom(const std::array<Targets, 4>& targets);
    void SaveScales();
    bool Pan(bool horizontal, int from, int to);
    void StartZoomPanning(TMouseButton button, int x, int y);
    void HoldMouse(TMouseButton button);
    void EndHold(TMouseButton button);
    // Ends the zoom drag and takes its rectangle off the picture.
    void DropZoomRectangle();
    void DrawZoomRectangle(ChartCanvas& canvas) const;
    void UpdateCursor(int x, int y);
    bool AnyActiveSeries() const;

    TChartTitle title_{true};
    TChartTitle foot_{true};
    TChartLegend legend_;
    TChartWall backWall_;
    TRect titleRect_, footRect_;

    bool allowZoom_ = true;
    TPanningMode allowPanning_ = pmBoth;
    bool animatedZoom_ = false;
    int animatedZoomSteps_ = 8;
    std::array<SavedScale, 4> saved_{}; // by ZoomAxes' index
    bool scalesRestored_ = true;
    bool zoomed_ = false;
    bool cancelMouse_ = false;
    // The left and right buttons pressed on the chart and not yet up, as
    // bits 1 << TMouseButton; while any is, the chart holds the mouse.
    unsigned heldButtons_ = 0;
    TCursor originalCursor_ = crDefault;

    TNotifyEvent onZoom_, onUndoZoom_, onScroll_;
    AllowScrollEvent onAllowScroll_;
    ClickSeriesEvent onClickSeries_;
    ClickAxisEvent onClickAxis_;
    ClickEvent onClickLegend_, onClickBackground_;
};
