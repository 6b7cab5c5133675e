#pragma once

// The main window in a program folder of its own, on a set clock (8 December
// 2026, 10:00:30), with message boxes recorded and Run keys of its own. Whatever the window changes
// of the application (the hint pause, a minimised application window) is put
// back after each test.
#include "app/Main.h"

#include "chart/Chart.h"
#include "desktop/TrayIcon.h"
#include "history/HistoryViews.h"
#include "recording/ActivityRecorder.h"
#include "recording/DayLog.h"
#include "support/KeeperIcon.h"
#include "support/RegistryRoot.h"
#include "support/TempFolder.h"
#include "toolkit/Application.h"
#include "toolkit/Files.h"
#include "toolkit/PopupMenu.h"
#include "toolkit/Text.h"
#include "toolkit/Timer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <initializer_list>
#include <memory>
#include <string>

class MainWindowFixture : public ::testing::Test {
protected:
    MainWindowFixture() {
        CreateDirectoryW(Widen(history).c_str(), nullptr);
        Application().SetTitle("Ostrelle");
        Application().SetShowMainForm(true);
        KeepTrayWindowUp();
    }
    ~MainWindowFixture() override {
        Application().Restore();
        Application().SetHintHidePause(hintPauseBefore);
    }

    std::unique_ptr<TfrmMain> Start() {
        return std::make_unique<TfrmMain>(clock, root.Path(), Autostart(machine.Get(), user.Get()));
    }

    // The close request with the quit flag set, as Close, Ctrl+Q and Alt+F4
    // make it (without ending the test's own message loop).
    static bool ConfirmedClose(TfrmMain& form) {
        form.MenuItem("pClose").SetChecked(true);
        bool canClose = true;
        form.FormCloseQuery(form, canClose);
        return canClose;
    }

    // A key pressed in a window of this thread while the modifier keys
    // `held` are down, as the thread's key state tells them; the key state
    // is put back afterwards. With Alt held it comes as a system key.
    static void PressKey(HWND window, WORD key, std::initializer_list<BYTE> held = {}) {
        BYTE before[256], pressed[256];
        GetKeyboardState(before);
        std::copy(std::begin(before), std::end(before), std::begin(pressed));
        bool alt = false;
        for (BYTE modifier : held) {
            pressed[modifier] |= 0x80;
            alt = alt || modifier == VK_MENU;
        }
        SetKeyboardState(pressed);
        SendMessageW(window, alt ? WM_SYSKEYDOWN : WM_KEYDOWN, key, alt ? (1 << 29) | 1 : 1);
        SetKeyboardState(before);
    }

    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (const auto& m : messages.messages)
            texts.push_back(m.text);
        return texts;
    }

    TempFolder root;
    std::string history = root / "history\\";
    std::string options = root / "options.ini";
    FixedClock clock{LocalTime{{2026, 12, 8}, 10, 0, 30, 0}};
    // Where the window looks for the autostart value and writes it, in
    // place of the machine-wide and the user's Run keys.
    RegistryRoot machine{"machine"};
    RegistryRoot user{"user"};
    RecordingMessageSink messages;
    ScopedMessageSink recorded{messages};
    const int hintPauseBefore = Application().HintHidePause();
};
