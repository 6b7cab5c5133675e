#pragma once

// A main form with a tray icon read from a form description, a tray icon
// that writes down what it gives the shell, and the callbacks sent to the
// handler window as the shell sends them.
#include "desktop/DesktopFormClasses.h"
#include "desktop/TrayIcon.h"
#include "support/HostWindow.h"
#include "support/KeeperIcon.h"
#include "toolkit/Application.h"
#include "toolkit/ControlClasses.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

class TRecordingTrayIcon : public TTrayIcon {
public:
    using TTrayIcon::TTrayIcon;
    struct Call {
        DWORD message;
        NOTIFYICONDATAA data;
        bool result;
    };
    std::vector<Call> calls;
    std::vector<DWORD> Messages() const {
        std::vector<DWORD> messages;
        for (const Call& call : calls)
            messages.push_back(call.message);
        return messages;
    }

protected:
    bool ShellNotify(DWORD message, NOTIFYICONDATAA& data) override {
        bool result = TTrayIcon::ShellNotify(message, data);
        calls.push_back({message, data, result});
        return result;
    }
};

class TrayIconTest : public ::testing::Test {
protected:
    TrayIconTest() {
        KeepTrayWindowUp();
        Application().SetTitle("Ostrelle");
        Application().SetShowMainForm(true);
        RegisterControlClasses(classes);
        RegisterDesktopClasses(classes);
        classes.Class<TRecordingTrayIcon>("TRecordingTrayIcon", "TTrayIcon");
    }
    ~TrayIconTest() override { Application().Restore(); }

    void Load(THostWindow& form, const std::string& text) {
        form.Load(classes, handlers, text, "t");
    }

    // Sends a shell callback for the icon and waits until it is handled.
    static void Callback(const TTrayIcon& icon, LPARAM event) {
        SendMessageW(TTrayIconHandler::Window(), TTrayIcon::kCallbackMessage, icon.Identity(),
                     event);
    }

    // Whether the shell shows an icon of this record: it agrees to change
    // only an icon it has.
    static bool ShellHas(const TTrayIcon& icon) {
        NOTIFYICONDATAA data = icon.IconData();
        return Shell_NotifyIconA(NIM_MODIFY, &data) != FALSE;
    }

    RecordingMessageSink sink;
    ScopedMessageSink recorded{sink};
    FormClasses classes;
    FormHandlers handlers;
};
