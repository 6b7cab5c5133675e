#pragma once

// TSplitter: a bevelled bar between aligned controls. Dragging it with the
// left button resizes, while dragging, the control it sits beside: the one
// with the same alignment whose edge touches the splitter (for alLeft the
// control whose right edge is the splitter's left edge).
//
//   Align (alLeft by default; alRight, alTop, alBottom), Beveled, MinSize
//   (the smallest size the resized control and the space left may get, in
//   pixels; scaled with the splitter),
//   OnMoved (Sender) after a drag; ResizeControl() for tests and callers.
#include "Control.h"

class TSplitter : public TControl {
public:
    explicit TSplitter(TComponent* owner);

    bool Beveled() const { return beveled_; }
    void SetBeveled(bool beveled);
    int MinSize() const { return minSize_; }
    void SetMinSize(int minSize) { minSize_ = minSize; }
    void SetOnMoved(TNotifyEvent handler) { onMoved_ = std::move(handler); }

    TControl* ResizeControl() const;

protected:
    bool PaintsItself() const override { return true; }
    void Paint(HDC dc, const TRect& dirty) override;
    void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
    void MouseMove(TShiftState shift, int x, int y) override;
    void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
    void ChangeScale(int toPpi, int fromPpi) override;

private:
    bool Horizontal() const { return Align() == alLeft || Align() == alRight; }

    bool beveled_ = true;
    int minSize_ = 30;
    ScaledLength minSizeScale_;
    TControl* target_ = nullptr;
    int downAt_ = 0;    // screen coordinate of the press, along the drag
    int startSize_ = 0; // the target's size at the press
    TNotifyEvent onMoved_;
};
