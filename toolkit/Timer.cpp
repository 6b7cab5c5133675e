#include "Timer.h"

TTimer::TTimer(TComponent* owner)
    : TComponent(owner), window_([this](HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) -> LRESULT {
          if (msg == WM_TIMER && wp == kTimerId) {
              if (onTimer_)
                  onTimer_(*this);
              return 0;
          }
          return DefWindowProcW(hwnd, msg, wp, lp);
      }) {}

TTimer::~TTimer() {
    KillTimer(window_.Handle(), kTimerId);
}

void TTimer::SetInterval(unsigned milliseconds) {
    if (milliseconds != interval_) {
        interval_ = milliseconds;
        Update();
    }
}

void TTimer::SetEnabled(bool enabled) {
    if (enabled != enabled_) {
        enabled_ = enabled;
        Update();
    }
}

void TTimer::SetOnTimer(Event handler) {
    onTimer_ = std::move(handler);
    Update();
}

void TTimer::Restart() {
    Update();
}

// A window timer runs only while it is enabled, has an interval and someone
// listens; any change restarts it, so a new interval counts from now.
void TTimer::Update() {
    KillTimer(window_.Handle(), kTimerId);
    if (enabled_ && interval_ != 0 && onTimer_)
        SetTimer(window_.Handle(), kTimerId, interval_, nullptr);
}
