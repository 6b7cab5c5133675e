#pragma once

#include "Handle.h"

#include <functional>

// A hidden message-only window whose messages go to a callback; the home of
// timers and of the platform's notifications to non-visual components.
class MessageWindow {
public:
    using Handler = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;

    explicit MessageWindow(Handler handler);
    HWND Handle() const { return window_.Get(); }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept;

    Handler handler_;
    WindowHandle window_;
};
