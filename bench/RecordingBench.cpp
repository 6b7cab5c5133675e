#include "RecordingBench.h"

#include "BenchFiles.h"
#include "Stopwatch.h"
#include "recording/ActivityRecorder.h"
#include "recording/DayLog.h"
#include "toolkit/Exception.h"
#include "toolkit/Files.h"
#include "toolkit/Handle.h"
#include "toolkit/Text.h"

#include <string>

namespace {
void WriteWithFlush(const std::string& path, const std::string& bytes) {
    FileHandle file(CreateFileW(Widen(path).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                FILE_ATTRIBUTE_NORMAL, nullptr));
    DWORD written = 0;
    WriteFile(file.Get(), bytes.data(), DWORD(bytes.size()), &written, nullptr);
    FlushFileBuffers(file.Get());
}
} // namespace

void RunRecordingBench() {
    const std::string folder = BenchFolder("tallyvane-bench");
    FixedClock clock(LocalTime{{2026, 12, 9}, 12, 0, 0, 0});
    const std::string day = BusyDay(1);
    const std::string path = folder + "26-12-09.dat";
    const std::string raw = folder + "raw.dat";
    WriteFileBytes(path, day);
    std::printf("day file: %zu bytes, 1440 lines\n", day.size());

    auto [load, rawRead] = MedianMicroseconds(
        201,
        [&] {
            TChartSeries keys, mouse, cpu;
            DayLog log({keys, mouse, cpu}, clock, folder, StopOnError);
            log.LoadTodayFile();
        },
        [&] { (void)ReadFileBytes(path); });
    Report("LoadTodayFile (1440 lines)", load, "raw read of the same bytes", rawRead);

    TChartSeries keys, mouse, cpu;
    DayLog log({keys, mouse, cpu}, clock, folder, StopOnError);
    log.LoadTodayFile();
    const int saves = 50;
    double save = MicrosecondsEach(saves, [&] { log.SaveDayFile(); });
    double rawWrite = MicrosecondsEach(saves, [&] { WriteFileBytes(raw, day); });
    double rawFlushed = MicrosecondsEach(saves, [&] { WriteWithFlush(raw, day); });
    Report("SaveDayFile (atomic, flushed)", save, "raw write of the same bytes", rawWrite);
    Report("SaveDayFile (atomic, flushed)", save, "raw write + flush", rawFlushed);

    TTimer minuteTimer;
    ActivityRecorder recorder(log, clock, minuteTimer, [] { return 96; }, StopOnError, {});
    const int polls = 20000;
    double poll = MicrosecondsEach(polls, [&] { recorder.PollPointer(); });
    double cursor = MicrosecondsEach(polls, [&] {
        POINT p;
        GetCursorPos(&p);
    });
    Report("pointer poll (no move)", poll, "GetCursorPos alone", cursor);

    DeleteFileIfPresent(path);
    DeleteFileIfPresent(raw);
    RemoveDirectoryW(Widen(folder).c_str());
}
