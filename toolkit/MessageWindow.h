#pragma once

#include "Handle.h"
#include "WindowBinding.h"

#include <functional>

// A hidden window whose messages go to a callback. Where it lives:
//   HWND_MESSAGE (default)  message-only: timers and platform notifications
//   nullptr                 a hidden top-level window, for what the platform
//                           wants a real window for (the tray's callbacks,
//                           which must be able to take the foreground)
//   a window                an invisible child of it, for a component that
//                           must sit inside its form
// The window is a Unicode one, bound to this object as every toolkit window
// is (WindowBinding.h): the callback sees its whole life from WM_NCCREATE on,
// and an error escaping the callback is shown in the standard error box while
// the message gets its default handling. What the callback does not handle
// itself it gives to DefWindowProcW.
class MessageWindow : private WindowObject {
public:
    using Handler = std::function<LRESULT(HWND, UINT, WPARAM, LPARAM)>;

    explicit MessageWindow(Handler handler, HWND parent = HWND_MESSAGE);
    ~MessageWindow();
    // The window knows this object's address; it never moves.
    MessageWindow(const MessageWindow&) = delete;
    MessageWindow& operator=(const MessageWindow&) = delete;

    // nullptr once the window is gone, also when its parent took it along.
    HWND Handle() const { return window_.Get(); }

private:
    LRESULT WindowMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) override;
    void WindowBound(HWND hwnd) noexcept override;
    void WindowUnbound(HWND hwnd) noexcept override;

    Handler handler_;
    WindowHandle window_;
};
