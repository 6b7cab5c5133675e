#include "Application.h"

#include "Exception.h"
#include "Form.h"
#include "Text.h"

#include <commctrl.h>

namespace {
// The icon is the taskbar button's.
const WindowClass kApplicationClass{L"TallyvaneApplication", 0, nullptr, MAKEINTRESOURCEW(1)};
constexpr UINT kActivateForm = WM_APP + 1;
} // namespace

TApplication& Application() {
    static TApplication application;
    return application;
}

// At program end the members go one by one: the window's last messages must
// not reach them.
TApplication::~TApplication() {
    if (window_)
        UnbindWindow(window_.Get());
}

void TApplication::SetTitle(std::string title) {
    title_ = std::move(title);
    if (window_)
        SetWindowTextW(window_.Get(), Widen(title_).c_str());
}

int TApplication::ShowMessageBox(const std::string& text, const std::string& caption,
                                 unsigned flags) {
    if (timerMessage_ && boxesOnScreen_ > 0)
        return 0;
    struct OnScreen {
        int& count;
        explicit OnScreen(int& c) : count(c) { ++count; }
        ~OnScreen() { --count; }
    } onScreen(boxesOnScreen_);
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

void TApplication::DispatchWindowMessage(UINT message,
                                         const std::function<void()>& handler) noexcept {
    const bool outer = timerMessage_;
    timerMessage_ = message == WM_TIMER;
    Dispatch(handler);
    timerMessage_ = outer;
}

void TApplication::HandleQueued(MSG& msg) noexcept {
    // Window procedures show their own errors; this is the last resort for
    // anything the loop itself meets.
    Dispatch([&] {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    });
}

bool TApplication::HandleMessagesUntil(const std::function<bool()>& finished, int& exitCode) {
    MSG msg;
    while (!finished()) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            exitCode = got == 0 ? int(msg.wParam) : 0;
            return false;
        }
        HandleQueued(msg);
    }
    return true;
}

void TApplication::ProcessMessages() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) {
            terminated_ = true;
            break;
        }
        HandleQueued(msg);
    }
}

HWND TApplication::Handle() {
    if (!window_) {
        // A zero-sized, captioned popup: invisible on screen, but its
        // taskbar button and minimised state are the application's. Bound
        // while it is made, it is window_ from its first message on.
        int x = GetSystemMetrics(SM_CXSCREEN) / 2, y = GetSystemMetrics(SM_CYSCREEN) / 2;
        CreateBoundWindow(*this, kApplicationClass, 0, Widen(title_).c_str(),
                          WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX, x,
                          y, 0, 0, nullptr);
    }
    return window_.Get();
}

void TApplication::WindowBound(HWND hwnd) noexcept {
    window_.Reset(hwnd);
}

void TApplication::WindowUnbound(HWND hwnd) noexcept {
    if (window_.Get() == hwnd)
        window_.Release();
}

LRESULT TApplication::WindowMessage(HWND /*hwnd*/, UINT msg, WPARAM wp, LPARAM lp) {
    TMessage message{msg, wp, lp, 0};
    if (hooks_.Run(message))
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
    int exitCode = 0;
    if (!HandleMessagesUntil([this] { return terminated_; }, exitCode))
        terminated_ = true;
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
    return hooks_.Add(std::move(hook));
}

void TApplication::UnhookMainWindow(HookId id) {
    hooks_.Remove(id);
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
