// How the tray icon moves the main form between the screen and the tray: the
// application window's messages, the owner form's window, and the two ways
// between shown and hidden.
#include "TrayIcon.h"

#include "toolkit/Form.h"
#include "toolkit/FormWindow.h"

#include <commctrl.h>

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

LRESULT CALLBACK TTrayIcon::OwnerWindowProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR,
                                            DWORD_PTR data) noexcept {
    auto* self = reinterpret_cast<TTrayIcon*>(data);
    LRESULT result = 0;
    bool handled = false;
    Application().Dispatch([&] {
        result = self->OwnerMessage(hwnd, msg, wp, lp);
        handled = true;
    });
    return handled ? result : DefSubclassProc(hwnd, msg, wp, lp);
}

LRESULT TTrayIcon::OwnerMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    const bool shown = msg == WM_SHOWWINDOW && wp == 1 && lp == 0;
    const bool parentClosing =
        msg == WM_SHOWWINDOW && wp == 0 && lp == SW_PARENTCLOSING && !Application().Terminated();
    const bool minimizing = msg == WM_SYSCOMMAND && (wp & 0xFFF0) == SC_MINIMIZE;
    if (shown) {
        SetForegroundWindow(Application().Handle());
        SetForegroundWindow(hwnd);
    } else if ((parentClosing || minimizing) && minimizeToTray_ && onMinimizeToTray_) {
        onMinimizeToTray_(*this);
        GoToTray();
        return 1;
    }
    return DefSubclassProc(hwnd, msg, wp, lp);
}
