#include "MessageWindow.h"

#include "Exception.h"

namespace {
constexpr wchar_t kClassName[] = L"TallyvaneMessageWindow";

void RegisterClassOnce() {
    static const bool registered = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.lpfnWndProc = DefWindowProcW;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kClassName;
        return RegisterClassExW(&wc) != 0;
    }();
    (void)registered;
}
} // namespace

MessageWindow::MessageWindow(Handler handler, HWND parent) : handler_(std::move(handler)) {
    RegisterClassOnce();
    // A child is created without WS_VISIBLE: it never shows and takes no room.
    DWORD style = parent == HWND_MESSAGE ? 0 : WS_CHILD;
    window_.Reset(CreateWindowExW(0, kClassName, L"", style, 0, 0, 0, 0, parent, nullptr,
                                  GetModuleHandleW(nullptr), nullptr));
    if (!window_)
        throw Exception("Cannot create a hidden window");
    SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(window_.Get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc));
}

LRESULT CALLBACK MessageWindow::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    auto* self = reinterpret_cast<MessageWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && msg == WM_NCDESTROY) {
        // A child goes with its parent's window; forget it, so that the
        // handle is not destroyed a second time (or a reused one destroyed).
        self->window_.Release();
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        return DefWindowProcW(hwnd, msg, wp, lp);
    }
    if (self && self->handler_) {
        try {
            return self->handler_(hwnd, msg, wp, lp);
        } catch (...) {
            // No exception may cross a window procedure; handlers dispatch
            // through the application, which shows errors itself.
        }
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}
