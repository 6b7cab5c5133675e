#include "ChartPanel.h"

#include "ChartMath.h"

#include <windows.h>

ChartPanel::ChartPanel(TComponent* owner) : TControl(owner) {
    SetBounds(0, 0, 400, 250);
    gradient_.SetOnChange([this] { Invalidate(); });
}

int ChartPanel::BorderWidth() const {
    const int width = PixelScale()(bevelWidth_);
    return (bevelInner_ != bvNone ? width : 0) + (bevelOuter_ != bvNone ? width : 0);
}

void ChartPanel::ChangeScale(int toPpi, int fromPpi) {
    TControl::ChangeScale(toPpi, fromPpi);
    Invalidate();
}

void ChartPanel::Invalidate() {
    if (invalidateHook_)
        invalidateHook_();
    if (windowInvalid_ || !HandleAllocated())
        return;
    windowInvalid_ = true;
    TControl::Invalidate();
}

LRESULT ChartPanel::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    // The paint validates the whole window; a request made while it draws
    // marks it again.
    if (msg == WM_PAINT)
        windowInvalid_ = false;
    return TControl::WndProc(msg, wParam, lParam);
}

void ChartPanel::Repaint() {
    if (repaintHook_)
        repaintHook_();
    else
        TControl::Repaint();
}

TPoint ChartPanel::CursorClientPos() const {
    POINT p{};
    GetCursorPos(&p);
    return ScreenToClient({p.x, p.y});
}

TRect ChartPanel::MarginRect(const TRect& bounds) const {
    const int border = BorderWidth();
    const int w = bounds.Width();
    const int h = bounds.Height();
    return {bounds.left + border + MulDivRound(marginLeft_, w, 100),
            bounds.top + border + MulDivRound(marginTop_, h, 100),
            bounds.right - border - MulDivRound(marginRight_, w, 100),
            bounds.bottom - border - MulDivRound(marginBottom_, h, 100)};
}

void ChartPanel::DrawBevel(ChartCanvas& canvas, TRect& r, TBevelCut cut) const {
    if (cut == bvNone)
        return;
    const TColor shadow = ChartColorToRGB(clBtnShadow);
    const TColor light = ChartColorToRGB(clBtnHighlight);
    const TColor topLeft = cut == bvLowered ? shadow : cut == bvRaised ? light : clNone;
    const TColor bottomRight = cut == bvLowered ? light : cut == bvRaised ? shadow : clNone;
    for (int i = 0, width = PixelScale()(bevelWidth_); i < width; ++i) {
        if (topLeft != clNone) {
            canvas.FillRect({r.left, r.top, r.right, r.top + 1}, topLeft);
            canvas.FillRect({r.left, r.top, r.left + 1, r.bottom}, topLeft);
            canvas.FillRect({r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
            canvas.FillRect({r.right - 1, r.top, r.right, r.bottom}, bottomRight);
        }
        r = Inflated(r, -1, -1);
    }
}

void ChartPanel::DrawBackground(ChartCanvas& canvas, const TRect& bounds) const {
    if (gradient_.Visible())
        gradient_.Draw(canvas, bounds);
    else
        canvas.FillRect(bounds, ChartColorToRGB(Color()));
    TRect frame = bounds;
    DrawBevel(canvas, frame, bevelOuter_);
    DrawBevel(canvas, frame, bevelInner_);
}
