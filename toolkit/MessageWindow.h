#pragma once

#include "Handle.h"

#include <functional>

// A hidden window whose messages go to a callback: message-only by default,
// the home of timers and of the platform's notifications to non-visual
// components; or an invisible child of a given window, for a component that
// must sit inside its form.
class MessageWindow {
public:
    using Handler = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;

    explicit MessageWindow(Handler handler, HWND parent = HWND_MESSAGE);
    // The window knows this object's address; it never moves.
    MessageWindow(const MessageWindow&) = delete;
    MessageWindow& operator=(const MessageWindow&) = delete;

    // nullptr once the window is gone, also when its parent took it along.
    HWND Handle() const { return window_.Get(); }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept;

    Handler handler_;
    WindowHandle window_;
};
