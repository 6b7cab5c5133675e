#pragma once

// The main window whose minute tick and pointer poll run only when the test
// says: the minute tick comes as the message loop (or a box's own loop)
// delivers it, a WM_TIMER to the window's minute timer, at the time the
// test sets. Keys come through the hook's handler, pointer steps through the
// recorder's poll. Message boxes run what their modal loop would meanwhile
// (ModalBoxSink).
#include "MainWindowFixture.h"

#include "desktop/SysKeyboardHook.h"
#include "support/ModalBoxSink.h"
#include "toolkit/FindOwned.h"

#include <cmath>

class TickingWindowFixture : public MainWindowFixture {
protected:
    std::unique_ptr<TfrmMain> StartTicking() {
        auto form = Start();
        // Neither timer may fire by itself in the middle of the test's minutes.
        form->TimerMinutes().SetEnabled(false);
        FindOwned<TTimer>(*form, "TimerMouse").SetEnabled(false);
        pointer = {0, 0};
        form->Recorder().SetLastCursorPos(pointer);
        return form;
    }

    void TickAt(TfrmMain& form, LocalTime time) {
        clock.Set(time);
        SendMessageW(form.TimerMinutes().Handle(), WM_TIMER, TTimer::kTimerId, 0);
    }

    static void Keys(TfrmMain& form, int n) {
        auto& hook = FindOwned<TSysKeyboardHook>(form, "SysKeyboardHook");
        bool allow = true;
        for (int i = 0; i < n; ++i)
            form.SysKeyboardHookKeyDown(hook, 'A', 0, allow);
    }

    // Pointer steps of one decimetre each (as near as whole pixels go),
    // back and forth along the top of the screen.
    void Steps(TfrmMain& form, int n) {
        const int step = int(std::lround(form.PixelsPerInch() / 0.254));
        for (int i = 0; i < n; ++i) {
            pointer.x = pointer.x == 0 ? step : 0;
            form.Recorder().Poll(pointer);
        }
    }

    ModalBoxSink boxes;
    ScopedMessageSink modal{boxes};
    ScreenPoint pointer;
};
