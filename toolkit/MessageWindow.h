#pragma once

#include "Handle.h"

#include <functional>

// A hidden window whose messages go to a callback. Where it lives:
//   HWND_MESSAGE (default)  message-only: timers and platform notifications
//   nullptr                 a hidden top-level window, for what the platform
//                           wants a real window for (the tray's callbacks,
//                           which must be able to take the foreground)
//   a window                an invisible child of it, for a component that
//                           must sit inside its form
// The object is bound to its window while the window is being created, so
// no message of the window's life misses the callback. Every call of the
// callback runs through Application().Dispatch: an error escaping it is
// shown in the standard error box and the message gets its default handling.
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
