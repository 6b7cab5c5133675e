#include "Application.h"

#include "Exception.h"
#include "Form.h"
#include "Text.h"

#include <commctrl.h>

namespace {
constexpr wchar_t kClassName[] = L"TallyvaneApplication";
constexpr UINT kActivateForm = WM_APP + 1;
} // namespace

TApplication& Application() {
    static TApplication application;
    return application;
}

void TApplication::SetTitle(std::string title) {
    title_ = std::move(title);
    if (window_)
        SetWindowTextW(window_.Get(), Widen(title_).c_str());
}

int TApplication::ShowMessageBox(const std::string& text, const std::string& caption,
                                 unsigned flags) {
    return sink_->Show(text, caption, flags);
}

void TApplication::ShowException(const std::exception& error) {
    ShowMessageBox(error.what(), title_, MB_OK | MB_ICONERROR);
}

void TApplication::Dispatch(const std::function<void()>& handler) noexcept {
    try {
        try {
            handler();
        } catch (const std::exception& error) {
            ShowException(error);
        } catch (...) {
            ShowException(Exception("An unexpected error occurred."));
        }
    } catch (...) {
        // Only the box itself failed; there is nowhere left to say so, and
        // nothing may leave a window procedure.
    }
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            break;
        }
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

HWND TApplication::Handle() {
    if (!window_) {
        static const bool registered = [] {
            WNDCLASSEXW wc{};
            wc.cbSize = sizeof wc;
            wc.lpfnWndProc = &TApplication::WindowProc;
            wc.hInstance = GetModuleHandleW(nullptr);
            wc.hIcon = LoadIconW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(1));
            wc.lpszClassName = kClassName;
            return RegisterClassExW(&wc) != 0;
        }();
        (void)registered;
        // A zero-sized, captioned popup: invisible on screen, but its
        // taskbar button and minimised state are the application's.
        int x = GetSystemMetrics(SM_CXSCREEN) / 2, y = GetSystemMetrics(SM_CYSCREEN) / 2;
        window_.Reset(
            CreateWindowExW(0, kClassName, Widen(title_).c_str(),
                            WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                            x, y, 0, 0, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr));
    }
    return window_.Get();
}

LRESULT CALLBACK TApplication::WindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) noexcept {
    TApplication& app = Application();
    if (app.window_.Get() != hwnd)
        return DefWindowProcW(hwnd, msg, wp, lp);
    LRESULT result = 0;
    bool done = false;
    app.Dispatch([&] {
        result = app.HandleMessage(msg, wp, lp);
        done = true;
    });
    return done ? result : DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT TApplication::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
    TMessage message{msg, wp, lp, 0};
    // A hook may remove itself (or others) while it runs: go over a copy.
    auto hooks = hooks_;
    for (auto& [id, hook] : hooks)
        if (hook(message))
            return message.Result;
    switch (msg) {
    case WM_ACTIVATE:
        // This window only carries the taskbar button: activation that
        // reaches it goes on to the form the user works in, once the
        // activation in progress is over.
        if (LOWORD(wp) != WA_INACTIVE)
            PostMessageW(window_.Get(), kActivateForm, 0, 0);
        break;
    case kActivateForm:
        if (HWND form = ActiveFormWindow())
            SetForegroundWindow(form);
        return 0;
    case WM_CLOSE:
        // The taskbar's Close: the main form decides, as for its own close box.
        if (mainForm_ && mainForm_->HandleAllocated())
            PostMessageW(mainForm_->Handle(), WM_CLOSE, 0, 0);
        return 0;
    case WM_SYSCOMMAND:
        if ((wp & 0xFFF0) == SC_RESTORE) {
            LRESULT r = DefWindowProcW(window_.Get(), msg, wp, lp);
            if (mainForm_ && mainForm_->HandleAllocated() && mainForm_->Visible())
                SetForegroundWindow(mainForm_->Handle());
            return r;
        }
        break;
    }
    return DefWindowProcW(window_.Get(), msg, wp, lp);
}

// The form last active (a modal dialog, say), else the main form; only one
// that is shown and takes input.
HWND TApplication::ActiveFormWindow() {
    auto usable = [](HWND hwnd) { return hwnd && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd); };
    HWND last = GetLastActivePopup(window_.Get());
    if (last != window_.Get() && usable(last))
        return last;
    HWND main = mainForm_ && mainForm_->HandleAllocated() ? mainForm_->Handle() : nullptr;
    return usable(main) ? main : nullptr;
}

void TApplication::Run() {
    Handle();
    if (mainForm_ && showMainForm_)
        mainForm_->Show();
    MSG msg;
    while (!terminated_) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            terminated_ = true;
            break;
        }
        // Window procedures show their own errors; this is the last resort
        // for anything the loop itself meets.
        try {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        } catch (const std::exception& error) {
            ShowException(error);
        }
    }
}

void TApplication::Terminate() {
    if (!terminated_) {
        terminated_ = true;
        PostQuitMessage(0);
    }
}

void TApplication::Minimize() {
    if (!IsIconic(Handle()))
        ShowWindow(Handle(), SW_MINIMIZE);
}

void TApplication::Restore() {
    if (IsIconic(Handle()))
        ShowWindow(Handle(), SW_RESTORE);
}

TApplication::HookId TApplication::HookMainWindow(WindowHook hook) {
    HookId id = nextHookId_++;
    hooks_.emplace_back(id, std::move(hook));
    return id;
}

void TApplication::UnhookMainWindow(HookId id) {
    for (auto it = hooks_.begin(); it != hooks_.end(); ++it)
        if (it->first == id) {
            hooks_.erase(it);
            return;
        }
}

HWND TApplication::HintWindow() {
    if (!hintWindow_) {
        INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES};
        InitCommonControlsEx(&init);
        hintWindow_.Reset(CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                                          WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT,
                                          CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, Handle(),
                                          nullptr, GetModuleHandleW(nullptr), nullptr));
        if (hintWindow_) {
            SendMessageW(hintWindow_.Get(), TTM_SETMAXTIPWIDTH, 0, 600);
            SendMessageW(hintWindow_.Get(), TTM_SETDELAYTIME, TTDT_AUTOPOP, hintHidePause_);
        }
    }
    return hintWindow_.Get();
}

void TApplication::SetHintHidePause(int milliseconds) {
    hintHidePause_ = milliseconds;
    if (hintWindow_)
        SendMessageW(hintWindow_.Get(), TTM_SETDELAYTIME, TTDT_AUTOPOP, milliseconds);
}

void TApplication::CancelHint() {
    if (!hintWindow_)
        return;
    SendMessageW(hintWindow_.Get(), TTM_POP, 0, 0);
    // A popped tooltip shows again only after the pointer has moved; telling
    // it where the pointer rests brings the next hint after the usual pause.
    POINT p{};
    GetCursorPos(&p);
    if (HWND under = WindowFromPoint(p)) {
        ScreenToClient(under, &p);
        MSG move{under, WM_MOUSEMOVE, 0, MAKELPARAM(p.x, p.y), GetTickCount(), {}};
        SendMessageW(hintWindow_.Get(), TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&move));
    }
}
