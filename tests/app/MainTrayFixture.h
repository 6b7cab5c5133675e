#pragma once

// The main window with its tray icon, in a program folder of its own, on a
// set clock, with message boxes recorded.
#include "app/Main.h"

#include "chart/Chart.h"
#include "desktop/TrayIcon.h"
#include "history/HistoryViews.h"
#include "recording/ActivityRecorder.h"
#include "recording/DayLog.h"
#include "toolkit/PopupMenu.h"
#include "toolkit/Timer.h"

#include "support/KeeperIcon.h"
#include "support/TempFolder.h"
#include "toolkit/Application.h"
#include "toolkit/Files.h"
#include "toolkit/Text.h"

#include <gtest/gtest.h>
#include <memory>
#include <string>

class MainTrayTest : public ::testing::Test {
protected:
    MainTrayTest() {
        CreateDirectoryW(Widen(history).c_str(), nullptr);
        Application().SetTitle("Ostrelle");
        Application().SetMessageSink(&messages);
        Application().SetShowMainForm(true);
        KeepTrayWindowUp();
    }
    ~MainTrayTest() override {
        Application().SetMessageSink(nullptr);
        Application().Restore();
    }

    std::unique_ptr<TfrmMain> Start() { return std::make_unique<TfrmMain>(clock, root.Path()); }

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

    TempFolder root;
    std::string history = root / "history\\";
    std::string options = root / "options.ini";
    FixedClock clock{LocalTime{{2026, 12, 8}, 10, 0, 30, 0}};
    RecordingMessageSink messages;
};
