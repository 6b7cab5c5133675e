#pragma once

#include "ChartCanvas.h"
#include "ChartGradient.h"
#include "ChartScale.h"
#include "toolkit/Control.h"

#include <functional>

enum TBevelCut { bvNone, bvLowered, bvRaised, bvSpace };

// The two corners of a zoom rectangle or a panning drag, in client pixels.
struct TZoomPanningRecord {
    bool active = false;
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;

    void Activate(int x, int y) {
        active = true;
        x0 = x1 = x;
        y0 = y1 = y;
    }
    // Puts the start corner top left.
    void Normalize() {
        if (x0 > x1)
            std::swap(x0, x1);
        if (y0 > y1)
            std::swap(y0, y1);
    }
};

// The chart's panel: a control with margins, background and bevels, the
// zoom and panning records, and the way a change reaches the screen. A change
// only asks for a repaint (Invalidate); Repaint paints at once, for the
// frames of an animated zoom. Both override the control's own, so every
// request passes here, the toolkit's included (colour, font). Observers may
// watch both (tests, off-screen painting); the window, once there is one,
// gets them as well.
class ChartPanel : public TControl {
public:
    explicit ChartPanel(TComponent* owner = nullptr);

    // The area the chart draws on: the client area at the origin.
    TRect ChartBounds() const { return {0, 0, ClientWidth(), ClientHeight()}; }
    // The scale the chart lays out and draws its designed sizes at: the
    // control's, which its form gives it (Control.h).
    ChartScale PixelScale() const { return {PixelsPerInch()}; }

    TChartGradient& Gradient() { return gradient_; }
    int MarginLeft() const { return marginLeft_; }
    void SetMarginLeft(int percent) { Store(marginLeft_, percent); }
    int MarginTop() const { return marginTop_; }
    void SetMarginTop(int percent) { Store(marginTop_, percent); }
    int MarginRight() const { return marginRight_; }
    void SetMarginRight(int percent) { Store(marginRight_, percent); }
    int MarginBottom() const { return marginBottom_; }
    void SetMarginBottom(int percent) { Store(marginBottom_, percent); }
    TBevelCut BevelInner() const { return bevelInner_; }
    void SetBevelInner(TBevelCut cut) { Store(bevelInner_, cut); }
    TBevelCut BevelOuter() const { return bevelOuter_; }
    void SetBevelOuter(TBevelCut cut) { Store(bevelOuter_, cut); }
    int BevelWidth() const { return bevelWidth_; }
    void SetBevelWidth(int width) { Store(bevelWidth_, width < 1 ? 1 : width); }
    // The frame the bevels take inside the bounds, at the chart's scale.
    int BorderWidth() const;

    // Repaint requests: later (Invalidate) or now (Repaint). Every request
    // reaches the invalidate hook; the window itself is marked invalid once
    // until its next paint, as a series filled point by point asks thousands
    // of times and each mark is a round trip to the window system.
    void Invalidate() override;
    void Repaint() override;
    void SetInvalidateHook(std::function<void()> hook) { invalidateHook_ = std::move(hook); }
    // With a repaint hook, Repaint calls it instead of painting the window.
    void SetRepaintHook(std::function<void()> hook) { repaintHook_ = std::move(hook); }

    // The surface that holds the last painted picture, for drawing over it
    // between paints (the zoom rectangle); none until someone sets one.
    ChartCanvas* Canvas() const { return canvas_; }
    void SetCanvas(ChartCanvas* canvas) { canvas_ = canvas; }

    // Where the mouse pointer is, in client pixels.
    TPoint CursorClientPos() const;

protected:
    void HandleCreated() override { windowInvalid_ = false; }
    void ChangeScale(int toPpi, int fromPpi) override;
    LRESULT WndProc(UINT msg, WPARAM wParam, LPARAM lParam) override;

    template <typename T, typename V> void Store(T& field, V value) {
        if (!(field == value)) {
            field = value;
            Invalidate();
        }
    }
    void DrawBackground(ChartCanvas& canvas, const TRect& bounds) const;
    TRect MarginRect(const TRect& bounds) const;

    TZoomPanningRecord zoom_;
    TZoomPanningRecord panning_;

private:
    void DrawBevel(ChartCanvas& canvas, TRect& rect, TBevelCut cut) const;

    TChartGradient gradient_;
    int marginLeft_ = 3;
    int marginTop_ = 4;
    int marginRight_ = 3;
    int marginBottom_ = 4;
    TBevelCut bevelInner_ = bvNone;
    TBevelCut bevelOuter_ = bvRaised;
    int bevelWidth_ = 1;
    std::function<void()> invalidateHook_;
    std::function<void()> repaintHook_;
    ChartCanvas* canvas_ = nullptr;
    // The whole window is marked for a paint that has not come yet.
    bool windowInvalid_ = false;
};
