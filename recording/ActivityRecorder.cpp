#include "ActivityRecorder.h"

#include <windows.h>

std::optional<ScreenPoint> CursorPosition() {
    POINT p{};
    if (!GetCursorPos(&p))
        return std::nullopt;
    return ScreenPoint{p.x, p.y};
}

ActivityRecorder::ActivityRecorder(DayLog& dayLog, const Clock& clock, TTimer& minuteTimer,
                                   std::function<int()> pixelsPerInch, ErrorReporter report,
                                   Hooks hooks)
    : dayLog_(dayLog), clock_(clock), minuteTimer_(minuteTimer),
      pixelsPerInch_(std::move(pixelsPerInch)), travelPpi_(pixelsPerInch_()),
      report_(std::move(report)), hooks_(std::move(hooks)) {}

void ActivityRecorder::PollPointer() {
    if (std::optional<ScreenPoint> position = hooks_.readPointer())
        Poll(*position);
}

void ActivityRecorder::Poll(ScreenPoint position) {
    if (position == lastCursorPos_)
        return;
    // The minute's travel so far was counted at the scale it was made at.
    if (const int ppi = pixelsPerInch_(); ppi > 0 && ppi != travelPpi_) {
        if (travelPpi_ > 0)
            mouseTravel_ = uint32_t(uint64_t(mouseTravel_) * unsigned(ppi) / unsigned(travelPpi_));
        travelPpi_ = ppi;
    }
    mouseTravel_ += PointerStep(lastCursorPos_, position); // wraps at 32 bits
    if (hooks_.setActivityTitle)
        hooks_.setActivityTitle("Activity [" + std::to_string(keyCount_) + " : " +
                                std::to_string(PixelsToDecimetres(mouseTravel_, travelPpi_)) + "]");
    lastCursorPos_ = position;
}

// Restarted in any case: at second 0 the interval and the state are the ones
// the timer has, and it would go on counting from its creation.
void ActivityRecorder::StartMinuteTimer() {
    minuteTimer_.SetInterval(AlignedMinuteInterval(clock_.Now().second));
    minuteTimer_.SetEnabled(true);
    minuteTimer_.Restart();
}

// The tick does all its work on the clock and the store (the new day, the
// minute, the save, the caption) before it reports anything, and reports
// once, at its end: a box runs a message loop in which the next ticks run,
// and they must find the store as this tick leaves it, not half changed.
//
// The minute's counts are added to its record, never put in its place. A
// record is zero until a tick stores into it, unless counts reached it
// before: an earlier pass of the same minute when the clock went back (the
// end of daylight saving time, a clock set back by hand), an earlier run of
// the same day (start-up loads today's file, whose records are kept), or
// the file of a date the clock went back to (the new day is filled from
// it). Adding keeps them all, and the counters start from zero after every
// tick, so no count is stored twice; in the normal course the record is
// zero and adding is storing. So "the same date" needs no memory of its
// own: it is the date the store holds, whichever run or pass filled it.
void ActivityRecorder::MinuteTick() {
    if (minuteTimer_.Interval() != kMinuteInterval)
        minuteTimer_.SetInterval(kMinuteInterval);

    const LocalTime now = clock_.Now();
    const uint16_t minute = uint16_t(now.hour * 60 + now.minute);

    // A new date starts a fresh store. The same date with its file gone
    // keeps the store: the save below writes the file again from it.
    MetErrors met;
    if (now.date != dayLog_.StoreDate())
        met = dayLog_.BeginDay(now.date);

    dayLog_.Span().last = minute;
    dayLog_.StoreMinute(minute, keyCount_, PixelsToDecimetres(mouseTravel_, travelPpi_));

    // The minute is in the store now; whatever the save does, the next minute
    // starts from zero so that no count is stored twice. A save that fails
    // leaves it there for the next one that succeeds.
    keyCount_ = 0;
    mouseTravel_ = 0;

    const bool saved = dayLog_.SaveDayFile(met);
    FinishThenReport(report_, met, [&] {
        if (saved && hooks_.viewShowsDate && hooks_.viewShowsDate(now.date)) {
            dayLog_.Span().CloseAt(minute);
            dayLog_.ActiveSpanCaption();
        }
    });
}
