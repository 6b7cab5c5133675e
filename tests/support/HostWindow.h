#pragma once

#include "toolkit/Control.h"

// A top-level window to hold controls, as a form holds them. A hidden one
// serves tests that need no screen: a window that was on screen takes Wine
// two seconds to go when no window manager runs.
class THostWindow : public TControl {
public:
    enum Shown { kHidden, kOnScreen };

    explicit THostWindow(Shown shown, TRect bounds = TRect::FromBounds(40, 40, 800, 400))
        : TControl(nullptr), shown_(shown) {
        SetBounds(bounds.left, bounds.top, bounds.Width(), bounds.Height());
        Handle();
    }
    ~THostWindow() override { DestroyComponents(); }

protected:
    void CreateParams(TCreateParams& params) override {
        params.style = WS_POPUP | WS_CLIPCHILDREN | (shown_ == kOnScreen ? WS_VISIBLE : 0);
    }

private:
    Shown shown_;
};
