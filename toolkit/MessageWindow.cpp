#include "MessageWindow.h"

#include "Exception.h"

namespace {
const WindowClass kMessageWindowClass{L"TallyvaneMessageWindow"};
} // namespace

MessageWindow::MessageWindow(Handler handler, HWND parent) : handler_(std::move(handler)) {
    // Neither kind is created visible: a child takes no room, a top-level
    // window shows nowhere, not even in the taskbar.
    DWORD style = parent == HWND_MESSAGE ? 0 : parent ? WS_CHILD : WS_POPUP;
    DWORD exStyle = parent ? 0 : WS_EX_TOOLWINDOW;
    if (!CreateBoundWindow(*this, kMessageWindowClass, exStyle, L"", style, 0, 0, 0, 0, parent))
        throw Exception("Cannot create a hidden window");
}

// The messages of the window's destruction get their default handling: the
// callback may belong to an object that is going too.
MessageWindow::~MessageWindow() {
    if (window_)
        UnbindWindow(window_.Get());
}

void MessageWindow::WindowBound(HWND hwnd) noexcept {
    window_.Reset(hwnd);
}

// A child goes with its parent's window; forget it, so that the handle is not
// destroyed a second time (or a reused one destroyed).
void MessageWindow::WindowUnbound(HWND hwnd) noexcept {
    if (window_.Get() == hwnd)
        window_.Release();
}

LRESULT MessageWindow::WindowMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (!handler_)
        return DefWindowProcW(hwnd, msg, wp, lp);
    return handler_(hwnd, msg, wp, lp);
}
