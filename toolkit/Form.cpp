#include "Form.h"

#include "Application.h"
#include "FormLoader.h"
#include "ScreenDpi.h"
#include "Text.h"

TForm::TForm(TComponent* owner) : TControl(owner) {
    SetVisible(false);
    SetBounds(0, 0, 320, 240);
    if (!Application().MainForm())
        Application().SetMainForm(this);
    Handle();
}

TForm::~TForm() {
    BeginDestruction();
    if (Application().MainForm() == this)
        Application().SetMainForm(nullptr);
}

void TForm::Load(const FormClasses& classes, const FormHandlers& handlers, std::string_view text,
                 const std::string& source) {
    LoadForm(*this, classes, handlers, text, source);
    ScaleToWindow();
    if (onCreate_)
        Application().Dispatch([this] { onCreate_(*this); });
}

void TForm::LoadFromResource(const FormClasses& classes, const FormHandlers& handlers,
                             const wchar_t* name) {
    Load(classes, handlers, ReadFormResource(name), Narrow(name));
}

DWORD TForm::FrameStyle() const {
    DWORD style = WS_CAPTION | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    if (borderStyle_ == bsSizeable)
        style |= WS_THICKFRAME;
    if (borderIcons_ & biSystemMenu)
        style |= WS_SYSMENU;
    if (borderStyle_ != bsDialog) {
        if (borderIcons_ & biMinimize)
            style |= WS_MINIMIZEBOX;
        if (borderIcons_ & biMaximize)
            style |= WS_MAXIMIZEBOX;
    }
    return style;
}

void TForm::CreateParams(TCreateParams& params) {
    params.style = FrameStyle();
    params.exStyle = borderStyle_ == bsDialog ? WS_EX_DLGMODALFRAME : 0;
    params.owner = Application().Handle();
}

void TForm::SetBorderStyle(TFormBorderStyle style) {
    borderStyle_ = style;
    const DWORD frame = WS_THICKFRAME | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
    SetWindowStyle(frame & ~FrameStyle(), false);
    SetWindowStyle(FrameStyle() & frame, true);
    SetExWindowStyle(WS_EX_DLGMODALFRAME, style == bsDialog);
    if (clientWidth_ >= 0)
        TControl::SetClientSize(clientWidth_, clientHeight_);
}

void TForm::SetClientSize(int width, int height) {
    clientWidth_ = width;
    clientHeight_ = height;
    TControl::SetClientSize(width, height);
}

void TForm::SetBorderIcons(TBorderIcons icons) {
    borderIcons_ = icons;
    SetBorderStyle(borderStyle_);
}

void TForm::ScaleToWindow() {
    // Made larger, the window may reach onto a monitor of another scale; its
    // own scaling then ignores the change (WM_DPICHANGED below), and it is
    // scaled once more here.
    for (int pass = 0; pass < 2; ++pass) {
        const int ppi = WindowPixelsPerInch(Handle());
        if (ppi == PixelsPerInch())
            return;
        ScaleTo(ppi);
    }
}

void TForm::ChangeScale(int toPpi, int fromPpi) {
    TControl::ChangeScale(toPpi, fromPpi);
    for (TComponent* component : Components())
        if (!dynamic_cast<TControl*>(component))
            component->ChangeScale(toPpi, fromPpi);
}

void TForm::PlaceScaled(int fromPpi, int toPpi, const TRect* placed) {
    TControl::PlaceScaled(fromPpi, toPpi, placed);
    if (clientWidth_ >= 0)
        SetClientSize(clientWidthScale_.Rescale(clientWidth_, fromPpi, toPpi),
                      clientHeightScale_.Rescale(clientHeight_, fromPpi, toPpi));
}

TWindowState TForm::WindowState() const {
    // Once shown, the window knows best, also while it is hidden in the tray.
    if (HandleAllocated() && shownOnce_ && !statePending_) {
        HWND hwnd = const_cast<TForm*>(this)->Handle();
        if (IsIconic(hwnd))
            return wsMinimized;
        if (IsZoomed(hwnd))
            return wsMaximized;
        return wsNormal;
    }
    return windowState_;
}

void TForm::SetWindowState(TWindowState state) {
    windowState_ = state;
    statePending_ = !(HandleAllocated() && Visible());
    if (!statePending_)
        ApplyWindowState();
}

void TForm::ApplyWindowState() {
    ShowWindow(Handle(), windowState_ == wsMaximized   ? SW_SHOWMAXIMIZED
                         : windowState_ == wsMinimized ? SW_SHOWMINNOACTIVE
                                                       : SW_SHOWNORMAL);
}

