#pragma once

// The main window with its tray icon, and the shell's side of the icon.
#include "MainWindowFixture.h"

class MainTrayTest : public MainWindowFixture {
protected:
    // A shell callback for the window's icon, as the shell sends it.
    static void Callback(TfrmMain& form, LPARAM event) {
        SendMessageW(TTrayIconHandler::Window(), TTrayIcon::kCallbackMessage,
                     form.TrayIcon().Identity(), event);
    }
    static bool ShellHas(const TTrayIcon& icon) {
        NOTIFYICONDATAA data = icon.IconData();
        return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
    }
    static bool Shown(TfrmMain& form) { return IsWindowVisible(form.Handle()) != FALSE; }
    static bool TaskbarButton() { return IsWindowVisible(Application().Handle()) != FALSE; }
};
