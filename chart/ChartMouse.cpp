#include "CustomChart.h"

#include "ChartSeries.h"

#include <cstdlib>

// Mouse interaction of the chart.
//
//  state    | event                                   | action                        | next
//  ---------+-----------------------------------------+-------------------------------+--------
//  idle     | left down on a series point, an axis or | draw the empty rectangle      | zooming
//           | the plot, AllowZoom                     |                               |
//  idle     | right down on the same, AllowPanning    | remember the point            | panning
//           | not pmNone                              |                               |
//  idle     | any down elsewhere (legend, title, out- | click events only             | idle
//           | side the plot), or cancelled by a click |                               |
//           | handler                                 |                               |
//  idle     | move                                    | cursor of the series point    | idle
//           |                                         | under the pointer, if any     |
//  zooming  | move                                    | erase the rectangle, draw the | zooming
//           |                                         | new one (not-XOR)             |
//  zooming  | left up, dragged > 16 px both ways      | zoom in (towards the lower    | idle
//           |                                         | right) or undo (any other way)|
//  zooming  | left up, smaller drag                   | erase the rectangle           | idle
//  panning  | move inside the plot                    | shift the axes, each vetted   | panning
//           |                                         | by OnAllowScroll              |
//  panning  | move outside the plot                   | -                             | idle
//  any      | any up                                  | panning ends                  | idle
//  any      | a further down                          | ignored                       | same
//  any      | wheel                                   | shift the vertical axes 3 %   | same
//  any      | capture lost, a button held             | zoom rectangle erased, then   | idle
//           |                                         | each held button's up         |
//
// The user's OnMouseDown, OnMouseMove and OnMouseUp run before any of this.
//
// A left or right press holds the mouse (captures it) until that button
// comes up, whether or not it starts a zoom or a pan: the release then
// reaches the chart wherever the pointer is, so the drag always ends and
// the user's OnMouseUp always hears it (the day view's pan mode depends on
// it). When another window takes the mouse first (another program brought
// to the front, a box), the chart ends the drag with the ups of the held
// buttons at the pointer, raising OnMouseUp as for a release; only a zoom
// rectangle is dropped without zooming, as the user did not choose where
// that drag stopped.
//
// Distances in pixels are the designed ones, at the chart's scale.

void TCustomChart::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TControl::MouseDown(button, shift, x, y);
    HoldMouse(button);
    if (zoom_.active || panning_.active)
        return;
    if (cancelMouse_) {
        cancelMouse_ = false;
        return;
    }

    // What was clicked, first match wins.
    Part part = Part::None;
    TChartSeries* series = nullptr;
    int valueIndex = -1;
    TChartAxis* axis = nullptr;
    const auto& list = SeriesList();
    for (auto it = list.rbegin(); it != list.rend() && part == Part::None; ++it) {
        if (!(*it)->Active())
            continue;
        int index = (*it)->PointAtPixel(x, y);
        if (index >= 0) {
            part = Part::Series;
            series = *it;
            valueIndex = index;
        }
    }
    if (part == Part::None)
        for (TChartAxis* candidate : AxisList())
            if (candidate->IsVisible() && ContainsInclusive(candidate->ClickRect(), x, y)) {
                part = Part::Axis;
                axis = candidate;
                break;
            }
    if (part == Part::None && titleRect_.Width() > 0 && ContainsInclusive(titleRect_, x, y))
        part = Part::Title;
    if (part == Part::None && footRect_.Width() > 0 && ContainsInclusive(footRect_, x, y))
        part = Part::Foot;
    if (part == Part::None && AnyActiveSeries() && ContainsInclusive(PlotRect(), x, y))
        part = Part::Plot;
    if (part == Part::None && legend_.Layout().columns > 0 &&
        ContainsInclusive(legend_.Rect(), x, y))
        part = Part::Legend;

    switch (part) {
    case Part::Legend:
        if (onClickLegend_)
            onClickLegend_(*this, button);
        break;
    case Part::Axis:
        if (onClickAxis_)
            onClickAxis_(*this, *axis, button);
        if (!cancelMouse_)
            StartZoomPanning(button, x, y);
        break;
    case Part::Series:
        if (onClickSeries_)
            onClickSeries_(*this, *series, valueIndex, button);
        if (!cancelMouse_)
            StartZoomPanning(button, x, y);
        break;
    case Part::Plot:
        if (onClickBackground_)
            onClickBackground_(*this, button);
        if (!cancelMouse_)
            StartZoomPanning(button, x, y);
        break;
    case Part::Title:
    case Part::Foot:
    case Part::None:
        break;
    }
    cancelMouse_ = false;
}

void TCustomChart::StartZoomPanning(TMouseButton button, int x, int y) {
    if (allowZoom_ && button == mbLeft) {
        SetCursor(crDefault);
        zoom_.Activate(x, y);
        if (ChartCanvas* canvas = Canvas()) {
            DrawZoomRectangle(*canvas);
            CanvasDrawn();
        }
    }
    if (allowPanning_ != pmNone && button == mbRight) {
        SetCursor(crDefault);
        panning_.Activate(x, y);
    }
}

