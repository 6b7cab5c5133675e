#pragma once

#include "toolkit/Application.h"

#include <windows.h>

// Handles this thread's messages until the condition holds or the time is up;
// returns the condition. Tests wait for the platform this way, never with a
// fixed sleep.
template <typename Condition> bool PumpUntil(Condition condition, DWORD milliseconds = 2000) {
    DWORD start = GetTickCount();
    while (!condition() && GetTickCount() - start < milliseconds) {
        Application().ProcessMessages();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 1, QS_ALLINPUT);
    }
    return condition();
}
