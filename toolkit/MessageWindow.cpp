#include "MessageWindow.h"

#include "Application.h"
#include "Exception.h"

namespace {
constexpr wchar_t kClassName[] = L"TallyvaneMessageWindow";

void RegisterClassOnce(WNDPROC proc) {
    static const bool registered = [proc] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = proc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kClassName;
        return RegisterClassExW(&wc) != 0;
    }();
    (void)registered;
}
} // namespace

MessageWindow::MessageWindow(Handler handler, HWND parent) : handler_(std::move(handler)) {
    RegisterClassOnce(&Proc);
    // Neither kind is created visible: a child takes no room, a top-level
    // window shows nowhere, not even in the taskbar.
    DWORD style = parent == HWND_MESSAGE ? 0 : parent ? WS_CHILD : WS_POPUP;
    DWORD exStyle = parent ? 0 : WS_EX_TOOLWINDOW;
    HWND hwnd = CreateWindowExW(exStyle, kClassName, L"", style, 0, 0, 0, 0, parent, nullptr,
                                GetModuleHandleW(nullptr), this);
    if (!hwnd)
        throw Exception("Cannot create a hidden window");
}

LRESULT CALLBACK MessageWindow::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    if (msg == WM_NCCREATE) {
        auto* self =
            static_cast<MessageWindow*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->window_.Reset(hwnd);
    }
    auto* self = reinterpret_cast<MessageWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && msg == WM_NCDESTROY) {
        // A child goes with its parent's window; forget it, so that the
        // handle is not destroyed a second time (or a reused one destroyed).
        self->window_.Release();
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
    if (!self || !self->handler_)
        return DefWindowProcW(hwnd, msg, wp, lp);
    LRESULT result = 0;
    bool handled = false;
    Application().Dispatch([&] {
        result = self->handler_(hwnd, msg, wp, lp);
        handled = true;
    });
    return handled ? result : DefWindowProcW(hwnd, msg, wp, lp);
}