void TCustomChart::MouseMove(TShiftState shift, int x, int y) {
    TControl::MouseMove(shift, x, y);
    if (zoom_.active) {
        if (x == zoom_.x1 && y == zoom_.y1)
            return;
        ChartCanvas* canvas = Canvas();
        if (canvas)
            DrawZoomRectangle(*canvas); // not-XOR: drawing it again erases it
        zoom_.x1 = x;
        zoom_.y1 = y;
        if (canvas) {
            DrawZoomRectangle(*canvas);
            CanvasDrawn();
        }
        return;
    }
    if (panning_.active) {
        if (!ContainsInclusive(PlotRect(), x, y)) {
            panning_.active = false;
            return;
        }
        if (x == panning_.x1 && y == panning_.y1)
            return;
        if (scalesRestored_) {
            SaveScales();
            scalesRestored_ = false;
        }
        const bool movedHorizontally = Pan(true, panning_.x1, x);
        const bool movedVertically = Pan(false, panning_.y1, y);
        panning_.x1 = x;
        panning_.y1 = y;
        if (movedHorizontally || movedVertically) {
            if (onScroll_)
                onScroll_(*this);
            Invalidate();
        }
        return;
    }
    UpdateCursor(x, y);
}

void TCustomChart::UpdateCursor(int x, int y) {
    for (const TChartSeries* series : SeriesList())
        if (series->Active() && series->Cursor() != crDefault && series->PointAtPixel(x, y) >= 0) {
            SetCursor(series->Cursor());
            return;
        }
    SetCursor(originalCursor_);
}

// One pan step along one direction; true when the direction may pan (even
// if every axis refused).
bool TCustomChart::Pan(bool horizontal, int from, int to) {
    if (from == to)
        return false;
    const bool eligible = allowPanning_ == pmBoth || (horizontal ? allowPanning_ == pmHorizontal
                                                                 : allowPanning_ == pmVertical);
    if (!eligible)
        return false;
    for (TChartAxis* axis : AxisList()) {
        if (axis == &DepthAxis() || axis->Horizontal() != horizontal)
            continue;
        const double delta = axis->ValueAtPixel(from) - axis->ValueAtPixel(to);
        double aMin = axis->Minimum() + delta;
        double aMax = axis->Maximum() + delta;
        bool allowScroll = true;
        if (onAllowScroll_)
            onAllowScroll_(*axis, aMin, aMax, allowScroll);
        if (allowScroll)
            axis->SetRange(aMin, aMax);
    }
    return true;
}

void TCustomChart::HoldMouse(TMouseButton button) {
    if (button != mbLeft && button != mbRight)
        return;
    heldButtons_ |= 1u << button;
    if (HandleAllocated() && !MouseCaptured())
        CaptureMouse();
}

void TCustomChart::EndHold(TMouseButton button) {
    if (button != mbLeft && button != mbRight)
        return;
    heldButtons_ &= ~(1u << button);
    if (heldButtons_ == 0)
        ReleaseMouse();
}

void TCustomChart::MouseCaptureLost() {
    if (heldButtons_ == 0)
        return; // the chart let go itself
    if (zoom_.active)
        DropZoomRectangle();
    const TPoint at = CursorClientPos();
    for (TMouseButton button : {mbLeft, mbRight})
        if (heldButtons_ & (1u << button))
            MouseUp(button, 0, at.x, at.y);
}

void TCustomChart::DropZoomRectangle() {
    zoom_.active = false;
    if (ChartCanvas* canvas = Canvas()) {
        DrawZoomRectangle(*canvas);
        canvas->SetPenMode(ChartPenMode::Copy);
        CanvasDrawn();
    }
}

void TCustomChart::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    // The mouse is let go even when the user's handler fails.
    struct Release {
        TCustomChart& chart;
        TMouseButton button;
        ~Release() { chart.EndHold(button); }
    } release{*this, button};
    TControl::MouseUp(button, shift, x, y);
    if (zoom_.active && button == mbLeft) {
        DropZoomRectangle();
        zoom_.x1 = x;
        zoom_.y1 = y;
        const int least = PixelScale()(16);
        if (std::abs(x - zoom_.x0) > least && std::abs(y - zoom_.y0) > least) {
            if (x > zoom_.x0 && y > zoom_.y0)
                ZoomRect(zoom_.x0, zoom_.y0, x, y);
            else
                ZoomUndo();
            Invalidate();
        }
    }
    panning_.active = false;
}

bool TCustomChart::MouseWheel(TShiftState shift, int wheelDelta, TPoint mousePos) {
    TControl::MouseWheel(shift, wheelDelta, mousePos);
    if (wheelDelta != 0)
        WheelScroll(wheelDelta < 0);
    return true;
}

void TCustomChart::WheelScroll(bool down) {
    // Not a pan: neither AllowPanning nor OnAllowScroll has a say.
    for (TChartAxis* axis : {&LeftAxis(), &RightAxis()}) {
        const double shift = 0.03 * (axis->Maximum() - axis->Minimum()) * (down ? 1 : -1);
        axis->SetAutomatic(false);
        axis->SetAutomaticMinimum(false);
        axis->SetAutomaticMaximum(false);
        if (shift > 0) {
            axis->SetMaximum(axis->Maximum() + shift);
            axis->SetMinimum(axis->Minimum() + shift);
        } else {
            axis->SetMinimum(axis->Minimum() + shift);
            axis->SetMaximum(axis->Maximum() + shift);
        }
    }
    Invalidate();
}
