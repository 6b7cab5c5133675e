#pragma once

#include "CountedHandlerWindow.h"

#include <functional>

class TSimpleTimer;
// The hidden window whose WM_TIMER messages drive every TSimpleTimer.
using TSimpleTimerHandler = CountedHandlerWindow<TSimpleTimer>;

// A light timer that is no component: an interval, a tick handler and a
// window timer on the process's shared TSimpleTimerHandler window.
//
//   Start()        false for interval 0 (nothing changes); a running timer
//                  starts its period again; true when the timer now runs
//   Stop(mark)     kills the window timer (true if there was one); clears
//                  the running mark when asked
//   SetRunning, SetInterval, SetOnTick: see the .cpp
// Running means marked running; the window timer is missing while the
// interval is 0 or no handler is set, and comes back with a new interval.
// Ticks run through Application().Dispatch (errors go to the error box).
class TSimpleTimer {
public:
    using TickEvent = std::function<void(TSimpleTimer& sender)>;

    TSimpleTimer();
    TSimpleTimer(unsigned interval, TickEvent onTick);
    ~TSimpleTimer();
    // The handler window finds the timer by its id; it never moves.
    TSimpleTimer(const TSimpleTimer&) = delete;
    TSimpleTimer& operator=(const TSimpleTimer&) = delete;

    bool Start();
    bool Stop(bool markStopped = true);

    bool Running() const { return running_; }
    void SetRunning(bool running);
    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned milliseconds);
    void SetOnTick(TickEvent handler);

    // The platform timer id, unique among the live timers.
    UINT_PTR Id() const { return use_.Get(); }

    static HWND HandlerParent() { return HWND_MESSAGE; }
    static LRESULT HandlerMessage(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

private:
    void KillPlatformTimer();

    unsigned interval_;
    TickEvent onTick_;
    bool running_ = false;
    TSimpleTimerHandler::Use use_;
};