// Centring waits for the first showing, so it sees the size that start-up
// code gave the form after its description was read.
void TForm::PlaceForFirstShow() {
    if (shownOnce_)
        return;
    shownOnce_ = true;
    if (position_ == poDesigned)
        return;
    RECT area{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    TForm* main = Application().MainForm();
    if (position_ == poMainFormCenter && main && main != this && main->HandleAllocated() &&
        main->Visible())
        GetWindowRect(main->Handle(), &area);
    SetBounds(area.left + (area.right - area.left - Width()) / 2,
              area.top + (area.bottom - area.top - Height()) / 2, Width(), Height());
}

void TForm::SetVisible(bool visible) {
    if (!visible || !HandleAllocated()) {
        TControl::SetVisible(visible);
        return;
    }
    PlaceForFirstShow();
    // The main form's taskbar button is the application window's.
    HWND app = Application().Handle();
    if (Application().MainForm() == this && !IsWindowVisible(app) && !IsIconic(app))
        ShowWindow(app, SW_SHOWNA);
    // A state set while hidden is the showing itself, so the window never
    // appears in another state first (a maximised start shown normal for a
    // moment flickers, and without a window manager Wine keeps the normal
    // state it saw). Otherwise the window keeps the state it had when it was
    // hidden.
    if (statePending_) {
        statePending_ = false;
        ApplyWindowState();
    }
    TControl::SetVisible(true);
}

bool TForm::CloseQuery() {
    bool canClose = true;
    if (onCloseQuery_)
        onCloseQuery_(*this, canClose);
    return canClose;
}

void TForm::Close() {
    if (!CloseQuery())
        return;
    if (modal_)
        modalResult_ = modalResult_ == mrNone ? mrCancel : modalResult_;
    else if (Application().MainForm() == this)
        Application().Terminate();
    else
        Hide();
}

int TForm::ShowModal() {
    // Everything else of this thread waits while the dialog is up.
    std::vector<HWND> disabled;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM list) -> BOOL {
            if (IsWindowVisible(hwnd) && IsWindowEnabled(hwnd))
                reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&disabled));
    for (HWND hwnd : disabled)
        if (hwnd != Handle())
            EnableWindow(hwnd, FALSE);
    modal_ = true;
    modalResult_ = mrNone;
    Show();
    SetForegroundWindow(Handle());
    int exitCode = 0;
    if (!Application().HandleMessagesUntil(
            [this] { return modalResult_ != mrNone || !Visible() || Application().Terminated(); },
            exitCode))
        PostQuitMessage(exitCode); // WM_QUIT belongs to the outer loop.
    modal_ = false;
    for (HWND hwnd : disabled)
        if (hwnd != Handle())
            EnableWindow(hwnd, TRUE);
    Hide();
    return modalResult_ == mrNone ? mrCancel : modalResult_;
}

void TForm::KeyDown(WORD& key, TShiftState shift) {
    if (onKeyDown_)
        onKeyDown_(*this, key, shift);
}

void TForm::PreviewKeyDown(WORD& key, TShiftState shift) {
    if (keyPreview_)
        KeyDown(key, shift);
}

WindowHooks::Id TForm::HookWindow(WindowHooks::Hook hook) {
    return hooks_.Add(std::move(hook));
}

void TForm::UnhookWindow(WindowHooks::Id id) {
    hooks_.Remove(id);
}

LRESULT TForm::WindowMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    TMessage message{msg, wParam, lParam, 0};
    if (hooks_.Run(message))
        return message.Result;
    return TControl::WindowMessage(hwnd, msg, wParam, lParam);
}

LRESULT TForm::WndProc(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_CLOSE:
        Close();
        return 0;
    case WM_QUERYENDSESSION:
        // Refusing would not keep the program alive: the system then ends it
        // without letting it save. So every form agrees, and saves below.
        return TRUE;
    case WM_ENDSESSION:
        if (wParam) {
            if (onEndSession_)
                Application().Dispatch([this] { onEndSession_(*this); });
            if (Application().MainForm() == this)
                Application().Terminate();
        }
        return 0;
    case WM_DPICHANGED:
        if (!Scaling()) {
            const RECT& r = *reinterpret_cast<const RECT*>(lParam);
            const TRect suggested{r.left, r.top, r.right, r.bottom};
            ScaleTo(LOWORD(wParam), &suggested);
        }
        return 0;
    case WM_SYSCOMMAND:
        if ((wParam & 0xFFF0) == SC_MINIMIZE && Application().MainForm() == this) {
            Application().Minimize();
            return 0;
        }
        break;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        WORD key = WORD(wParam);
        KeyDown(key, KeyboardShiftState());
        if (key == 0)
            return 0;
        break;
    }
    }
    return TControl::WndProc(msg, wParam, lParam);
}
