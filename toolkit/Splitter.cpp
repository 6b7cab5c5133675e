#include "Splitter.h"

#include <algorithm>

TSplitter::TSplitter(TComponent* owner) : TControl(owner) {
    SetBounds(0, 0, 3, 100);
    SetAlign(alLeft);
    SetCursor(crHSplit);
}

void TSplitter::ChangeScale(int toPpi, int fromPpi) {
    TControl::ChangeScale(toPpi, fromPpi);
    minSize_ = minSizeScale_.Rescale(minSize_, fromPpi, toPpi);
}

void TSplitter::SetBeveled(bool beveled) {
    beveled_ = beveled;
    Invalidate();
}

TControl* TSplitter::ResizeControl() const {
    if (!Parent())
        return nullptr;
    for (TControl* sibling : Parent()->Controls()) {
        if (sibling == this || !sibling->Visible() || sibling->Align() != Align())
            continue;
        TRect s = sibling->BoundsRect(), me = BoundsRect();
        bool touches = (Align() == alLeft && s.right == me.left) ||
                       (Align() == alRight && s.left == me.right) ||
                       (Align() == alTop && s.bottom == me.top) ||
                       (Align() == alBottom && s.top == me.bottom);
        if (touches)
            return sibling;
    }
    return nullptr;
}

void TSplitter::Paint(HDC dc, const TRect&) {
    RECT r{0, 0, Width(), Height()};
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    if (beveled_)
        DrawEdge(dc, &r, BDR_RAISEDINNER,
                 Horizontal() ? (BF_LEFT | BF_RIGHT) : (BF_TOP | BF_BOTTOM));
}

void TSplitter::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
    TControl::MouseDown(button, shift, x, y);
    if (button != mbLeft)
        return;
    target_ = ResizeControl();
    if (!target_)
        return;
    TPoint screen = ClientToScreen({x, y});
    downAt_ = Horizontal() ? screen.x : screen.y;
    startSize_ = Horizontal() ? target_->Width() : target_->Height();
    CaptureMouse();
}

void TSplitter::MouseMove(TShiftState shift, int x, int y) {
    TControl::MouseMove(shift, x, y);
    if (!target_ || !MouseCaptured() || !Parent())
        return;
    TPoint screen = ClientToScreen({x, y});
    int moved = (Horizontal() ? screen.x : screen.y) - downAt_;
    if (Align() == alRight || Align() == alBottom)
        moved = -moved;
    // Leave the space beyond the splitter at least MinSize as well.
    TRect client = Parent()->ClientRect();
    TRect t = target_->BoundsRect();
    int limit = Horizontal() ? (Align() == alLeft ? client.right - t.left : t.right - client.left)
                             : (Align() == alTop ? client.bottom - t.top : t.bottom - client.top);
    int largest = std::max(minSize_, limit - (Horizontal() ? Width() : Height()) - minSize_);
    int size = std::clamp(startSize_ + moved, minSize_, largest);
    if (Horizontal())
        target_->SetWidth(size);
    else
        target_->SetHeight(size);
    Parent()->Update();
}

void TSplitter::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
    TControl::MouseUp(button, shift, x, y);
    if (button != mbLeft || !target_)
        return;
    target_ = nullptr;
    ReleaseMouse();
    if (onMoved_)
        onMoved_(*this);
}
