#pragma once

#include "DayLog.h"
#include "PointerTravel.h"
#include "toolkit/Clock.h"
#include "toolkit/ErrorReporter.h"
#include "toolkit/Timer.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

// The pointer's position on the screen; none while it cannot be read.
std::optional<ScreenPoint> CursorPosition();

// Counts key strokes and pointer travel between minute ticks, and at every
// tick closes the minute into the day store and the day file.
class ActivityRecorder {
public:
    struct Hooks {
        // The day chart's left axis title.
        std::function<void(const std::string&)> setActivityTitle;
        // Whether the view on screen shows this date (its day or its month):
        // only then does the tick refresh the caption of the active span.
        std::function<bool(const Date&)> viewShowsDate;
        // Reads the pointer.
        std::function<std::optional<ScreenPoint>()> readPointer = CursorPosition;
    };

    // The minute timer is the recorder's: it sets it on the wall-clock minute
    // at the start and on the minute's length at the first tick.
    // `pixelsPerInch` tells the screen's scale as it is now (the window's; it
    // follows the monitor and the user's setting), so that the same movement
    // of the hand counts the same decimetres at every scale.
    ActivityRecorder(DayLog& dayLog, const Clock& clock, TTimer& minuteTimer,
                     std::function<int()> pixelsPerInch, ErrorReporter report, Hooks hooks);

    // One key stroke reported by the hook; never blocks the key.
    void KeyDown() { ++keyCount_; }
    // The 50 ms poll: reads the pointer and counts its travel. A pointer that
    // cannot be read (a locked workstation, the secure desktop) counts
    // nothing and leaves LastCursorPos as it is.
    void PollPointer();
    void Poll(ScreenPoint position);
    // Starts the minute timer on the wall-clock minute: its first tick comes
    // at the next minute boundary, (60 - s) seconds from now, counted from
    // now also at second 0, where its interval stays what it was; every
    // later tick a minute after the one before.
    void StartMinuteTimer();
    // The minute tick, from the minute timer: the counts go into the minute's
    // record (added to what it holds), the day file is written, and what
    // failed is reported once, when all of that is done. A tick on a new date
    // first saves the store to its own date's file once more (minutes
    // earlier saves could not write); should that fail too, the new day
    // begins all the same. A save that fails keeps the minute in the store
    // for the next save; its error is reported, not raised.
    void MinuteTick();

    uint16_t KeyCount() const { return keyCount_; }
    // Pixels at the scale of the last poll.
    uint32_t MouseTravel() const { return mouseTravel_; }
    ScreenPoint LastCursorPos() const { return lastCursorPos_; }
    // Where travel is measured from; start-up sets the pointer's position, so
    // the first poll does not count the way from the screen's corner.
    void SetLastCursorPos(ScreenPoint p) { lastCursorPos_ = p; }

    static constexpr unsigned kMinuteInterval = 60000;

private:
    DayLog& dayLog_;
    const Clock& clock_;
    TTimer& minuteTimer_;
    std::function<int()> pixelsPerInch_;
    int travelPpi_; // the scale MouseTravel is counted at
    ErrorReporter report_;
    Hooks hooks_;
    uint16_t keyCount_ = 0;
    uint32_t mouseTravel_ = 0;
    ScreenPoint lastCursorPos_;
};
