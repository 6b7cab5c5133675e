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

MessageWindow::MessageWindow(Handler handler) : handler_(std::move(handler)) {
    RegisterClassOnce();
    window_.Reset(CreateWindowExW(0, kClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                  GetModuleHandleW(nullptr), nullptr));
    if (!window_)
        throw Exception("Cannot create a hidden window");
    SetWindowLongPtrW(window_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrW(window_.Get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Proc));
}

LRESULT CALLBACK MessageWindow::Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    auto* self = reinterpret_cast<MessageWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
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
