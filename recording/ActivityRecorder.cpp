#include "ActivityRecorder.h"

#include "toolkit/DateFormat.h"

#include <windows.h>

std::optional<ScreenPoint> CursorPosition() {
    POINT p{};
    if (!GetCursorPos(&p))
        return std::nullopt;
    return ScreenPoint{p.x, p.y};
}

ActivityRecorder::ActivityRecorder(DayLog& dayLog, const Clock& clock, int pixelsPerInch,
                                   ErrorReporter report, Hooks hooks)
    : dayLog_(dayLog), clock_(clock), pixelsPerInch_(pixelsPerInch), report_(std::move(report)),
      hooks_(std::move(hooks)) {}

void ActivityRecorder::PollPointer() {
    if (std::optional<ScreenPoint> position = hooks_.readPointer())
        Poll(*position);
}

void ActivityRecorder::Poll(ScreenPoint position) {
    if (position == lastCursorPos_)
        return;
    mouseTravel_ += PointerStep(lastCursorPos_, position); // wraps at 32 bits
    if (hooks_.setActivityTitle)
        hooks_.setActivityTitle("Activity [" + std::to_string(keyCount_) + " : " +
                                std::to_string(PixelsToDecimetres(mouseTravel_, pixelsPerInch_)) +
                                "]");
    lastCursorPos_ = position;
}

void ActivityRecorder::MinuteTick(TTimer& timer) {
    if (timer.Interval() != kMinuteInterval)
        timer.SetInterval(kMinuteInterval);

    const LocalTime now = clock_.Now();
    const uint16_t minute = uint16_t(now.hour * 60 + now.minute);

    // A new date starts a fresh store. The same date with its file gone
    // keeps the store: the save below writes the file again from it.
    MetErrors met;
    if (now.date != dayLog_.StoreDate())
        met = dayLog_.BeginDay(now.date);

    dayLog_.Span().last = minute;
    dayLog_.StoreMinute(minute, keyCount_, PixelsToDecimetres(mouseTravel_, pixelsPerInch_));

    // The minute is in the store now; whatever the save does, the next minute
    // starts from zero so that no count is stored twice.
    keyCount_ = 0;
    mouseTravel_ = 0;

    FinishThenReport(report_, met, [&] {
        dayLog_.SaveDayFile();
        const std::string selected = hooks_.selectedNodeText ? hooks_.selectedNodeText() : "";
        if (selected == FormatDate("yyyy.mmmm", now.date) ||
            selected == FormatDate("yyyy-mm-dd", now.date)) {
            dayLog_.Span().CloseAt(minute);
            dayLog_.ActiveSpanCaption();
        }
    });
}
