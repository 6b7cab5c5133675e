// How the tray icon moves the main form between the screen and the tray: the
// application window's messages, the owner form's messages, and the two ways
// between shown and hidden.
#include "TrayIcon.h"

#include "toolkit/Form.h"

bool TTrayIcon::HasMainForm() const {
    return OwnerIsWindow() && Application().MainForm();
}

void TTrayIcon::RestoreMainForm() {
    if (!HasMainForm())
        return;
    TForm& main = *Application().MainForm();
    Application().Restore();
    if (main.WindowState() == wsMinimized)
        main.SetWindowState(wsNormal);
    main.Show();
    // The application window hands the activation on to the form.
    SetForegroundWindow(Application().Handle());
}

void TTrayIcon::ConcealMainForm() {
    if (!HasMainForm())
        return;
    Application().MainForm()->Hide();
    HideTaskbarButton();
}

void TTrayIcon::HideTaskbarButton() {
    HWND application = Application().Handle();
    if (IsWindowVisible(application))
        ShowWindow(application, SW_HIDE);
}

void TTrayIcon::GoToTray() {
    ConcealMainForm();
    SetIconVisible(true);
}

// Sees every message of the application window first and never keeps one.
bool TTrayIcon::ApplicationMessageHook(TMessage& message) {
    TForm* main = Application().MainForm();
    if (message.Msg == WM_SIZE && message.WParam == SIZE_MINIMIZED && minimizeToTray_) {
        GoToTray();
    } else if (message.Msg == WM_WINDOWPOSCHANGED && startupPending_ && main) {
        if (main->FormStyle() == fsMDIForm && onStartup_) {
            bool showMainForm = true;
            onStartup_(*this, showMainForm);
            if (!showMainForm)
                HideTaskbarButton();
        }
        startupPending_ = false;
    } else if (message.Msg == WM_SYSCOMMAND && (message.WParam & 0xFFF0) == SC_RESTORE && main) {
        if (main->WindowState() == wsMinimized)
            main->SetWindowState(wsNormal);
        main->Show();
    }
    // The shell has started again and forgotten every icon.
    const UINT taskbarCreated = TaskbarCreatedMessage();
    if (taskbarCreated && message.Msg == taskbarCreated && iconVisible_)
        AddIcon();
    return false;
}

// Sees every message of the owner form's window before the form does.
bool TTrayIcon::OwnerMessageHook(TMessage& message) {
    const WPARAM wp = message.WParam;
    const LPARAM lp = message.LParam;
    const bool shown = message.Msg == WM_SHOWWINDOW && wp == 1 && lp == 0;
    const bool parentClosing = message.Msg == WM_SHOWWINDOW && wp == 0 && lp == SW_PARENTCLOSING &&
                               !Application().Terminated();
    const bool minimizing = message.Msg == WM_SYSCOMMAND && (wp & 0xFFF0) == SC_MINIMIZE;
    if (shown) {
        SetForegroundWindow(Application().Handle());
        SetForegroundWindow(hookedOwner_->Handle());
    } else if ((parentClosing || minimizing) && minimizeToTray_ && onMinimizeToTray_) {
        onMinimizeToTray_(*this);
        GoToTray();
        message.Result = 1;
        return true;
    }
    return false;
}
