#pragma once

#include "ActiveSpan.h"
#include "DayRecords.h"
#include "DaySeries.h"
#include "MetErrors.h"
#include "toolkit/Clock.h"
#include "toolkit/ErrorReporter.h"
#include "toolkit/Exception.h"

#include <functional>
#include <optional>
#include <string>

// Today's minute records, held as the y values of the day chart's three
// series (point index = minute of day), and the day file they are kept in.
// The store remembers the date it holds, so a day's records only ever go to
// that day's file. What goes wrong and does not stop an operation (a file
// that cannot be read or breaks off) goes to the reporter it is given, once
// the operation is over.
class DayLog {
public:
    // The caption that shows the active span: its hint text, and how to set it.
    struct Caption {
        std::function<std::string()> hint;
        std::function<void(const std::string&)> set;
    };

    DayLog(DaySeries store, const Clock& clock, std::string historyDir, ErrorReporter report,
           Caption caption = {});

    const std::string& HistoryDir() const { return historyDir_; }
    const Date& StoreDate() const { return storeDate_; }

    // Start-up: fills the store from today's file, or creates the file.
    // A file that cannot be read or parsed is reported, the store still gets
    // every minute, and the original bytes are kept beside it; a file that
    // could not be parsed is then written again from the store.
    void LoadTodayFile();
    // Writes the store to the file of the date it holds. The first save of
    // a run also removes temporary files that an earlier crash left.
    void SaveDayFile();
    // The same inside an operation that reports at its own end: what the
    // save meets, its own failure too, is added to `met`. True when the
    // file was written.
    bool SaveDayFile(MetErrors& met);
    void ClearDayStore();
    // The store moves on to another date. It is saved to its own date's file
    // once more first (minutes earlier saves could not write), then cleared
    // and, should the new date already have a file, filled from it. Nothing
    // stops the move: what fails on the way (the save, a file it cannot
    // take) is given back, for the caller to report once its own change of
    // the store is done.
    [[nodiscard]] MetErrors BeginDay(const Date& date);

    // The caption: its hint and the span, or the hint alone with no span.
    void ActiveSpanCaption();
    ActiveSpan& Span() { return span_; }
    const ActiveSpan& Span() const { return span_; }

    MinuteRecord RecordAt(int minute) const;
    // A closed minute's counts, added to what the minute holds (see the
    // minute tick for why adding); the cpu field keeps what it holds.
    void StoreMinute(uint16_t minute, double keys, double mouse);

private:
    void RemoveStaleTempFiles();
    std::optional<Exception> MergeFile(const std::string& path);
    // The same with the file's bytes already read.
    std::optional<Exception> MergeBytes(const std::string& path, std::string bytes);
    void KeepBrokenOriginal(const std::string& path);
    // Writes the store to its date's file; a file read only now that breaks
    // off is added to `met`, a write that fails raises.
    void WriteDayFile(MetErrors& met);
    void ShowSpanIfSet();

    DaySeries store_;
    const Clock& clock_;
    std::string historyDir_;
    ErrorReporter report_;
    Caption caption_;
    Date storeDate_;
    ActiveSpan span_;
    // Today's file existed but could not be read: it must be merged, not
    // overwritten, once it can be read.
    bool unread_ = false;
    // A broken file's original bytes, still waiting to be kept beside it.
    std::optional<std::pair<std::string, std::string>> pendingBackup_;
    // Temporary files left by an earlier crash were removed this run.
    bool tempFilesSwept_ = false;
};

// The name a broken day file's original bytes are kept under: never a name
// that a listing of "*.dat" matches.
std::string BrokenCopyName(const std::string& dayFile, int attempt);
