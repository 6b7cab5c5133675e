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
        // The text of the history tree's selected node, empty when none.
        std::function<std::string()> selectedNodeText;
        // Reads the pointer.
        std::function<std::optional<ScreenPoint>()> readPointer = CursorPosition;
    };

    ActivityRecorder(DayLog& dayLog, const Clock& clock, int pixelsPerInch, ErrorReporter report,
                     Hooks hooks);

    // One key stroke reported by the hook; never blocks the key.
    void KeyDown() { ++keyCount_; }
    // The 50 ms poll: reads the pointer and counts its travel. A pointer that
    // cannot be read (a locked workstation, the secure desktop) counts
    // nothing and leaves LastCursorPos as it is.
    void PollPointer();
    void Poll(ScreenPoint position);
    // The minute tick, from the minute timer. A tick on a new date first saves
    // the store to its own date's file once more (minutes earlier saves could
    // not write); should that fail too, the error is reported once the minute
    // is stored, and the new day begins all the same. A save that fails ends
    // the tick with its error.
    void MinuteTick(TTimer& timer);

    uint16_t KeyCount() const { return keyCount_; }
    uint32_t MouseTravel() const { return mouseTravel_; }
    ScreenPoint LastCursorPos() const { return lastCursorPos_; }
    // Where travel is measured from; start-up sets the pointer's position, so
    // the first poll does not count the way from the screen's corner.
    void SetLastCursorPos(ScreenPoint p) { lastCursorPos_ = p; }

    static constexpr unsigned kMinuteInterval = 60000;

private:
    DayLog& dayLog_;
    const Clock& clock_;
    int pixelsPerInch_;
    ErrorReporter report_;
    Hooks hooks_;
    uint16_t keyCount_ = 0;
    uint32_t mouseTravel_ = 0;
    ScreenPoint lastCursorPos_;
};
