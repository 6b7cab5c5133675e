#pragma once

#include "ChartCanvas.h"
#include "ChartGradient.h"
#include "ChartMouse.h"
#include "toolkit/Component.h"

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

// The chart's panel: size, margins, background and bevels, the zoom and
// panning records, and how a change reaches the screen. A change only asks
// for a repaint (Invalidate); Repaint paints at once, for the frames of an
// animated zoom. Until the chart lives in a window both go to hooks, which
// is also how tests and off-screen painting drive it.
class ChartPanel : public TComponent {
public:
    explicit ChartPanel(TComponent* owner = nullptr);

    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetClientSize(int width, int height);
    ChartRect ClientRect() const { return {0, 0, width_, height_}; }

    TColor Color() const { return color_; }
    void SetColor(TColor color) { Store(color_, color); }
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
    // The frame the bevels take inside the bounds.
    int BorderWidth() const;

    // Repaint requests.
    virtual void Invalidate();
    virtual void Repaint();
    void SetInvalidateHook(std::function<void()> hook) { invalidateHook_ = std::move(hook); }
    void SetRepaintHook(std::function<void()> hook) { repaintHook_ = std::move(hook); }

    // The surface that holds the last painted picture, for drawing over it
    // between paints (the zoom rectangle); none until someone sets one.
    ChartCanvas* Canvas() const { return canvas_; }
    void SetCanvas(ChartCanvas* canvas) { canvas_ = canvas; }

    TCursor Cursor() const { return cursor_; }
    virtual void SetCursor(TCursor cursor) { cursor_ = cursor; }

    // Where the mouse pointer is, in client pixels.
    virtual ChartPoint CursorClientPos() const;

protected:
    template <typename T, typename V> void Store(T& field, V value) {
        if (!(field == value)) {
            field = value;
            Invalidate();
        }
    }
    void DrawBackground(ChartCanvas& canvas, const ChartRect& bounds) const;
    ChartRect MarginRect(const ChartRect& bounds) const;

    TZoomPanningRecord zoom_;
    TZoomPanningRecord panning_;

private:
    void DrawBevel(ChartCanvas& canvas, ChartRect& rect, TBevelCut cut) const;

    int width_ = 400;
    int height_ = 250;
    TColor color_ = clBtnFace;
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
    TCursor cursor_ = crDefault;
};
