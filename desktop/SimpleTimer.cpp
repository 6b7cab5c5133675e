#include "SimpleTimer.h"

TSimpleTimer::TSimpleTimer() : TSimpleTimer(1000, nullptr) {}

TSimpleTimer::TSimpleTimer(unsigned interval, TickEvent onTick)
    : interval_(interval), onTick_(std::move(onTick)), use_(*this) {}

// The use of the handler window goes last, with the members.
TSimpleTimer::~TSimpleTimer() {
    if (running_)
        Stop(true);
}

bool TSimpleTimer::Start() {
    if (interval_ == 0)
        return false;
    if (running_)
        Stop(true);
    if (!SetTimer(TSimpleTimerHandler::Window(), Id(), interval_, nullptr))
        return false;
    running_ = true;
    return true;
}

bool TSimpleTimer::Stop(bool markStopped) {
    if (markStopped)
        running_ = false;
    return KillTimer(TSimpleTimerHandler::Window(), Id()) != FALSE;
}

void TSimpleTimer::KillPlatformTimer() {
    KillTimer(TSimpleTimerHandler::Window(), Id());
}

void TSimpleTimer::SetRunning(bool running) {
    if (running)
        Start();
    else
        Stop(true);
}

// A running timer keeps its mark through an interval of 0, so that a later
// interval brings it back.
void TSimpleTimer::SetInterval(unsigned milliseconds) {
    if (milliseconds == interval_)
        return;
    interval_ = milliseconds;
    if (!running_)
        return;
    if (interval_ != 0)
        Start();
    else
        KillPlatformTimer();
}

void TSimpleTimer::SetOnTick(TickEvent handler) {
    onTick_ = std::move(handler);
    if (!onTick_ && running_)
        KillPlatformTimer();
}

LRESULT TSimpleTimer::HandlerMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    // The shared window is a Unicode one: the ANSI default would read the
    // text of a WM_SETTEXT, say, as bytes and keep its first letter only.
    if (msg != WM_TIMER)
        return DefWindowProcW(hwnd, msg, wp, lp);
    if (TSimpleTimer* timer = TSimpleTimerHandler::Find(wp))
        if (timer->onTick_)
            timer->onTick_(*timer);
    return 0;
}
