#include "DayLog.h"

#include "DayFileName.h"
#include "toolkit/AtomicFile.h"
#include "toolkit/Exception.h"
#include "toolkit/Files.h"
#include "toolkit/Text.h"

#include <cmath>

DayLog::DayLog(DaySeries store, const Clock& clock, std::string historyDir, ErrorReporter report,
               Caption caption)
    : store_(store), clock_(clock), historyDir_(std::move(historyDir)), report_(std::move(report)),
      caption_(std::move(caption)) {}

std::string BrokenCopyName(const std::string& dayFile, int attempt) {
    return dayFile + (attempt <= 1 ? ".broken" : ".broken" + std::to_string(attempt));
}

namespace {
int32_t StoredInt(double value) {
    return std::isfinite(value) ? int32_t(int64_t(value)) : 0;
}
} // namespace

MinuteRecord DayLog::RecordAt(int minute) const {
    return {StoredInt(store_.keys.YAt(minute)), StoredInt(store_.mouse.YAt(minute)),
            StoredInt(store_.cpu.YAt(minute))};
}

void DayLog::StoreMinute(uint16_t minute, double keys, double mouse) {
    store_.keys.ReplaceY(minute, store_.keys.YAt(minute) + keys);
    store_.mouse.ReplaceY(minute, store_.mouse.YAt(minute) + mouse);
}

// A crash in the middle of a save leaves its temporary file behind; it was
// never the day file, so it goes. The first save of a run does it, which
// keeps the folder listing off the load at start-up.
void DayLog::RemoveStaleTempFiles() {
    if (tempFilesSwept_)
        return;
    for (const std::string& name : ListFolder(historyDir_, "*.dat.tmp"))
        DeleteFileIfPresent(historyDir_ + name);
    tempFilesSwept_ = true;
}

void DayLog::LoadTodayFile() {
    span_ = {};
    unread_ = false;
    pendingBackup_.reset();
    storeDate_ = clock_.Now().date;

    // The file's minutes go into the store first; every minute it lacks is
    // added as zero afterwards, also when the file cannot be taken.
    const std::string path = DayFileName(historyDir_, storeDate_);
    std::optional<std::string> bytes;
    std::optional<Exception> broken;
    try {
        bytes = ReadFileIfPresent(path);
        if (bytes)
            broken = MergeBytes(path, std::move(*bytes));
    } catch (const Exception& error) {
        FillWholeDay(store_);
        unread_ = true;
        report_(error);
        return;
    }
    FillWholeDay(store_);
    if (!bytes) {
        SaveDayFile(); // a new day: its file is made at once
        return;
    }
    ShowSpanIfSet();
    if (!broken)
        return;
    // With the original bytes kept aside, the file is written anew from what
    // could be read: every other reader of the folder (the month chart, the
    // tree hint) then meets a sound file instead of the same error again.
    MetErrors met{std::make_exception_ptr(*broken)};
    FinishThenReport(report_, met, [&] {
        if (!pendingBackup_)
            WriteDayFile(met);
    });
}

void DayLog::ShowSpanIfSet() {
    if (span_.first != 0) {
        span_.CloseAt(span_.first);
        ActiveSpanCaption();
    }
}

// Takes the file's records into the store. Minutes the store already counted
// (keys or travel non-zero) keep their counts: the file only fills the gaps.
// Raises the open error when the file cannot be read; a broken line ends the
// reading there, its original bytes are kept aside, and its conversion error
// is returned.
std::optional<Exception> DayLog::MergeFile(const std::string& path) {
    return MergeBytes(path, ReadFileBytes(path));
}

std::optional<Exception> DayLog::MergeBytes(const std::string& path, std::string bytes) {
    const DayColumns day = ReadDayColumns(bytes);
    MergeDayColumns(day, store_, span_);
    unread_ = false;
    if (!day.error)
        return std::nullopt;
    pendingBackup_.emplace(path, std::move(bytes));
    KeepBrokenOriginal(path);
    return Exception(*day.error);
}

// The broken file's bytes are written beside it before anything may replace
// it. Should that fail, the save refuses to overwrite until it succeeds.
void DayLog::KeepBrokenOriginal(const std::string& path) {
    if (!pendingBackup_)
        return;
    int attempt = 1;
    while (FileExists(BrokenCopyName(path, attempt)))
        ++attempt;
    try {
        WriteFileBytes(BrokenCopyName(path, attempt), pendingBackup_->second);
        pendingBackup_.reset();
    } catch (const Exception&) {
    }
}

void DayLog::SaveDayFile() {
    MetErrors met;
    FinishThenReport(report_, met, [&] { WriteDayFile(met); });
}

bool DayLog::SaveDayFile(MetErrors& met) {
    try {
        WriteDayFile(met);
        return true;
    } catch (const std::exception&) {
        met.push_back(std::current_exception());
        return false;
    }
}

void DayLog::WriteDayFile(MetErrors& met) {
    RemoveStaleTempFiles();
    const std::string path = DayFileName(historyDir_, storeDate_);
    if (unread_ && FileExists(path)) {
        if (std::optional<Exception> broken = MergeFile(path))
            met.push_back(std::make_exception_ptr(*broken));
    }
    unread_ = false;
    if (pendingBackup_) {
        KeepBrokenOriginal(pendingBackup_->first);
        if (pendingBackup_)
            throw Exception(Format("Cannot create file \"%s\". The damaged day file could not be "
                                   "kept aside, so it is not overwritten.",
                                   path.c_str()));
    }

    std::vector<MinuteRecord> records;
    const int n = store_.keys.PointCount();
    records.reserve(size_t(n));
    for (int i = 0; i < n; ++i)
        records.push_back(RecordAt(i));
    SaveFileAtomically(path, FormatDayFile(records));
}

void DayLog::ClearDayStore() {
    for (TChartSeries* series : {&store_.keys, &store_.mouse, &store_.cpu})
        for (int i = 0; i < series->PointCount(); ++i)
            series->ReplaceY(i, 0);
    span_ = {};
}

MetErrors DayLog::BeginDay(const Date& date) {
    MetErrors met;
    SaveDayFile(met);
    ClearDayStore();
    storeDate_ = date;
    unread_ = false;
    pendingBackup_.reset();
    const std::string path = DayFileName(historyDir_, date);
    if (!FileExists(path))
        return met;
    try {
        if (std::optional<Exception> broken = MergeFile(path))
            met.push_back(std::make_exception_ptr(*broken));
    } catch (const Exception&) {
        unread_ = true;
        met.push_back(std::current_exception());
    }
    return met;
}

void DayLog::ActiveSpanCaption() {
    if (!caption_.set)
        return;
    caption_.set(span_.Caption(caption_.hint ? caption_.hint() : std::string()));
}
