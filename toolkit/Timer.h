#pragma once

#include "Component.h"
#include "MessageWindow.h"

#include <functional>

// A component that raises OnTimer every Interval milliseconds on the
// user-interface thread, through a window timer of its own hidden window.
// Setting the interval or the state it already has changes nothing; Restart
// starts the period again from now.
class TTimer : public TComponent {
public:
    using Event = std::function<void(TTimer& sender)>;

    explicit TTimer(TComponent* owner = nullptr);
    ~TTimer() override;

    unsigned Interval() const { return interval_; }
    void SetInterval(unsigned milliseconds);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool enabled);
    const Event& OnTimer() const { return onTimer_; }
    void SetOnTimer(Event handler);
    // Virtual so that a test can see a restart of a period too long to wait
    // for.
    virtual void Restart();

    // The hidden window whose WM_TIMER messages (wParam kTimerId) raise
    // OnTimer: a test sends one to raise it as the message loop would.
    HWND Handle() const { return window_.Handle(); }
    static constexpr UINT_PTR kTimerId = 1;

private:
    void Update();

    unsigned interval_ = 1000;
    bool enabled_ = true;
    Event onTimer_;
    MessageWindow window_;
};
